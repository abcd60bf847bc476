#include "zelui/limner/Limner.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>

#include "zelui/testing.h"

namespace limner {

namespace {

std::array<int, static_cast<size_t>(DrawingKind::kCount)>& LiveCounts() {
  static std::array<int, static_cast<size_t>(DrawingKind::kCount)> counts{};
  return counts;
}

std::vector<std::string>& DrawingLog() {
  static std::vector<std::string> log;
  return log;
}

int NextSurfaceNumber() {
  static std::atomic<int> next{1};
  return next.fetch_add(1);
}

std::string Join(std::initializer_list<std::string> parts) {
  std::string text;
  for (const std::string& part : parts) {
    if (!text.empty()) text += ' ';
    text += part;
  }
  return text;
}

std::string Flag(bool flag) { return flag ? "true" : "false"; }

void Append(int surfaceNumber, const std::string& operationAndValues) {
  DrawingLog().push_back("#" + std::to_string(surfaceNumber) + " " + operationAndValues);
}

}  // namespace

LiveCount::LiveCount(DrawingKind kind) : mKind(kind) { ++LiveCounts()[static_cast<size_t>(kind)]; }
LiveCount::~LiveCount() { --LiveCounts()[static_cast<size_t>(mKind)]; }

std::string Describe(float value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

std::string Describe(const PointF32& point) { return Describe(point.x) + "," + Describe(point.y); }

std::string Describe(const RectF32& rect) {
  return Describe(rect.left) + "," + Describe(rect.top) + "," + Describe(rect.width) + "," + Describe(rect.height);
}

std::string Describe(const Rect32& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + "," + std::to_string(rect.width) + "," +
         std::to_string(rect.height);
}

std::string Describe(const ColorRGBA& color) {
  return "color " + Describe(color.red) + "," + Describe(color.green) + "," + Describe(color.blue) + "," +
         Describe(color.alpha);
}

std::string Describe(const MatrixF32& matrix) {
  std::string text = "matrix(";
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) text += Describe(matrix.m[r][c]) + (c < 2 ? "," : r < 2 ? ";" : ")");
  return text;
}

void Path::Include(float x, float y) {
  if (!mHasPoints) {
    mMinX = mMaxX = x;
    mMinY = mMaxY = y;
    mHasPoints = true;
    return;
  }
  mMinX = std::min(mMinX, x);
  mMaxX = std::max(mMaxX, x);
  mMinY = std::min(mMinY, y);
  mMaxY = std::max(mMaxY, y);
}

void Path::MoveTo(const PointF32& point) {
  mElements.push_back("M " + limner::Describe(point));
  Include(point.x, point.y);
}

void Path::LineTo(const PointF32& point) {
  mElements.push_back("L " + limner::Describe(point));
  Include(point.x, point.y);
}

void Path::BezierTo(const PointF32& control1, const PointF32& control2, const PointF32& end) {
  mElements.push_back(Join({"C", limner::Describe(control1), limner::Describe(control2), limner::Describe(end)}));
  for (const PointF32& p : {control1, control2, end}) Include(p.x, p.y);
}

void Path::AddRect(const RectF32& rect) {
  mElements.push_back("R " + limner::Describe(rect));
  Include(rect.left, rect.top);
  Include(rect.left + rect.width, rect.top + rect.height);
}

void Path::ClosePath() { mElements.push_back("Z"); }

void Path::AddArc(const PointF32& centre, float radius, float startAngle, float endAngle) {
  mElements.push_back(Join({"A", limner::Describe(centre), limner::Describe(radius), limner::Describe(startAngle),
                            limner::Describe(endAngle)}));
  Include(centre.x - radius, centre.y - radius);
  Include(centre.x + radius, centre.y + radius);
}

std::string Path::Describe() const {
  std::string text = "path(";
  for (size_t i = 0; i < mElements.size(); ++i) text += (i ? " " : "") + mElements[i];
  return text + ")";
}

RectF32 Path::Bounds() const {
  if (!mHasPoints) return RectF32{};
  return RectF32{mMinX, mMinY, mMaxX - mMinX, mMaxY - mMinY};
}

std::string Pen::Describe() const {
  std::string text = "pen(" + limner::Describe(mColor) + " width " + limner::Describe(mWidth);
  if (mJoin != kLineJoinType_Default) text += " join " + std::to_string(mJoin);
  if (mCap != kLineCapType_Default) text += " cap " + std::to_string(mCap);
  if (mMiterLimit != 10) text += " miter " + limner::Describe(mMiterLimit);
  if (!mDashes.empty()) {
    text += " dash ";
    for (size_t i = 0; i < mDashes.size(); ++i) text += (i ? "," : "") + limner::Describe(mDashes[i]);
  }
  return text + ")";
}

float Font::MeasureStringWidth(const zelcore::UTF16String& text) const {
  return static_cast<float>(text.size()) * mSize * 0.5f;
}

std::string Font::Describe() const { return "font(" + zelcore::UTF16to8(mName) + " " + limner::Describe(mSize) + ")"; }

std::string Shader::Describe() const {
  return "shader(" +
         Join({mKind == kLinear ? "linear" : "radial", limner::Describe(mFrom), limner::Describe(mTo),
               limner::Describe(mFromColor), limner::Describe(mToColor)}) +
         ")";
}

std::string ImageInterface::Describe() const { return "image(" + zelcore::UTF16to8(mName) + ")"; }

SurfaceInterface::SurfaceInterface(int width, int height)
    : mNumber(NextSurfaceNumber()), mWidth(std::max(width, 0)), mHeight(std::max(height, 0)) {
  mState.clip = RectF32{0, 0, static_cast<float>(mWidth), static_cast<float>(mHeight)};
}

void SurfaceInterface::Record(const std::string& operationAndValues) const {
  Append(mNumber, operationAndValues);
}

void SurfaceInterface::PushStateStack() {
  mSaved.push_back(mState);
  Record("PushStateStack");
}

void SurfaceInterface::PopStateStack() {
  if (!mSaved.empty()) {
    mState = mSaved.back();
    mSaved.pop_back();
  }
  Record("PopStateStack");
}

void SurfaceInterface::DrawString(const zelcore::UTF16String& text, int x, int y, const BrushP& brush,
                                  const FontP& font, TextAlignment alignment, TextTruncation truncation,
                                  float truncationWidth) {
  Record(Join({"DrawString", "\"" + zelcore::UTF16to8(text) + "\"", std::to_string(x) + "," + std::to_string(y),
               brush->Describe(), font->Describe(), std::to_string(alignment), std::to_string(truncation),
               limner::Describe(truncationWidth)}));
}

float SurfaceInterface::MeasureStringWidth(const zelcore::UTF16String& text, const FontP& font) {
  return font->MeasureStringWidth(text);
}

void SurfaceInterface::PaintRect(const RectF32& rect, const ColorRGBA& color) {
  Record(Join({"PaintRect", limner::Describe(rect), limner::Describe(color)}));
}

void SurfaceInterface::DrawOutline(const RectF32& rect, const ColorRGBA& color, float rounding, float lineWidth) {
  Record(Join({"DrawOutline", limner::Describe(rect), limner::Describe(color), limner::Describe(rounding),
               limner::Describe(lineWidth), "all"}));
}

void SurfaceInterface::DrawRoundedFill(const RectF32& rect, const ColorRGBA& color, float rounding) {
  Record(Join({"DrawRoundedFill", limner::Describe(rect), limner::Describe(color), limner::Describe(rounding)}));
}

void SurfaceInterface::StrokePath(const PathP& path, const PenP& pen) {
  Record(Join({"StrokePath", path->Describe(), pen->Describe()}));
}

void SurfaceInterface::FillPath(const PathP& path, const BrushP& brush, bool nonZeroWinding) {
  Record(Join({"FillPath", path->Describe(), brush->Describe(), Flag(nonZeroWinding)}));
}

void SurfaceInterface::ShadePath(const PathP& path, const ShaderP& shader, bool nonZeroWinding) {
  Record(Join({"ShadePath", path->Describe(), shader->Describe(), Flag(nonZeroWinding)}));
}

void SurfaceInterface::Transform(const MatrixF32& matrix) {
  mState.transform = matrix.Then(mState.transform);
  Record("Transform " + limner::Describe(matrix));
}

void SurfaceInterface::Clip(const PathP& path, bool nonZeroWinding) {
  const RectF32 bounds = path->Bounds();
  const float left = std::max(mState.clip.left, bounds.left);
  const float top = std::max(mState.clip.top, bounds.top);
  const float right = std::min(mState.clip.left + mState.clip.width, bounds.left + bounds.width);
  const float bottom = std::min(mState.clip.top + mState.clip.height, bounds.top + bounds.height);
  mState.clip = RectF32{left, top, std::max(right - left, 0.0f), std::max(bottom - top, 0.0f)};
  Record(Join({"Clip", path->Describe(), Flag(nonZeroWinding)}));
}

bool SurfaceInterface::IsWithinClipBounds(const Rect32& rect) const {
  const RectF32& clip = mState.clip;
  const double left = std::max<double>(clip.left, rect.left);
  const double top = std::max<double>(clip.top, rect.top);
  const double right = std::min<double>(clip.left + clip.width, static_cast<double>(rect.left) + rect.width);
  const double bottom = std::min<double>(clip.top + clip.height, static_cast<double>(rect.top) + rect.height);
  return right > left && bottom > top;
}

void SurfaceInterface::DrawImage(const ImageInterface& image, const PointF32& topLeft, float opacity) {
  Record(Join({"DrawImage", image.Describe(), limner::Describe(topLeft), limner::Describe(opacity)}));
}

void SurfaceInterface::DrawImage(const ImageInterface& image, const RectF32& destination, const RectF32* source,
                                 float opacity) {
  Record(Join({"DrawImage", image.Describe(), limner::Describe(destination),
               source ? limner::Describe(*source) : std::string("whole"), limner::Describe(opacity)}));
}

void SurfaceInterface::SetAntiAliasPolicy(AntiAliasPolicy policy) {
  if (policy != kAntiAliasPolicy_None && policy != kAntiAliasPolicy_Med && policy != kAntiAliasPolicy_High) return;
  mState.antiAlias = policy;
  Record("SetAntiAliasPolicy " + std::to_string(policy));
}

ImageP SurfaceInterface::GetSurfaceImage() const {
  return ImageP(new ImageInterface(zelcore::UTF8to16("surface#" + std::to_string(mNumber)),
                                   static_cast<float>(mWidth), static_cast<float>(mHeight)));
}

void SurfaceInterface::Flush() { Record("Flush"); }

ShaderP SupplierInterface::CreateLinearShader(const PointF32& from, const PointF32& to, const ColorRGBA& fromColor,
                                              const ColorRGBA& toColor) {
  return std::make_shared<Shader>(Shader::kLinear, from, to, fromColor, toColor);
}

ShaderP SupplierInterface::CreateRadialShader(const PointF32& centre, const PointF32& edge,
                                              const ColorRGBA& centreColor, const ColorRGBA& edgeColor) {
  return std::make_shared<Shader>(Shader::kRadial, centre, edge, centreColor, edgeColor);
}

SurfaceP SupplierInterface::CreateOffscreenSurface(int width, int height, bool opaque) {
  SurfaceP surface(new SurfaceInterface(width, height));
  Append(surface->Number(), Join({"CreateOffscreenSurface", std::to_string(surface->Width()),
                                 std::to_string(surface->Height()), Flag(opaque)}));
  return surface;
}

void Limner::DrawImage(const ImageInterface& image, const PointF32& topLeft, float factor) {
  std::ostringstream line;
  line << "DrawImage " << zelcore::UTF16to8(image.Name()) << " at " << topLeft.x << "," << topLeft.y << " factor "
       << factor;
  mLog.push_back(line.str());
}

}  // namespace limner

namespace zelui::testing {

const std::vector<std::string>& DrawingLog() { return limner::DrawingLog(); }

int LiveDrawingObjects(limner::DrawingKind kind) { return limner::LiveCounts()[static_cast<size_t>(kind)]; }

LendableContext::LendableContext(int width, int height)
    : mSurface(new limner::SurfaceInterface(width, height)), mContext(&mSupplier, mSurface.get()) {}

}  // namespace zelui::testing
