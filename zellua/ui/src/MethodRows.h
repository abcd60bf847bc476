#pragma once
// The one template behind the plain control methods. A row of a method table names the Lua
// method, the toolkit class and member, and the kinds of its arguments or its result:
//
//   {"SetChecked", Set<UI_Checkbox, &UI_Checkbox::SetChecked, FlagTrue>},
//   {"IsChecked", Get<UI_Checkbox, &UI_Checkbox::IsChecked, Bool>},
//
// Argument 1 is the wrapper ("Bad user data" otherwise). The arguments are checked from index 2
// on, in order, before anything else happens; a released wrapper then calls nothing and returns
// nothing, and a node of another class raises the framework's checked-conversion error. A kind
// reads a plain value from Lua first (Check, which may raise a Lua error) and only then makes the
// toolkit's value from it (Convert), so no C++ object is alive when a check raises.
#include <cstddef>
#include <string>
#include <tuple>
#include <utility>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "ControlsInternal.h"
#include "zelcore/Strings.h"
#include "zellua/binding/Numbers.h"
#include "zellua/limner/Converters.h"
#include "zelui/controls/Controls.h"

namespace zellua::ui::rows {

// Arguments.

// A flag whose default is true (the truth of the argument when given).
struct FlagTrue {
  using Raw = bool;
  static Raw Check(lua_State* L, int index) { return FlagDefaultTrue(L, index); }
  static bool Convert(Raw raw) { return raw; }
};

// The truth value of the argument (absent is false).
struct Flag {
  using Raw = bool;
  static Raw Check(lua_State* L, int index) { return lua_toboolean(L, index) != 0; }
  static bool Convert(Raw raw) { return raw; }
};

// A number handed on as float.
struct Float {
  using Raw = lua_Number;
  static Raw Check(lua_State* L, int index) { return luaL_checknumber(L, index); }
  static float Convert(Raw raw) { return static_cast<float>(raw); }
};

// A number handed on as double.
struct Double {
  using Raw = lua_Number;
  static Raw Check(lua_State* L, int index) { return luaL_checknumber(L, index); }
  static double Convert(Raw raw) { return raw; }
};

// A number truncated to int through the checked conversion (NaN gives 0, out of range clamps).
struct Int {
  using Raw = lua_Number;
  static Raw Check(lua_State* L, int index) { return luaL_checknumber(L, index); }
  static int Convert(Raw raw) { return binding::ClampToInteger<int>(raw); }
};

struct TextRaw {
  const char* bytes;
  std::size_t length;
};

// UTF-8 text handed on as UTF-16.
struct Text {
  using Raw = TextRaw;
  static Raw Check(lua_State* L, int index) {
    Raw raw{};
    raw.bytes = luaL_checklstring(L, index, &raw.length);
    return raw;
  }
  static zelcore::UTF16String Convert(Raw raw) { return zelcore::UTF8to16(std::string(raw.bytes, raw.length)); }
};

// A string handed on as given.
struct Name {
  using Raw = TextRaw;
  static Raw Check(lua_State* L, int index) { return Text::Check(L, index); }
  static std::string Convert(Raw raw) { return std::string(raw.bytes, raw.length); }
};

// A rectangle table {left, top, width, height}.
struct Rect {
  using Raw = zelcore::RectF32;
  static Raw Check(lua_State* L, int index) {
    luaL_checktype(L, index, LUA_TTABLE);
    Raw rect{};
    limner::GetRectF32FromLua(L, index, rect);
    return rect;
  }
  static const Raw& Convert(const Raw& raw) { return raw; }
};

// A point table {x, y}.
struct Point {
  using Raw = zelcore::PointF32;
  static Raw Check(lua_State* L, int index) {
    luaL_checktype(L, index, LUA_TTABLE);
    Raw point{};
    limner::GetPointF32FromLua(L, index, point);
    return point;
  }
  static const Raw& Convert(const Raw& raw) { return raw; }
};

// A colour table {red, green, blue, alpha}.
struct Colour {
  using Raw = zelcore::ColorRGBA;
  static Raw Check(lua_State* L, int index) {
    luaL_checktype(L, index, LUA_TTABLE);
    Raw colour{};
    limner::GetColorRGBAFromLua(L, index, colour);
    return colour;
  }
  static const Raw& Convert(const Raw& raw) { return raw; }
};

// A wrapper's node ("Bad user data" for anything else; null for a released wrapper).
struct Wrapper {
  using Raw = UI_Node*;
  static Raw Check(lua_State* L, int index) { return GetControlNode(L, index); }
  static UI_Node* Convert(Raw raw) { return raw; }
};

// Results.

struct Bool {
  static int Push(lua_State* L, bool value) {
    lua_pushboolean(L, value);
    return 1;
  }
};

// Any arithmetic value as a Lua number (integers included).
struct Number {
  template <class V>
  static int Push(lua_State* L, V value) {
    lua_pushnumber(L, static_cast<lua_Number>(value));
    return 1;
  }
};

// UTF-16 text as UTF-8.
struct TextResult {
  static int Push(lua_State* L, const zelcore::UTF16String& text) {
    const std::string utf8 = zelcore::UTF16to8(text);
    lua_pushlstring(L, utf8.data(), utf8.size());
    return 1;
  }
};

// A string as it is kept.
struct NameResult {
  static int Push(lua_State* L, const std::string& text) {
    lua_pushlstring(L, text.data(), text.size());
    return 1;
  }
};

struct RectResult {
  static int Push(lua_State* L, const zelcore::RectF32& rect) { return limner::PushRectF32ToLua(L, rect); }
};

// Two numbers.
struct Pair {
  static int Push(lua_State* L, const zelui::controls::FloatPair& pair) {
    lua_pushnumber(L, pair.first);
    lua_pushnumber(L, pair.second);
    return 2;
  }
};

// A node's wrapper through the factory; nothing for no node.
struct Node {
  static int Push(lua_State* L, UI_Node* node) {
    return node != nullptr && LuaControlWrapperFactory(UI_NodeP(node), L) != nullptr ? 1 : 0;
  }
};

// The templates.

namespace detail {
template <class T, auto Member, class... Args>
struct Setter {
  // Argument I (0-based) of the row is at index I + 2; braced initialisation checks in order.
  template <std::size_t... I>
  static int Run(lua_State* L, std::index_sequence<I...>) {
    UI_Node* node = GetControlNode(L, 1);
    const std::tuple<typename Args::Raw...> raw{Args::Check(L, static_cast<int>(I) + 2)...};
    if (node == nullptr) return 0;
    T* control = zelcore::utility::NonOptionalDynamicCast<T>(node);
    std::apply([control](const auto&... values) { (control->*Member)(Args::Convert(values)...); }, raw);
    return 0;
  }
};
}  // namespace detail

// Calls the member with the converted arguments; no results.
template <class T, auto Member, class... Args>
int Set(lua_State* L) {
  return detail::Setter<T, Member, Args...>::Run(L, std::index_sequence_for<Args...>{});
}

// Pushes the member's value as the result kind.
template <class T, auto Member, class Result>
int Get(lua_State* L) {
  T* control = NodeAs<T>(L, 1);
  if (control == nullptr) return 0;
  return Result::Push(L, (control->*Member)());
}

}  // namespace zellua::ui::rows
