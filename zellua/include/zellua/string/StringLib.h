#pragma once
// The string library "zelString": byte-indexed access and classification of UTF-8 strings,
// trimming, substrings, regular expressions, comparison, case mapping, UTF-16 conversion and
// localisation.
extern "C" {
#include <lua.h>
}

namespace zellua::string {

// Registers the global library "zelString" and leaves it on the stack; returns 1.
int luaopen_zelluaStrings(lua_State* L);

// The optional 1-based byte position at index into a string of length bytes: defaultPos when the
// stack holds fewer values or a nil there; a negative position counts from the end (-1 the last
// byte). A position outside 1..length raises the Lua error "<functionName>: Invalid stack
// position"; a value that is no number raises the argument error.
int GetOptionalOneBasedPos(lua_State* L, int index, int length, const char* functionName, int defaultPos);

}  // namespace zellua::string
