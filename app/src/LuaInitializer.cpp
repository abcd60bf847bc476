#include "LuaInitializer.h"

#include <cstdint>
#include <string>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "FileUtilsLua.h"
#include "LinkedLuaModules.h"
#include "SecurityLua.h"
#include "StringUtilsLua.h"
#include "UlmLibLua.h"
#include "UtilitiesLua.h"
#include "ZeroconfLua.h"
#include "websocketpplua/WebSocketsLua.h"
#include "zelcore/FileUtils.h"
#include "zelcore/Files.h"
#include "zelcore/Trace.h"
#include "zellua/binding/Protected.h"
#include "zellua/ScriptDirs.h"
#include "zellua/zellua.h"

namespace fennick {

namespace {

zelcore::Dir sLuaSocketScriptsDir;
zelcore::Dir sLuaSecScriptsDir;

using Opener = void (*)(lua_State*);

void OpenLogging(lua_State* L) { zellua::LoggingUtils::InitLua(L); }
void OpenUtilities(lua_State* L) { luaopen_utilitieslua(L); }
void OpenZeroconf(lua_State* L) { luaopen_zeroconflua(L); }
void OpenSecurity(lua_State* L) { luaopen_securitylua(L); }
void OpenStringUtils(lua_State* L) { luaopen_stringutilslua(L); }
void OpenFileUtils(lua_State* L) { luaopen_fileutilslua(L); }
void OpenUlmLib(lua_State* L) { luaopen_ulmliblua(L); }
void OpenIdentityBridge(lua_State* L) { ::InitLua(L); }
void OpenWebSockets(lua_State* L) { websocketslua::InitLua(L); }

// The binding library's root table, and right after it the searcher for script modules kept as
// resources, which require 'externalinit' relies on.
void OpenBindingLibrary(lua_State* L) {
  zellua::InitLua(L);
  zellua::InitEmbeddedCodeLoader(L);
}

// The keychain and the application object, which scripts reach without a require.
void OpenKeychain(lua_State* L) { luaopen_zellua_keychain(L); }
void OpenAppModule(lua_State* L) { luaopen_zellua_arx_app(L); }

// The native modules, in the order they are opened.
constexpr Opener kOpeners[] = {
    OpenLogging,
    OpenUtilities,
    OpenZeroconf,
    OpenSecurity,
    OpenStringUtils,
    OpenFileUtils,
    OpenUlmLib,
    OpenIdentityBridge,
    OpenWebSockets,
    OpenSocketCore,
    OpenMimeCore,
    OpenSslCore,
    OpenSslContext,
    OpenBindingLibrary,
    OpenKeychain,
    OpenAppModule,
    LuaInitializer::LoadEnvironment,
};

// The UTF-8 path of a folder with a trailing "/".
std::string FolderPath(const zelcore::Dir& dir) {
  std::string path = zelcore::UTF16to8(zelcore::File(dir, u"").FullPath());
  if (path.empty() || path.back() != '/') path.push_back('/');
  return path;
}

void SetGlobalString(lua_State* L, const char* name, const std::string& value) {
  lua_pushlstring(L, value.data(), value.size());
  lua_setfield(L, LUA_GLOBALSINDEX, name);
}

void setLuaPath(lua_State* L, const std::string& dir) {
  lua_getfield(L, LUA_GLOBALSINDEX, "package");
  lua_getfield(L, -1, "path");
  const std::string old = lua_isstring(L, -1) ? lua_tostring(L, -1) : "";
  lua_pop(L, 1);
  const std::string path = ";" + dir + "?.lua;" + old;
  lua_pushlstring(L, path.data(), path.size());
  lua_setfield(L, -2, "path");
  lua_pop(L, 1);
}

void PrependFrameworksToCPath(lua_State* L) {
  const zelcore::Dir frameworks(zelcore::Dir::AppDir(), u"Frameworks");
  lua_getfield(L, LUA_GLOBALSINDEX, "package");
  lua_getfield(L, -1, "cpath");
  const std::string old = lua_isstring(L, -1) ? lua_tostring(L, -1) : "";
  lua_pop(L, 1);
  const std::string cpath = ";" + zelcore::UTF16to8(frameworks.FullPath()) + "/?.framework/?;" + old;
  lua_pushlstring(L, cpath.data(), cpath.size());
  lua_setfield(L, -2, "cpath");
  lua_pop(L, 1);
}

// A boot script that failed: its error goes to the trace log (and with it to standard error), and
// start-up goes on without the script.
void ReportBootScriptError(lua_State* L, const char* what) {
  const char* message = lua_tostring(L, -1);
  zelcore::trace::Write(std::string(what) + (message ? message : "(no message)"));
  lua_pop(L, 1);
}

// Runs "bootstrap.lua" of the scripts folder. A file that does not load is not run.
void RunBootstrap(lua_State* L, const zelcore::Dir& scriptsDir) {
  std::string folder = zelcore::UTF16to8(zelcore::File(scriptsDir, u"").FullPath());
  if (!folder.empty() && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
  const std::string file = folder + "/bootstrap.lua";
  // Read as a regular file of a sane size only: a pipe or a device in its place must neither hold
  // start-up up nor feed it without end. The chunk is named as the file loader names it.
  constexpr std::uint64_t kMaxScriptBytes = std::uint64_t{64} << 20;
  std::string source;
  const int status = zelcore::FileUtils::ReadRegularFile(file, kMaxScriptBytes, source)
                         ? luaL_loadbuffer(L, source.data(), source.size(), ("@" + file).c_str())
                         : (lua_pushfstring(L, "cannot read %s: not a readable regular file of at most 64 MB",
                                            file.c_str()),
                            LUA_ERRFILE);
  if (status != 0) {
    ReportBootScriptError(L, "bootstrap.lua did not load: ");
    return;
  }
  if (lua_pcall(L, 0, 0, 0) != 0) ReportBootScriptError(L, "bootstrap.lua failed: ");
}

void RequireExternalInit(lua_State* L) {
  const zelcore::Dir scripts(zelcore::Dir::PackageDir(), u"scripts");
  if (!zelcore::File(scripts, u"externalinit.lua").Exists()) return;
  if (luaL_loadstring(L, "require 'externalinit'") != 0 || lua_pcall(L, 0, LUA_MULTRET, 0) != 0)
    ReportBootScriptError(L, "require 'externalinit' failed: ");
}

}  // namespace

void LuaInitializer::Init(lua_State* L, zelworkspace::Workspace*) {
  const int top = lua_gettop(L);
  for (Opener open : kOpeners) {
    open(L);
    lua_settop(L, top);
  }
}

void LuaInitializer::LoadEnvironment(lua_State* L) {
  const zelcore::Dir scriptsDir = zel::lua::utility::GetLuaScriptsDir("");
  if (!scriptsDir.Exists()) return;
  SetGlobalString(L, "SOURCE_ROOT", FolderPath(scriptsDir));

  const zelcore::Dir projectDir = zel::lua::utility::GetProjectBaseDir();
  if (projectDir.Exists()) {
    SetGlobalString(L, "PROJECT_ROOT", FolderPath(projectDir));
    SetGlobalString(L, "PATH_SEPARATOR", "/");
    lua_pushboolean(L, false);
    lua_setfield(L, LUA_GLOBALSINDEX, "DEBUG_SUPPORT");
    zellua::binding::PushProtectedFunction(L, lua_sleep);
    lua_setfield(L, LUA_GLOBALSINDEX, "sleep");
    UpdateRequirePath(L);
    RunBootstrap(L, scriptsDir);
    RequireExternalInit(L);
  }
  DumpLuaStackToConsole(L, 1, true, false);
}

void LuaInitializer::UpdateRequirePath(lua_State* L) {
  const zelcore::Dir scriptsDir = zel::lua::utility::GetLuaScriptsDir("");
  if (sLuaSocketScriptsDir.FullPath().empty()) sLuaSocketScriptsDir = scriptsDir;
  if (sLuaSecScriptsDir.FullPath().empty()) sLuaSecScriptsDir = scriptsDir;
  for (const zelcore::Dir& dir : {scriptsDir, zel::lua::utility::GetCommonLuaScriptsDir(""), sLuaSocketScriptsDir,
                                  sLuaSecScriptsDir}) {
    if (dir.Exists()) setLuaPath(L, FolderPath(dir));
  }
  PrependFrameworksToCPath(L);
}

}  // namespace fennick
