// "zelSurfaceInterface": drawing surfaces. A surface proxy is a LimnerProxy {context it came from,
// surface, -, owned}. GetSurface lends the context's surface (not owned; dead when the context's
// scope ends); CreateOffscreenSurface makes an owned one holding one counted reference. A dead
// surface reports "Attempting to use an out-of-scope SurfaceInterface" and gives no values. The
// context field gives the supplier of brushes, fonts and pens: without it (an offscreen surface no
// context was made over) DrawString, MeasureStringWidth, StrokePath with a colour and FillPath
// give no values.
#include <cmath>
#include <string>

#include "LimnerInternal.h"
#include "zelcore/Strings.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/limner/Converters.h"
#include "zelui/ControlView.h"
#include "zelui/controls/UI_ControlView.h"

namespace zellua::limner {

const char* const kZelLuaSurfaceInterfaceMetaTableName = "zellua.zelSurfaceInterface";
const char* const kZelLuaSurfaceInterfaceClassName = "zelSurfaceInterface";

namespace {

using ::limner::SurfaceInterface;

::limner::SurfaceInterface* LiveSurface(LimnerProxy* proxy) {
  if (!proxy->surface) ZELLUA_FAIL("Attempting to use an out-of-scope SurfaceInterface", nullptr);
  return proxy->surface;
}

// The supplier of the context the surface came from; null when there is none.
::limner::SupplierInterface* SupplierOf(LimnerProxy* proxy) {
  return proxy->object ? proxy->object->GetSupplier() : nullptr;
}

const ::limner::PathP* LivePathArgument(PathBlock* block) {
  if (!block->object) ZELLUA_FAIL("Attempting to use a released PathInterface", nullptr);
  return block->object;
}

const ::limner::ShaderP* LiveShaderArgument(ShaderBlock* block) {
  if (!block->object) ZELLUA_FAIL("Attempting to use a released ShaderInterface", nullptr);
  return block->object;
}

const ::limner::ImageInterface* LiveImageArgument(ImageBlock* block) {
  if (!block->image) ZELLUA_FAIL("Attempting to use an out-of-scope ImageInterface", nullptr);
  return block->image;
}

std::u16string Text(const char* text, size_t length) { return zelcore::UTF8to16(std::string(text, length)); }

// An optional integer flag: absent is true, 0 false.
bool OptFlag(lua_State* L, int index) { return binding::OptInteger<int>(L, index, 1) != 0; }

// Release and __gc: an owned surface drops its reference; the proxy goes dead.
void DropSurface(LimnerProxy* proxy) {
  UnlinkSurfaceProxy(proxy);
  SurfaceInterface* surface = proxy->surface;
  const bool owned = proxy->owned;
  InvalidateProxy(proxy);
  proxy->owned = false;
  if (owned && surface) surface->Release();
}

int ToString(lua_State* L) {
  return binding::PushTypeAndAddress(L, kZelLuaSurfaceInterfaceClassName, zellua_checkSurface(L, 1)->object);
}

// Release and __gc.
int Release(lua_State* L) {
  DropSurface(zellua_checkSurface(L, 1));
  return 0;
}

int PushStateStack(lua_State* L) {
  if (SurfaceInterface* surface = LiveSurface(zellua_checkSurface(L, 1))) surface->PushStateStack();
  return 0;
}

int PopStateStack(lua_State* L) {
  if (SurfaceInterface* surface = LiveSurface(zellua_checkSurface(L, 1))) surface->PopStateStack();
  return 0;
}

// DrawString(text, x, y, colour [, alignment [, size [, truncation width [, truncation]]]])
int DrawString(lua_State* L) {
  LimnerProxy* proxy = zellua_checkSurface(L, 1);
  size_t length = 0;
  const char* text = luaL_checklstring(L, 2, &length);
  const int x = binding::CheckInteger<int>(L, 3);
  const int y = binding::CheckInteger<int>(L, 4);
  zelcore::ColorRGBA color;
  GetColorRGBAFromLua(L, 5, color);
  const int alignment = binding::OptInteger<int>(L, 6, ::limner::kTextAlignment_Default);
  const float size = OptFloat(L, 7, zelui::controls::UI_ControlView::DefaultTextSize());
  const float truncationWidth = OptFloat(L, 8, 0.0f);
  const int truncation = binding::OptInteger<int>(L, 9, ::limner::kTextTruncation_None);
  SurfaceInterface* surface = LiveSurface(proxy);
  ::limner::SupplierInterface* supplier = SupplierOf(proxy);
  if (!surface || !supplier) return 0;
  surface->DrawString(Text(text, length), x, y, supplier->CreateSolidBrush(color),
                      supplier->CreateFont(zelui::ui::GetFontName(0), size),
                      static_cast<::limner::TextAlignment>(alignment), static_cast<::limner::TextTruncation>(truncation),
                      truncationWidth);
  return 0;
}

int MeasureStringWidth(lua_State* L) {
  LimnerProxy* proxy = zellua_checkSurface(L, 1);
  size_t length = 0;
  const char* text = luaL_checklstring(L, 2, &length);
  const float size = OptFloat(L, 3, zelui::controls::UI_ControlView::DefaultTextSize());
  SurfaceInterface* surface = LiveSurface(proxy);
  ::limner::SupplierInterface* supplier = SupplierOf(proxy);
  if (!surface || !supplier) return 0;
  lua_pushnumber(L, surface->MeasureStringWidth(Text(text, length),
                                                supplier->CreateFont(zelui::ui::GetFontName(0), size)));
  return 1;
}

int PaintRect(lua_State* L) {
  LimnerProxy* proxy = zellua_checkSurface(L, 1);
  zelcore::RectF32 rect;
  GetRectF32FromLua(L, 2, rect);
  zelcore::ColorRGBA color;
  GetColorRGBAFromLua(L, 3, color);
  if (SurfaceInterface* surface = LiveSurface(proxy)) surface->PaintRect(rect, color);
  return 0;
}

// DrawOutline(rect, colour [, rounding [, line width]]), all corners.
int DrawOutline(lua_State* L) {
  LimnerProxy* proxy = zellua_checkSurface(L, 1);
  zelcore::RectF32 rect;
  GetRectF32FromLua(L, 2, rect);
  zelcore::ColorRGBA color;
  GetColorRGBAFromLua(L, 3, color);
  const float rounding = OptFloat(L, 4, 0.0f);
  const float lineWidth = OptFloat(L, 5, 1.0f);
  if (SurfaceInterface* surface = LiveSurface(proxy)) surface->DrawOutline(rect, color, rounding, lineWidth);
  return 0;
}

int DrawRoundedFill(lua_State* L) {
  LimnerProxy* proxy = zellua_checkSurface(L, 1);
  zelcore::RectF32 rect;
  GetRectF32FromLua(L, 2, rect);
  zelcore::ColorRGBA color;
  GetColorRGBAFromLua(L, 3, color);
  const float rounding = CheckFloat(L, 4);
  if (SurfaceInterface* surface = LiveSurface(proxy)) surface->DrawRoundedFill(rect, color, rounding);
  return 0;
}

// StrokePath(path, pen) with exactly three arguments; StrokePath(path, colour, width) otherwise,
// with a pen made for the call.
int StrokePath(lua_State* L) {
  LimnerProxy* proxy = zellua_checkSurface(L, 1);
  PathBlock* path = CheckPath(L, 2);
  if (lua_gettop(L) == 3) {
    PenBlock* pen = CheckPen(L, 3);
    SurfaceInterface* surface = LiveSurface(proxy);
    if (!surface) return 0;
    const ::limner::PathP* livePath = LivePathArgument(path);
    if (!livePath) return 0;
    const ::limner::PenP* livePen = LivePen(pen);
    if (!livePen) return 0;
    surface->StrokePath(*livePath, *livePen);
    return 0;
  }
  zelcore::ColorRGBA color;
  GetColorRGBAFromLua(L, 3, color);
  const float width = CheckFloat(L, 4);
  SurfaceInterface* surface = LiveSurface(proxy);
  if (!surface) return 0;
  const ::limner::PathP* livePath = LivePathArgument(path);
  ::limner::SupplierInterface* supplier = SupplierOf(proxy);
  if (!livePath || !supplier) return 0;
  surface->StrokePath(*livePath, supplier->CreatePen(color, width));
  return 0;
}

int FillPath(lua_State* L) {
  LimnerProxy* proxy = zellua_checkSurface(L, 1);
  PathBlock* path = CheckPath(L, 2);
  zelcore::ColorRGBA color;
  GetColorRGBAFromLua(L, 3, color);
  const bool nonZeroWinding = OptFlag(L, 4);
  SurfaceInterface* surface = LiveSurface(proxy);
  if (!surface) return 0;
  const ::limner::PathP* livePath = LivePathArgument(path);
  ::limner::SupplierInterface* supplier = SupplierOf(proxy);
  if (!livePath || !supplier) return 0;
  surface->FillPath(*livePath, supplier->CreateSolidBrush(color), nonZeroWinding);
  return 0;
}

int ShadePath(lua_State* L) {
  LimnerProxy* proxy = zellua_checkSurface(L, 1);
  PathBlock* path = CheckPath(L, 2);
  ShaderBlock* shader = CheckShader(L, 3);
  const bool nonZeroWinding = OptFlag(L, 4);
  SurfaceInterface* surface = LiveSurface(proxy);
  if (!surface) return 0;
  const ::limner::PathP* livePath = LivePathArgument(path);
  if (!livePath) return 0;
  const ::limner::ShaderP* liveShader = LiveShaderArgument(shader);
  if (!liveShader) return 0;
  surface->ShadePath(*livePath, *liveShader, nonZeroWinding);
  return 0;
}

int Transform(lua_State* L) {
  LimnerProxy* proxy = zellua_checkSurface(L, 1);
  zelcore::MatrixF32 matrix;
  GetMatrixF32FromLua(L, 2, matrix);
  if (SurfaceInterface* surface = LiveSurface(proxy)) surface->Transform(matrix);
  return 0;
}

int GetTransform(lua_State* L) {
  SurfaceInterface* surface = LiveSurface(zellua_checkSurface(L, 1));
  return surface ? PushMatrixF32ToLua(L, surface->GetTransform()) : 0;
}

int Clip(lua_State* L) {
  LimnerProxy* proxy = zellua_checkSurface(L, 1);
  PathBlock* path = CheckPath(L, 2);
  const bool nonZeroWinding = OptFlag(L, 3);
  SurfaceInterface* surface = LiveSurface(proxy);
  if (!surface) return 0;
  if (const ::limner::PathP* livePath = LivePathArgument(path)) surface->Clip(*livePath, nonZeroWinding);
  return 0;
}

int GetClipBounds(lua_State* L) {
  SurfaceInterface* surface = LiveSurface(zellua_checkSurface(L, 1));
  return surface ? PushRectF32ToLua(L, surface->GetClipBounds()) : 0;
}

// The rectangle rounded outward to integers.
zelcore::Rect32 Outward(const zelcore::RectF32& rect) {
  const double left = std::floor(rect.left);
  const double top = std::floor(rect.top);
  const double right = std::ceil(static_cast<double>(rect.left) + rect.width);
  const double bottom = std::ceil(static_cast<double>(rect.top) + rect.height);
  return zelcore::Rect32{binding::ClampToInteger<int>(left), binding::ClampToInteger<int>(top),
                         binding::ClampToInteger<int>(right - left), binding::ClampToInteger<int>(bottom - top)};
}

int IsWithinClipBounds(lua_State* L) {
  LimnerProxy* proxy = zellua_checkSurface(L, 1);
  zelcore::RectF32 rect;
  GetRectF32FromLua(L, 2, rect);
  SurfaceInterface* surface = LiveSurface(proxy);
  if (!surface) return 0;
  lua_pushinteger(L, surface->IsWithinClipBounds(Outward(rect)) ? 1 : 0);
  return 1;
}

// DrawImage(image, top-left point [, opacity])
int DrawImage(lua_State* L) {
  LimnerProxy* proxy = zellua_checkSurface(L, 1);
  ImageBlock* image = CheckImage(L, 2);
  zelcore::PointF32 topLeft;
  GetPointF32FromLua(L, 3, topLeft);
  const float opacity = OptFloat(L, 4, 1.0f);
  SurfaceInterface* surface = LiveSurface(proxy);
  if (!surface) return 0;
  if (const ::limner::ImageInterface* liveImage = LiveImageArgument(image))
    surface->DrawImage(*liveImage, topLeft, opacity);
  return 0;
}

// DrawImage2(image, destination rect [, source rect [, opacity]])
int DrawImage2(lua_State* L) {
  LimnerProxy* proxy = zellua_checkSurface(L, 1);
  ImageBlock* image = CheckImage(L, 2);
  zelcore::RectF32 destination;
  GetRectF32FromLua(L, 3, destination);
  zelcore::RectF32 source;
  const bool hasSource = !lua_isnoneornil(L, 4) && GetRectF32FromLua(L, 4, source);
  const float opacity = OptFloat(L, 5, 1.0f);
  SurfaceInterface* surface = LiveSurface(proxy);
  if (!surface) return 0;
  if (const ::limner::ImageInterface* liveImage = LiveImageArgument(image))
    surface->DrawImage(*liveImage, destination, hasSource ? &source : nullptr, opacity);
  return 0;
}

// Takes 0, 1 or 2; any other number changes nothing.
int SetAntiAliasPolicy(lua_State* L) {
  LimnerProxy* proxy = zellua_checkSurface(L, 1);
  const lua_Number policy = luaL_checknumber(L, 2);
  SurfaceInterface* surface = LiveSurface(proxy);
  if (!surface) return 0;
  if (policy == ::limner::kAntiAliasPolicy_None || policy == ::limner::kAntiAliasPolicy_Med ||
      policy == ::limner::kAntiAliasPolicy_High)
    surface->SetAntiAliasPolicy(static_cast<::limner::AntiAliasPolicy>(static_cast<int>(policy)));
  return 0;
}

int GetAntiAliasPolicy(lua_State* L) {
  SurfaceInterface* surface = LiveSurface(zellua_checkSurface(L, 1));
  if (!surface) return 0;
  lua_pushinteger(L, surface->GetAntiAliasPolicy());
  return 1;
}

int GetSurfaceImage(lua_State* L) {
  SurfaceInterface* surface = LiveSurface(zellua_checkSurface(L, 1));
  if (!surface) return 0;
  PushImageToLua(L, surface->GetSurfaceImage().get());
  return 1;
}

int Flush(lua_State* L) {
  if (SurfaceInterface* surface = LiveSurface(zellua_checkSurface(L, 1))) surface->Flush();
  return 0;
}

const luaL_Reg kMethods[] = {{"__gc", Release},
                             {"__tostring", ToString},
                             {"PushStateStack", PushStateStack},
                             {"PopStateStack", PopStateStack},
                             {"DrawString", DrawString},
                             {"MeasureStringWidth", MeasureStringWidth},
                             {"PaintRect", PaintRect},
                             {"DrawOutline", DrawOutline},
                             {"DrawRoundedFill", DrawRoundedFill},
                             {"StrokePath", StrokePath},
                             {"FillPath", FillPath},
                             {"ShadePath", ShadePath},
                             {"Transform", Transform},
                             {"GetTransform", GetTransform},
                             {"Clip", Clip},
                             {"GetClipBounds", GetClipBounds},
                             {"IsWithinClipBounds", IsWithinClipBounds},
                             {"DrawImage", DrawImage},
                             {"DrawImage2", DrawImage2},
                             {"SetAntiAliasPolicy", SetAntiAliasPolicy},
                             {"GetAntiAliasPolicy", GetAntiAliasPolicy},
                             {"GetSurfaceImage", GetSurfaceImage},
                             {"Flush", Flush},
                             {"Release", Release},
                             {nullptr, nullptr}};

const binding::IntConstant kConstants[] = {{"kAntiAliasPolicy_None", ::limner::kAntiAliasPolicy_None},
                                           {"kAntiAliasPolicy_Med", ::limner::kAntiAliasPolicy_Med},
                                           {"kAntiAliasPolicy_High", ::limner::kAntiAliasPolicy_High},
                                           {"kTextAlignment_Left", ::limner::kTextAlignment_Left},
                                           {"kTextAlignment_Center", ::limner::kTextAlignment_Center},
                                           {"kTextAlignment_Right", ::limner::kTextAlignment_Right},
                                           {"kTextAlignment_Default", ::limner::kTextAlignment_Default},
                                           {"kTextTruncation_None", ::limner::kTextTruncation_None},
                                           {"kTextTruncation_End", ::limner::kTextTruncation_End},
                                           {"kTextTruncation_EndEllipsis", ::limner::kTextTruncation_EndEllipsis},
                                           {"kTextTruncation_PathEllipsis", ::limner::kTextTruncation_PathEllipsis},
                                           {nullptr, 0}};

}  // namespace

LimnerProxy* zellua_checkSurface(lua_State* L, int index) {
  return binding::CheckUserdata<LimnerProxy>(L, index, kZelLuaSurfaceInterfaceMetaTableName);
}

}  // namespace zellua::limner

extern "C" int luaopen_zellua_limner_zelSurfaceInterface(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::limner::kZelLuaSurfaceInterfaceMetaTableName;
  spec.methods[0] = zellua::limner::kMethods;
  spec.className = zellua::limner::kZelLuaSurfaceInterfaceClassName;
  spec.functions = zellua::binding::kNoFunctions;
  spec.constants = zellua::limner::kConstants;
  return zellua::binding::OpenModule(L, spec);
}
