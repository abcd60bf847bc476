#pragma once
// Text between Lua's UTF-8 strings and the framework's UTF-16 strings.
#include <cstring>
#include <string>

extern "C" {
#include <lua.h>
}

#include "zelcore/Strings.h"

namespace zellua::utility {

// A string argument up to its first NUL byte, as UTF-16.
inline zelcore::UTF16String WideText(const char* text) {
  return zelcore::UTF8to16(std::string(text, std::strlen(text)));
}

// Pushes the text as a UTF-8 string of its exact length; returns 1.
inline int PushUTF8(lua_State* L, const zelcore::UTF16String& text) {
  const std::string utf8 = zelcore::UTF16to8(text);
  lua_pushlstring(L, utf8.data(), utf8.size());
  return 1;
}

}  // namespace zellua::utility
