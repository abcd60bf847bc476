#pragma once
// Monitor information in Lua ("zellua.zelMonitorInfo", library "zelMonitorInfo"): the count and
// rectangles of the displays.
extern "C" {
#include <lua.h>
}

namespace zellua::ui::utility {

// Registers the metatable and the global library "zelMonitorInfo"; leaves the library on the
// stack and returns 1.
int luaopen_zelluaMonitorInfo(lua_State* L);

}  // namespace zellua::ui::utility
