#pragma once
// C++ exceptions never cross into Lua. Every function a module registers through OpenModule or
// RegisterFunctions runs through the trampoline below without being marked; a function pushed by
// hand is pushed with PushProtectedFunction, or written as Protected<Body> where a plain
// lua_CFunction is needed. The body runs inside try/catch in a frame of its own; the message is
// copied out, every C++ object of that frame is gone, and only then is the Lua error raised
// (lua_error is a longjmp and must not jump out of a catch block or over live C++ objects).
// A body checks its Lua arguments before it creates C++ objects.
#include <cstddef>

extern "C" {
#include <lua.h>
}

namespace zellua::binding {

namespace detail {

constexpr std::size_t kMessageCapacity = 512;

// Runs the body; on an exception writes its text into message and returns -1.
int RunCatching(lua_State* L, lua_CFunction body, char (&message)[kMessageCapacity]);

// The body of a closure made by PushProtectedFunction: runs the function kept in its upvalue.
int ProtectedUpvalue(lua_State* L);

}  // namespace detail

template <lua_CFunction Body>
int Protected(lua_State* L) {
  char message[detail::kMessageCapacity];
  const int results = detail::RunCatching(L, Body, message);
  if (results < 0) {
    lua_pushstring(L, message);
    return lua_error(L);
  }
  return results;
}

// Pushes a closure that runs body through the trampoline.
void PushProtectedFunction(lua_State* L, lua_CFunction body);

}  // namespace zellua::binding
