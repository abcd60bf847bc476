#pragma once
// "UINodeManager" (mouse input capture and mouse-event filter nodes of the node manager) and
// "luaTestingSupport" (change messages of controls made as user input makes them).
extern "C" {
#include <lua.h>
}

namespace zellua::ui::LuaTestingSupport {
// Registers the global library "luaTestingSupport"; returns 1.
int InitLua(lua_State* L);
}  // namespace zellua::ui::LuaTestingSupport

extern "C" {
int luaopen_zellua_UINodeManager(lua_State* L);
int luaopen_zellua_luaTestingSupport(lua_State* L);
}
