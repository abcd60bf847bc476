#pragma once
// What the control bindings share: the opener's parts and the argument conventions of the
// wrapper methods.
extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "zelcore/utility/Cast.h"
#include "zellua/ui/LuaControlWrapper.h"

namespace zellua::ui {

inline constexpr char kControlsStackMessage[] = "Cannot grow stack for controls metatables";

// Makes the metatable of every wrapper class (luaL_checkstack before each).
void RegisterWrapperMetatables(lua_State* L);

// A flag whose default is true: the truth of the argument when the call has that many
// arguments, else true.
inline bool FlagDefaultTrue(lua_State* L, int index) { return lua_gettop(L) < index || lua_toboolean(L, index) != 0; }

// The node of the wrapper at the index as a T, through the framework's checked conversion (which
// throws for a node of another class); null when the wrapper was released. "Bad user data" for a
// value that is no wrapper.
template <class T>
T* NodeAs(lua_State* L, int index) {
  UI_Node* node = GetControlNode(L, index);
  return node != nullptr ? zelcore::utility::NonOptionalDynamicCast<T>(node) : nullptr;
}

}  // namespace zellua::ui
