// "zelMonitorInfo": the displays' count and rectangles (integer rectangle tables; monitors are
// counted from 1). A userdata owns its monitor information; its methods give no values when
// called on anything but a userdata.
#include "zellua/ui/utility/MonitorInfo.h"

#include "zelui/utility/MonitorInfo.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/binding/Userdata.h"
#include "zellua/limner/Converters.h"
#include "zellua/zellua.h"

namespace zellua::ui::utility {

namespace {

const char* const kZelLuaMonitorInfoMetaTableName = "zellua.zelMonitorInfo";
const char* const kZelLuaMonitorInfoClassName = "zelMonitorInfo";

using zelui::utility::MonitorInfo;
using zelui::utility::OS_MonitorInfo;

struct MonitorInfoBlock {
  OS_MonitorInfo* info;
};

// The monitor information of the userdata at argument 1; null (no values to give) when argument 1
// is no userdata or the object is gone. A userdata of another type is an argument error.
MonitorInfo* SelfInfo(lua_State* L) {
  if (lua_touserdata(L, 1) == nullptr) return nullptr;
  return binding::CheckUserdata<MonitorInfoBlock>(L, 1, kZelLuaMonitorInfoMetaTableName)->info;
}

int NewMonitorInfo(lua_State* L) {
  const bool flag = !lua_isnoneornil(L, 1) && lua_toboolean(L, 1) != 0;
  auto* block = binding::PushEmptyBlock<MonitorInfoBlock>(L, kZelLuaMonitorInfoMetaTableName);
  block->info = new OS_MonitorInfo(flag);
  return 1;
}

int Gc(lua_State* L) {
  auto* block = binding::CheckUserdata<MonitorInfoBlock>(L, 1, kZelLuaMonitorInfoMetaTableName);
  MonitorInfo* info = block->info;
  block->info = nullptr;
  delete info;
  return 0;
}

int GetMonitorCount(lua_State* L) {
  MonitorInfo* info = SelfInfo(L);
  if (info == nullptr) return 0;
  lua_pushinteger(L, info->GetMonitorCount());
  return 1;
}

int GetMonitorRect(lua_State* L) {
  MonitorInfo* info = SelfInfo(L);
  if (info == nullptr) return 0;
  // Not type-checked: anything but a number counts as 0, which names no monitor, as NaN does.
  const int index = binding::ClampToInteger<int>(lua_tonumber(L, 2) - 1, -1);
  zelcore::Rect32 rect;
  if (!info->GetMonitorRect(index, rect)) return 0;
  return limner::PushRect32ToLua(L, rect);
}

int GetMonitorRectFromRect(lua_State* L) {
  MonitorInfo* info = SelfInfo(L);
  if (info == nullptr) return 0;
  zelcore::Rect32 rect;
  limner::GetRect32FromLua(L, 2, rect);
  return limner::PushRect32ToLua(L, info->GetMonitorRectFromRect(rect));
}

const luaL_Reg kMethods[] = {{"__gc", Gc},
                             {"GetMonitorCount", GetMonitorCount},
                             {"GetMonitorRect", GetMonitorRect},
                             {"GetMonitorRectFromRect", GetMonitorRectFromRect},
                             {nullptr, nullptr}};

const luaL_Reg kFunctions[] = {{"NewMonitorInfo", NewMonitorInfo}, {nullptr, nullptr}};

}  // namespace

int luaopen_zelluaMonitorInfo(lua_State* L) {
  binding::ModuleSpec spec;
  spec.metaTableName = kZelLuaMonitorInfoMetaTableName;
  spec.methods[0] = kMethods;
  spec.className = kZelLuaMonitorInfoClassName;
  spec.functions = kFunctions;
  return binding::OpenModule(L, spec);
}

}  // namespace zellua::ui::utility

extern "C" int luaopen_zellua_zelMonitorInfo(lua_State* L) { return zellua::ui::utility::luaopen_zelluaMonitorInfo(L); }
