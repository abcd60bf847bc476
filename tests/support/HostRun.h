#pragma once
// The host's start-up and shutdown run in steps, so that a test can look at the Lua state
// between them.
#include <memory>

#include "App.h"
#include "arx/app/AppInitArgs.h"

namespace glimmet::testing {

class HostRun {
 public:
  HostRun();
  ~HostRun();

  // PreInitialize and the framework's Initialize, as the program's main does.
  bool Start();
  // Turns of the event loop; returns how many ran before the loop ended.
  int Idle(int turns);
  // The framework's Terminate; the App stays until the HostRun goes.
  void Stop();

  fennick::App& App() { return *mApp; }
  lua_State* L() { return mApp->GetLuaState(); }

 private:
  arx::app::AppInitArgs mArgs{"MainMenu", "ArxMainMenu"};
  std::unique_ptr<fennick::App> mApp;
  bool mStopped = false;
};

}  // namespace glimmet::testing
