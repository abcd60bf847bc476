#include <chrono>
#include <cmath>
#include <thread>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "LuaInitializer.h"

namespace fennick {

namespace {
// A day: longer blocks are clamped so that no value can overflow the clock.
constexpr double kMaxSleepSeconds = 24.0 * 60 * 60;
}  // namespace

int lua_sleep(lua_State* L) {
  double seconds = luaL_checknumber(L, 1);
  if (std::isnan(seconds) || seconds < 0) seconds = 0;
  if (seconds > kMaxSleepSeconds) seconds = kMaxSleepSeconds;
  const auto whole = std::chrono::seconds(static_cast<long long>(std::trunc(seconds)));
  if (whole.count() > 0) std::this_thread::sleep_until(std::chrono::system_clock::now() + whole);
  return 0;
}

}  // namespace fennick
