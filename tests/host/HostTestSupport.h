#pragma once
// Lua helpers for the host's native tests.
#include <string>
#include <vector>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

namespace glimmet::testing {

// Lines the scripts passed to the global "record", kept across the state's close.
std::vector<std::string>& Recorded();
// Makes every state the kernel opens from now on offer the global "record".
void OfferRecordFunction();

std::string GlobalString(lua_State* L, const char* name);
bool GlobalIsNil(lua_State* L, const char* name);
double GlobalNumber(lua_State* L, const char* name);

}  // namespace glimmet::testing
