#include "kqkernel/KqKernel.h"

#include <map>
#include <memory>

#include "kqkernel/testing.h"

extern "C" {
#include <lauxlib.h>
}

struct KqDebuggerSupport {
  KqCaptureCodeHook capture = nullptr;
};

struct KqLuaUniverse {
  int flags = 0;
  KqDebuggerSupport debugger;
};

namespace {

struct Kernel {
  std::unique_ptr<KqLuaUniverse> mainUniverse;
  std::map<lua_State*, KqLuaUniverse*> universes;
  std::function<void(lua_State*)> stateOpenedHook;
};

Kernel& K() {
  static Kernel kernel;
  return kernel;
}

}  // namespace

// This kernel keeps no state of its own to set up, and raises no errors of its own, so it never
// calls a throw hook and keeps none.
int KrInit() { return 0; }

int KqExceptions_setThrowHook(KqThrowHook) { return 0; }

KqLuaUniverse* KqLuaUniverse_createMainUniverse(int flags) {
  auto& k = K();
  if (!k.mainUniverse) k.mainUniverse = std::make_unique<KqLuaUniverse>();
  k.mainUniverse->flags = flags;
  return k.mainUniverse.get();
}

lua_State* KqLuaState_open(KqLuaUniverse* universe) {
  lua_State* L = luaL_newstate();
  if (L == nullptr) return nullptr;
  auto& k = K();
  // States are not told to the kernel when closed; a reused address simply takes a new entry.
  k.universes[L] = universe;
  if (k.stateOpenedHook) k.stateOpenedHook(L);
  return L;
}

KqLuaUniverse* KqLuaState_getUniverse(lua_State* L) {
  const auto& u = K().universes;
  const auto it = u.find(L);
  return it == u.end() ? nullptr : it->second;
}

int KqLua_loadChunkFromBuffer(lua_State* L, const char* bytes, size_t length, const char* chunkName) {
  const int status = luaL_loadbuffer(L, bytes, length, chunkName);
  if (status == 0 && lua_gettop(L) >= 2 && lua_istable(L, -2)) {
    lua_pushvalue(L, -2);
    lua_setfenv(L, -2);
  }
  return status;
}

void KrLuaCoverage_push(lua_State* L) { lua_pushnil(L); }

KqDebuggerSupport* KqLuaUniverse_getDebuggerSupport(KqLuaUniverse* universe) {
  return universe != nullptr && universe->debugger.capture != nullptr ? &universe->debugger : nullptr;
}

void KqDebuggerSupport_captureCode(KqDebuggerSupport* support, lua_State* L, const char* name, size_t nameLength,
                                   const char* code) {
  if (support != nullptr && support->capture != nullptr) support->capture(L, name, nameLength, code);
}

namespace kqkernel::testing {

void SetStateOpenedHook(std::function<void(lua_State*)> hook) { K().stateOpenedHook = std::move(hook); }

void SetCaptureCodeHook(KqCaptureCodeHook hook) {
  KqLuaUniverse_createMainUniverse(0)->debugger.capture = hook;
}

}  // namespace kqkernel::testing
