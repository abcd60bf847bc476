#pragma once
// What the engine's tests share: a client that records every callback as a line, an extension
// handler that records its calls, and a fixture that starts the engine over a folder of pages.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "engine/cef.h"
#include "engine/testing.h"

// Records each callback as one line, URLs under the page folder written "$DIR/...".
class RecordingClient : public CefClient,
                        public CefLifeSpanHandler,
                        public CefLoadHandler,
                        public CefRequestHandler,
                        public CefDisplayHandler,
                        public CefFocusHandler,
                        public CefMenuHandler,
                        public CefQuorvinHandler {
 public:
  explicit RecordingClient(std::string dir) : mDir(std::move(dir)) {}

  std::vector<std::string> log;
  std::vector<CefRefPtr<CefBrowser>> created;
  std::set<std::string> refusedURLs;  // as logged
  bool refusePopups = false;
  bool refuseFocus = false;
  bool refuseMenus = true;
  std::thread::id resourceThread;
  // Runs after each line is recorded.
  std::function<void(const std::string& line)> onRecord;

  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
  CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
  CefRefPtr<CefFocusHandler> GetFocusHandler() override { return this; }
  CefRefPtr<CefMenuHandler> GetMenuHandler() override { return this; }
  CefRefPtr<CefQuorvinHandler> GetQuorvinHandler() override { return this; }

  bool OnBeforePopup(CefRefPtr<CefBrowser>, CefWindowInfo&, const CefString& url, CefRefPtr<CefClient>&,
                     CefBrowserSettings&) override;
  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;
  void OnLoadEnd(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, int status) override;
  bool OnBeforeBrowse(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request, NavType,
                      bool) override;
  bool OnBeforeResourceLoad(CefRefPtr<CefBrowser>, CefRefPtr<CefRequest> request) override;
  void OnAddressChange(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, const CefString& url) override;
  bool OnConsoleMessage(CefRefPtr<CefBrowser>, const CefString& message, const CefString&, int) override;
  bool OnSetFocus(CefRefPtr<CefBrowser>, FocusSource) override;
  bool OnBeforeMenu(CefRefPtr<CefBrowser>, const CefMenuInfo& info) override;
  void OnScrollRect(CefRefPtr<CefBrowser>) override { Record("ScrollRect"); }
  void OnScheduleComposite(CefRefPtr<CefBrowser>) override { Record("ScheduleComposite"); }

  std::string Shown(const CefString& url) const;

 private:
  void Record(const std::string& line);
  std::string mDir;
  IMPLEMENT_REFCOUNTING(RecordingClient);
};

// The handler of the test extension: records each call and answers through `reply` (by default
// it returns its first argument when that is a string).
class ProbeHandler : public CefV8Handler {
 public:
  struct Call {
    std::u16string name;
    std::vector<std::string> kinds;  // "string", "int", "double", "bool", "null", "undefined", "object"
    std::vector<std::u16string> strings;
    CefRefPtr<CefBrowser> browser;  // of the current context
  };
  std::vector<Call> calls;
  std::function<bool(const Call&, CefRefPtr<CefV8Value>&, CefString&)> reply;

  bool Execute(const CefString& name, CefRefPtr<CefV8Value> object, const CefV8ValueList& arguments,
               CefRefPtr<CefV8Value>& retval, CefString& exception) override;

 private:
  IMPLEMENT_REFCOUNTING(ProbeHandler);
};

// The test extension: probe.call(x) calls the native Probe(x), probe.raw(...) calls it with
// every argument, probe.other() the native Other().
extern const char* const kProbeExtension;

class EngineTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes a page (UTF-8) into the folder; returns its path.
  std::string Page(const std::string& name, const std::string& html);
  // A browser made and announced, with nothing loaded; the client's log starts empty.
  CefRefPtr<CefBrowser> OpenBrowser(int width = 320, int height = 200);
  // Loads the URL in the browser's main frame and runs the loop until idle.
  void Load(CefRefPtr<CefBrowser> browser, const std::string& url);
  CefString Run(CefRefPtr<CefBrowser> browser, const std::string& code);

  std::filesystem::path dir;
  CefRefPtr<RecordingClient> client;
  CefRefPtr<ProbeHandler> probe;
};
