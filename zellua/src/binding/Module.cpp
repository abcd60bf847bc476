#include "zellua/binding/Module.h"

namespace zellua::binding {

const luaL_Reg kNoFunctions[] = {{nullptr, nullptr}};

int OpenModule(lua_State* L, const ModuleSpec& spec) {
  if (spec.metaTableName != nullptr) {
    luaL_newmetatable(L, spec.metaTableName);
    lua_pushvalue(L, -1);
    lua_setfield(L, -2, "__index");
    for (const luaL_Reg* methods : spec.methods)
      if (methods != nullptr) luaL_register(L, nullptr, methods);
    lua_pop(L, 1);
  }
  luaL_register(L, spec.className, spec.functions ? spec.functions : kNoFunctions);
  if (spec.constants != nullptr) {
    for (const IntConstant* c = spec.constants; c->name != nullptr; ++c) {
      lua_pushinteger(L, c->value);
      lua_setfield(L, -2, c->name);
    }
  }
  return 1;
}

int PushTypeAndAddress(lua_State* L, const char* typeName, const void* address) {
  lua_pushfstring(L, "%s(%p)", typeName, address);
  return 1;
}

}  // namespace zellua::binding
