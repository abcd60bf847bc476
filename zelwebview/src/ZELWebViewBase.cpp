#include "os/Event.h"
#include "os/View.h"
#include "zelwebview/ZELCefClientHandler.h"
#include "zelwebview/ZELWebView.h"

namespace zelwebview {

ZELWebViewBase::ZELWebViewBase(RenderingModel model) : mRenderingModel(model) {}

ZELWebViewBase::~ZELWebViewBase() {
  if (mHandler == nullptr) return;
  CEFClient::ZELCefClientHandler* handler = mHandler;
  mHandler = nullptr;
  handler->Dispose();
}

void ZELWebViewBase::NotifyResourceLoaded(const UTF16String&) {}
void ZELWebViewBase::NotifyFrameLocationChanged(bool) {}
void ZELWebViewBase::NotifyAddressChange(const UTF16String&) {}
bool ZELWebViewBase::NotifyBeforeBrowse(const UTF16String&) { return false; }
void ZELWebViewBase::NotifyOnPaint(const zelcore::Rect32&, const void*) {}

void ZELWebViewBase::SetIsFocusAllowed(bool allowed) {
  if (mHandler != nullptr) mHandler->SetFocusAllowed(allowed);
}

bool ZELWebViewBase::IsFocusAllowed() const { return mHandler == nullptr || mHandler->IsFocusAllowed(); }

bool ZELWebViewBase::HasFocus() const { return mHandler != nullptr && mHandler->HasFocus(); }

bool ZELWebViewBase::SetFocus(bool focus) { return mHandler != nullptr && mHandler->SetFocus(focus); }

void ZELWebViewBase::DisplayWebViewInspector() {
  if (mHandler != nullptr) mHandler->ShowInspector();
}

// The developer tools close with their own window.
void ZELWebViewBase::CloseWebViewInspector() {}

void ZELWebViewBase::Undo() {
  if (mHandler != nullptr) mHandler->Undo();
}
void ZELWebViewBase::Redo() {
  if (mHandler != nullptr) mHandler->Redo();
}
void ZELWebViewBase::Cut() {
  if (mHandler != nullptr) mHandler->Cut();
}
void ZELWebViewBase::Copy() {
  if (mHandler != nullptr) mHandler->Copy();
}
void ZELWebViewBase::Paste() {
  if (mHandler != nullptr) mHandler->Paste();
}
void ZELWebViewBase::Delete() {
  if (mHandler != nullptr) mHandler->Delete();
}
void ZELWebViewBase::SelectAll() {
  if (mHandler != nullptr) mHandler->SelectAll();
}

float ZELWebViewBase::GetZoomLevel() const { return mHandler != nullptr ? mHandler->GetZoomLevel() : 1.0f; }

void ZELWebViewBase::SetZoomLevel(float ratio) {
  if (mHandler != nullptr) mHandler->SetZoomLevel(ratio);
}

UTF16String ZELWebViewBase::RunJavaScript(const UTF16String& code, const char* scriptURL) {
  if (mHandler == nullptr) return {};
  return mHandler->ExecuteJS(code, scriptURL, 0);
}

void ZELWebViewBase::RunJavaScriptAsync(const UTF16String& code) {
  if (mHandler != nullptr) mHandler->ExecuteJSAsync(code);
}

void ZELWebViewBase::SetConsoleHandler(const ConsoleHandler& handler) {
  if (mHandler != nullptr) mHandler->SetConsoleHandler(handler);
}

void ZELWebViewBase::SetManagesMouseCursors(bool manages) {
  if (mHandler != nullptr) mHandler->SetManagesMouseCursors(manages);
}

void ZELWebViewBase::SetFullScreenRepaints(bool repaints) {
  if (mHandler != nullptr) mHandler->SetFullScreenRepaints(repaints);
}

bool ZELWebViewBase::IsFullScreenRepaintingActive() const {
  return mHandler != nullptr && mHandler->IsFullScreenRepaintingActive();
}

bool ZELWebViewBase::DispatchOSEvent(const zelui::ui::OS_Event& event) {
  os::NSView* view = mHandler != nullptr ? mHandler->GetBrowserView() : nullptr;
  if (view == nullptr || event.GetType() != os::kEventScrollWheel) return false;
  view->ScrollWheel(event.GetPlatformEvent());
  return true;
}

void ZELWebViewBase::PlatformLoadURL(const UTF16String& url) {
  if (mHandler != nullptr) mHandler->WrappedLoadURL(url);
}

void ZELWebViewBase::PlatformCloseDocument() {
  if (mHandler != nullptr) mHandler->ClearBrowser();
}

}  // namespace zelwebview
