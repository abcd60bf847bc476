#pragma once
// A native callback into Lua saves the stack top when it starts and puts it back on every way out,
// so that the frame of a Lua caller that is still running is never wiped.
extern "C" {
#include <lua.h>
}

namespace zellua::binding {

class StackGuard {
 public:
  explicit StackGuard(lua_State* L) : mState(L), mTop(lua_gettop(L)) {}
  ~StackGuard() { lua_settop(mState, mTop); }
  StackGuard(const StackGuard&) = delete;
  StackGuard& operator=(const StackGuard&) = delete;
  int Top() const { return mTop; }

 private:
  lua_State* mState;
  int mTop;
};

}  // namespace zellua::binding
