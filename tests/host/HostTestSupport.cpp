#include "HostTestSupport.h"

#include "kqkernel/testing.h"

namespace glimmet::testing {

std::vector<std::string>& Recorded() {
  static std::vector<std::string> lines;
  return lines;
}

void OfferRecordFunction() {
  Recorded().clear();
  kqkernel::testing::SetStateOpenedHook([](lua_State* L) {
    lua_pushcfunction(L, [](lua_State* S) -> int {
      Recorded().push_back(luaL_checkstring(S, 1));
      return 0;
    });
    lua_setfield(L, LUA_GLOBALSINDEX, "record");
  });
}

std::string GlobalString(lua_State* L, const char* name) {
  lua_getfield(L, LUA_GLOBALSINDEX, name);
  std::string value = lua_isstring(L, -1) ? lua_tostring(L, -1) : "<not a string>";
  lua_pop(L, 1);
  return value;
}

bool GlobalIsNil(lua_State* L, const char* name) {
  lua_getfield(L, LUA_GLOBALSINDEX, name);
  const bool nil = lua_isnil(L, -1);
  lua_pop(L, 1);
  return nil;
}

double GlobalNumber(lua_State* L, const char* name) {
  lua_getfield(L, LUA_GLOBALSINDEX, name);
  const double value = lua_tonumber(L, -1);
  lua_pop(L, 1);
  return value;
}

}  // namespace glimmet::testing
