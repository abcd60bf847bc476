// Keyboard and mouse events between the toolkit and the tables the scripts build.
#include "zellua/binding/Numbers.h"
#include "zellua/ui/LuaEvents.h"

extern "C" {
#include <lauxlib.h>
}

namespace zellua::ui {

using zelui::ui::KeyboardEvent;
using zelui::ui::MouseEvent;

namespace {

// Calls the script's constructor with the values pushValues pushes; leaves its result, or the
// error value when the call fails.
template <typename PushValues>
int CallEventConstructor(lua_State* L, const char* name, int count, PushValues&& pushValues) {
  luaL_checkstack(L, count + 1, name);
  lua_getfield(L, LUA_GLOBALSINDEX, name);
  pushValues();
  lua_pcall(L, count, 1, 0);
  return 1;
}

// The number in the field of the table at the absolute index (an argument error when missing).
lua_Number NumberField(lua_State* L, int index, const char* name) {
  lua_getfield(L, index, name);
  const lua_Number value = luaL_checknumber(L, -1);
  lua_pop(L, 1);
  return value;
}

// The number in the field of the table on top of the stack; 0 when it is none.
lua_Number OptionalNumberField(lua_State* L, const char* name) {
  lua_getfield(L, -1, name);
  const lua_Number value = lua_tonumber(L, -1);
  lua_pop(L, 1);
  return value;
}

}  // namespace

int PushKeyboardEventToLua(lua_State* L, const KeyboardEvent& event) {
  const zelcore::UTF16String& text = event.GetText();
  const lua_Number character = text.empty() ? 0 : static_cast<lua_Number>(text.front());
  return CallEventConstructor(L, "zellua_CreateNewZELUIKeyboardEvent", 5, [&] {
    lua_pushnumber(L, event.GetAction());
    lua_pushnumber(L, character);
    lua_pushnumber(L, event.GetKeyCode());
    lua_pushnumber(L, event.GetModifiers());
    lua_pushboolean(L, event.IsRepeat());
  });
}

int PushMouseEventToLua(lua_State* L, const MouseEvent& event) {
  return CallEventConstructor(L, "zellua_CreateNewZELUIMouseEvent", 8, [&] {
    lua_pushnumber(L, event.action);
    lua_pushnumber(L, event.button);
    lua_pushnumber(L, event.clickCount);
    lua_pushnumber(L, event.position.x);
    lua_pushnumber(L, event.position.y);
    lua_pushnumber(L, event.modifiers);
    lua_pushnumber(L, event.wheelDelta);
    lua_pushnumber(L, event.wheelAxis);
  });
}

bool ReadMouseEventFromLua(lua_State* L, int index, MouseEvent& event) {
  luaL_checktype(L, index, LUA_TTABLE);
  if (lua_isnil(L, -1)) return false;
  if (index < 0) index = lua_gettop(L) + index + 1;
  const auto integer = [](lua_Number value) { return binding::ClampToInteger<int>(value); };
  const int action = integer(NumberField(L, index, "action"));
  const int button = integer(NumberField(L, index, "button"));
  const int clickCount = integer(NumberField(L, index, "clickCount"));
  const int modifiers = integer(NumberField(L, index, "modKey"));
  const int wheelDelta = integer(NumberField(L, index, "mouseWheelDelta"));
  const int wheelAxis = integer(NumberField(L, index, "mouseWheelAxis"));
  zelui::ui::PointF position;
  lua_getfield(L, index, "position");
  if (lua_istable(L, -1)) {
    position.x = static_cast<float>(OptionalNumberField(L, "x"));
    position.y = static_cast<float>(OptionalNumberField(L, "y"));
  }
  lua_pop(L, 1);
  event = MouseEvent(action, button, clickCount, position, static_cast<zelui::ui::ModifierFlags>(modifiers & 0xFF),
                     nullptr, wheelDelta, wheelAxis, 0, 0, 0, 0);
  return true;
}

int GetMouseEventFromLua(lua_State* L, int index, std::unique_ptr<MouseEvent>& event) {
  MouseEvent read;
  if (!ReadMouseEventFromLua(L, index, read)) return 0;
  event = std::make_unique<MouseEvent>(read);
  return 1;
}

}  // namespace zellua::ui
