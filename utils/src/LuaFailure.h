#pragma once
// The host modules' expected failures: two results, nil (or false) and a message.
extern "C" {
#include <lua.h>
}

namespace fennick {

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

}  // namespace fennick
