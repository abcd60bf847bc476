// Geometry and colour values between Lua tables and the core framework's types.
#include "zellua/limner/Converters.h"

extern "C" {
#include <lauxlib.h>
}

#include "RowNumbers.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Numbers.h"

namespace zellua::limner {

namespace {

// The argument must be a table; nil on top of the stack means there is nothing to read.
bool BeginRead(lua_State* L, int index) {
  luaL_checktype(L, index, LUA_TTABLE);
  return !lua_isnil(L, -1);
}

// The named field of the table at the absolute index, which must be a number.
lua_Number NumberField(lua_State* L, int index, const char* name) {
  lua_pushstring(L, name);
  lua_gettable(L, index);
  const lua_Number value = luaL_checknumber(L, -1);
  lua_pop(L, 1);
  return value;
}

float FloatField(lua_State* L, int index, const char* name) { return static_cast<float>(NumberField(L, index, name)); }

int IntegerField(lua_State* L, int index, const char* name) {
  return binding::ClampToInteger<int>(NumberField(L, index, name));
}

void ReportMatrixCount() { ZELLUA_FAIL("matData.size() == 9"); }

// Calls the script's constructor with the numbers; leaves its result, or the error value.
template <typename... Numbers>
int CallConstructor(lua_State* L, const char* name, Numbers... numbers) {
  luaL_checkstack(L, static_cast<int>(sizeof...(numbers)) + 1, name);
  lua_getfield(L, LUA_GLOBALSINDEX, name);
  (lua_pushnumber(L, static_cast<lua_Number>(numbers)), ...);
  lua_pcall(L, static_cast<int>(sizeof...(numbers)), 1, 0);
  return 1;
}

}  // namespace

int CollectRowNumbers(lua_State* L, int index, double* values, int capacity) {
  index = AbsoluteIndex(L, index);
  int count = 0;
  lua_pushnil(L);
  while (lua_next(L, index) != 0) {
    if (lua_istable(L, -1)) {
      lua_pushnil(L);
      while (lua_next(L, -2) != 0) {
        if (lua_isnumber(L, -1)) {
          if (count < capacity) values[count] = lua_tonumber(L, -1);
          ++count;
        }
        lua_pop(L, 1);
      }
    }
    lua_pop(L, 1);
  }
  return count;
}

bool GetPointF32FromLua(lua_State* L, int index, zelcore::PointF32& point) {
  if (!BeginRead(L, index)) return false;
  index = AbsoluteIndex(L, index);
  const float x = FloatField(L, index, "x");
  const float y = FloatField(L, index, "y");
  point = zelcore::PointF32{x, y};
  return true;
}

bool GetRectF32FromLua(lua_State* L, int index, zelcore::RectF32& rect) {
  if (!BeginRead(L, index)) return false;
  index = AbsoluteIndex(L, index);
  const float top = FloatField(L, index, "top");
  const float left = FloatField(L, index, "left");
  const float height = FloatField(L, index, "height");
  const float width = FloatField(L, index, "width");
  rect = zelcore::RectF32{left, top, width, height};
  return true;
}

bool GetRect32FromLua(lua_State* L, int index, zelcore::Rect32& rect) {
  if (!BeginRead(L, index)) return false;
  index = AbsoluteIndex(L, index);
  const int top = IntegerField(L, index, "top");
  const int left = IntegerField(L, index, "left");
  const int height = IntegerField(L, index, "height");
  const int width = IntegerField(L, index, "width");
  rect = zelcore::Rect32{left, top, width, height};
  return true;
}

bool GetColorRGBAFromLua(lua_State* L, int index, zelcore::ColorRGBA& color) {
  if (!BeginRead(L, index)) return false;
  index = AbsoluteIndex(L, index);
  const float red = FloatField(L, index, "red");
  const float green = FloatField(L, index, "green");
  const float blue = FloatField(L, index, "blue");
  const float alpha = FloatField(L, index, "alpha");
  color = zelcore::ColorRGBA{red, green, blue, alpha};
  return true;
}

bool GetMatrixF32FromLua(lua_State* L, int index, zelcore::MatrixF32& matrix) {
  if (!BeginRead(L, index)) return false;
  double values[9];
  if (CollectRowNumbers(L, index, values, 9) != 9) {
    ReportMatrixCount();
    luaL_error(L, "incorrect number of values for MatrixF32");
    return false;
  }
  for (int k = 0; k < 9; ++k) matrix.m[k / 3][k % 3] = static_cast<float>(values[k]);
  return true;
}

int PushPointF32ToLua(lua_State* L, const zelcore::PointF32& point) {
  return CallConstructor(L, "zellua_CreateNewPointF32", point.x, point.y);
}

int PushRectF32ToLua(lua_State* L, const zelcore::RectF32& rect) {
  return CallConstructor(L, "zellua_CreateNewRectF32", rect.left, rect.top, rect.width, rect.height);
}

int PushRect32ToLua(lua_State* L, const zelcore::Rect32& rect) {
  return CallConstructor(L, "zellua_CreateNewRectF32", rect.left, rect.top, rect.width, rect.height);
}

int PushColorRGBAToLua(lua_State* L, const zelcore::ColorRGBA& color) {
  return CallConstructor(L, "zellua_CreateNewRGBA", color.red, color.green, color.blue, color.alpha);
}

int PushMatrixF32ToLua(lua_State* L, const zelcore::MatrixF32& matrix) {
  const auto& m = matrix.m;
  return CallConstructor(L, "zellua_CreateNewMatrixF32", m[0][0], m[0][1], m[0][2], m[1][0], m[1][1], m[1][2],
                         m[2][0], m[2][1], m[2][2]);
}

}  // namespace zellua::limner
