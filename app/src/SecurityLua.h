#pragma once
// The Lua module "VySecurity": AES-256-CBC encryption, PBKDF2 key derivation and random bytes.
struct lua_State;

namespace fennick {

// Registers the global table "VySecurity"; leaves nothing on the stack and returns 0.
int luaopen_securitylua(lua_State* L);

}  // namespace fennick
