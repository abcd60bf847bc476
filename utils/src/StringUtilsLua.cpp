#include "StringUtilsLua.h"

#include <string>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "ByteCoding.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Results.h"

namespace fennick {

namespace {

using zellua::binding::PushNilAndMessage;

// Reads the one argument every function takes and returns what code(input) pushed; a missing or
// nil argument gives nil and a message instead, another type than a string or number the
// argument error.
template <typename Code>
int WithInput(lua_State* L, Code code) {
  if (lua_gettop(L) < 1) return PushNilAndMessage(L, "not enough parameters, expected 1");
  if (lua_isnil(L, 1)) return PushNilAndMessage(L, "input was nil");
  std::size_t length = 0;
  const char* text = luaL_checklstring(L, 1, &length);
  return code(std::string_view(text, length));
}

int PushBytes(lua_State* L, const std::string& bytes) {
  lua_pushlstring(L, bytes.data(), bytes.size());
  return 1;
}

int lua_encodeBase64(lua_State* L) {
  return WithInput(L, [L](std::string_view input) { return PushBytes(L, coding::EncodeBase64(input)); });
}

// A character outside the alphabet gives no value at all.
int lua_decodeBase64(lua_State* L) {
  return WithInput(L, [L](std::string_view input) {
    const auto bytes = coding::DecodeBase64(input);
    return bytes ? PushBytes(L, *bytes) : 0;
  });
}

int lua_encodeHex(lua_State* L) {
  return WithInput(L, [L](std::string_view input) { return PushBytes(L, coding::EncodeHex(input)); });
}

int lua_decodeHex(lua_State* L) {
  return WithInput(L, [L](std::string_view input) { return PushBytes(L, coding::DecodeHex(input)); });
}

const luaL_Reg kStringUtilsFunctions[] = {
    {"encodeBase64", lua_encodeBase64},
    {"decodeBase64", lua_decodeBase64},
    {"encodeHex", lua_encodeHex},
    {"decodeHex", lua_decodeHex},
    {nullptr, nullptr},
};

}  // namespace

}  // namespace fennick

int luaopen_stringutilslua(lua_State* L) {
  return zellua::binding::OpenModule(L, "VyStringUtils", fennick::kStringUtilsFunctions);
}
