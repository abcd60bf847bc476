#pragma once
// Userdata shapes shared by the modules, and the self check by metatable.
extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "zellua/binding/Module.h"

namespace zellua::binding {

// The userdata at index, which must carry the named metatable (the auxiliary library's argument
// error otherwise).
template <typename T>
T* CheckUserdata(lua_State* L, int index, const char* metaTableName) {
  return static_cast<T*>(luaL_checkudata(L, index, metaTableName));
}

// A new userdata block of the type, cleared, with the registered metatable: the collector of a
// block that never gets its object finds it empty.
template <typename Block>
Block* PushEmptyBlock(lua_State* L, const char* metaTableName) {
  auto* block = static_cast<Block*>(lua_newuserdata(L, sizeof(Block)));
  *block = Block{};
  luaL_getmetatable(L, metaTableName);
  lua_setmetatable(L, -2);
  return block;
}

// The same, the type's module opened first when no script has required it yet.
template <typename Block>
Block* PushEmptyBlock(lua_State* L, const char* metaTableName, lua_CFunction opener) {
  EnsureModuleOpen(L, metaTableName, opener);
  return PushEmptyBlock<Block>(L, metaTableName);
}

// A native object and whether the userdata owns it. The block is given its metatable before it
// holds anything, so that a collector finds a harmless empty block whatever fails in between.
template <typename T>
struct OwnedPointer {
  T* object;
  bool owned;

  static OwnedPointer* Push(lua_State* L, const char* metaTableName) {
    auto* block = static_cast<OwnedPointer*>(lua_newuserdata(L, sizeof(OwnedPointer)));
    block->object = nullptr;
    block->owned = false;
    luaL_getmetatable(L, metaTableName);
    lua_setmetatable(L, -2);
    return block;
  }

  // Destroys the object when owned; a second call does nothing.
  void Release() {
    if (owned) delete object;
    object = nullptr;
    owned = false;
  }
};

}  // namespace zellua::binding
