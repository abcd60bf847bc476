// "zellua.core.Keychain": passwords in the system keychain, each item named by two names.
#include <cstring>
#include <string>

#include "zelcore/Keychain.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Protected.h"
#include "zellua/zellua.h"

namespace zellua::core {

namespace {

const char* const kZelLuaKeychainClassName = "zellua.core.Keychain";
const char* const kNoPassword = "No password found";

// The string argument up to its first NUL byte, as 7-bit text.
zelcore::UTF16String AsciiText(const char* text) { return zelcore::AsciiToUTF16(std::string(text, std::strlen(text))); }

int GetPassword(lua_State* L) {
  const char* first = luaL_checkstring(L, 1);
  const char* second = luaL_checkstring(L, 2);
  const std::string password =
      zelcore::UTF16to8(zelcore::utility::Keychain::GetPassword(AsciiText(first), AsciiText(second)));
  if (password.empty()) {
    lua_pushnil(L);
    lua_pushstring(L, kNoPassword);
    return 2;
  }
  lua_pushlstring(L, password.data(), password.size());
  return 1;
}

int SetPassword(lua_State* L) {
  const char* first = luaL_checkstring(L, 1);
  const char* second = luaL_checkstring(L, 2);
  const char* password = luaL_checkstring(L, 3);
  lua_pushboolean(L, zelcore::utility::Keychain::SetPassword(AsciiText(first), AsciiText(second), AsciiText(password)));
  return 1;
}

int RemovePassword(lua_State* L) {
  const char* first = luaL_checkstring(L, 1);
  const char* second = luaL_checkstring(L, 2);
  lua_pushboolean(L, zelcore::utility::Keychain::RemovePassword(AsciiText(first), AsciiText(second)));
  return 1;
}

const luaL_Reg kFunctions[] = {{"GetPassword", GetPassword},
                               {"SetPassword", SetPassword},
                               {"RemovePassword", RemovePassword},
                               {nullptr, nullptr}};

}  // namespace

}  // namespace zellua::core

extern "C" int luaopen_zellua_keychain(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.className = zellua::core::kZelLuaKeychainClassName;
  spec.functions = zellua::core::kFunctions;
  return zellua::binding::OpenModule(L, spec);
}
