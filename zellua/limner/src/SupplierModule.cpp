// "zelSupplierInterface": the drawing supplier of a context, lent to Lua. The userdata holds the
// supplier's pointer and never owns it; it has no methods besides __gc (nothing to do) and
// __tostring (the userdata's own address).
#include "LimnerInternal.h"
#include "zellua/binding/Module.h"

namespace zellua::limner {

const char* const kZelLuaSupplierInterfaceMetaTableName = "zellua.limner.zelSupplierInterface";
const char* const kZelLuaSupplierInterfaceClassName = "zelSupplierInterface";

namespace {

struct SupplierBlock {
  ::limner::SupplierInterface* supplier;
};

int Gc(lua_State* L) {
  zellua_checkSupplier(L, 1);
  return 0;
}

int ToString(lua_State* L) {
  return binding::PushTypeAndAddress(
      L, kZelLuaSupplierInterfaceClassName,
      binding::CheckUserdata<SupplierBlock>(L, 1, kZelLuaSupplierInterfaceMetaTableName));
}

const luaL_Reg kMethods[] = {{"__gc", Gc}, {"__tostring", ToString}, {nullptr, nullptr}};

}  // namespace

int PushSupplierToLua(lua_State* L, ::limner::SupplierInterface* supplier) {
  PushEmptyBlock<SupplierBlock>(L, kZelLuaSupplierInterfaceMetaTableName, luaopen_zellua_limner_zelSupplier)
      ->supplier = supplier;
  return 1;
}

::limner::SupplierInterface* zellua_checkSupplier(lua_State* L, int index) {
  return binding::CheckUserdata<SupplierBlock>(L, index, kZelLuaSupplierInterfaceMetaTableName)->supplier;
}

}  // namespace zellua::limner

extern "C" int luaopen_zellua_limner_zelSupplier(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::limner::kZelLuaSupplierInterfaceMetaTableName;
  spec.methods[0] = zellua::limner::kMethods;
  spec.className = zellua::limner::kZelLuaSupplierInterfaceClassName;
  spec.functions = zellua::binding::kNoFunctions;
  return zellua::binding::OpenModule(L, spec);
}
