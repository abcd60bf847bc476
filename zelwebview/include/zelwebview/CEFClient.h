#pragma once
// The web engine's life in the process: started once (its settings, the tunnel extension through
// which page scripts call the host, the pump on the main run loop), stopped once, and never
// started again. Web views get their client handlers here. Main thread only.
#include "engine/cef.h"
#include "zelwebview/ZELCefClientHandler.h"

namespace CEFClient {

// The extension that gives page scripts nimbrel.callbackTunnel(text), answered by the web view
// whose page calls it.
inline constexpr char kNimbrelExtensionName[] = "v8/nimbrelTunnel";
inline constexpr char kNimbrelExtensionSource[] =
    "var nimbrel;if (!nimbrel)  nimbrel = {};(function() {  nimbrel.callbackTunnel = function(b) {    native "
    "function NbCallbackTunnel();    return NbCallbackTunnel(b);  };})();";
inline constexpr char16_t kNimbrelNativeFunction[] = u"NbCallbackTunnel";

// Seconds between two pump ticks of the timer.
inline constexpr double kPumpInterval = 0.02;

// Starts the engine once per process: a later call does nothing, also after TerminateZELCEF.
// The pump is a run-loop timer (useTimer) or an observer of the run loop's waits.
void InitZELCEF(bool useTimer);
// Removes and releases the pump, releases the autorelease pool and shuts the engine down; once,
// and only after a start.
void TerminateZELCEF();
void InitNimbrelExtension();
// The autorelease pool and the pump: in the main run loop's common modes except event tracking,
// one engine work slice a tick, none while the application reports mouse or keyboard capture.
void PlatformInitZELCEF(bool useTimer);
void PlatformTerminateZELCEF();

// A handler (one reference, the caller's) whose browser the engine is asked to make inside the
// parent view at the rectangle; the browser comes later (OnAfterCreated).
ZELCefClientHandler* AllocZELCEFClientHandlerWindowed(os::NSView* parentView, const CefRect& rect,
                                                      const ZELCefClientHandler::Callbacks& callbacks);
// A handler (one reference, the caller's) for which no browser is made.
ZELCefClientHandler* AllocZELCEFClientHandlerOffscreen(os::NSView* parentView, const CefRect& rect,
                                                       const ZELCefClientHandler::Callbacks& callbacks,
                                                       const ZELCefClientHandlerOffscreen::PaintCallback& paint);

// The native side of the tunnel extension.
class NimbrelV8ExtensionHandler : public CefV8Handler {
 public:
  // Handles the tunnel function only. A call with exactly one string goes to the client handler
  // of the calling page's browser; its non-empty reply is the call's value. Any other call gets
  // no value and reaches nobody.
  bool Execute(const CefString& name, CefRefPtr<CefV8Value> object, const CefV8ValueList& arguments,
               CefRefPtr<CefV8Value>& retval, CefString& exception) override;

 private:
  IMPLEMENT_REFCOUNTING(NimbrelV8ExtensionHandler);
};

}  // namespace CEFClient
