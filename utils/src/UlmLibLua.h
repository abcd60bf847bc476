#pragma once
// The Lua module "ulmliblua" (ulmLibLogin) and the identity bridge's entry InitLua, which
// remembers the main state and its event loop for the outcomes of sign-in.
struct lua_State;

extern "C" {
// Registers the global table "ulmliblua"; leaves it on the stack.
int luaopen_ulmliblua(lua_State* L);
// Remembers the state and makes the main-loop executor; call on the main thread.
void InitLua(lua_State* L);
}
