#pragma once
// The web engine's start and shut-down for the whole process.
#include <cstddef>

// Start-up settings: the record's size, and whether the engine runs its message loop on a thread
// of its own.
struct CefSettings {
  std::size_t size = 0;
  bool multi_threaded_message_loop = false;
};

class CefApp;

// Starts the engine; the application object may be null. False when the engine was running
// already.
bool CefInitialize(const CefSettings& settings, CefApp* application);
// Shuts the running engine down; nothing happens when it does not run.
void CefShutdown();
