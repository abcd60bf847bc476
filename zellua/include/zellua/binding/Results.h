#pragma once
// Expected failures of a Lua-facing function: two results, nil (or false) and a message. Only
// programming errors raise.
extern "C" {
#include <lua.h>
}

namespace zellua::binding {

inline int PushNilAndMessage(lua_State* L, const char* message) {
  lua_pushnil(L);
  lua_pushstring(L, message);
  return 2;
}

inline int PushFalseAndMessage(lua_State* L, const char* message) {
  lua_pushboolean(L, false);
  lua_pushstring(L, message);
  return 2;
}

}  // namespace zellua::binding
