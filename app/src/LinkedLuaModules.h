#pragma once
// LuaSocket and LuaSec, linked into the program and opened directly.
struct lua_State;

namespace fennick {

// Each opens one module and records its table in package.loaded under the module's name, so that
// a later require gets the linked module instead of loading a second copy.
void OpenSocketCore(lua_State* L);
void OpenMimeCore(lua_State* L);
void OpenSslCore(lua_State* L);
void OpenSslContext(lua_State* L);

}  // namespace fennick
