#pragma once
// Property lists in Lua: the userdata's metatable and library names, and how native code lends a
// list to Lua.
extern "C" {
#include <lua.h>
}

namespace zelcore::proplist {
class PropList;
}

namespace zellua::core {

extern const char* const kZelLuaPropListMetaTableName;  // "zellua.core.PropList"
extern const char* const kZelLuaPropListClassName;      // "PropList"

// Pushes a not-owned userdata for the list and returns 1. The userdata holds a counted reference,
// so the list outlives its native owner for as long as Lua keeps the userdata; collecting the
// userdata never destroys a list somebody else holds.
int PushPropListToLua(lua_State* L, zelcore::proplist::PropList& list);

}  // namespace zellua::core
