#include "zellua/binding/LuaRef.h"

#include <map>

extern "C" {
#include <lauxlib.h>
}

namespace zellua::binding {

namespace {

// One open-flag per live state; a closed state's entry is dropped, so a new state that happens to
// get the same address starts with a fresh flag.
std::map<lua_State*, std::shared_ptr<bool>>& OpenFlags() {
  static std::map<lua_State*, std::shared_ptr<bool>> flags;
  return flags;
}

// The registry key under which a state keeps its main thread, for its coroutines.
const char kMainStateKey = 0;

std::shared_ptr<bool> FlagFor(lua_State* L) {
  L = MainState(L);
  auto& flags = OpenFlags();
  auto it = flags.find(L);
  if (it == flags.end()) it = flags.emplace(L, std::make_shared<bool>(true)).first;
  return it->second;
}

// The body of a global hook: upvalue 1 is the global's name, upvalue 2 whether only functions
// are called.
int CallGlobalHook(lua_State* L) {
  const int arguments = lua_gettop(L);
  lua_getfield(L, LUA_GLOBALSINDEX, lua_tostring(L, lua_upvalueindex(1)));
  if (lua_toboolean(L, lua_upvalueindex(2)) && !lua_isfunction(L, -1)) return 0;
  lua_insert(L, 1);
  lua_call(L, arguments, LUA_MULTRET);
  return lua_gettop(L);
}

}  // namespace

void MarkStateClosed(lua_State* L) {
  auto& flags = OpenFlags();
  const auto it = flags.find(L);
  if (it == flags.end()) return;
  *it->second = false;
  flags.erase(it);
}

lua_State* MainState(lua_State* L) {
  const bool isMain = lua_pushthread(L) == 1;
  lua_pop(L, 1);
  lua_pushlightuserdata(L, const_cast<char*>(&kMainStateKey));
  if (isMain) {
    lua_pushlightuserdata(L, L);
    lua_rawset(L, LUA_REGISTRYINDEX);
    return L;
  }
  lua_rawget(L, LUA_REGISTRYINDEX);
  auto* main = static_cast<lua_State*>(lua_touserdata(L, -1));
  lua_pop(L, 1);
  return main != nullptr ? main : L;
}

StateToken::StateToken(lua_State* L) : mOpen(FlagFor(L)) {}

LuaRef::LuaRef(lua_State* L, int index) : mState(MainState(L)), mOpen(FlagFor(L)) {
  lua_pushvalue(L, index);
  mRef = luaL_ref(L, LUA_REGISTRYINDEX);
}

LuaRef LuaRef::Adopt(lua_State* L, int reference) {
  LuaRef adopted;
  if (reference > 0) {
    adopted.mState = MainState(L);
    adopted.mRef = reference;
    adopted.mOpen = FlagFor(L);
  }
  return adopted;
}

LuaRef::LuaRef(LuaRef&& other) noexcept : mState(other.mState), mRef(other.mRef), mOpen(std::move(other.mOpen)) {
  other.mState = nullptr;
  other.mRef = LUA_NOREF;
}

LuaRef& LuaRef::operator=(LuaRef&& other) noexcept {
  if (this != &other) {
    Release();
    mState = other.mState;
    mRef = other.mRef;
    mOpen = std::move(other.mOpen);
    other.mState = nullptr;
    other.mRef = LUA_NOREF;
  }
  return *this;
}

bool LuaRef::IsValid() const { return mState != nullptr && mRef != LUA_NOREF && mOpen && *mOpen; }

bool LuaRef::Push() const {
  if (!IsValid()) return false;
  lua_rawgeti(mState, LUA_REGISTRYINDEX, mRef);
  return true;
}

void LuaRef::Release() {
  if (IsValid()) luaL_unref(mState, LUA_REGISTRYINDEX, mRef);
  mState = nullptr;
  mRef = LUA_NOREF;
  mOpen.reset();
}

LuaRef GlobalHookRef(lua_State* L, const char* name, HookValues values) {
  if (!lua_checkstack(L, 3)) return LuaRef();
  lua_pushstring(L, name);
  lua_pushboolean(L, values == HookValues::kFunctionsOnly);
  lua_pushcclosure(L, CallGlobalHook, 2);
  LuaRef hook(L, -1);
  lua_pop(L, 1);
  return hook;
}

}  // namespace zellua::binding
