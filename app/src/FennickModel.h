#pragma once
struct lua_State;

namespace fennick {

// The two hooks the scripts define: one call per idle turn, one call at shutdown.
class FennickModel {
 public:
  static void DoIdle(lua_State* L);
  static void Terminate(lua_State* L);
};

}  // namespace fennick
