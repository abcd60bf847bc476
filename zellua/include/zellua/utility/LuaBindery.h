#pragma once
// Lua functions filed by operation name, one a name, for native objects whose hooks call what a
// script bound (a derived class takes LiveState, calls pushBoundFxn, then the function; with none
// bound, or once the state is closed, its native default applies). The bindery keeps the main
// thread of the state it was made on: a hook must never run on a coroutine's stack, which may be
// suspended or gone when the hook fires.
#include <map>
#include <string>

extern "C" {
#include <lua.h>
}

#include "zellua/binding/LuaRef.h"

namespace zellua::utility {

class LuaBindery {
 public:
  explicit LuaBindery(lua_State* L = nullptr);
  // Releases every function (nothing once the state is closed).
  virtual ~LuaBindery() = default;
  LuaBindery(const LuaBindery&) = delete;
  LuaBindery& operator=(const LuaBindery&) = delete;

  // Pushes the function bound under exactly that name on the bindery's state and returns true;
  // pushes nothing and returns false when none is bound (or the state is closed).
  bool pushBoundFxn(const std::string& name) const;

  // The main thread of the bindery's state while that state is open; null once it is closed (or
  // for a bindery made without a state).
  lua_State* LiveState() const { return mToken.IsOpen() ? mLuaState : nullptr; }

  // The body of the Lua method BindZelOperation(self, name, function) of every derived object
  // (which checks self first): files the function (argument 3) under the name (argument 2),
  // releasing a function bound under it before, and returns 1, the name. A non-string name or a
  // non-function raises the argument error before anything changes.
  int BindZELOperation(lua_State* L);

 private:
  lua_State* mLuaState;
  binding::StateToken mToken;
  std::map<std::string, binding::LuaRef> mBoundFunctions;
};

}  // namespace zellua::utility
