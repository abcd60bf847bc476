// "PenInterface": pens made by a context's supplier. The userdata owns a heap handle of the pen
// until Release or collection; a released pen reports "Attempting to use an out-of-scope
// PenInterface" and gives no values (also where a surface is handed one).
#include <vector>

#include "LimnerInternal.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/limner/Converters.h"

namespace zellua::limner {

const char* const kZelLuaPenInterfaceMetaTableName = "zellua.limner.PenInterface";

namespace {

const char* const kZelLuaPenInterfaceClassName = "PenInterface";

::limner::Pen* Live(PenBlock* block) {
  const ::limner::PenP* pen = LivePen(block);
  return pen ? pen->get() : nullptr;
}

// newPen(context, colour, width)
int NewPen(lua_State* L) {
  LimnerProxy* proxy = zellua_checkLimner(L, 1);
  zelcore::ColorRGBA color;
  GetColorRGBAFromLua(L, 2, color);
  const float width = CheckFloat(L, 3);
  ::limner::Limner* context = LiveContext(proxy);
  if (!context || !context->GetSupplier()) return 0;
  PenBlock* block = PushEmptyBlock<PenBlock>(L, kZelLuaPenInterfaceMetaTableName, luaopen_zellua_limner_PenInterface);
  block->object = new ::limner::PenP(context->GetSupplier()->CreatePen(color, width));
  block->owned = true;
  return 1;
}

int ToString(lua_State* L) {
  return binding::PushTypeAndAddress(L, kZelLuaPenInterfaceClassName, CheckPen(L, 1)->object);
}

// Release and __gc: deletes the handle; a second time does nothing.
int Release(lua_State* L) {
  CheckPen(L, 1)->Release();
  return 0;
}

int SetWidth(lua_State* L) {
  PenBlock* block = CheckPen(L, 1);
  const float width = CheckFloat(L, 2);
  if (::limner::Pen* pen = Live(block)) pen->SetWidth(width);
  return 0;
}

int GetWidth(lua_State* L) {
  ::limner::Pen* pen = Live(CheckPen(L, 1));
  if (!pen) return 0;
  lua_pushnumber(L, pen->GetWidth());
  return 1;
}

int SetMiterLimit(lua_State* L) {
  PenBlock* block = CheckPen(L, 1);
  const float limit = CheckFloat(L, 2);
  if (::limner::Pen* pen = Live(block)) pen->SetMiterLimit(limit);
  return 0;
}

int GetMiterLimit(lua_State* L) {
  ::limner::Pen* pen = Live(CheckPen(L, 1));
  if (!pen) return 0;
  lua_pushnumber(L, pen->GetMiterLimit());
  return 1;
}

int SetLineJoin(lua_State* L) {
  PenBlock* block = CheckPen(L, 1);
  const int join = binding::CheckInteger<int>(L, 2);
  if (::limner::Pen* pen = Live(block)) pen->SetLineJoin(static_cast<::limner::LineJoinType>(join));
  return 0;
}

int GetLineJoin(lua_State* L) {
  ::limner::Pen* pen = Live(CheckPen(L, 1));
  if (!pen) return 0;
  lua_pushinteger(L, pen->GetLineJoin());
  return 1;
}

int SetLineCap(lua_State* L) {
  PenBlock* block = CheckPen(L, 1);
  const int cap = binding::CheckInteger<int>(L, 2);
  if (::limner::Pen* pen = Live(block)) pen->SetLineCap(static_cast<::limner::LineCapType>(cap));
  return 0;
}

int GetLineCap(lua_State* L) {
  ::limner::Pen* pen = Live(CheckPen(L, 1));
  if (!pen) return 0;
  lua_pushinteger(L, pen->GetLineCap());
  return 1;
}

// SetDashPattern(length, ...): the dash lengths in order.
int SetDashPattern(lua_State* L) {
  PenBlock* block = CheckPen(L, 1);
  const int top = lua_gettop(L);
  for (int i = 2; i <= top; ++i) luaL_checknumber(L, i);
  ::limner::Pen* pen = Live(block);
  if (!pen) return 0;
  std::vector<float> dashes;
  for (int i = 2; i <= top; ++i) dashes.push_back(static_cast<float>(lua_tonumber(L, i)));
  pen->SetDashPattern(std::move(dashes));
  return 0;
}

const luaL_Reg kMethods[] = {{"__gc", Release},
                             {"__tostring", ToString},
                             {"Release", Release},
                             {"SetWidth", SetWidth},
                             {"GetWidth", GetWidth},
                             {"SetMiterLimit", SetMiterLimit},
                             {"GetMiterLimit", GetMiterLimit},
                             {"SetLineJoin", SetLineJoin},
                             {"GetLineJoin", GetLineJoin},
                             {"GetLineCap", GetLineCap},
                             {"SetLineCap", SetLineCap},
                             {"SetDashPattern", SetDashPattern},
                             {nullptr, nullptr}};

const luaL_Reg kFunctions[] = {{"newPen", NewPen}, {nullptr, nullptr}};

const binding::IntConstant kConstants[] = {{"kLineJoinType_Miter", ::limner::kLineJoinType_Miter},
                                           {"kLineJoinType_Bevel", ::limner::kLineJoinType_Bevel},
                                           {"kLineJoinType_Round", ::limner::kLineJoinType_Round},
                                           {"kLineJoinType_Default", ::limner::kLineJoinType_Default},
                                           {"kLineCapType_Flat", ::limner::kLineCapType_Flat},
                                           {"kLineCapType_Round", ::limner::kLineCapType_Round},
                                           {"kLineCapType_Square", ::limner::kLineCapType_Square},
                                           {"kLineCapType_Default", ::limner::kLineCapType_Default},
                                           {nullptr, 0}};

}  // namespace

const ::limner::PenP* LivePen(PenBlock* block) {
  if (!block->object) ZELLUA_FAIL("Attempting to use an out-of-scope PenInterface", nullptr);
  return block->object;
}

}  // namespace zellua::limner

extern "C" int luaopen_zellua_limner_PenInterface(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::limner::kZelLuaPenInterfaceMetaTableName;
  spec.methods[0] = zellua::limner::kMethods;
  spec.className = zellua::limner::kZelLuaPenInterfaceClassName;
  spec.functions = zellua::limner::kFunctions;
  spec.constants = zellua::limner::kConstants;
  return zellua::binding::OpenModule(L, spec);
}
