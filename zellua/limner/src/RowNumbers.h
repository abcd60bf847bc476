#pragma once
// The numbers of a matrix argument: walks the table at index with lua_next, and in each field
// whose value is a table every value that is a number, in lua_next order. Stores the first
// capacity numbers and returns how many there are in all. Makes no C++ object, so the caller can
// raise its count error right after.
extern "C" {
#include <lua.h>
}

namespace zellua::limner {

int CollectRowNumbers(lua_State* L, int index, double* values, int capacity);

// Makes a relative stack index absolute (pseudo-indexes stay as they are).
inline int AbsoluteIndex(lua_State* L, int index) {
  return index < 0 && index > LUA_REGISTRYINDEX ? lua_gettop(L) + index + 1 : index;
}

}  // namespace zellua::limner
