#pragma once
// The listener that calls the Lua functions scripts registered for the application's activation
// and deactivation. One listener per opening of the application module; the newest is current.
#include <map>
#include <memory>
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
  // A delivery walks a copy of the list that shares the registrations: what the copy holds stays
  // alive (and its registry reference taken) until the delivery ends, so a registration made
  // meanwhile never looks like one that was removed.
  using Callback = std::shared_ptr<const binding::LuaRef>;

  bool IsRegistered(const std::string& event, const binding::LuaRef* callback) const;

  lua_State* mLuaState;
  std::map<std::string, std::vector<Callback>> mCallbacks;
  int mDelivering = 0;
  bool mRetired = false;
};

}  // namespace zellua::arx
