#pragma once
// The drawing interface: a drawing context over a supplier (which makes paths, pens, brushes,
// fonts, shaders and offscreen surfaces) and a surface. This stand-in draws nothing: every call
// that reaches a surface appends one line to a process-wide log, the surface's number, the
// operation and every value handed over in order ("#2 PaintRect 0,0,10,20 color 1,0,0,1"), and
// surfaces keep the state that can be read back (transform, clip, anti-alias policy, a state
// stack). Surfaces and images are counted; the handles are shared implementations that outlive the
// supplier that made them.
#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include <boost/intrusive_ptr.hpp>

#include "zelcore/Geometry.h"
#include "zelcore/Strings.h"

namespace limner {

using zelcore::ColorRGBA;
using zelcore::MatrixF32;
using zelcore::PointF32;
using zelcore::Rect32;
using zelcore::RectF32;

enum AntiAliasPolicy : int { kAntiAliasPolicy_None = 0, kAntiAliasPolicy_Med = 1, kAntiAliasPolicy_High = 2 };
enum TextAlignment : int {
  kTextAlignment_Left = 0,
  kTextAlignment_Center = 1,
  kTextAlignment_Right = 2,
  kTextAlignment_Default = 0
};
enum TextTruncation : int {
  kTextTruncation_None = 0,
  kTextTruncation_End = 1,
  kTextTruncation_EndEllipsis = 2,
  kTextTruncation_PathEllipsis = 3
};
enum LineJoinType : int { kLineJoinType_Miter = 0, kLineJoinType_Bevel = 1, kLineJoinType_Round = 2, kLineJoinType_Default = 0 };
enum LineCapType : int { kLineCapType_Flat = 0, kLineCapType_Round = 1, kLineCapType_Square = 2, kLineCapType_Default = 0 };

// The kinds of drawing object whose live instances are counted (read by tests).
enum class DrawingKind { kContext, kSurface, kImage, kPath, kPen, kBrush, kFont, kShader, kCount };

// A member that counts one live object of its kind.
class LiveCount {
 public:
  explicit LiveCount(DrawingKind kind);
  LiveCount(const LiveCount& other) : LiveCount(other.mKind) {}
  LiveCount& operator=(const LiveCount&) { return *this; }
  ~LiveCount();

 private:
  DrawingKind mKind;
};

// Text forms of the values handed to a surface, as the log shows them.
std::string Describe(float value);
std::string Describe(const PointF32& point);
std::string Describe(const RectF32& rect);
std::string Describe(const Rect32& rect);
std::string Describe(const ColorRGBA& color);  // "color r,g,b,a"
std::string Describe(const MatrixF32& matrix);  // "matrix(a,b,c;d,e,f;g,h,i)"

// An outline of lines, curves, rectangles and arcs.
class Path {
 public:
  void MoveTo(const PointF32& point);
  void LineTo(const PointF32& point);
  void BezierTo(const PointF32& control1, const PointF32& control2, const PointF32& end);
  void AddRect(const RectF32& rect);
  void ClosePath();
  // Angles in degrees.
  void AddArc(const PointF32& centre, float radius, float startAngle, float endAngle);

  // "path(M 0,0 L 10,0 Z)"; the elements in the order added.
  std::string Describe() const;
  // The smallest rectangle holding every point named so far (control points included).
  RectF32 Bounds() const;

 private:
  void Include(float x, float y);

  std::vector<std::string> mElements;
  bool mHasPoints = false;
  float mMinX = 0, mMinY = 0, mMaxX = 0, mMaxY = 0;
  LiveCount mCount{DrawingKind::kPath};
};

class Pen {
 public:
  Pen(const ColorRGBA& color, float width) : mColor(color), mWidth(width) {}

  void SetWidth(float width) { mWidth = width; }
  float GetWidth() const { return mWidth; }
  void SetMiterLimit(float limit) { mMiterLimit = limit; }
  float GetMiterLimit() const { return mMiterLimit; }
  void SetLineJoin(LineJoinType join) { mJoin = join; }
  LineJoinType GetLineJoin() const { return mJoin; }
  void SetLineCap(LineCapType cap) { mCap = cap; }
  LineCapType GetLineCap() const { return mCap; }
  void SetDashPattern(std::vector<float> dashes) { mDashes = std::move(dashes); }
  const std::vector<float>& GetDashPattern() const { return mDashes; }

  // "pen(color 1,0,0,1 width 2)", with join, cap, miter limit and dashes where they were set.
  std::string Describe() const;

 private:
  ColorRGBA mColor;
  float mWidth;
  float mMiterLimit = 10;
  LineJoinType mJoin = kLineJoinType_Default;
  LineCapType mCap = kLineCapType_Default;
  std::vector<float> mDashes;
  LiveCount mCount{DrawingKind::kPen};
};

class Brush {
 public:
  explicit Brush(const ColorRGBA& color) : mColor(color) {}
  const ColorRGBA& GetColor() const { return mColor; }
  std::string Describe() const { return limner::Describe(mColor); }

 private:
  ColorRGBA mColor;
  LiveCount mCount{DrawingKind::kBrush};
};

class Font {
 public:
  Font(zelcore::UTF16String name, float size) : mName(std::move(name)), mSize(size) {}
  const zelcore::UTF16String& GetName() const { return mName; }
  float GetSize() const { return mSize; }
  // Every UTF-16 code unit is half the font size wide.
  float MeasureStringWidth(const zelcore::UTF16String& text) const;
  std::string Describe() const;  // "font(Sans 11)"

 private:
  zelcore::UTF16String mName;
  float mSize;
  LiveCount mCount{DrawingKind::kFont};
};

// A colour gradient between two points: along the line (linear) or in circles round the first
// point out to the second (radial).
class Shader {
 public:
  enum Kind { kLinear, kRadial };
  Shader(Kind kind, const PointF32& from, const PointF32& to, const ColorRGBA& fromColor, const ColorRGBA& toColor)
      : mKind(kind), mFrom(from), mTo(to), mFromColor(fromColor), mToColor(toColor) {}
  std::string Describe() const;  // "shader(linear 0,0 10,0 color ... color ...)"

 private:
  Kind mKind;
  PointF32 mFrom, mTo;
  ColorRGBA mFromColor, mToColor;
  LiveCount mCount{DrawingKind::kShader};
};

using PathP = std::shared_ptr<Path>;
using PenP = std::shared_ptr<Pen>;
using BrushP = std::shared_ptr<Brush>;
using FontP = std::shared_ptr<Font>;
using ShaderP = std::shared_ptr<Shader>;

// An image ready to draw, counted.
class ImageInterface {
 public:
  ImageInterface(zelcore::UTF16String name, float width, float height)
      : mName(std::move(name)), mWidth(width), mHeight(height) {}
  ImageInterface(const ImageInterface&) = delete;
  ImageInterface& operator=(const ImageInterface&) = delete;
  virtual ~ImageInterface() = default;

  void AddRef() const { mRefCount.fetch_add(1); }
  void Release() const {
    if (mRefCount.fetch_sub(1) == 1) delete this;
  }

  const zelcore::UTF16String& Name() const { return mName; }
  float Width() const { return mWidth; }
  float Height() const { return mHeight; }
  std::string Describe() const;  // "image(name)"

 private:
  zelcore::UTF16String mName;
  float mWidth, mHeight;
  mutable std::atomic<int> mRefCount{0};
  LiveCount mCount{DrawingKind::kImage};
};

inline void intrusive_ptr_add_ref(const ImageInterface* image) { image->AddRef(); }
inline void intrusive_ptr_release(const ImageInterface* image) { image->Release(); }
using ImageP = boost::intrusive_ptr<ImageInterface>;

class SupplierInterface;

// Where drawing lands: a counted surface with its own number ("#n" in the log) and size.
class SurfaceInterface {
 public:
  SurfaceInterface(int width, int height);
  SurfaceInterface(const SurfaceInterface&) = delete;
  SurfaceInterface& operator=(const SurfaceInterface&) = delete;
  virtual ~SurfaceInterface() = default;

  void AddRef() const { mRefCount.fetch_add(1); }
  void Release() const {
    if (mRefCount.fetch_sub(1) == 1) delete this;
  }

  int Number() const { return mNumber; }
  int Width() const { return mWidth; }
  int Height() const { return mHeight; }
  // The supplier the surface was made for; the stand-in's surfaces know none.
  virtual SupplierInterface* GetSupplier() const { return nullptr; }

  // The transform, clip and anti-alias policy are saved by a push and put back by a pop; a pop
  // with nothing saved changes nothing.
  virtual void PushStateStack();
  virtual void PopStateStack();

  virtual void DrawString(const zelcore::UTF16String& text, int x, int y, const BrushP& brush, const FontP& font,
                          TextAlignment alignment, TextTruncation truncation, float truncationWidth);
  virtual float MeasureStringWidth(const zelcore::UTF16String& text, const FontP& font);
  virtual void PaintRect(const RectF32& rect, const ColorRGBA& color);
  // Outlines the rectangle with its corners rounded by rounding, with a line of the width.
  virtual void DrawOutline(const RectF32& rect, const ColorRGBA& color, float rounding, float lineWidth);
  virtual void DrawRoundedFill(const RectF32& rect, const ColorRGBA& color, float rounding);
  virtual void StrokePath(const PathP& path, const PenP& pen);
  // nonZeroWinding false fills by the even-odd rule.
  virtual void FillPath(const PathP& path, const BrushP& brush, bool nonZeroWinding);
  virtual void ShadePath(const PathP& path, const ShaderP& shader, bool nonZeroWinding);
  // Points go through matrix first, then through the transform so far.
  virtual void Transform(const MatrixF32& matrix);
  virtual MatrixF32 GetTransform() const { return mState.transform; }
  // Narrows the clip to the path's bounds (in the surface's coordinates, transform aside).
  virtual void Clip(const PathP& path, bool nonZeroWinding);
  virtual RectF32 GetClipBounds() const { return mState.clip; }
  // Whether any part of the rectangle lies inside the clip.
  virtual bool IsWithinClipBounds(const Rect32& rect) const;
  virtual void DrawImage(const ImageInterface& image, const PointF32& topLeft, float opacity);
  // source null: the whole image.
  virtual void DrawImage(const ImageInterface& image, const RectF32& destination, const RectF32* source,
                         float opacity);
  // Only the policies None, Med and High are taken.
  virtual void SetAntiAliasPolicy(AntiAliasPolicy policy);
  virtual AntiAliasPolicy GetAntiAliasPolicy() const { return mState.antiAlias; }
  // A new image of what the surface holds, as big as the surface.
  virtual ImageP GetSurfaceImage() const;
  virtual void Flush();

 protected:
  // Appends "#<number> <operation> <values>" to the drawing log.
  void Record(const std::string& operationAndValues) const;

 private:
  struct State {
    MatrixF32 transform;
    RectF32 clip;
    AntiAliasPolicy antiAlias = kAntiAliasPolicy_High;
  };

  int mNumber;
  int mWidth, mHeight;
  State mState;
  std::vector<State> mSaved;
  mutable std::atomic<int> mRefCount{0};
  LiveCount mCount{DrawingKind::kSurface};
};

inline void intrusive_ptr_add_ref(const SurfaceInterface* surface) { surface->AddRef(); }
inline void intrusive_ptr_release(const SurfaceInterface* surface) { surface->Release(); }
using SurfaceP = boost::intrusive_ptr<SurfaceInterface>;

// Makes drawing objects for one kind of drawing. What it makes does not refer back to it.
class SupplierInterface {
 public:
  SupplierInterface() = default;
  SupplierInterface(const SupplierInterface&) = delete;
  SupplierInterface& operator=(const SupplierInterface&) = delete;
  virtual ~SupplierInterface() = default;

  virtual PathP CreatePath() { return std::make_shared<Path>(); }
  virtual PenP CreatePen(const ColorRGBA& color, float width) { return std::make_shared<Pen>(color, width); }
  virtual BrushP CreateSolidBrush(const ColorRGBA& color) { return std::make_shared<Brush>(color); }
  virtual FontP CreateFont(const zelcore::UTF16String& name, float size) { return std::make_shared<Font>(name, size); }
  virtual ShaderP CreateLinearShader(const PointF32& from, const PointF32& to, const ColorRGBA& fromColor,
                                     const ColorRGBA& toColor);
  virtual ShaderP CreateRadialShader(const PointF32& centre, const PointF32& edge, const ColorRGBA& centreColor,
                                     const ColorRGBA& edgeColor);
  // A new surface of the size (negative sizes count as 0); the flag asks for an opaque surface.
  // Logged as "#<n> CreateOffscreenSurface <width> <height> <flag>".
  virtual SurfaceP CreateOffscreenSurface(int width, int height, bool opaque);
};

class Limner {
 public:
  // The context holds a counted reference to its surface.
  Limner(SupplierInterface* supplier, SurfaceInterface* surface) : mSupplier(supplier), mSurface(surface) {}
  Limner(const Limner&) = delete;
  Limner& operator=(const Limner&) = delete;
  virtual ~Limner() = default;

  SupplierInterface* GetSupplier() const { return mSupplier; }
  SurfaceInterface* GetSurface() const { return mSurface.get(); }

  // Draws the image with its top-left corner at the point, scaled by the factor; recorded in the
  // context's own log.
  void DrawImage(const ImageInterface& image, const PointF32& topLeft, float factor);

  // Every DrawImage so far, e.g. "DrawImage veyra_about at 0,0 factor 1".
  const std::vector<std::string>& Log() const { return mLog; }

 private:
  SupplierInterface* mSupplier;
  SurfaceP mSurface;
  std::vector<std::string> mLog;
  LiveCount mCount{DrawingKind::kContext};
};

}  // namespace limner
