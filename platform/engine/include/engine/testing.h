#pragma once
// What only tests do with the web engine stand-in: run the loop until idle, read what the
// engine was given, act as the page (focus, right click, scroll and composite reports), read
// what the host did to a browser, and count the engine's live objects.
#include <string>
#include <vector>

#include "engine/cef.h"

namespace engine::testing {

// Runs CefDoMessageLoopWork until no task is queued, at most maxTasks times; returns how many
// tasks ran.
int RunUntilIdle(int maxTasks = 10000);
int PendingTasks();
bool IsRunning();
// How often the engine was shut down in this process.
int ShutdownCount();

// The settings of the last CefInitialize, and the extensions registered since.
const CefSettings& RecordedSettings();
struct RecordedExtension {
  CefString name, code;
};
std::vector<RecordedExtension> RegisteredExtensions();

// Every browser made since start-up, oldest first, popups and developer tools included; empty
// after CefShutdown.
std::vector<CefRefPtr<CefBrowser>> Browsers();
CefWindowInfo WindowInfo(CefRefPtr<CefBrowser> browser);
CefBrowserSettings BrowserSettings(CefRefPtr<CefBrowser> browser);

// The page asks for focus; true when it got it (the client's focus handler did not refuse).
bool RequestPageFocus(CefRefPtr<CefBrowser> browser,
                      CefFocusHandler::FocusSource source = CefFocusHandler::FOCUS_SOURCE_WIDGET);
// Whether the page holds focus: taken by RequestPageFocus or given by SetFocus(true), dropped
// by SetFocus(false).
bool HasPageFocus(CefRefPtr<CefBrowser> browser);
// A right click at (x, y); true when the engine shows its context menu.
bool RightClick(CefRefPtr<CefBrowser> browser, int x, int y);
// The page reports a scrolled rectangle, or asks to be composited.
void ReportScrollRect(CefRefPtr<CefBrowser> browser);
void ReportScheduleComposite(CefRefPtr<CefBrowser> browser);

// What the host did to a browser.
struct BrowserRecord {
  std::vector<bool> focusCalls;            // SetFocus, in order
  std::vector<std::string> editCommands;   // "Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "SelectAll"
  std::vector<double> zoomLevels;          // SetZoomLevel, in order
  bool managesMouseCursors = true;
  bool fullScreenRepaints = false;
  int devToolsOpens = 0;
  int contextMenusShown = 0;
};
BrowserRecord Record(CefRefPtr<CefBrowser> browser);

// Every console line of a browser's pages, whatever the client did with it.
struct ConsoleLine {
  CefString message, source;
  int line = 0;
};
std::vector<ConsoleLine> ConsoleLines(CefRefPtr<CefBrowser> browser);

// Engine objects alive in the process.
struct LiveObjects {
  int browsers = 0, frames = 0, requests = 0, contexts = 0, values = 0, documents = 0;
  int Total() const { return browsers + frames + requests + contexts + values + documents; }
};
LiveObjects Live();

}  // namespace engine::testing
