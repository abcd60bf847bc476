// Script modules kept as application resources of type "lua": require 'a.b' loads resource "a_b".
#include <string>

extern "C" {
#include <lauxlib.h>
}

#include "arx/app/ResourceManager.h"
#include "kqkernel/KqKernel.h"
#include "zellua/binding/Protected.h"
#include "zellua/zellua.h"

namespace zellua {

namespace {

// Finds and compiles the resource. Leaves the chunk on the stack and returns 1, returns 0 when
// there is no such resource, and returns -1 with the compiler's message on the stack when the
// resource does not compile.
int LoadResource(lua_State* L) {
  size_t length = 0;
  const char* name = luaL_checklstring(L, 1, &length);
  const std::string moduleName(name, length);
  std::string resourceName = moduleName;
  for (char& c : resourceName)
    if (c == '.') c = '_';
  zelcore::UTF16String resource;
  for (unsigned char c : resourceName) resource.push_back(c);

  const arx::app::ResourceManager& resources = arx::app::GetAppResourceManager();
  std::string bytes;
  if (!resources.Exists(resource, u"lua") || !resources.Read(resource, u"lua", bytes)) return 0;

  lua_pushvalue(L, LUA_GLOBALSINDEX);
  if (KqLua_loadChunkFromBuffer(L, bytes.data(), bytes.size(), moduleName.c_str()) != 0) {
    lua_pushfstring(L, "error loading module '%s' from embedded resource '%s':\n\t%s", moduleName.c_str(),
                    resourceName.c_str(), lua_tostring(L, -1));
    return -1;
  }
  return 1;
}

int Search(lua_State* L) {
  const int result = LoadResource(L);
  return result < 0 ? lua_error(L) : result;
}

}  // namespace

int DoLoadEmbeddedCode(lua_State* L) { return binding::Protected<Search>(L); }

int InitEmbeddedCodeLoader(lua_State* L) {
  // The loader module is this library's own opener: offered through package.preload so that the
  // require below finds it before the library's folder is on package.cpath.
  lua_getfield(L, LUA_GLOBALSINDEX, "package");
  lua_getfield(L, -1, "preload");
  if (lua_istable(L, -1)) {
    lua_pushcfunction(L, luaopen_zellua_EmbeddedCodeLoader);
    lua_setfield(L, -2, "zellua.EmbeddedCodeLoader");
  }
  lua_pop(L, 2);
  const int status = luaL_loadstring(L, "table.insert(package.loaders, require 'zellua.EmbeddedCodeLoader')");
  if (status != 0) {
    lua_pop(L, 1);
    return status;
  }
  const int runStatus = lua_pcall(L, 0, 0, 0);
  if (runStatus != 0) lua_pop(L, 1);
  return runStatus;
}

}  // namespace zellua
