#pragma once
// The binding library's entry points that the host program calls at start-up.
#include <string>

extern "C" {
#include <lua.h>
}

namespace zellua {

// Registers the global "zellua" table with its field "numeric" (the matrix functions), then the
// global string library "zelString"; both tables are left on the stack, the string library on
// top. Returns 1.
int InitLua(lua_State* L);
// Appends the embedded-code searcher to package.loaders; returns the status of doing so.
int InitEmbeddedCodeLoader(lua_State* L);
// The searcher: finds a script module among the application's resources of type "lua".
int DoLoadEmbeddedCode(lua_State* L);

namespace LoggingUtils {
// Registers the global library "zelLogging"; returns 1.
int InitLua(lua_State* L);
}  // namespace LoggingUtils

namespace DebugSupport {
// Registers the global library "debugSupport"; returns 1.
int InitLua(lua_State* L);
}  // namespace DebugSupport

namespace utility {

// A message for hosts of scripts; nothing in the library throws it.
class LuaException {
 public:
  // The localised "Unknown Lua Exception".
  LuaException();
  explicit LuaException(const std::string& utf8Message) : mMessage(utf8Message) {}
  std::string GetMessage() const { return mMessage; }

 private:
  std::string mMessage;
};

// Fields of the table at index; a null name is an assertion and gives 0, false or "".
int GetIntegerField(lua_State* L, int tableIndex, const char* inFieldName);
bool GetBoolField(lua_State* L, int tableIndex, const char* inFieldName);
std::string GetStringField(lua_State* L, int tableIndex, const char* inFieldName);

}  // namespace utility

}  // namespace zellua

// The exported openers found by name through package.cpath.
extern "C" {
int luaopen_zellua(lua_State* L);
int luaopen_zellua_EmbeddedCodeLoader(lua_State* L);
int luaopen_zellua_zelLogging(lua_State* L);
int luaopen_zellua_debugSupport(lua_State* L);
int luaopen_zellua_zelLocale(lua_State* L);
int luaopen_zellua_zelcore_zelTypes(lua_State* L);
int luaopen_zellua_keychain(lua_State* L);
int luaopen_zellua_proplist(lua_State* L);
int luaopen_zellua_arx_app(lua_State* L);
int luaopen_zellua_limner_zelLimner(lua_State* L);
int luaopen_zellua_limner_zelSurfaceInterface(lua_State* L);
int luaopen_zellua_limner_zelSupplier(lua_State* L);
int luaopen_zellua_limner_zelImageInterface(lua_State* L);
int luaopen_zellua_limner_zelPathInterface(lua_State* L);
int luaopen_zellua_limner_PenInterface(lua_State* L);
int luaopen_zellua_limner_ShaderInterface(lua_State* L);
int luaopen_zellua_zelString(lua_State* L);
int luaopen_zellua_filesupport_FileUtils(lua_State* L);
int luaopen_zellua_datatransfer_OSDataTransfer(lua_State* L);
int luaopen_zellua_datatransfer_OSReceiveData(lua_State* L);
int luaopen_zellua_datatransfer_OSSendData(lua_State* L);
int luaopen_zellua_zelTheme(lua_State* L);
int luaopen_zellua_zelMonitorInfo(lua_State* L);
int luaopen_zellua_OSLaunchUtils(lua_State* L);
int luaopen_zellua_zelcontrols(lua_State* L);
int luaopen_zellua_UINodeManager(lua_State* L);
int luaopen_zellua_luaTestingSupport(lua_State* L);
int luaopen_zellua_InputCapture(lua_State* L);
int luaopen_zellua_zelWorkspace(lua_State* L);
int luaopen_zellua_zelTabPanel(lua_State* L);
int luaopen_zellua_zelToolBar(lua_State* L);
int luaopen_zellua_OSMenu(lua_State* L);
int luaopen_zellua_uisupport_Alert(lua_State* L);
int luaopen_zellua_zelCmdAttachment(lua_State* L);
}
