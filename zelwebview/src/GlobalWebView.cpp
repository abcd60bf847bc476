#include "zelwebview/GlobalWebView.h"

#include "engine/cef.h"

// The engine runs its message loop on the main thread. No pump is installed yet: no web view
// exists to need one.
void GlobalWebViewInitialize(bool) {
  CefSettings settings;
  settings.size = sizeof(settings);
  settings.multi_threaded_message_loop = false;
  CefInitialize(settings, nullptr);
}

void GlobalWebViewTerminate() { CefShutdown(); }
