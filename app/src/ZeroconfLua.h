#pragma once
// The Lua module "zeroconf": start(serviceType, port, txt) and stop() publish and withdraw the
// application's one DNS Service Discovery service.
struct lua_State;

namespace fennick {

// Registers the global table "zeroconf"; leaves nothing on the stack.
int luaopen_zeroconflua(lua_State* L);

}  // namespace fennick
