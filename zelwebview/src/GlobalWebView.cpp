#include "zelwebview/GlobalWebView.h"

namespace {
bool gInitialised = false;
int gTerminateCount = 0;
}  // namespace

// No web engine runs yet: start and stop only keep the process-wide state.
void GlobalWebViewInitialize(bool) { gInitialised = true; }

void GlobalWebViewTerminate() {
  gInitialised = false;
  ++gTerminateCount;
}

namespace zelwebview::testing {
bool IsInitialised() { return gInitialised; }
int TerminateCount() { return gTerminateCount; }
}  // namespace zelwebview::testing
