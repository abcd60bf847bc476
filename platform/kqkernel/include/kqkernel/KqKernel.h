#pragma once
// The Lua runtime kernel: hosts the process's Lua states over the stock Lua 5.1 runtime.
#include <cstddef>

extern "C" {
#include <lua.h>
}

struct KqLuaUniverse;

using KqThrowHook = void (*)(lua_State* L, const char* message);

int KrInit();
int KqExceptions_setThrowHook(KqThrowHook hook);
KqLuaUniverse* KqLuaUniverse_createMainUniverse(int flags);
// Opens a new Lua state that belongs to the universe; closed with lua_close.
lua_State* KqLuaState_open(KqLuaUniverse* universe);
KqLuaUniverse* KqLuaState_getUniverse(lua_State* L);
// Compiles a chunk from bytes under the given chunk name and leaves the result on the stack top:
// the function, or the error message when compiling failed. Returns the load status (0 = ok).
// The table just below the top (the caller's environment) becomes the chunk's environment.
int KqLua_loadChunkFromBuffer(lua_State* L, const char* bytes, size_t length, const char* chunkName);
// Pushes the coverage-support value of the state (nil: no coverage support in this kernel).
void KrLuaCoverage_push(lua_State* L);

// The debugger-support record a universe may carry: a hook that receives scripts' code.
struct KqDebuggerSupport;
using KqCaptureCodeHook = void (*)(lua_State* L, const char* name, size_t nameLength, const char* code);
KqDebuggerSupport* KqLuaUniverse_getDebuggerSupport(KqLuaUniverse* universe);
void KqDebuggerSupport_captureCode(KqDebuggerSupport* support, lua_State* L, const char* name, size_t nameLength,
                                   const char* code);
