#include "LinkedLuaModules.h"

extern "C" {
#include <lauxlib.h>
#include <lua.h>

int luaopen_socket_core(lua_State* L);
int luaopen_mime_core(lua_State* L);
int luaopen_ssl_core(lua_State* L);
int luaopen_ssl_context(lua_State* L);
int luaopen_ssl_x509(lua_State* L);
int luaopen_ssl_config(lua_State* L);
}

namespace fennick {

namespace {

void OpenAndRecord(lua_State* L, const char* name, lua_CFunction opener) {
  const int top = lua_gettop(L);
  lua_pushcfunction(L, opener);
  lua_pushstring(L, name);
  // Protected: an opener that fails must not unwind the host's start-up.
  if (lua_pcall(L, 1, 1, 0) == 0 && !lua_isnil(L, -1)) {
    lua_getfield(L, LUA_GLOBALSINDEX, "package");
    lua_getfield(L, -1, "loaded");
    lua_pushvalue(L, -3);
    lua_setfield(L, -2, name);
  }
  lua_settop(L, top);
}

// The Lua half of LuaSec also requires the certificate and configuration modules of the same
// library; they are offered through package.preload so that require takes the linked copy.
void PreloadSslCompanions(lua_State* L) {
  const int top = lua_gettop(L);
  lua_getfield(L, LUA_GLOBALSINDEX, "package");
  lua_getfield(L, -1, "preload");
  lua_pushcfunction(L, luaopen_ssl_x509);
  lua_setfield(L, -2, "ssl.x509");
  lua_pushcfunction(L, luaopen_ssl_config);
  lua_setfield(L, -2, "ssl.config");
  lua_settop(L, top);
}

}  // namespace

void OpenSocketCore(lua_State* L) { OpenAndRecord(L, "socket.core", luaopen_socket_core); }
void OpenMimeCore(lua_State* L) { OpenAndRecord(L, "mime.core", luaopen_mime_core); }

void OpenSslCore(lua_State* L) {
  PreloadSslCompanions(L);
  OpenAndRecord(L, "ssl.core", luaopen_ssl_core);
}

void OpenSslContext(lua_State* L) { OpenAndRecord(L, "ssl.context", luaopen_ssl_context); }

}  // namespace fennick
