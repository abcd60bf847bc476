#pragma once
// The Lua module "VyAppUtils": the tray icon, the user-interface language and localised texts.
struct lua_State;

namespace fennick {

// Registers the global table "VyAppUtils"; leaves the stack as it was.
void RegisterAppUtilsLua(lua_State* L);

}  // namespace fennick
