#include "zelwebview/ZELCefClientHandler.h"

#include <cmath>

#include "os/View.h"

namespace CEFClient {

namespace {

// The engine's zoom level is logarithmic to this base.
const float sZoomFactorMultiplierRatio = 1.2f;

constexpr char kDevToolsScheme[] = "chrome-devtools:";

// A copy of the callback to call, or null when it is unset or empty.
template <class Callback>
Callback Callable(const Callback& callback) {
  return callback && !callback->empty() ? callback : Callback();
}

// Whether the browser shows the developer tools.
bool isDevToolsBrowser(const CefRefPtr<CefBrowser>& browser) {
  CefRefPtr<CefFrame> frame = browser ? browser->GetMainFrame() : nullptr;
  return frame && frame->GetURL().ToString().rfind(kDevToolsScheme, 0) == 0;
}

}  // namespace

ZELCefClientHandler::ZELCefClientHandler(os::NSView* parentView, const Callbacks& callbacks)
    : mParentView(parentView), mCallbacks(callbacks) {}

ZELCefClientHandler::~ZELCefClientHandler() = default;

void ZELCefClientHandler::Reset() {
  mCallbacks = Callbacks();
  mPopupsBlocked = true;
}

bool ZELCefClientHandler::OnBeforePopup(CefRefPtr<CefBrowser>, CefWindowInfo&, const CefString&, CefRefPtr<CefClient>&,
                                        CefBrowserSettings&) {
  return mPopupsBlocked;
}

void ZELCefClientHandler::OnLoadEnd(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, int) {
  if (!frame) return;
  if (frame->IsMain()) {
    if (const ResourceLoadedCallback callback = Callable(mCallbacks.resourceLoaded))
      (*callback)(frame->GetURL().ToString16());
  }
  FrameLocationChanged();
}

bool ZELCefClientHandler::OnBeforeBrowse(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                                         NavType, bool) {
  const BeforeBrowseCallback callback = Callable(mCallbacks.beforeBrowse);
  if (!callback || !frame || !frame->IsMain() || !request) return false;
  return (*callback)(request->GetURL().ToString16());
}

bool ZELCefClientHandler::OnBeforeResourceLoad(CefRefPtr<CefBrowser>, CefRefPtr<CefRequest>) { return false; }

void ZELCefClientHandler::OnAddressChange(CefRefPtr<CefBrowser>, CefRefPtr<CefFrame>, const CefString& url) {
  if (const AddressChangeCallback callback = Callable(mCallbacks.addressChange)) (*callback)(url.ToString16());
}

bool ZELCefClientHandler::OnConsoleMessage(CefRefPtr<CefBrowser>, const CefString& message, const CefString& source,
                                           int line) {
  if (const ConsoleHandler handler = Callable(mConsoleHandler)) {
    UTF16String where = source.ToString16();
    (*handler)(message.ToString16(), where, line);
  }
  return false;
}

bool ZELCefClientHandler::OnBeforeMenu(CefRefPtr<CefBrowser>, const CefMenuInfo&) { return true; }

void ZELCefClientHandler::OnScrollRect(CefRefPtr<CefBrowser>) { FrameLocationChanged(); }

void ZELCefClientHandler::OnScheduleComposite(CefRefPtr<CefBrowser>) { FrameLocationChanged(); }

bool ZELCefClientHandler::OnSetFocus(CefRefPtr<CefBrowser> browser, FocusSource) {
  if (isDevToolsBrowser(browser)) return false;
  if (mFocusAllowed) return false;
  if (mBrowser) mBrowser->SetFocus(false);
  return true;
}

CefRefPtr<CefFrame> ZELCefClientHandler::MainFrame() const {
  return mBrowserAdopted && mBrowser ? mBrowser->GetMainFrame() : nullptr;
}

void ZELCefClientHandler::FrameLocationChanged() {
  if (const FrameLocationChangedCallback callback = Callable(mCallbacks.frameLocationChanged)) (*callback)(false);
}

void ZELCefClientHandler::WrappedLoadURL(const UTF16String& url) {
  if (!mBrowserAdopted || !mBrowser) {
    mPendingURL = url;
    return;
  }
  if (CefRefPtr<CefFrame> frame = MainFrame()) frame->LoadURL(url);
}

void ZELCefClientHandler::ClearBrowser() {
  if (CefRefPtr<CefFrame> frame = MainFrame()) frame->LoadString("<html><head></head><body></body>", "about:blank");
}

zelcore::UTF16String ZELCefClientHandler::ExecuteJS(const UTF16String& code, const char* scriptURL, int startLine) {
  CefRefPtr<CefFrame> frame = MainFrame();
  if (!frame) return {};
  // The script may reach the host, which may let go of this handler meanwhile.
  CefRefPtr<ZELCefClientHandler> hold(this);
  return frame->ExecuteJavaScriptSynch(code, scriptURL != nullptr ? scriptURL : "about:blank", startLine).ToString16();
}

void ZELCefClientHandler::ExecuteJSAsync(const UTF16String& code) {
  if (CefRefPtr<CefFrame> frame = MainFrame()) frame->ExecuteJavaScript(code, "about:blank", 0);
}

void ZELCefClientHandler::ShowInspector() {
  if (mBrowserAdopted && mBrowser)
    mBrowser->ShowDevTools();
  else
    mPendingInspector = true;
}

void ZELCefClientHandler::EditCommand(void (CefFrame::*command)()) {
  CefRefPtr<CefFrame> frame = mBrowser ? mBrowser->GetFocusedFrame() : nullptr;
  if (frame) ((*frame).*command)();
}

void ZELCefClientHandler::Undo() { EditCommand(&CefFrame::Undo); }
void ZELCefClientHandler::Redo() { EditCommand(&CefFrame::Redo); }
void ZELCefClientHandler::Cut() { EditCommand(&CefFrame::Cut); }
void ZELCefClientHandler::Copy() { EditCommand(&CefFrame::Copy); }
void ZELCefClientHandler::Paste() { EditCommand(&CefFrame::Paste); }
void ZELCefClientHandler::Delete() { EditCommand(&CefFrame::Delete); }
void ZELCefClientHandler::SelectAll() { EditCommand(&CefFrame::SelectAll); }

bool ZELCefClientHandler::SetFocus(bool focus) {
  if (!mBrowser) return false;
  if (focus && !mFocusAllowed) return false;
  mBrowser->SetFocus(focus);
  return true;
}

bool ZELCefClientHandler::HasFocus() const { return mBrowserView != nullptr && mBrowserView->IsFirstResponder(); }

void ZELCefClientHandler::SetManagesMouseCursors(bool manages) {
  mManagesMouseCursors = manages;
  if (mBrowser) mBrowser->SetManagesMouseCursors(manages);
}

float ZELCefClientHandler::GetZoomLevel() {
  if (!mBrowser) return 1.0f;
  const float ratio = powf(sZoomFactorMultiplierRatio, static_cast<float>(mBrowser->GetZoomLevel()));
  return ratio > 0 ? ratio : 1.0f;
}

void ZELCefClientHandler::SetZoomLevel(float ratio) {
  if (!mBrowser) return;
  mBrowser->SetZoomLevel(std::log(static_cast<double>(ratio)) / std::log(static_cast<double>(sZoomFactorMultiplierRatio)));
  FrameLocationChanged();
}

void ZELCefClientHandler::NotifyFrameLocationChanged() { FrameLocationChanged(); }

void ZELCefClientHandler::OnJavaScriptTunnel(const CefString& in, CefString& out) {
  const JavaScriptTunnelCallback callback = Callable(mCallbacks.javaScriptTunnel);
  if (!callback) return;
  const UTF16String input = in.ToString16();
  UTF16String reply;
  (*callback)(input, reply);
  if (!reply.empty())
    out = reply;
  else
    out.clear();
}

bool ZELCefClientHandler::GetViewSize(int& width, int& height) {
  return mBrowser && mBrowser->GetSize(PET_VIEW, width, height);
}

bool ZELCefClientHandler::GetViewImage(int width, int height, void* buffer) {
  return mBrowser && mBrowser->GetImage(PET_VIEW, width, height, buffer);
}

bool ZELCefClientHandler::IntrusiveGetDocumentImage(int& width, int& height, void* buffer) {
  return mBrowser && mBrowser->QuorvinIntrusiveGetDocumentImage(&width, &height, buffer);
}

bool ZELCefClientHandler::GetDocumentRect(CefRect& rect) {
  if (!mBrowser) return false;
  rect = mBrowser->GetDocumentRect();
  return true;
}

bool ZELCefClientHandler::GetVisibleRect(CefRect& rect) {
  if (!mBrowser) return false;
  rect = mBrowser->GetDocumentVisibleRect();
  return true;
}

bool ZELCefClientHandler::IsPointHittingScrollbar(int x, int y) {
  return mBrowser && mBrowser->IsVisibleScrollbarAtPoint(x, y);
}

void ZELCefClientHandler::SetFullScreenRepaints(bool repaints) {
  if (mBrowser) mBrowser->SetFullScreenRepaints(repaints);
}

bool ZELCefClientHandler::IsFullScreenRepaintingActive() { return mBrowser && mBrowser->IsFullScreenRepaintingActive(); }

void ZELCefClientHandler::Dispose() {
  mParentView = nullptr;
  mBrowser = nullptr;
  mBrowserView = nullptr;
  Reset();
  Release();
}

void ZELCefClientHandlerWindowed::OnAfterCreated(CefRefPtr<CefBrowser> browser) {
  if (mParentView == nullptr || !browser) return;
  CefRefPtr<ZELCefClientHandler> hold(this);
  mLock.Lock();
  if (!browser->IsPopup()) {
    mBrowser = browser;
    mBrowserView = browser->GetWindowHandle();
    browser->SetManagesMouseCursors(mManagesMouseCursors);
    if (mBrowserView != nullptr) mBrowserView->SetFrame(mParentView->Frame());
  }
  mLock.Unlock();
  if (const BrowserWindowCreatedCallback callback = Callable(mCallbacks.browserWindowCreated))
    (*callback)(mBrowserView);
  // Until a browser of this handler is adopted (a popup may come first), the requests made before
  // wait for it.
  if (!mBrowser) return;
  mBrowserAdopted = true;
  if (mPendingInspector) {
    mPendingInspector = false;
    mBrowser->ShowDevTools();
  }
  if (!mPendingURL.empty()) {
    const UTF16String url = std::move(mPendingURL);
    mPendingURL.clear();
    if (CefRefPtr<CefFrame> frame = mBrowser->GetMainFrame()) frame->LoadURL(url);
  }
}

ZELCefClientHandlerOffscreen::ZELCefClientHandlerOffscreen(os::NSView* parentView, const Callbacks& callbacks,
                                                           const PaintCallback& paint)
    : ZELCefClientHandler(parentView, callbacks), mPaint(paint) {}

void ZELCefClientHandlerOffscreen::Reset() {
  mPaint.reset();
  ZELCefClientHandler::Reset();
}

void ZELCefClientHandlerOffscreen::OnPaint(CefRefPtr<CefBrowser>, PaintElementType, const CefRect& rect,
                                           const void* buffer) {
  if (const PaintCallback paint = Callable(mPaint)) (*paint)(zelcore::Rect32{rect.x, rect.y, rect.width, rect.height}, buffer);
}

}  // namespace CEFClient
