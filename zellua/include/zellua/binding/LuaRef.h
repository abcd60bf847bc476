#pragma once
// A Lua value kept by native code: a registry reference together with a token that says whether
// its state is still open. The host marks the state closed before lua_close; a reference released
// or pushed after that does nothing.
//
// Coroutines share their state's registry but have stacks of their own, which go when the
// coroutine is collected. So a reference or a token taken on a coroutine belongs to the state's
// main thread, which lives as long as the state. The main thread is known once the binding library
// has seen it (zellua::InitLua, which the host calls at start-up, or any reference taken on it).
#include <memory>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

namespace zellua::binding {

// Marks the state closed for every reference to it; called right before lua_close.
void MarkStateClosed(lua_State* L);

// The main thread of L's state (L itself when L is the main thread, or when the main thread has
// not been seen yet).
lua_State* MainState(lua_State* L);

// Says whether a state is still open, for holders that keep raw registry references of their own
// (lists of callbacks): taken while the state is open, false once it is marked closed.
class StateToken {
 public:
  StateToken() = default;
  explicit StateToken(lua_State* L);
  bool IsOpen() const { return mOpen && *mOpen; }

 private:
  std::shared_ptr<const bool> mOpen;
};

class LuaRef {
 public:
  LuaRef() = default;
  // References the value at index (which stays on the stack).
  LuaRef(lua_State* L, int index);
  ~LuaRef() { Release(); }
  LuaRef(LuaRef&& other) noexcept;
  LuaRef& operator=(LuaRef&& other) noexcept;
  LuaRef(const LuaRef&) = delete;
  LuaRef& operator=(const LuaRef&) = delete;

  // Whether it refers to a value of a state that is still open.
  bool IsValid() const;
  lua_State* State() const { return mState; }
  // Pushes the value; pushes nothing and returns false when the reference is not valid.
  bool Push() const;
  void Release();

 private:
  lua_State* mState = nullptr;
  int mRef = LUA_NOREF;
  std::shared_ptr<const bool> mOpen;
};

}  // namespace zellua::binding
