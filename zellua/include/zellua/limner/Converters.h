#pragma once
// Geometry and colour values between Lua tables and the core framework's types.
//
// Readers take a table argument (an argument error otherwise) and fill the value from its fields:
// points "x", "y"; rectangles "top", "left", "height", "width" (in that order); colours "red",
// "green", "blue", "alpha"; 3x3 matrices from a table of three row tables (9 numbers in all; any
// other count raises "incorrect number of values for MatrixF32"). A missing or non-number field
// raises the argument error. When the value on top of the stack is nil the table is not read, the
// value is left as it was and the reader returns false: callers initialise what they pass.
// Readers raise Lua errors: call them before any C++ object with a destructor is made.
//
// Writers call the constructors the scripts define ("zellua_CreateNewPointF32",
// "zellua_CreateNewRectF32", "zellua_CreateNewRGBA", "zellua_CreateNewMatrixF32") and push what
// they return, or the error value when the call fails; they return 1.
extern "C" {
#include <lua.h>
}

#include "zelcore/Geometry.h"

namespace zellua::limner {

bool GetPointF32FromLua(lua_State* L, int index, zelcore::PointF32& point);
bool GetRectF32FromLua(lua_State* L, int index, zelcore::RectF32& rect);
bool GetRect32FromLua(lua_State* L, int index, zelcore::Rect32& rect);
bool GetColorRGBAFromLua(lua_State* L, int index, zelcore::ColorRGBA& color);
bool GetMatrixF32FromLua(lua_State* L, int index, zelcore::MatrixF32& matrix);

int PushPointF32ToLua(lua_State* L, const zelcore::PointF32& point);
int PushRectF32ToLua(lua_State* L, const zelcore::RectF32& rect);
// Through "zellua_CreateNewRectF32" as well, with four integers.
int PushRect32ToLua(lua_State* L, const zelcore::Rect32& rect);
int PushColorRGBAToLua(lua_State* L, const zelcore::ColorRGBA& color);
int PushMatrixF32ToLua(lua_State* L, const zelcore::MatrixF32& matrix);

}  // namespace zellua::limner
