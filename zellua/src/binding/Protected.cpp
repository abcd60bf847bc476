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

}  // namespace zellua::binding::detail
