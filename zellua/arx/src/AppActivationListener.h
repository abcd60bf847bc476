#pragma once
// The listener that calls the Lua functions scripts registered for the application's activation
// and deactivation. One listener per opening of the application module; the newest is current.
#include <map>
#include <string>
#include <vector>

extern "C" {
#include <lua.h>
}

#include "arx/app/AppActivationMessage.h"
#include "zellua/binding/LuaRef.h"

namespace zellua::arx {

class LuaAppActivationListener : public ::arx::messaging::Listener<const ::arx::app::AppActivationMessage&> {
 public:
  // "appActivated", "appDeactivated", then null.
  static const char* const sAppActivationEvents[];

  // Listens to the application's activation messages (when there is an application).
  explicit LuaAppActivationListener(lua_State* L);
  ~LuaAppActivationListener() override;

  // Lua: (event name, function) -> registry reference, or 0 for an unknown name.
  int addActivationCallback(lua_State* luaState);
  // Lua: (event name, reference); a reference is released only when it was in the name's list.
  void removeActivationCallback(lua_State* luaState);
  void ListenToMessage(const ::arx::app::AppActivationMessage& message) override;

  // Makes next the current listener. The one it replaces goes now, or, when it is delivering a
  // message (a callback reopened the module), as soon as that delivery ends.
  static void MakeCurrent(LuaAppActivationListener* next);
  static LuaAppActivationListener* Current();

 private:
  // Each registration gets its own serial, so that a delivery can tell whether a registration it
  // copied is still there even when the registry hands the same reference out again.
  struct Callback {
    int ref;
    unsigned long serial;
  };

  bool IsRegistered(const std::string& event, unsigned long serial) const;

  lua_State* mLuaState;
  // Says whether mLuaState is still open.
  binding::StateToken mStateToken;
  std::map<std::string, std::vector<Callback>> mCallbacks;
  unsigned long mNextSerial = 1;
  int mDelivering = 0;
  bool mRetired = false;
};

}  // namespace zellua::arx
