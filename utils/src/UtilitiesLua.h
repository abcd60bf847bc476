#pragma once
// The Lua module "utilitieslua": UUIDs, names and addresses of the machine, the build number,
// reachability of the internet and message boxes.
struct lua_State;

// Registers the global table "utilitieslua" and leaves it on the stack.
extern "C" __attribute__((visibility("default"))) int luaopen_utilitieslua(lua_State* L);
