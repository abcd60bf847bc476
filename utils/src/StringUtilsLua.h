#pragma once
// The Lua module "VyStringUtils": Base64 and hexadecimal coding of byte strings.
struct lua_State;

// Registers the global table "VyStringUtils" and leaves it on the stack.
extern "C" __attribute__((visibility("default"))) int luaopen_stringutilslua(lua_State* L);
