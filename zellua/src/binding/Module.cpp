#include "zellua/binding/Module.h"

#include <iterator>

#include "zellua/binding/Protected.h"

namespace zellua::binding {

const luaL_Reg kNoFunctions[] = {{nullptr, nullptr}};

void RegisterFunctions(lua_State* L, const luaL_Reg* functions) {
  for (const luaL_Reg* f = functions; f != nullptr && f->name != nullptr; ++f) {
    PushProtectedFunction(L, f->func);
    lua_setfield(L, -2, f->name);
  }
}

void RegisterMethodChain(lua_State* L, const MethodChain& chain) {
  for (const luaL_Reg* methods : chain) RegisterFunctions(L, methods);
}

void OpenMetatable(lua_State* L, const char* metaTableName, const MethodChain& chain) {
  luaL_newmetatable(L, metaTableName);
  lua_pushvalue(L, -1);
  lua_setfield(L, -2, "__index");
  RegisterMethodChain(L, chain);
  lua_pop(L, 1);
}

int OpenModule(lua_State* L, const ModuleSpec& spec) {
  if (spec.metaTableName != nullptr)
    OpenMetatable(L, spec.metaTableName, MethodChain(std::begin(spec.methods), std::end(spec.methods)));
  // The global library table (reused when it exists), recorded in package.loaded as well.
  if (spec.className != nullptr)
    luaL_register(L, spec.className, kNoFunctions);
  else
    lua_newtable(L);
  RegisterFunctions(L, spec.functions);
  if (spec.constants != nullptr) {
    for (const IntConstant* c = spec.constants; c->name != nullptr; ++c) {
      lua_pushinteger(L, c->value);
      lua_setfield(L, -2, c->name);
    }
  }
  return 1;
}

int OpenModule(lua_State* L, const char* className, const luaL_Reg* functions) {
  ModuleSpec spec;
  spec.className = className;
  spec.functions = functions;
  return OpenModule(L, spec);
}

int PushTypeAndAddress(lua_State* L, const char* typeName, const void* address) {
  lua_pushfstring(L, "%s(%p)", typeName, address);
  return 1;
}

void EnsureModuleOpen(lua_State* L, const char* metaTableName, lua_CFunction opener) {
  luaL_getmetatable(L, metaTableName);
  const bool open = !lua_isnil(L, -1);
  lua_pop(L, 1);
  if (open) return;
  opener(L);
  lua_pop(L, 1);
}

}  // namespace zellua::binding
