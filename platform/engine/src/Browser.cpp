#include "Browser.h"

#include <cstring>
#include <optional>
#include <utility>

#include "Page.h"
#include "Script.h"
#include "os/View.h"

namespace engine {

namespace {

// Sub-frames nested deeper are not loaded, so a page that frames itself ends.
constexpr int kMaxFrameDepth = 8;
constexpr const char16_t* kDevToolsURL = u"chrome-devtools://devtools/devtools.html";

// One navigation of a frame, in the loop task that runs it: before-browse (may cancel), the
// resource-load callback on the IO thread (may cancel), the address change of a main frame, a
// fresh document running the extensions and then its inline scripts, each sub-frame the same
// way, and the load end. A callback may stop the engine: every step first checks the frame.
void Load(const CefRefPtr<FrameImpl>& frame, const std::u16string& url, const std::u16string* text, NavType type) {
  if (!frame->Live()) return;
  CefRefPtr<BrowserImpl> browser = frame->Browser();
  CefRefPtr<CefClient> client = browser->Client();
  CefRefPtr<CefRequestHandler> requests = client ? client->GetRequestHandler() : nullptr;
  if (requests) {
    CefRefPtr<CefRequest> request = new RequestImpl(url);
    if (requests->OnBeforeBrowse(browser, frame, request, type, false) || !frame->Live()) return;
    const bool cancel =
        Engine::Get().io.Call([&] { return requests->OnBeforeResourceLoad(browser, request); });
    if (cancel || !frame->Live()) return;
  }
  const PageText page = text != nullptr ? PageText{*text, 200} : ReadPage(url);
  frame->Replace(url);
  if (frame->IsMain() && client) {
    if (CefRefPtr<CefDisplayHandler> display = client->GetDisplayHandler()) {
      display->OnAddressChange(browser, frame, url);
      if (!frame->Live()) return;
    }
  }
  Document* document = frame->CurrentDocument();
  if (document == nullptr) return;
  const PageParts parts = ScanPage(page.text);
  for (const InlineScript& script : parts.scripts) {
    if (!frame->Live()) return;
    document->Run(script.body, url, script.line, nullptr);
  }
  if (frame->Depth() < kMaxFrameDepth) {
    for (const std::u16string& src : parts.frames) {
      if (!frame->Live()) return;
      Load(frame->AddChild(), ResolveUrl(url, src), nullptr, NAVTYPE_OTHER);
    }
  }
  if (!frame->Live() || !client) return;
  if (CefRefPtr<CefLoadHandler> loads = client->GetLoadHandler()) loads->OnLoadEnd(browser, frame, page.status);
}

}  // namespace

BrowserImpl* AsBrowserImpl(CefBrowser* browser) { return dynamic_cast<BrowserImpl*>(browser); }

CefRefPtr<BrowserImpl> BrowserImpl::Open(CefRefPtr<CefClient> client, const CefWindowInfo& windowInfo,
                                         const CefBrowserSettings& settings, bool popup) {
  CefRefPtr<BrowserImpl> browser = new BrowserImpl(std::move(client), windowInfo, settings, popup);
  Engine::Get().browsers.push_back(browser);
  return browser;
}

BrowserImpl::BrowserImpl(CefRefPtr<CefClient> client, const CefWindowInfo& windowInfo,
                         const CefBrowserSettings& settings, bool popup)
    : windowInfo(windowInfo), settings(settings), mClient(std::move(client)), mPopup(popup) {
  mMainFrame = new FrameImpl(this, nullptr);
  if (windowInfo.m_ParentView != nullptr) {
    mView = new os::NSView(os::NSRect{double(windowInfo.m_x), double(windowInfo.m_y), double(windowInfo.m_nWidth),
                                      double(windowInfo.m_nHeight)});
    mView->SetAutoresizingMask(os::NSViewWidthSizable | os::NSViewHeightSizable);
    windowInfo.m_ParentView->AddSubview(mView);
  }
}

BrowserImpl::~BrowserImpl() {
  if (mMainFrame) mMainFrame->Detach();
  ReleaseView();
}

void BrowserImpl::ReleaseView() {
  os::NSView* view = std::exchange(mView, nullptr);
  if (view == nullptr) return;
  view->RemoveFromSuperview();
  view->Release();
}

void BrowserImpl::Announce(const std::u16string& url) {
  CefRefPtr<BrowserImpl> self(this);
  Engine::Get().Post([self, url] {
    if (!self->IsOpen()) return;
    CefRefPtr<CefClient> client = self->mClient;
    if (CefRefPtr<CefLifeSpanHandler> lifeSpan = client ? client->GetLifeSpanHandler() : nullptr)
      lifeSpan->OnAfterCreated(self);
    if (!url.empty() && self->IsOpen()) self->mMainFrame->LoadURL(url);
  });
}

void BrowserImpl::Close() {
  mOpen = false;
  CefRefPtr<FrameImpl> frame = std::move(mMainFrame);
  if (frame) frame->Detach();
  ReleaseView();
  // Last: letting the client go may run its destructor, which may drop its browser reference.
  CefRefPtr<CefClient> client = std::move(mClient);
}

void BrowserImpl::Console(const std::u16string& message, const std::u16string& source, int line) {
  if (!IsOpen()) return;
  consoleLines.push_back({message, source, line});
  CefRefPtr<CefClient> client = mClient;
  if (CefRefPtr<CefDisplayHandler> display = client ? client->GetDisplayHandler() : nullptr)
    display->OnConsoleMessage(this, message, source, line);
}

void BrowserImpl::OpenPopup(const std::u16string& url) {
  if (!IsOpen()) return;
  CefRefPtr<CefClient> client = mClient;
  CefWindowInfo popupInfo;
  CefBrowserSettings popupSettings = settings;
  if (CefRefPtr<CefLifeSpanHandler> lifeSpan = client ? client->GetLifeSpanHandler() : nullptr) {
    if (lifeSpan->OnBeforePopup(this, popupInfo, url, client, popupSettings)) return;
  }
  if (!IsOpen()) return;
  Open(client, popupInfo, popupSettings, true)->Announce(url);
}

void BrowserImpl::SetFocus(bool enable) {
  if (!IsOpen()) return;
  record.focusCalls.push_back(enable);
  TakeFocus(enable);
}

void BrowserImpl::TakeFocus(bool enable) {
  pageFocus = enable;
  if (mView == nullptr) return;
  if (enable)
    mView->BecomeFirstResponder();
  else
    mView->ResignFirstResponder();
}

CefRefPtr<CefFrame> BrowserImpl::GetMainFrame() { return mMainFrame; }

CefRefPtr<CefFrame> BrowserImpl::GetFocusedFrame() { return mMainFrame; }

void BrowserImpl::SetZoomLevel(double zoomLevel) {
  if (!IsOpen()) return;
  mZoomLevel = zoomLevel;
  record.zoomLevels.push_back(zoomLevel);
}

void BrowserImpl::ShowDevTools() {
  if (!IsOpen()) return;
  ++record.devToolsOpens;
  CefRefPtr<BrowserImpl> tools = Open(mClient, CefWindowInfo(), CefBrowserSettings(), true);
  tools->mMainFrame->SetURL(kDevToolsURL);
  tools->Announce(u"");
}

bool BrowserImpl::GetSize(PaintElementType type, int& width, int& height) {
  if (!IsOpen() || type != PET_VIEW) return false;
  ViewSize(width, height);
  return true;
}

void BrowserImpl::ViewSize(int& width, int& height) const {
  width = mView != nullptr ? static_cast<int>(mView->Frame().width) : windowInfo.m_nWidth;
  height = mView != nullptr ? static_cast<int>(mView->Frame().height) : windowInfo.m_nHeight;
}

bool BrowserImpl::GetImage(PaintElementType type, int width, int height, void* buffer) {
  int viewWidth = 0, viewHeight = 0;
  ViewSize(viewWidth, viewHeight);
  if (!IsOpen() || type != PET_VIEW || buffer == nullptr || width < 0 || height < 0 || width != viewWidth ||
      height != viewHeight)
    return false;
  std::memset(buffer, 0, static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
  return true;
}

void BrowserImpl::SetManagesMouseCursors(bool manages) {
  if (IsOpen()) record.managesMouseCursors = manages;
}

bool BrowserImpl::QuorvinIntrusiveGetDocumentImage(int* width, int* height, void*) {
  if (!IsOpen() || width == nullptr || height == nullptr) return false;
  // Nothing is rendered: the document has no size and no image.
  *width = 0;
  *height = 0;
  return false;
}

void BrowserImpl::SetFullScreenRepaints(bool repaints) {
  if (IsOpen()) record.fullScreenRepaints = repaints;
}

FrameImpl::FrameImpl(BrowserImpl* browser, FrameImpl* parent)
    : mBrowser(browser), mParent(parent), mMain(parent == nullptr) {}

FrameImpl::~FrameImpl() { Detach(); }

void FrameImpl::Detach() {
  mBrowser = nullptr;
  mParent = nullptr;
  Engine::Get().Retire(std::move(mDocument));
  auto children = std::move(mChildren);
  mChildren.clear();
  for (auto& child : children) child->Detach();
}

void FrameImpl::Replace(const std::u16string& url) {
  Engine::Get().Retire(std::move(mDocument));
  auto children = std::move(mChildren);
  mChildren.clear();
  for (auto& child : children) child->Detach();
  mURL = url;
}

Document* FrameImpl::CurrentDocument() {
  if (!Live()) return nullptr;
  if (!mDocument) {
    mDocument = std::make_unique<Document>(this, mURL);
    mDocument->RunExtensions();
  }
  return Live() ? mDocument.get() : nullptr;
}

CefRefPtr<FrameImpl> FrameImpl::AddChild() {
  CefRefPtr<FrameImpl> child = new FrameImpl(mBrowser, this);
  mChildren.push_back(child);
  return child;
}

int FrameImpl::Depth() const {
  int depth = 0;
  for (const FrameImpl* f = mParent; f != nullptr; f = f->mParent) ++depth;
  return depth;
}

void FrameImpl::Navigate(const std::u16string& url, const std::u16string* text, NavType type) {
  if (!Live()) return;
  CefRefPtr<FrameImpl> self(this);
  std::optional<std::u16string> page;
  if (text != nullptr) page = *text;
  Engine::Get().Post([self, url, page, type] { Load(self, url, page ? &*page : nullptr, type); });
}

void FrameImpl::ExecuteJavaScript(const CefString& jsCode, const CefString& scriptUrl, int startLine) {
  if (!Live()) return;
  CefRefPtr<FrameImpl> self(this);
  Engine::Get().Post([self, code = jsCode.ToString16(), source = scriptUrl.ToString16(), startLine] {
    if (Document* document = self->CurrentDocument()) document->Run(code, source, startLine, nullptr);
  });
}

CefString FrameImpl::ExecuteJavaScriptSynch(const CefString& jsCode, const CefString& scriptUrl, int startLine) {
  Engine& e = Engine::Get();
  if (!Live() || !e.OnMainThread()) return {};
  CefRefPtr<FrameImpl> self(this);
  std::u16string result;
  if (Document* document = CurrentDocument()) document->Run(jsCode, scriptUrl, startLine, &result);
  e.FreeRetired();
  return result;
}

void FrameImpl::EditCommand(const char* name) {
  if (Live()) mBrowser->record.editCommands.push_back(name);
}

}  // namespace engine

bool CefBrowser::CreateBrowser(CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                               const CefBrowserSettings& settings) {
  engine::Engine& e = engine::Engine::Get();
  if (!e.running || !e.OnMainThread()) return false;
  engine::BrowserImpl::Open(std::move(client), windowInfo, settings, false)->Announce(url);
  return true;
}
