#pragma once
// Entry of the websocket Lua framework: opens its Lua module on a state.
extern "C" {
#include <lua.h>
}

namespace websocketslua {

void InitLua(lua_State* L);

namespace testing {
// The state the entry was last called with, or null.
lua_State* LastInitialisedState();
}  // namespace testing

}  // namespace websocketslua
