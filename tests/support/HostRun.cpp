#include "HostRun.h"

#include "arx/testing.h"

namespace glimmet::testing {

HostRun::HostRun() : mApp(std::make_unique<fennick::App>()) {}

HostRun::~HostRun() {
  if (!mStopped) Stop();
}

bool HostRun::Start() {
  mApp->PreInitialize();
  mApp->InitializeLocalizer(mArgs);
  return mApp->Initialize(mArgs);
}

int HostRun::Idle(int turns) { return arx::testing::RunIdleTurns(*mApp, turns); }

void HostRun::Stop() {
  mApp->Terminate();
  mStopped = true;
}

}  // namespace glimmet::testing
