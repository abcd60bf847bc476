#pragma once
// The Lua module "VyFileUtils": the documents folder, folders and files, and the file browser.
struct lua_State;

// Registers the global table "VyFileUtils" and leaves it on the stack.
extern "C" __attribute__((visibility("default"))) int luaopen_fileutilslua(lua_State* L);
