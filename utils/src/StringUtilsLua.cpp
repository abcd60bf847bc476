#include "StringUtilsLua.h"

#include <string>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "ByteCoding.h"
#include "LuaFailure.h"
#include "zellua/binding/Protected.h"

namespace fennick {

namespace {

// The one argument every function takes: false (with the nil-and-message results pushed) when it
// is missing or nil.
bool GetInput(lua_State* L, std::string_view& input, int& results) {
  if (lua_gettop(L) < 1) {
    results = PushNilAndMessage(L, "not enough parameters, expected 1");
    return false;
  }
  if (lua_isnil(L, 1)) {
    results = PushNilAndMessage(L, "input was nil");
    return false;
  }
  std::size_t length = 0;
  const char* text = luaL_checklstring(L, 1, &length);
  input = std::string_view(text, length);
  return true;
}

void PushBytes(lua_State* L, const std::string& bytes) { lua_pushlstring(L, bytes.data(), bytes.size()); }

int lua_encodeBase64(lua_State* L) {
  std::string_view input;
  int results = 0;
  if (!GetInput(L, input, results)) return results;
  PushBytes(L, coding::EncodeBase64(input));
  return 1;
}

// A character outside the alphabet gives no value at all.
int lua_decodeBase64(lua_State* L) {
  std::string_view input;
  int results = 0;
  if (!GetInput(L, input, results)) return results;
  const auto bytes = coding::DecodeBase64(input);
  if (!bytes) return 0;
  PushBytes(L, *bytes);
  return 1;
}

int lua_encodeHex(lua_State* L) {
  std::string_view input;
  int results = 0;
  if (!GetInput(L, input, results)) return results;
  PushBytes(L, coding::EncodeHex(input));
  return 1;
}

int lua_decodeHex(lua_State* L) {
  std::string_view input;
  int results = 0;
  if (!GetInput(L, input, results)) return results;
  PushBytes(L, coding::DecodeHex(input));
  return 1;
}

const luaL_Reg kStringUtilsFunctions[] = {
    {"encodeBase64", zellua::binding::Protected<lua_encodeBase64>},
    {"decodeBase64", zellua::binding::Protected<lua_decodeBase64>},
    {"encodeHex", zellua::binding::Protected<lua_encodeHex>},
    {"decodeHex", zellua::binding::Protected<lua_decodeHex>},
    {nullptr, nullptr},
};

}  // namespace

}  // namespace fennick

int luaopen_stringutilslua(lua_State* L) {
  luaL_register(L, "VyStringUtils", fennick::kStringUtilsFunctions);
  return 1;
}
