#include "FennickModel.h"

extern "C" {
#include <lua.h>
}

namespace fennick {

namespace {

// Calls the global with no arguments and no results; an error, a missing global included, is
// dropped so that the stack is as high afterwards as before.
void CallHook(lua_State* L, const char* name) {
  if (L == nullptr) return;
  const int top = lua_gettop(L);
  lua_getfield(L, LUA_GLOBALSINDEX, name);
  lua_pcall(L, 0, 0, 0);
  lua_settop(L, top);
}

}  // namespace

void FennickModel::DoIdle(lua_State* L) { CallHook(L, "fennick_DoIdleLoop"); }
void FennickModel::Terminate(lua_State* L) { CallHook(L, "fennick_OnShutdown"); }

}  // namespace fennick
