#include "ZeroconfLua.h"

#include <map>
#include <string>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "ZeroconfPublisher.h"
#include "zellua/binding/Numbers.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Results.h"

namespace fennick {

namespace {

using zellua::binding::PushNilAndMessage;

constexpr int kTypeArg = 1;
constexpr int kPortArg = 2;
constexpr int kTXTArg = 3;

bool IsText(lua_State* L, int index) {
  const int type = lua_type(L, index);
  return type == LUA_TSTRING || type == LUA_TNUMBER;
}

// Raises the argument error for a TXT key or value that is neither a string nor a number. Runs
// before any C++ object exists.
void CheckTXTEntries(lua_State* L) {
  lua_pushnil(L);
  while (lua_next(L, kTXTArg) != 0) {
    for (const int index : {-2, -1}) {
      if (!IsText(L, index))
        luaL_argerror(L, kTXTArg, lua_pushfstring(L, "string expected, got %s", luaL_typename(L, index)));
    }
    lua_pop(L, 1);
  }
}

// The text of a stack slot known to hold a string or a number, converted on a pushed copy: a
// number key converted in place would break the table walk.
std::string TextCopy(lua_State* L, int index) {
  lua_pushvalue(L, index);
  std::size_t length = 0;
  const char* text = lua_tolstring(L, -1, &length);
  std::string copy(text, length);
  lua_pop(L, 1);
  return copy;
}

std::map<std::string, std::string> ReadTXTEntries(lua_State* L) {
  std::map<std::string, std::string> entries;
  lua_pushnil(L);
  while (lua_next(L, kTXTArg) != 0) {
    entries[TextCopy(L, -2)] = TextCopy(L, -1);
    lua_pop(L, 1);
  }
  return entries;
}

int lua_start(lua_State* L) {
  if (lua_gettop(L) < 3) return PushNilAndMessage(L, "not enough parameters passed to start, expected 3");
  if (!lua_istable(L, kTXTArg)) return PushNilAndMessage(L, "TXT paramater must be a table");
  std::size_t typeLength = 0;
  const char* type = luaL_checklstring(L, kTypeArg, &typeLength);
  const lua_Number port = luaL_checknumber(L, kPortArg);
  if (!(port >= 0 && port < 65536)) return PushNilAndMessage(L, "port must be between 0 and 65535");
  CheckTXTEntries(L);

  FennickZeroconf::start(std::string(type, typeLength), "", zellua::binding::ClampToInteger<int>(port),
                         ReadTXTEntries(L));
  lua_pushstring(L, "success");
  return 1;
}

int lua_stop(lua_State* L) {
  FennickZeroconf::stop();
  lua_pushstring(L, "success");
  return 1;
}

const luaL_Reg kZeroconfFunctions[] = {
    {"start", lua_start},
    {"stop", lua_stop},
    {nullptr, nullptr},
};

}  // namespace

int luaopen_zeroconflua(lua_State* L) {
  zellua::binding::OpenModule(L, "zeroconf", kZeroconfFunctions);
  lua_pop(L, 1);
  return 0;
}

}  // namespace fennick
