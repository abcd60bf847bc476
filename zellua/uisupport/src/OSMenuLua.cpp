// "zellua.OSMenu": native menus for scripts, built item by item and shown as popup or context
// menus. A userdata holds one counted reference to its menu; a released one holds none, and its
// methods then do nothing.
#include <new>

#include "zelcore/Strings.h"
#include "zelui/ui/PopupMenu.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/binding/Protected.h"
#include "zellua/binding/Userdata.h"
#include "zellua/limner/Converters.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zellua/uisupport/UISupport.h"

namespace zellua::utility {

namespace {

using zelui::utility::OS_MenuP;

const char* const kOSMenuMetaTableName = "zellua.OSMenu";
const char* const kOSMenuClassName = "OSMenu";

zelcore::UTF16String CheckText(lua_State* L, int index) {
  size_t length = 0;
  const char* text = luaL_checklstring(L, index, &length);
  return zelcore::UTF8to16(std::string(text, length));
}

// The flag of the setters: true unless exactly three arguments are given.
bool FlagArgument(lua_State* L) { return lua_gettop(L) == 3 ? lua_toboolean(L, 3) != 0 : true; }

int Release(lua_State* L) {
  zellua_checkOSMenu(L, 1)->reset();
  return 0;
}

int ToString(lua_State* L) { return binding::PushTypeAndAddress(L, "OSMenu", zellua_checkOSMenu(L, 1)->get()); }

int AppendItem(lua_State* L) {
  OS_MenuP& menu = *zellua_checkOSMenu(L, 1);
  const zelcore::UTF16String text = CheckText(L, 2);
  int id = 0;
  OS_MenuP* subMenu = nullptr;
  if (lua_type(L, 3) == LUA_TNUMBER) {
    id = binding::CheckInteger<int>(L, 3);
    if (!lua_isnoneornil(L, 4)) subMenu = zellua_checkOSMenu(L, 4);
  } else if (!lua_isnoneornil(L, 3)) {
    subMenu = zellua_checkOSMenu(L, 3);
  }
  if (menu) menu->AppendItem(text, id, subMenu != nullptr ? *subMenu : OS_MenuP());
  return 0;
}

int AppendSeparator(lua_State* L) {
  OS_MenuP& menu = *zellua_checkOSMenu(L, 1);
  const int id = binding::CheckInteger<int>(L, 2);
  if (menu) menu->AppendSeparator(id);
  return 0;
}

int SetItemEnabled(lua_State* L) {
  OS_MenuP& menu = *zellua_checkOSMenu(L, 1);
  const int position = binding::CheckInteger<int>(L, 2);
  if (menu) menu->SetItemEnabled(position, FlagArgument(L));
  return 0;
}

int SetItemChecked(lua_State* L) {
  OS_MenuP& menu = *zellua_checkOSMenu(L, 1);
  const int position = binding::CheckInteger<int>(L, 2);
  if (menu) menu->SetItemChecked(position, FlagArgument(L));
  return 0;
}

int SetItemIDChecked(lua_State* L) {
  OS_MenuP& menu = *zellua_checkOSMenu(L, 1);
  const int id = binding::CheckInteger<int>(L, 2);
  if (menu) menu->SetItemIDChecked(id, FlagArgument(L));
  return 0;
}

int SetItemID(lua_State* L) {
  OS_MenuP& menu = *zellua_checkOSMenu(L, 1);
  const int position = binding::CheckInteger<int>(L, 2);
  const int id = binding::CheckInteger<int>(L, 3);
  if (menu) menu->SetItemID(position, id);
  return 0;
}

int IsItemSeparator(lua_State* L) {
  OS_MenuP& menu = *zellua_checkOSMenu(L, 1);
  const int position = binding::CheckInteger<int>(L, 2);
  lua_pushboolean(L, menu && menu->IsItemSeparator(position));
  return 1;
}

int SetItemIDSubMenu(lua_State* L) {
  OS_MenuP& menu = *zellua_checkOSMenu(L, 1);
  const int id = binding::CheckInteger<int>(L, 2);
  OS_MenuP& subMenu = *zellua_checkOSMenu(L, 3);
  if (menu) menu->SetItemIDSubMenu(id, subMenu);
  return 0;
}

int GetItemSubMenu(lua_State* L) {
  OS_MenuP& menu = *zellua_checkOSMenu(L, 1);
  const int position = binding::CheckInteger<int>(L, 2);
  if (!menu) return 0;
  OS_MenuP subMenu = menu->GetItemSubMenu(position);
  if (!subMenu) return 0;
  return PushOSMenuToLua(L, subMenu);
}

int Size(lua_State* L) {
  OS_MenuP& menu = *zellua_checkOSMenu(L, 1);
  if (!menu) return 0;
  lua_pushinteger(L, menu->Size());
  return 1;
}

int CreateOSMenu(lua_State* L) { return PushOSMenuToLua(L, zelui::utility::CreateOSMenu()); }

int DoPopupMenu(lua_State* L) {
  OS_MenuP& menu = *zellua_checkOSMenu(L, 1);
  zelui::ui::UI_Node* node = ui::GetControlNode(L, 2);
  zelcore::RectF32 rect;
  limner::GetRectF32FromLua(L, 3, rect);
  const OS_MenuP shown = menu;
  lua_pushinteger(L, zelui::ui::UI_DoPopupMenu(shown, node, rect, true));
  return 1;
}

int DoContextMenu(lua_State* L) {
  OS_MenuP& menu = *zellua_checkOSMenu(L, 1);
  zelui::ui::UI_Node* node = ui::GetControlNode(L, 2);
  zelcore::PointF32 point;
  limner::GetPointF32FromLua(L, 3, point);
  const OS_MenuP shown = menu;
  lua_pushinteger(L, zelui::ui::UI_DoContextMenu(shown, node, point));
  return 1;
}

const luaL_Reg kMethods[] = {{"__gc", Release},
                             {"Release", Release},
                             {"__tostring", ToString},
                             {"AppendItem", AppendItem},
                             {"AppendSeparator", AppendSeparator},
                             {"SetItemEnabled", SetItemEnabled},
                             {"SetItemChecked", SetItemChecked},
                             {"SetItemIDChecked", SetItemIDChecked},
                             {"SetItemID", SetItemID},
                             {"IsItemSeparator", IsItemSeparator},
                             {"SetItemIDSubMenu", SetItemIDSubMenu},
                             {"GetItemSubMenu", GetItemSubMenu},
                             {"Size", Size},
                             {nullptr, nullptr}};

const luaL_Reg kFunctions[] = {{"CreateOSMenu", CreateOSMenu},
                               {"UI_DoPopupMenu", DoPopupMenu},
                               {"UI_DoContextMenu", DoContextMenu},
                               {nullptr, nullptr}};

int OpenOSMenu(lua_State* L) {
  binding::ModuleSpec spec;
  spec.metaTableName = kOSMenuMetaTableName;
  spec.methods[0] = kMethods;
  spec.className = kOSMenuClassName;
  spec.functions = kFunctions;
  return binding::OpenModule(L, spec);
}

}  // namespace

OS_MenuP* zellua_checkOSMenu(lua_State* L, int index) {
  return binding::CheckUserdata<OS_MenuP>(L, index, kOSMenuMetaTableName);
}

int PushOSMenuToLua(lua_State* L, const OS_MenuP& menu) {
  // A menu pushed before any script opened the module still gets its __gc.
  luaL_getmetatable(L, kOSMenuMetaTableName);
  const bool missing = lua_isnil(L, -1);
  lua_pop(L, 1);
  if (missing) binding::OpenMetatable(L, kOSMenuMetaTableName, {kMethods});
  void* block = lua_newuserdata(L, sizeof(OS_MenuP));
  new (block) OS_MenuP(menu);
  luaL_getmetatable(L, kOSMenuMetaTableName);
  lua_setmetatable(L, -2);
  return 1;
}

}  // namespace zellua::utility

extern "C" int luaopen_zellua_OSMenu(lua_State* L) {
  return zellua::binding::Protected<zellua::utility::OpenOSMenu>(L);
}
