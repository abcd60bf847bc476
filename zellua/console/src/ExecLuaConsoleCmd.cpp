#include "zellua/ExecLuaConsoleCmd.h"

#include <sstream>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "zellua/binding/Assert.h"
#include "zelworkspace/ConsolePanel.h"

namespace zellua::console {

const zelcore::UTF16String ExecLuaConsoleCmd::kName = u"execLua";
const zelcore::UTF16String ExecLuaConsoleCmd::kDescription = u"execLua - Execute a Lua chunk in the app universe";
lua_State* ExecLuaConsoleCmd::mLuaState = nullptr;

namespace {

const zelcore::UTF16String kTrue = u"true";
const zelcore::UTF16String kFalse = u"false";

const char* LoadErrorLine(int status) {
  switch (status) {
    case LUA_ERRMEM: return "ERROR: Lua Memory Error";
    case LUA_ERRSYNTAX: return "ERROR: Lua Syntax Error";
    default: return "ERROR: Unknown Lua Error";
  }
}

// The text of the error value on top of the stack; an error raised with a table or another
// value that has no text gets a line naming its type.
std::string ErrorText(lua_State* L) {
  size_t length = 0;
  if (const char* text = lua_tolstring(L, -1, &length)) return std::string(text, length);
  return std::string("ERROR: Lua error object is a ") + luaL_typename(L, -1) + " value";
}

// Number and boolean results go to the command's output stream, one line each; other results
// have no text form here. The panel shows only errors.
void WriteResults(lua_State* L, int firstSlot, zelcore::UTF16String& output) {
  for (int i = firstSlot; i <= lua_gettop(L); ++i) {
    if (lua_type(L, i) == LUA_TNUMBER) {
      std::ostringstream number;
      number << lua_tonumber(L, i);
      output += zelcore::UTF8to16(number.str()) + u"\n";
    } else if (lua_type(L, i) == LUA_TBOOLEAN) {
      output += (lua_toboolean(L, i) ? kTrue : kFalse) + u"\n";
    }
  }
}

}  // namespace

void ExecLuaConsoleCmd::SetLuaState(lua_State* L) { mLuaState = L; }

void ExecLuaConsoleCmd::Execute(const zelcore::UTF16String& text, zelcore::UTF16String& output) {
  ZELLUA_ASSERT(NULL != mLuaState);
  zelworkspace::ConsolePanel* panel = zelworkspace::ConsolePanel::GetInstance();
  if (panel == nullptr) return;
  panel->Out();

  lua_State* L = mLuaState;
  const int top = lua_gettop(L);
  const std::string chunk = zelcore::UTF16to8(text);
  const int status = luaL_loadbuffer(L, chunk.data(), chunk.size(), "ZELConsole");
  if (status != 0) {
    panel->PostBuffer(LoadErrorLine(status));
    panel->PostBuffer("\n");
  } else if (lua_pcall(L, 0, LUA_MULTRET, 0) != 0) {
    panel->PostBuffer(ErrorText(L));
    panel->PostBuffer("\n");
  } else {
    WriteResults(L, top + 1, output);
  }
  lua_settop(L, top);
}

}  // namespace zellua::console
