#include "engine/Engine.h"

#include "engine/testing.h"

namespace {

struct EngineState {
  bool running = false;
  int shutdowns = 0;
};

EngineState& State() {
  static EngineState state;
  return state;
}

}  // namespace

bool CefInitialize(const CefSettings&, CefApp*) {
  if (State().running) return false;
  State().running = true;
  return true;
}

void CefShutdown() {
  if (!State().running) return;
  State().running = false;
  ++State().shutdowns;
}

namespace engine::testing {

bool IsRunning() { return State().running; }
int ShutdownCount() { return State().shutdowns; }

}  // namespace engine::testing
