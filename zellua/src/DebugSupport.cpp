// "debugSupport": code capture for a debugger the kernel may carry, and its coverage value.
#include "kqkernel/KqKernel.h"
#include "zellua/binding/Module.h"
#include "zellua/zellua.h"

extern "C" int lua_register_debug_support(lua_State* L);

// Hands a script's code to the kernel's capture hook; without a hook, arguments are not read.
extern "C" int lua_register_debug_support(lua_State* L) {
  KqDebuggerSupport* support = KqLuaUniverse_getDebuggerSupport(KqLuaState_getUniverse(L));
  if (support == nullptr) return 0;
  size_t nameLength = 0;
  const char* name = luaL_checklstring(L, 1, &nameLength);
  const char* code = luaL_checkstring(L, 2);
  KqDebuggerSupport_captureCode(support, L, name, nameLength, code);
  return 0;
}

namespace zellua::DebugSupport {

namespace {
const luaL_Reg kFunctions[] = {{"captureCode", lua_register_debug_support}, {nullptr, nullptr}};
}

int InitLua(lua_State* L) {
  binding::ModuleSpec spec;
  spec.className = "debugSupport";
  spec.functions = kFunctions;
  binding::OpenModule(L, spec);
  KrLuaCoverage_push(L);
  lua_setfield(L, -2, "coverageSupport");
  return 1;
}

}  // namespace zellua::DebugSupport
