#include "AppActivationListener.h"

#include <algorithm>
#include <cstring>

extern "C" {
#include <lauxlib.h>
}

#include "arx/app/App.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Numbers.h"

namespace zellua::arx {

const char* const LuaAppActivationListener::sAppActivationEvents[] = {"appActivated", "appDeactivated", nullptr};

namespace {

LuaAppActivationListener* sAppActivationListener = nullptr;

// Destroys the current listener when the library is unloaded at process exit.
struct ExitHandler {
  ~ExitHandler() { LuaAppActivationListener::MakeCurrent(nullptr); }
} sExitHandler;

const char* KnownEvent(const char* name, size_t length) {
  for (const char* const* event = LuaAppActivationListener::sAppActivationEvents; *event; ++event)
    if (std::strlen(*event) == length && std::memcmp(*event, name, length) == 0) return *event;
  return nullptr;
}

}  // namespace

// Callbacks run on the state's main thread, even when a coroutine opened the module: a coroutine's
// stack goes when the coroutine is collected.
LuaAppActivationListener::LuaAppActivationListener(lua_State* L) : mLuaState(binding::MainState(L)) {
  if (::arx::app::App* app = ::arx::app::App::GetApp()) app->GetAppActivationNotifier().AddListener(this);
}

// The references go back to the registry while the state is open; after lua_close there is
// nothing to give back.
LuaAppActivationListener::~LuaAppActivationListener() = default;

LuaAppActivationListener* LuaAppActivationListener::Current() { return sAppActivationListener; }

void LuaAppActivationListener::MakeCurrent(LuaAppActivationListener* next) {
  LuaAppActivationListener* previous = sAppActivationListener;
  sAppActivationListener = next;
  if (previous == nullptr || previous == next) return;
  if (previous->mDelivering > 0) {
    // Stops hearing messages now; ListenToMessage deletes it on its way out.
    previous->mRetired = true;
    if (::arx::app::App* app = ::arx::app::App::GetApp()) {
      auto& notifier = app->GetAppActivationNotifier();
      if (previous->IsListeningTo(notifier)) notifier.RemoveListener(previous);
    }
    return;
  }
  delete previous;
}

int LuaAppActivationListener::addActivationCallback(lua_State* luaState) {
  ZELLUA_CHECK(luaState == mLuaState);
  size_t length = 0;
  const char* name = luaL_checklstring(luaState, 1, &length);
  luaL_checktype(luaState, 2, LUA_TFUNCTION);
  const char* event = KnownEvent(name, length);
  int ref = 0;
  if (event != nullptr) {
    std::vector<Callback>& list = mCallbacks[event];
    list.push_back(std::make_shared<const binding::LuaRef>(luaState, 2));
    ref = list.back()->Id();
  }
  lua_settop(luaState, 0);
  lua_pushinteger(luaState, ref);
  return 1;
}

void LuaAppActivationListener::removeActivationCallback(lua_State* luaState) {
  ZELLUA_CHECK(luaState == mLuaState);
  size_t length = 0;
  const char* name = luaL_checklstring(luaState, 1, &length);
  const int ref = binding::CheckInteger<int>(luaState, 2);
  const char* event = KnownEvent(name, length);
  if (event == nullptr) return;
  const auto entry = mCallbacks.find(event);
  if (entry == mCallbacks.end()) return;
  std::vector<Callback>& list = entry->second;
  const auto it = std::find_if(list.begin(), list.end(), [&](const Callback& c) { return c->Id() == ref; });
  if (it != list.end()) list.erase(it);  // the reference goes back once no delivery holds it
}

bool LuaAppActivationListener::IsRegistered(const std::string& event, const binding::LuaRef* callback) const {
  const auto entry = mCallbacks.find(event);
  if (entry == mCallbacks.end()) return false;
  return std::any_of(entry->second.begin(), entry->second.end(),
                     [&](const Callback& c) { return c.get() == callback; });
}

void LuaAppActivationListener::ListenToMessage(const ::arx::app::AppActivationMessage& message) {
  if (mRetired) return;
  const std::string event = sAppActivationEvents[message.GetActivateStatus() == 1 ? 1 : 0];
  const auto entry = mCallbacks.find(event);
  if (entry == mCallbacks.end()) return;
  // Callbacks may add and remove registrations, or reopen the module: walk a copy and skip what
  // was removed meanwhile.
  const std::vector<Callback> callbacks = entry->second;
  ++mDelivering;
  for (const Callback& callback : callbacks) {
    if (mRetired) break;
    if (IsRegistered(event, callback.get())) callback->Call();  // a failed call's error is dropped
  }
  if (--mDelivering == 0 && mRetired) delete this;
}

}  // namespace zellua::arx
