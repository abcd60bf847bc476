// "PathInterface": paths made by a context's supplier. The userdata owns a heap handle of the
// path until Release or collection; a released path reports "Attempting to use a release
// PathInterface" and gives no values.
#include "LimnerInternal.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Module.h"
#include "zellua/limner/Converters.h"

namespace zellua::limner {

const char* const kZelLuaPathInterfaceMetaTableName = "zellua.zelPathInterface";

namespace {

const char* const kZelLuaPathInterfaceClassName = "PathInterface";

::limner::Path* LivePath(PathBlock* block) {
  if (!block->object) ZELLUA_FAIL("Attempting to use a release PathInterface", nullptr);
  return block->object->get();
}

int NewPath(lua_State* L) {
  ::limner::Limner* context = LiveContext(zellua_checkLimner(L, 1));
  if (!context || !context->GetSupplier()) return 0;
  PathBlock* block =
      PushEmptyBlock<PathBlock>(L, kZelLuaPathInterfaceMetaTableName, luaopen_zellua_limner_zelPathInterface);
  block->object = new ::limner::PathP(context->GetSupplier()->CreatePath());
  block->owned = true;
  return 1;
}

int ToString(lua_State* L) {
  return binding::PushTypeAndAddress(L, "zelPathInterface", CheckPath(L, 1)->object);
}

// Release and __gc: deletes the handle; a second time does nothing.
int Release(lua_State* L) {
  CheckPath(L, 1)->Release();
  return 0;
}

int MoveTo(lua_State* L) {
  PathBlock* block = CheckPath(L, 1);
  const zelcore::PointF32 point{CheckFloat(L, 2), CheckFloat(L, 3)};
  if (::limner::Path* path = LivePath(block)) path->MoveTo(point);
  return 0;
}

int LineTo(lua_State* L) {
  PathBlock* block = CheckPath(L, 1);
  const zelcore::PointF32 point{CheckFloat(L, 2), CheckFloat(L, 3)};
  if (::limner::Path* path = LivePath(block)) path->LineTo(point);
  return 0;
}

int BezierTo(lua_State* L) {
  PathBlock* block = CheckPath(L, 1);
  zelcore::PointF32 control1, control2, end;
  GetPointF32FromLua(L, 2, control1);
  GetPointF32FromLua(L, 3, control2);
  GetPointF32FromLua(L, 4, end);
  if (::limner::Path* path = LivePath(block)) path->BezierTo(control1, control2, end);
  return 0;
}

int AddRect(lua_State* L) {
  PathBlock* block = CheckPath(L, 1);
  zelcore::RectF32 rect;
  GetRectF32FromLua(L, 2, rect);
  if (::limner::Path* path = LivePath(block)) path->AddRect(rect);
  return 0;
}

int ClosePath(lua_State* L) {
  if (::limner::Path* path = LivePath(CheckPath(L, 1))) path->ClosePath();
  return 0;
}

// AddArc(centre, radius [, first angle [, second angle]]), in degrees, 0 and 360 by default.
int AddArc(lua_State* L) {
  PathBlock* block = CheckPath(L, 1);
  zelcore::PointF32 centre;
  GetPointF32FromLua(L, 2, centre);
  const float radius = CheckFloat(L, 3);
  const float startAngle = OptFloat(L, 4, 0.0f);
  const float endAngle = OptFloat(L, 5, 360.0f);
  if (::limner::Path* path = LivePath(block)) path->AddArc(centre, radius, startAngle, endAngle);
  return 0;
}

const luaL_Reg kMethods[] = {{"__gc", Release},         {"__tostring", ToString}, {"MoveTo", MoveTo},
                             {"LineTo", LineTo},   {"BezierTo", BezierTo},   {"AddRect", AddRect},
                             {"ClosePath", ClosePath}, {"AddArc", AddArc},   {"Release", Release},
                             {nullptr, nullptr}};

const luaL_Reg kFunctions[] = {{"newPath", NewPath}, {nullptr, nullptr}};

}  // namespace

}  // namespace zellua::limner

extern "C" int luaopen_zellua_limner_zelPathInterface(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::limner::kZelLuaPathInterfaceMetaTableName;
  spec.methods[0] = zellua::limner::kMethods;
  spec.className = zellua::limner::kZelLuaPathInterfaceClassName;
  spec.functions = zellua::limner::kFunctions;
  return zellua::binding::OpenModule(L, spec);
}
