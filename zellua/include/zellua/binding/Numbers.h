#pragma once
// Numbers from Lua that become integers, enumerations or colour components: NaN gives the
// fallback and out-of-range values clamp to the type's limits, never a bare cast.
#include <cmath>
#include <limits>
#include <type_traits>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

namespace zellua::binding {

template <typename T>
T ClampToInteger(lua_Number value, T fallback = T(0)) {
  static_assert(std::is_integral_v<T>);
  if (std::isnan(value)) return fallback;
  constexpr auto lo = static_cast<lua_Number>(std::numeric_limits<T>::lowest());
  constexpr auto hi = static_cast<lua_Number>(std::numeric_limits<T>::max());
  if (value <= lo) return std::numeric_limits<T>::lowest();
  if (value >= hi) return std::numeric_limits<T>::max();
  return static_cast<T>(value);
}

// A number clamped into [lo, hi]; NaN gives lo.
inline lua_Number ClampNumber(lua_Number value, lua_Number lo, lua_Number hi) {
  if (std::isnan(value) || value < lo) return lo;
  return value > hi ? hi : value;
}

// Argument index as an integer of type T (the auxiliary library's error when it is not a number).
template <typename T>
T CheckInteger(lua_State* L, int index) {
  return ClampToInteger<T>(luaL_checknumber(L, index));
}

template <typename T>
T OptInteger(lua_State* L, int index, T fallback) {
  return lua_isnoneornil(L, index) ? fallback : CheckInteger<T>(L, index);
}

}  // namespace zellua::binding
