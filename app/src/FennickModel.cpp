#include "FennickModel.h"

extern "C" {
#include <lua.h>
}

#include "zellua/binding/LuaRef.h"

namespace fennick {

namespace {

// The two hooks of the state they were made for. Each reads its global when it is called, inside
// the protected call: scripts may define a hook late or replace it, and scripts that refuse to
// read undeclared globals raise when it is missing. Any value is called, and an error (a missing
// global included) is dropped with the stack left as high as before.
struct Hooks {
  zellua::binding::LuaRef idle;
  zellua::binding::LuaRef shutdown;
};

Hooks sHooks;

Hooks& HooksOf(lua_State* L) {
  if (!sHooks.idle.IsValid() || sHooks.idle.State() != L)
    sHooks = {zellua::binding::GlobalHookRef(L, "fennick_DoIdleLoop"),
              zellua::binding::GlobalHookRef(L, "fennick_OnShutdown")};
  return sHooks;
}

}  // namespace

void FennickModel::DoIdle(lua_State* L) {
  if (L != nullptr) HooksOf(L).idle.Call();
}

// The state closes right after the shutdown hook: its references go back first.
void FennickModel::Terminate(lua_State* L) {
  if (L == nullptr) return;
  HooksOf(L).shutdown.Call();
  sHooks = {};
}

}  // namespace fennick
