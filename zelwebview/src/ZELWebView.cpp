#include "zelwebview/ZELWebView.h"

#include <algorithm>
#include <cmath>

#include <boost/bind/bind.hpp>

#include "os/View.h"
#include "zelcore/Assert.h"
#include "zelcore/Files.h"
#include "zelwebview/CEFClient.h"

namespace zelwebview {

namespace {

// Zoom limits and step, as ratios.
constexpr float kMinZoomLevel = 0.5f;
constexpr float kMaxZoomLevel = 3.0f;
constexpr float kZoomStep = 1.2f;
constexpr float kPercent = 100.0f;

// An assertion dialog for the call site when the condition failed.
#define ZEL_WEBVIEW_ASSERT(condition, message)                                                    \
  do {                                                                                            \
    static bool siteDisabled = false;                                                             \
    if (!(condition)) zelcore::BreakAfterAssertDialog(siteDisabled, #condition, message, __FILE__, \
                                                      __LINE__, __func__);                        \
  } while (false)

}  // namespace

ZELWebView::ZELWebView(RenderingModel model) : ZELWebViewBase(model) {}

ZELWebView::~ZELWebView() {
  mJavaScriptTunnelListeners.Clear();
  mBeforeBrowseListeners.Clear();
  mFrameLocationListeners.Clear();
  mAddressChangeListeners.Clear();
  mResourceLoadedListeners.Clear();
  mCurrentURL.clear();
}

void ZELWebView::Init() {
  if (mHandler != nullptr) return;
  const zelui::ui::RectF local = UI_GetLocalRectF(false);
  const float left = std::floor(local.left), top = std::floor(local.top);
  const zelcore::Rect32 rect{static_cast<int>(left), static_cast<int>(top),
                             static_cast<int>(std::ceil(local.left + local.width) - left),
                             static_cast<int>(std::ceil(local.top + local.height) - top)};
  os::NSView* container = InitPlatform(rect);

  using namespace boost::placeholders;
  CEFClient::ZELCefClientHandler::Callbacks callbacks;
  callbacks.resourceLoaded.reset(new boost::function<void(const UTF16String&)>(
      boost::bind(&ZELWebView::NotifyResourceLoaded, this, _1)));
  callbacks.frameLocationChanged.reset(
      new boost::function<void(bool)>(boost::bind(&ZELWebView::NotifyFrameLocationChanged, this, _1)));
  callbacks.browserWindowCreated.reset(
      new boost::function<void(os::NSView*)>(boost::bind(&ZELWebView::BrowserWindowCreated, this, _1)));
  callbacks.addressChange.reset(
      new boost::function<void(const UTF16String&)>(boost::bind(&ZELWebView::NotifyAddressChange, this, _1)));
  callbacks.beforeBrowse.reset(
      new boost::function<bool(const UTF16String&)>(boost::bind(&ZELWebView::NotifyBeforeBrowse, this, _1)));
  callbacks.javaScriptTunnel.reset(new boost::function<void(const UTF16String&, UTF16String&)>(
      boost::bind(&ZELWebView::NotifyJavaScriptTunnel, this, _1, _2)));

  const CefRect engineRect(rect.left, rect.top, rect.width, rect.height);
  if (mRenderingModel == kRenderingModel_Windowed) {
    mHandler = CEFClient::AllocZELCEFClientHandlerWindowed(container, engineRect, callbacks);
  } else {
    CEFClient::ZELCefClientHandlerOffscreen::PaintCallback paint(
        new boost::function<void(const zelcore::Rect32&, const void*)>(
            boost::bind(&ZELWebView::NotifyOnPaint, this, _1, _2)));
    mHandler = CEFClient::AllocZELCEFClientHandlerOffscreen(container, engineRect, callbacks, paint);
  }
}

os::NSView* ZELWebView::InitPlatform(const zelcore::Rect32& rect) {
  os::NSView* nodeView = UI_GetPlatformView(false);
  os::NSView* view = new os::NSView(os::NSRect{0, 0, double(rect.width), double(rect.height)});
  nodeView->AddSubview(view);
  view->SetAutoresizingMask(os::NSViewWidthSizable | os::NSViewHeightSizable);
  // The node's view holds it from now on.
  view->Release();
  UI_SetOpaque(false);
  return view;
}

void ZELWebView::LoadURL(const UTF16String& url) { PlatformLoadURL(url); }

void ZELWebView::LoadFile(const zelcore::File& file) { LoadURL(file.FullPath()); }

void ZELWebView::CloseDocument() {
  CloseWebViewInspector();
  PlatformCloseDocument();
  mCurrentURL.clear();
}

ZELWebView::ResourceLoadedFunctionP ZELWebView::NotifyWhenResourceLoaded(const ResourceLoadedFunctionP& listener) {
  return mResourceLoadedListeners.Add(listener);
}

ZELWebView::AddressChangeFunctionP ZELWebView::NotifyWhenAddressChange(const AddressChangeFunctionP& listener) {
  return mAddressChangeListeners.Add(listener);
}

ZELWebView::FrameLocationChangedFunctionP ZELWebView::NotifyWhenFrameLocationChanged(
    const FrameLocationChangedFunctionP& listener) {
  return mFrameLocationListeners.Add(listener);
}

ZELWebView::BeforeBrowseFunctionP ZELWebView::NotifyOnBeforeBrowse(const BeforeBrowseFunctionP& listener) {
  return mBeforeBrowseListeners.Add(listener);
}

ZELWebView::JavaScriptTunnelFunctionP ZELWebView::NotifyOnJavaScriptTunnel(const JavaScriptTunnelFunctionP& listener) {
  return mJavaScriptTunnelListeners.Add(listener);
}

void ZELWebView::SetZoomFactor(float percent) {
  const float level = percent <= 0 ? kMinZoomLevel : std::min(kMaxZoomLevel, std::max(kMinZoomLevel, percent / kPercent));
  SetZoomLevel(level);
}

float ZELWebView::GetZoomFactor() { return GetZoomLevel() * kPercent; }

void ZELWebView::ZoomIn() {
  const float level = GetZoomLevel();
  if (level > 0 && level < kMaxZoomLevel) SetZoomLevel(std::min(kMaxZoomLevel, level * kZoomStep));
}

void ZELWebView::ZoomOut() {
  const float level = GetZoomLevel();
  if (level > kMinZoomLevel) SetZoomLevel(std::max(kMinZoomLevel, level / kZoomStep));
}

// Each round of listeners holds the node: a listener may drop its last outside reference.

void ZELWebView::NotifyResourceLoaded(const UTF16String& url) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(this);
  mCurrentURL = url;
  mResourceLoadedListeners.CallUntil([&](const ResourceLoadedFunction& listener) {
    listener(this, url);
    return false;
  });
}

void ZELWebView::NotifyAddressChange(const UTF16String& url) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(this);
  mAddressChangeListeners.CallUntil([&](const AddressChangeFunction& listener) {
    listener(this, url);
    return false;
  });
}

void ZELWebView::NotifyFrameLocationChanged(bool changed) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(this);
  mFrameLocationListeners.CallUntil([&](const FrameLocationChangedFunction& listener) {
    listener(this, changed);
    return false;
  });
}

bool ZELWebView::NotifyBeforeBrowse(const UTF16String& url) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(this);
  return mBeforeBrowseListeners.CallUntil([&](const BeforeBrowseFunction& listener) { return listener(this, url); });
}

void ZELWebView::NotifyJavaScriptTunnel(const UTF16String& in, UTF16String& out) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(this);
  mJavaScriptTunnelListeners.CallUntil([&](const JavaScriptTunnelFunction& listener) {
    listener(this, in, out);
    return false;
  });
}

zelcore::PointT<int> ZELWebView::GetViewSize() {
  zelcore::PointT<int> size;
  if (mHandler == nullptr) return size;
  const bool success = mHandler->GetViewSize(size.x, size.y);
  ZEL_WEBVIEW_ASSERT(success, "Trouble getting size of browser view");
  return size;
}

bool ZELWebView::GetViewImage(const zelcore::PointT<int>& inSize, void* buffer) {
  if (mHandler == nullptr) return false;
  const zelcore::PointT<int> sizeCheck = GetViewSize();
  // A buffer made for another size would be overrun or left part empty: nothing is copied.
  ZEL_WEBVIEW_ASSERT(inSize == sizeCheck, "Bad image size requested");
  if (inSize != sizeCheck) return false;
  return mHandler->GetViewImage(inSize.x, inSize.y, buffer);
}

bool ZELWebView::IntrusiveGetDocumentImage(zelcore::PointT<int>& size, void* buffer) {
  return mHandler != nullptr && mHandler->IntrusiveGetDocumentImage(size.x, size.y, buffer);
}

zelui::ui::RectF ZELWebView::GetDocumentRect() {
  zelui::ui::RectF rect = UI_GetLocalRectF(false);
  CefRect document;
  if (mHandler != nullptr && mHandler->GetDocumentRect(document) && document.width != 0 && document.height != 0) {
    rect.width = static_cast<float>(document.width);
    rect.height = static_cast<float>(document.height);
  }
  return rect;
}

zelui::ui::RectF ZELWebView::GetVisibleRect() {
  zelui::ui::RectF rect = UI_GetLocalRectF(false);
  CefRect visible;
  if (mHandler != nullptr && mHandler->GetVisibleRect(visible) && visible.width != 0 && visible.height != 0)
    rect = zelui::ui::RectF{float(visible.x), float(visible.y), float(visible.width), float(visible.height)};
  return rect;
}

void ZELWebView::UI_SizeChanged(const zelui::ui::RectF& rect) {
  SizeChanged(rect);
  OS_ViewContainer::UI_SizeChanged(rect);
}

void ZELWebView::UI_Invalidate(const zelui::ui::Rect32* rect, int flags) {
  OS_ViewContainer::UI_Invalidate(rect, flags);
  if (!UI_IsShown()) return;
  const zelui::ui::RectF local = UI_GetLocalRectF(false);
  Invalidate(rect != nullptr ? zelui::ui::RectF{float(rect->left), float(rect->top), float(rect->width), float(rect->height)}
                             : zelui::ui::RectF{0, 0, local.width, local.height});
}

void ZELWebView::UI_Draw(limner::Limner& context) {
  if (mRenderingModel == kRenderingModel_Windowed) UpdateNow();
  OS_ViewContainer::UI_Draw(context);
}

}  // namespace zelwebview
