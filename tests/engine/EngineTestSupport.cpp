#include "EngineTestSupport.h"

#include <cstdlib>
#include <fstream>

const char* const kProbeExtension =
    "var probe;if (!probe)  probe = {};(function() {"
    "  probe.call = function(b) {    native function Probe();    return Probe(b);  };"
    "  probe.raw = function() { native function Probe(); return Probe.apply(null, arguments); };"
    "  probe.other = function() { native function Other(); return Other(); };"
    "})();";

std::string RecordingClient::Shown(const CefString& url) const {
  std::string text = url.ToString();
  if (!mDir.empty())
    for (size_t at; (at = text.find(mDir)) != std::string::npos;) text.replace(at, mDir.size(), "$DIR");
  return text;
}

void RecordingClient::Record(const std::string& line) {
  log.push_back(line);
  if (onRecord) onRecord(line);
}

bool RecordingClient::OnBeforePopup(CefRefPtr<CefBrowser>, CefWindowInfo&, const CefString& url,
                                    CefRefPtr<CefClient>&, CefBrowserSettings&) {
  Record("Popup " + Shown(url));
  return refusePopups;
}

void RecordingClient::OnAfterCreated(CefRefPtr<CefBrowser> browser) {
  created.push_back(browser);
  Record(browser->IsPopup() ? "AfterCreated popup" : "AfterCreated");
}

void RecordingClient::OnLoadEnd(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, int status) {
  Record(std::string("LoadEnd ") + (frame->IsMain() ? "main " : "sub ") + std::to_string(status) + " " +
         Shown(frame->GetURL()));
}

bool RecordingClient::OnBeforeBrowse(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                                     NavType, bool) {
  const std::string url = Shown(request->GetURL());
  Record(std::string("BeforeBrowse ") + (frame->IsMain() ? "main " : "sub ") + url);
  return refusedURLs.count(url) > 0;
}

bool RecordingClient::OnBeforeResourceLoad(CefRefPtr<CefBrowser>, CefRefPtr<CefRequest> request) {
  resourceThread = std::this_thread::get_id();
  Record("ResourceLoad " + Shown(request->GetURL()));
  return false;
}

void RecordingClient::OnAddressChange(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, const CefString& url) {
  Record("AddressChange " + Shown(url));
}

bool RecordingClient::OnConsoleMessage(CefRefPtr<CefBrowser>, const CefString& message, const CefString&, int) {
  Record("Console " + Shown(message));
  return false;
}

bool RecordingClient::OnSetFocus(CefRefPtr<CefBrowser> browser, FocusSource) {
  Record("SetFocus " + Shown(browser->GetMainFrame()->GetURL()));
  return refuseFocus;
}

bool RecordingClient::OnBeforeMenu(CefRefPtr<CefBrowser>, const CefMenuInfo& info) {
  Record("Menu " + std::to_string(info.x) + "," + std::to_string(info.y));
  return refuseMenus;
}

bool ProbeHandler::Execute(const CefString& name, CefRefPtr<CefV8Value>, const CefV8ValueList& arguments,
                           CefRefPtr<CefV8Value>& retval, CefString& exception) {
  Call call;
  call.name = name;
  for (const auto& argument : arguments) {
    call.kinds.push_back(argument->IsString()      ? "string"
                         : argument->IsInt()       ? "int"
                         : argument->IsDouble()    ? "double"
                         : argument->IsBool()      ? "bool"
                         : argument->IsNull()      ? "null"
                         : argument->IsUndefined() ? "undefined"
                         : argument->IsObject()    ? "object"
                                                   : "?");
    call.strings.push_back(argument->GetStringValue());
  }
  if (CefRefPtr<CefV8Context> context = CefV8Context::GetCurrentContext()) call.browser = context->GetBrowser();
  calls.push_back(call);
  if (reply) return reply(call, retval, exception);
  if (!call.kinds.empty() && call.kinds.front() == "string") retval = CefV8Value::CreateString(call.strings.front());
  return true;
}

void EngineTest::SetUp() {
  char pattern[] = "/tmp/engine-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  dir = pattern;
  CefSettings settings;
  ASSERT_TRUE(CefInitialize(settings, nullptr));
  client = new RecordingClient(dir.string());
  probe = new ProbeHandler;
  ASSERT_TRUE(CefRegisterExtension("v8/probe", kProbeExtension, probe.get()));
}

void EngineTest::TearDown() {
  CefShutdown();
  client = nullptr;
  probe = nullptr;
  std::filesystem::remove_all(dir);
  EXPECT_EQ(engine::testing::Live().Total(), 0) << "engine objects outlive the engine";
}

std::string EngineTest::Page(const std::string& name, const std::string& html) {
  const std::filesystem::path path = dir / name;
  std::ofstream(path, std::ios::binary) << html;
  return path.string();
}

CefRefPtr<CefBrowser> EngineTest::OpenBrowser(int width, int height) {
  CefWindowInfo info;
  info.m_nWidth = width;
  info.m_nHeight = height;
  const size_t before = client->created.size();
  EXPECT_TRUE(CefBrowser::CreateBrowser(info, client.get(), "", CefBrowserSettings()));
  engine::testing::RunUntilIdle();
  client->log.clear();
  return client->created.size() > before ? client->created.back() : nullptr;
}

void EngineTest::Load(CefRefPtr<CefBrowser> browser, const std::string& url) {
  browser->GetMainFrame()->LoadURL(url);
  engine::testing::RunUntilIdle();
}

CefString EngineTest::Run(CefRefPtr<CefBrowser> browser, const std::string& code) {
  return browser->GetMainFrame()->ExecuteJavaScriptSynch(code, "about:blank", 0);
}
