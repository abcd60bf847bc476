#pragma once
// Geometry and colour values between Lua tables and the core framework's types. Readers take a
// table argument (fields "left", "top", "width", "height"; "red", "green", "blue", "alpha") and
// raise the auxiliary library's argument errors; pushers build the value through the scripts'
// constructors "zellua_CreateNewRectF32" and "zellua_CreateNewRGBA" and push one value.
extern "C" {
#include <lua.h>
}

#include "zelcore/Geometry.h"

namespace zellua::limner {

void GetRect32FromLua(lua_State* L, int index, zelcore::Rect32& rect);
void GetColorRGBAFromLua(lua_State* L, int index, zelcore::ColorRGBA& color);
int PushRect32ToLua(lua_State* L, const zelcore::Rect32& rect);
int PushColorRGBAToLua(lua_State* L, const zelcore::ColorRGBA& color);

}  // namespace zellua::limner
