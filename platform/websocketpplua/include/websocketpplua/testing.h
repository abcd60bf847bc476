#pragma once
// What only tests do with the websocket framework's stand-in.
extern "C" {
#include <lua.h>
}

namespace websocketslua::testing {

// The state the entry was last called with, or null.
lua_State* LastInitialisedState();

}  // namespace websocketslua::testing
