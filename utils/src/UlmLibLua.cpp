#include "UlmLibLua.h"

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "UlmLibUtils.h"
#include "zellua/binding/Module.h"

namespace ulmliblua {

namespace {

// ulmliblua.ulmLibLogin(): fetches the accounts and starts the token request for the first user
// id; returns that request's result text, or nil when there is no user id. The outcome comes
// later through "onFetchAccessToken". The result goes on the state the function was called with.
int lua_ulmLibLogin(lua_State* L) {
  UlmLibUtils::FetchUserAccountGuids(UlmLibUtils::UserIds());
  const UlmLibUtils::TokenStart start = UlmLibUtils::FetchAccessTokenForNextId();
  if (!start.tried) {
    lua_pushnil(L);
    return 1;
  }
  lua_pushlstring(L, start.text.data(), start.text.size());
  return 1;
}

const luaL_Reg kUlmLibFunctions[] = {
    {"ulmLibLogin", lua_ulmLibLogin},
    {nullptr, nullptr},
};

}  // namespace

}  // namespace ulmliblua

extern "C" __attribute__((visibility("default"))) int luaopen_ulmliblua(lua_State* L) {
  return zellua::binding::OpenModule(L, "ulmliblua", ulmliblua::kUlmLibFunctions);
}

extern "C" __attribute__((visibility("default"))) void InitLua(lua_State* L) {
  ulmliblua::UlmLibUtils::InitLuaThreadState(L);
}
