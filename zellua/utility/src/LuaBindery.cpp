#include "zellua/utility/LuaBindery.h"

extern "C" {
#include <lauxlib.h>
}

namespace zellua::utility {

LuaBindery::LuaBindery(lua_State* L) : mLuaState(L != nullptr ? binding::MainState(L) : nullptr) {
  if (L != nullptr) mToken = binding::StateToken(L);
}

bool LuaBindery::pushBoundFxn(const std::string& name) const {
  const auto found = mBoundFunctions.find(name);
  return found != mBoundFunctions.end() && found->second.Push();
}

int LuaBindery::BindZELOperation(lua_State* L) {
  size_t length = 0;
  const char* name = luaL_checklstring(L, 2, &length);
  luaL_checktype(L, 3, LUA_TFUNCTION);
  // Replacing the entry releases the function bound under the name before.
  mBoundFunctions[std::string(name, length)] = binding::LuaRef(L, 3);
  lua_pushvalue(L, 2);
  return 1;
}

}  // namespace zellua::utility
