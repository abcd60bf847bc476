#pragma once
// Entry of the websocket Lua framework: opens its Lua module on a state.
extern "C" {
#include <lua.h>
}

namespace websocketslua {

void InitLua(lua_State* L);

}  // namespace websocketslua
