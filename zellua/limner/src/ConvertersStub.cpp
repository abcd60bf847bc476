// Integer rectangles and colours between Lua tables and the core framework's values.
#include <initializer_list>

extern "C" {
#include <lauxlib.h>
}

#include "zellua/binding/Numbers.h"
#include "zellua/limner/Converters.h"

namespace zellua::limner {

namespace {

// The numeric fields of the table at index, in the order given; a nil on top of the stack leaves
// the outputs as they were.
void ReadFields(lua_State* L, int index, std::initializer_list<std::pair<const char*, lua_Number*>> fields) {
  if (index < 0 && index > LUA_REGISTRYINDEX) index = lua_gettop(L) + index + 1;
  luaL_checktype(L, index, LUA_TTABLE);
  if (lua_isnil(L, -1)) return;
  for (const auto& [name, out] : fields) {
    lua_getfield(L, index, name);
    if (!lua_isnumber(L, -1)) luaL_argerror(L, index, lua_pushfstring(L, "number expected in field '%s'", name));
    *out = lua_tonumber(L, -1);
    lua_pop(L, 1);
  }
}

// Calls the script's constructor with the numbers; its result (or its error) is left on top.
int Construct(lua_State* L, const char* constructor, std::initializer_list<lua_Number> numbers) {
  lua_getfield(L, LUA_GLOBALSINDEX, constructor);
  for (lua_Number n : numbers) lua_pushnumber(L, n);
  lua_pcall(L, static_cast<int>(numbers.size()), 1, 0);
  return 1;
}

}  // namespace

void GetRect32FromLua(lua_State* L, int index, zelcore::Rect32& rect) {
  lua_Number top = rect.top, left = rect.left, height = rect.height, width = rect.width;
  ReadFields(L, index, {{"top", &top}, {"left", &left}, {"height", &height}, {"width", &width}});
  rect = {binding::ClampToInteger<int>(left), binding::ClampToInteger<int>(top), binding::ClampToInteger<int>(width),
          binding::ClampToInteger<int>(height)};
}

void GetColorRGBAFromLua(lua_State* L, int index, zelcore::ColorRGBA& color) {
  lua_Number red = color.red, green = color.green, blue = color.blue, alpha = color.alpha;
  ReadFields(L, index, {{"red", &red}, {"green", &green}, {"blue", &blue}, {"alpha", &alpha}});
  const auto component = [](lua_Number n) { return static_cast<float>(binding::ClampNumber(n, 0.0, 1.0)); };
  color = {component(red), component(green), component(blue), component(alpha)};
}

int PushRect32ToLua(lua_State* L, const zelcore::Rect32& rect) {
  return Construct(L, "zellua_CreateNewRectF32", {static_cast<lua_Number>(rect.left), static_cast<lua_Number>(rect.top),
                                                  static_cast<lua_Number>(rect.width), static_cast<lua_Number>(rect.height)});
}

int PushColorRGBAToLua(lua_State* L, const zelcore::ColorRGBA& color) {
  return Construct(L, "zellua_CreateNewRGBA", {color.red, color.green, color.blue, color.alpha});
}

}  // namespace zellua::limner
