#include "zellua/binding/Protected.h"

#include <cstdio>
#include <exception>

namespace zellua::binding::detail {

int RunCatching(lua_State* L, lua_CFunction body, char (&message)[kMessageCapacity]) {
  try {
    return body(L);
  } catch (const std::exception& e) {
    std::snprintf(message, kMessageCapacity, "%s", e.what());
  } catch (...) {
    std::snprintf(message, kMessageCapacity, "unknown C++ exception");
  }
  return -1;
}

int ProtectedUpvalue(lua_State* L) {
  const auto body = *static_cast<lua_CFunction*>(lua_touserdata(L, lua_upvalueindex(1)));
  char message[kMessageCapacity];
  const int results = RunCatching(L, body, message);
  if (results < 0) {
    lua_pushstring(L, message);
    return lua_error(L);
  }
  return results;
}

}  // namespace zellua::binding::detail

namespace zellua::binding {

void PushProtectedFunction(lua_State* L, lua_CFunction body) {
  *static_cast<lua_CFunction*>(lua_newuserdata(L, sizeof(lua_CFunction))) = body;
  lua_pushcclosure(L, detail::ProtectedUpvalue, 1);
}

}  // namespace zellua::binding
