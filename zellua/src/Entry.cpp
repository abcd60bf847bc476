// The library's root table and its exported openers.
#include "zellua/binding/LuaRef.h"
#include "zellua/binding/Module.h"
#include "zellua/numeric/Numeric.h"
#include "zellua/string/StringLib.h"
#include "zellua/zellua.h"

namespace zellua {

int InitLua(lua_State* L) {
  // The host calls this on the state's main thread: remembered, so that references taken later
  // inside coroutines belong to it.
  binding::MainState(L);
  binding::ModuleSpec spec;
  spec.className = "zellua";
  binding::OpenModule(L, spec);
  numeric::OpenLuaNumeric(L);
  // The string library's table is left on top of the root table.
  string::luaopen_zelluaStrings(L);
  return 1;
}

}  // namespace zellua

extern "C" {

int luaopen_zellua(lua_State* L) {
  zellua::InitLua(L);
  return 1;
}

int luaopen_zellua_EmbeddedCodeLoader(lua_State* L) {
  lua_pushcfunction(L, zellua::DoLoadEmbeddedCode);
  return 1;
}

int luaopen_zellua_zelLogging(lua_State* L) { return zellua::LoggingUtils::InitLua(L); }

int luaopen_zellua_debugSupport(lua_State* L) { return zellua::DebugSupport::InitLua(L); }

}  // extern "C"
