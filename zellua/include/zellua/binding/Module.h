#pragma once
// The one way a binding module opens itself:
//  - the type's metatable, registered by name, is its own __index and holds the methods (with
//    __gc and __tostring), a parent's method table registered before the type's own;
//  - the free functions and integer constants go into the module's global table (a dotted name
//    makes nested tables);
//  - the opener leaves that table on the stack and returns 1;
//  - every method and function runs through the exception trampoline (Protected.h): entries are
//    plain functions, never wrapped by hand.
#include <vector>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

namespace zellua::binding {

struct IntConstant {
  const char* name;
  lua_Integer value;
};

struct ModuleSpec {
  // Null for a module without instances.
  const char* metaTableName = nullptr;
  // Method tables in the order they are registered: parents first, the type's own last.
  const luaL_Reg* methods[4] = {};
  // The global library's name.
  const char* className = nullptr;
  const luaL_Reg* functions = nullptr;
  // Ends with a null name; may be null.
  const IntConstant* constants = nullptr;
};

int OpenModule(lua_State* L, const ModuleSpec& spec);
// A module without instances: the global table className and its functions.
int OpenModule(lua_State* L, const char* className, const luaL_Reg* functions);

// Sets each function of the list, wrapped in the trampoline, into the table on top of the stack.
void RegisterFunctions(lua_State* L, const luaL_Reg* functions);

// The method tables of a type in the order they are registered: its ancestors' first, its own
// last, so that a method of a later table replaces one of the same name.
using MethodChain = std::vector<const luaL_Reg*>;

// Registers each table of the chain into the table on top of the stack.
void RegisterMethodChain(lua_State* L, const MethodChain& chain);

// A type without a library of its own: the metatable registered under the name (made when
// absent) is its own __index and holds every table of the chain. Leaves the stack as it was.
void OpenMetatable(lua_State* L, const char* metaTableName, const MethodChain& chain);

// Runs the module's opener (dropping the table it leaves) unless its metatable is registered, so
// that a value native code pushes before any script required the module still gets its methods.
void EnsureModuleOpen(lua_State* L, const char* metaTableName, lua_CFunction opener);

// The text "<typeName>(<address>)" on the stack, for __tostring.
int PushTypeAndAddress(lua_State* L, const char* typeName, const void* address);

// An empty function list, for tables that start without functions.
extern const luaL_Reg kNoFunctions[];

}  // namespace zellua::binding
