#include "engine/testing.h"

#include "Browser.h"

namespace engine::testing {

namespace {

// The client's handler for a test's page event, when the engine made the browser and it is open.
template <class Handler>
CefRefPtr<Handler> PageHandler(CefBrowser* browser, CefRefPtr<Handler> (CefClient::*getter)()) {
  BrowserImpl* impl = AsBrowserImpl(browser);
  if (impl == nullptr || !impl->IsOpen()) return nullptr;
  CefRefPtr<CefClient> client = impl->Client();
  return client ? ((*client).*getter)() : nullptr;
}

}  // namespace

int RunUntilIdle(int maxTasks) {
  int ran = 0;
  while (ran < maxTasks && PendingTasks() > 0 && Engine::Get().running && !Engine::Get().Busy()) {
    CefDoMessageLoopWork();
    ++ran;
  }
  return ran;
}

int PendingTasks() { return static_cast<int>(Engine::Get().tasks.size()); }

bool IsRunning() { return Engine::Get().running; }
int ShutdownCount() { return Engine::Get().shutdowns; }

const CefSettings& RecordedSettings() { return Engine::Get().settings; }

std::vector<RecordedExtension> RegisteredExtensions() {
  std::vector<RecordedExtension> out;
  for (const auto& extension : Engine::Get().extensions) out.push_back({extension.name, extension.code});
  return out;
}

std::vector<CefRefPtr<CefBrowser>> Browsers() {
  const auto& browsers = Engine::Get().browsers;
  return {browsers.begin(), browsers.end()};
}

CefWindowInfo WindowInfo(CefRefPtr<CefBrowser> browser) {
  BrowserImpl* impl = AsBrowserImpl(browser);
  return impl != nullptr ? impl->windowInfo : CefWindowInfo();
}

CefBrowserSettings BrowserSettings(CefRefPtr<CefBrowser> browser) {
  BrowserImpl* impl = AsBrowserImpl(browser);
  return impl != nullptr ? impl->settings : CefBrowserSettings();
}

bool RequestPageFocus(CefRefPtr<CefBrowser> browser, CefFocusHandler::FocusSource source) {
  BrowserImpl* impl = AsBrowserImpl(browser);
  if (impl == nullptr || !impl->IsOpen()) return false;
  if (CefRefPtr<CefFocusHandler> focus = PageHandler(browser, &CefClient::GetFocusHandler)) {
    if (focus->OnSetFocus(browser, source)) return false;
  }
  if (!impl->IsOpen()) return false;
  impl->TakeFocus(true);
  return true;
}

bool HasPageFocus(CefRefPtr<CefBrowser> browser) {
  BrowserImpl* impl = AsBrowserImpl(browser);
  return impl != nullptr && impl->pageFocus;
}

bool RightClick(CefRefPtr<CefBrowser> browser, int x, int y) {
  BrowserImpl* impl = AsBrowserImpl(browser);
  if (impl == nullptr || !impl->IsOpen()) return false;
  CefMenuInfo info;
  info.x = x;
  info.y = y;
  if (CefRefPtr<CefMenuHandler> menu = PageHandler(browser, &CefClient::GetMenuHandler)) {
    if (menu->OnBeforeMenu(browser, info)) return false;
  }
  if (!impl->IsOpen()) return false;
  ++impl->record.contextMenusShown;
  return true;
}

void ReportScrollRect(CefRefPtr<CefBrowser> browser) {
  if (CefRefPtr<CefQuorvinHandler> handler = PageHandler(browser, &CefClient::GetQuorvinHandler))
    handler->OnScrollRect(browser);
}

void ReportScheduleComposite(CefRefPtr<CefBrowser> browser) {
  if (CefRefPtr<CefQuorvinHandler> handler = PageHandler(browser, &CefClient::GetQuorvinHandler))
    handler->OnScheduleComposite(browser);
}

BrowserRecord Record(CefRefPtr<CefBrowser> browser) {
  BrowserImpl* impl = AsBrowserImpl(browser);
  return impl != nullptr ? impl->record : BrowserRecord();
}

std::vector<ConsoleLine> ConsoleLines(CefRefPtr<CefBrowser> browser) {
  BrowserImpl* impl = AsBrowserImpl(browser);
  return impl != nullptr ? impl->consoleLines : std::vector<ConsoleLine>();
}

LiveObjects Live() {
  LiveObjects live;
  live.browsers = gLive[kLiveBrowser];
  live.frames = gLive[kLiveFrame];
  live.requests = gLive[kLiveRequest];
  live.contexts = gLive[kLiveContext];
  live.values = gLive[kLiveValue];
  live.documents = gLive[kLiveDocument];
  return live;
}

}  // namespace engine::testing
