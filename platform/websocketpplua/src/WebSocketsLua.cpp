#include "websocketpplua/WebSocketsLua.h"

#include "websocketpplua/testing.h"

namespace websocketslua {

namespace {
lua_State* gLastState = nullptr;
}

// The framework's websocket module is not part of this system; its entry records the state it
// was given and registers nothing, so scripts see no websocket module.
void InitLua(lua_State* L) { gLastState = L; }

namespace testing {
lua_State* LastInitialisedState() { return gLastState; }
}  // namespace testing

}  // namespace websocketslua
