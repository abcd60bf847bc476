#include "FennickModel.h"

extern "C" {
#include <lua.h>
}

namespace fennick {

namespace {

// Fetches the named global and calls it. The fetch is inside the protected call too: scripts that
// refuse to read undeclared globals raise when the hook is missing.
int FetchAndCall(lua_State* L) {
  lua_getfield(L, LUA_GLOBALSINDEX, static_cast<const char*>(lua_touserdata(L, 1)));
  lua_call(L, 0, 0);
  return 0;
}

// Calls the global with no arguments and no results; an error, a missing global included, is
// dropped so that the stack is as high afterwards as before.
void CallHook(lua_State* L, const char* name) {
  if (L == nullptr) return;
  const int top = lua_gettop(L);
  lua_cpcall(L, FetchAndCall, const_cast<char*>(name));
  lua_settop(L, top);
}

}  // namespace

void FennickModel::DoIdle(lua_State* L) { CallHook(L, "fennick_DoIdleLoop"); }
void FennickModel::Terminate(lua_State* L) { CallHook(L, "fennick_OnShutdown"); }

}  // namespace fennick
