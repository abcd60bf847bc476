#pragma once
// A Lua value kept by native code: a registry reference together with a token that says whether
// its state is still open. The host marks the state closed before lua_close; a reference released,
// pushed or called after that does nothing. Native code keeps Lua values only this way: no holder
// takes registry references of its own.
//
// Coroutines share their state's registry but have stacks of their own, which go when the
// coroutine is collected. So a reference taken on a coroutine belongs to the state's main thread,
// which lives as long as the state. The main thread is known once the binding library has seen
// it (zellua::InitLua, which the host calls at start-up, or any reference taken on it).
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

// Says whether a state is still open, for native objects that keep a state to push values on
// later (never a raw registry reference): taken while the state is open, false once it is marked
// closed.
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
  // Takes over a registry reference that the caller made, to be released like any other; a
  // reference that names no value (below 1) gives an empty LuaRef.
  static LuaRef Adopt(lua_State* L, int reference);
  ~LuaRef() { Release(); }
  LuaRef(LuaRef&& other) noexcept;
  LuaRef& operator=(LuaRef&& other) noexcept;
  LuaRef(const LuaRef&) = delete;
  LuaRef& operator=(const LuaRef&) = delete;

  // Whether it refers to a value of a state that is still open.
  bool IsValid() const;
  lua_State* State() const { return mState; }
  // The registry reference (LUA_NOREF when empty).
  int Id() const { return mRef; }
  // Pushes the value; pushes nothing and returns false when the reference is not valid.
  bool Push() const;
  void Release();

  // Calls the referenced function on the state's main thread with the arguments pushArgs(L)
  // pushes (it returns how many, fewer than LUA_MINSTACK), through lua_pcall without a message
  // handler. Returns whether the call ran: false when the state is closed or the reference empty
  // (nothing is called), and false when the call failed, its error value dropped. Without
  // results the stack is left as it was; with results, a call that ran leaves exactly that many
  // values on top for the caller, who restores the top (a StackGuard taken before the call), and
  // a failed one leaves none.
  template <typename PushArgs>
  bool Call(PushArgs&& pushArgs, int results = 0) const {
    if (!IsValid()) return false;
    lua_State* L = mState;
    const int top = lua_gettop(L);
    if (!lua_checkstack(L, LUA_MINSTACK)) return false;
    lua_rawgeti(L, LUA_REGISTRYINDEX, mRef);
    const int arguments = pushArgs(L);
    const bool ran = lua_pcall(L, arguments, results, 0) == 0;
    if (!ran || results == 0) lua_settop(L, top);
    return ran;
  }
  bool Call() const {
    return Call([](lua_State*) { return 0; });
  }

 private:
  lua_State* mState = nullptr;
  int mRef = LUA_NOREF;
  std::shared_ptr<const bool> mOpen;
};

// Which values of a global hook are called.
enum class HookValues { kAny, kFunctionsOnly };

// A hook that scripts define as a global and may define, replace or remove at any time. The
// reference holds a native function that reads the global when it is called and calls its value
// with the call's arguments, giving back its results; call it with LuaRef::Call. The read happens
// inside the protected call, so a globals table whose metatable raises on unknown names only
// makes the call fail. With kAny a value that is not a function is called all the same (it fails
// unless its metatable makes it callable); with kFunctionsOnly anything but a function is
// skipped: the call runs and gives no results. Empty when the stack has no room.
LuaRef GlobalHookRef(lua_State* L, const char* name, HookValues values = HookValues::kAny);

}  // namespace zellua::binding
