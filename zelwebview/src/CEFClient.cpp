#include "zelwebview/CEFClient.h"

#include <memory>
#include <mutex>

#include "os/Application.h"
#include "os/CFRunLoop.h"
#include "os/View.h"
#include "zelwebview/testing.h"

namespace CEFClient {

namespace {

// Set by the first start and kept: the engine starts at most once per process.
bool sInited = false;
// Set by the one termination.
bool sTerminated = false;
os::CFRunLoopTimerRef g_timer = nullptr;
os::CFRunLoopObserverRef g_observer = nullptr;
os::NSAutoreleasePool* g_autopool = nullptr;

// Whether the application answers isMouseKeyboardCaptured, worked out on the first tick.
struct SelectorCheck {
  std::once_flag once;
  bool respondsToSelector = false;
};
std::unique_ptr<SelectorCheck>& Check() {
  static std::unique_ptr<SelectorCheck> check = std::make_unique<SelectorCheck>();
  return check;
}

void DoCefRunMessageLoopRoutine() {
  SelectorCheck& check = *Check();
  std::call_once(check.once, [&check] {
    check.respondsToSelector = os::Application::Shared().RespondsToSelector("isMouseKeyboardCaptured");
  });
  if (check.respondsToSelector && os::Application::Shared().IsMouseKeyboardCaptured()) return;
  CefDoMessageLoopWork();
}

void RunLoopTimerCallback(os::CFRunLoopTimerRef, void*) { DoCefRunMessageLoopRoutine(); }

void RunLoopObserver(os::CFRunLoopObserverRef, os::CFRunLoopActivity, void*) { DoCefRunMessageLoopRoutine(); }

}  // namespace

void InitZELCEF(bool useTimer) {
  if (sInited) return;
  CefSettings settings;
  settings.size = sizeof(settings);
  settings.multi_threaded_message_loop = false;
  settings.quorvin_base_path = "../../../";
  CefInitialize(settings, nullptr);
  InitNimbrelExtension();
  PlatformInitZELCEF(useTimer);
  sInited = true;
}

void TerminateZELCEF() {
  if (!sInited || sTerminated) return;
  sTerminated = true;
  PlatformTerminateZELCEF();
  CefShutdown();
}

void InitNimbrelExtension() {
  CefRefPtr<CefV8Handler> handler = new NimbrelV8ExtensionHandler;
  CefRegisterExtension(kNimbrelExtensionName, kNimbrelExtensionSource, handler);
}

void PlatformInitZELCEF(bool useTimer) {
  g_autopool = new os::NSAutoreleasePool;
  os::CFRunLoopRef loop = os::CFRunLoopGetCurrent();
  if (useTimer) {
    g_timer = os::CFRunLoopTimerCreate(os::kCFAllocatorDefault, os::CFAbsoluteTimeGetCurrent(), kPumpInterval, 0, 0,
                                       RunLoopTimerCallback, nullptr);
    os::CFRunLoopAddTimer(loop, g_timer, os::kCFRunLoopCommonModes);
    os::CFRunLoopRemoveTimer(loop, g_timer, os::NSEventTrackingRunLoopMode);
  } else {
    g_observer = os::CFRunLoopObserverCreate(nullptr, os::kCFRunLoopBeforeWaiting, true, 0, RunLoopObserver, nullptr);
    if (g_observer == nullptr) return;
    os::CFRunLoopAddObserver(loop, g_observer, os::kCFRunLoopCommonModes);
    os::CFRunLoopRemoveObserver(loop, g_observer, os::NSEventTrackingRunLoopMode);
  }
}

void PlatformTerminateZELCEF() {
  os::CFRunLoopRef loop = os::CFRunLoopGetCurrent();
  if (g_observer != nullptr) {
    os::CFRunLoopRemoveObserver(loop, g_observer, os::kCFRunLoopCommonModes);
    os::CFRunLoopObserverInvalidate(g_observer);
    os::CFRelease(g_observer);
    g_observer = nullptr;
  }
  if (g_timer != nullptr) {
    os::CFRunLoopRemoveTimer(loop, g_timer, os::kCFRunLoopCommonModes);
    os::CFRunLoopTimerInvalidate(g_timer);
    os::CFRelease(g_timer);
    g_timer = nullptr;
  }
  if (g_autopool != nullptr) {
    g_autopool->Release();
    g_autopool = nullptr;
  }
}

ZELCefClientHandler* AllocZELCEFClientHandlerWindowed(os::NSView* parentView, const CefRect& rect,
                                                      const ZELCefClientHandler::Callbacks& callbacks) {
  ZELCefClientHandler* handler = new ZELCefClientHandlerWindowed(parentView, callbacks);
  handler->AddRef();
  CefWindowInfo windowInfo;
  windowInfo.m_ParentView = parentView;
  windowInfo.m_x = rect.x;
  windowInfo.m_y = rect.y;
  windowInfo.m_nWidth = rect.width;
  windowInfo.m_nHeight = rect.height;
  CefBrowserSettings settings;
  settings.size = sizeof(settings);
  settings.drag_drop_disabled = true;
  CefBrowser::CreateBrowser(windowInfo, handler, "", settings);
  return handler;
}

ZELCefClientHandler* AllocZELCEFClientHandlerOffscreen(os::NSView* parentView, const CefRect&,
                                                       const ZELCefClientHandler::Callbacks& callbacks,
                                                       const ZELCefClientHandlerOffscreen::PaintCallback& paint) {
  ZELCefClientHandler* handler = new ZELCefClientHandlerOffscreen(parentView, callbacks, paint);
  handler->AddRef();
  return handler;
}

bool NimbrelV8ExtensionHandler::Execute(const CefString& name, CefRefPtr<CefV8Value>, const CefV8ValueList& arguments,
                                        CefRefPtr<CefV8Value>& retval, CefString&) {
  if (name.ToString16() != kNimbrelNativeFunction) return false;
  if (arguments.size() != 1 || !arguments[0] || !arguments[0]->IsString()) return true;
  const CefString input = arguments[0]->GetStringValue();
  CefString output;
  CefRefPtr<CefV8Context> context = CefV8Context::GetCurrentContext();
  CefRefPtr<CefBrowser> browser = context ? context->GetBrowser() : nullptr;
  CefRefPtr<CefClient> client = browser ? browser->GetClient() : nullptr;
  // Only the web views' own clients answer; a browser of another client reaches no listener.
  if (CefRefPtr<ZELCefClientHandler> handler = dynamic_cast<ZELCefClientHandler*>(client.get()))
    handler->OnJavaScriptTunnel(input, output);
  if (!output.empty()) retval = CefV8Value::CreateString(output);
  return true;
}

}  // namespace CEFClient

namespace zelwebview::testing {

void ResetEngineStart() {
  CEFClient::TerminateZELCEF();
  CEFClient::sInited = false;
  CEFClient::sTerminated = false;
  CEFClient::Check() = std::make_unique<CEFClient::SelectorCheck>();
}

}  // namespace zelwebview::testing
