#pragma once
// The web view node: a platform-view container that, once Init ran, holds the web engine's view
// and forwards every request (loads, JavaScript, edit commands, focus, zoom, inspector) to its
// engine client handler, and turns the handler's callbacks into five listener lists. The engine
// must have been started (zelwebview::GlobalWebViewInitialize) before Init. Main thread only.
//
// Listeners are shared function objects; whoever registers one keeps the returned pointer and
// unregisters by emptying the function behind it. They are called in registration order, with
// the web view first; the web view stays alive until every listener of the round has returned.
#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

#include "zelcore/Geometry.h"
#include "zelcore/Strings.h"
#include "zelcore/utility/SharedFunctions.h"
#include "zelui/ui/OS_ViewContainer.h"

namespace zelcore {
class File;
}
namespace os {
class NSView;
}
namespace CEFClient {
class ZELCefClientHandler;
}

namespace zelwebview {

using zelcore::UTF16String;

enum RenderingModel {
  // The engine draws into its own platform view inside the node.
  kRenderingModel_Windowed = 0,
  // Any other value: no browser is ever made, and every request answers as without one.
  kRenderingModel_Offscreen = 1,
};

// The platform-neutral part of the web view: its handler and the requests that go straight to
// it. Until Init makes the handler, every request is dropped and answers as without a browser.
class ZELWebViewBase {
 public:
  using ConsoleHandler =
      boost::shared_ptr<boost::function<void(const UTF16String& message, UTF16String& source, int line)>>;

  explicit ZELWebViewBase(RenderingModel model);
  ZELWebViewBase(const ZELWebViewBase&) = delete;
  ZELWebViewBase& operator=(const ZELWebViewBase&) = delete;
  // Disposes the handler.
  virtual ~ZELWebViewBase();

  // What the handler reports; nothing here.
  virtual void NotifyResourceLoaded(const UTF16String& url);
  virtual void NotifyFrameLocationChanged(bool changed);
  virtual void NotifyAddressChange(const UTF16String& url);
  // True cancels the navigation.
  virtual bool NotifyBeforeBrowse(const UTF16String& url);
  virtual void NotifyOnPaint(const zelcore::Rect32& rect, const void* pixels);

  // Focus may be taken by the page unless disallowed (allowed by default).
  void SetIsFocusAllowed(bool allowed);
  bool IsFocusAllowed() const;
  // Whether the engine's view is its window's first responder.
  bool HasFocus() const;
  // False without a browser, and when asked to take focus while focus is not allowed.
  bool SetFocus(bool focus);
  // Opens the developer tools, or marks them for when the browser exists.
  void DisplayWebViewInspector();
  void CloseWebViewInspector();
  // Edit commands on the page's focused frame.
  void Undo();
  void Redo();
  void Cut();
  void Copy();
  void Paste();
  void Delete();
  void SelectAll();
  // Zoom as a ratio (1 = 100 %).
  float GetZoomLevel() const;
  void SetZoomLevel(float ratio);
  // Runs the code now in the main frame and returns its result as a string (empty without a
  // browser, for undefined and for an exception); a null script URL is "about:blank".
  UTF16String RunJavaScript(const UTF16String& code, const char* scriptURL);
  // Queues the code in the main frame; no result.
  void RunJavaScriptAsync(const UTF16String& code);
  // Replaces the receiver of the page's console lines.
  void SetConsoleHandler(const ConsoleHandler& handler);
  void SetManagesMouseCursors(bool manages);
  void SetFullScreenRepaints(bool repaints);
  bool IsFullScreenRepaintingActive() const;
  // Hands a scroll-wheel event (platform event type 22) to the engine's view and answers true;
  // anything else, or no engine view, false.
  bool DispatchOSEvent(const zelui::ui::OS_Event& event);
  void PlatformLoadURL(const UTF16String& url);
  void PlatformCloseDocument();

  RenderingModel GetRenderingModel() const { return mRenderingModel; }
  CEFClient::ZELCefClientHandler* GetHandler() const { return mHandler; }

 protected:
  // One reference, given back through the handler's Dispose.
  CEFClient::ZELCefClientHandler* mHandler = nullptr;
  const RenderingModel mRenderingModel;
};

class ZELWebView : public zelui::ui::OS_ViewContainer, public ZELWebViewBase {
 public:
  using ResourceLoadedFunction = boost::function<void(ZELWebView* view, const UTF16String& url)>;
  using AddressChangeFunction = boost::function<void(ZELWebView* view, const UTF16String& url)>;
  using FrameLocationChangedFunction = boost::function<void(ZELWebView* view, bool changed)>;
  // True cancels the navigation.
  using BeforeBrowseFunction = boost::function<bool(ZELWebView* view, const UTF16String& url)>;
  // Writes the reply to the page into out; the result is not looked at.
  using JavaScriptTunnelFunction = boost::function<bool(ZELWebView* view, const UTF16String& in, UTF16String& out)>;
  using ResourceLoadedFunctionP = boost::shared_ptr<ResourceLoadedFunction>;
  using AddressChangeFunctionP = boost::shared_ptr<AddressChangeFunction>;
  using FrameLocationChangedFunctionP = boost::shared_ptr<FrameLocationChangedFunction>;
  using BeforeBrowseFunctionP = boost::shared_ptr<BeforeBrowseFunction>;
  using JavaScriptTunnelFunctionP = boost::shared_ptr<JavaScriptTunnelFunction>;

  explicit ZELWebView(RenderingModel model);

  // Places the engine's view inside the node and asks the engine for a browser; a second call
  // does nothing.
  void Init();
  // Loads the URL in the page, once the browser exists when it does not yet (the last URL asked
  // for then).
  void LoadURL(const UTF16String& url);
  void LoadFile(const zelcore::File& file);
  // Loads the empty page ("about:blank") and forgets the current URL.
  void CloseDocument();
  // Whether a main-frame load ended since construction or the last CloseDocument.
  bool HasOpenDocument() const { return !mCurrentURL.empty(); }
  // The URL of the last main-frame load that ended.
  const UTF16String& GetCurrentURL() const { return mCurrentURL; }

  // Each registers the listener and returns it.
  ResourceLoadedFunctionP NotifyWhenResourceLoaded(const ResourceLoadedFunctionP& listener);
  AddressChangeFunctionP NotifyWhenAddressChange(const AddressChangeFunctionP& listener);
  FrameLocationChangedFunctionP NotifyWhenFrameLocationChanged(const FrameLocationChangedFunctionP& listener);
  BeforeBrowseFunctionP NotifyOnBeforeBrowse(const BeforeBrowseFunctionP& listener);
  JavaScriptTunnelFunctionP NotifyOnJavaScriptTunnel(const JavaScriptTunnelFunctionP& listener);

  // Zoom in percent, from 50 to 300; ZoomIn and ZoomOut step by a factor of 1.2.
  virtual void SetZoomFactor(float percent);
  virtual float GetZoomFactor();
  virtual void ZoomIn();
  virtual void ZoomOut();

  // The current URL becomes the URL, then the resource-loaded listeners hear of it.
  void NotifyResourceLoaded(const UTF16String& url) override;
  void NotifyAddressChange(const UTF16String& url) override;
  void NotifyFrameLocationChanged(bool changed) override;
  // Asks the before-browse listeners in order until one answers true.
  bool NotifyBeforeBrowse(const UTF16String& url) override;
  // Every tunnel listener writes into the same reply.
  virtual void NotifyJavaScriptTunnel(const UTF16String& in, UTF16String& out);

  // The engine view's size; (0, 0) without a browser.
  zelcore::PointT<int> GetViewSize();
  // Copies the view's pixels (4 bytes each) into the buffer; false without a browser, and for a
  // size other than the view's, which copies nothing.
  bool GetViewImage(const zelcore::PointT<int>& size, void* buffer);
  bool IntrusiveGetDocumentImage(zelcore::PointT<int>& size, void* buffer);
  // The node's local rectangle, with the document's size when the engine reports one.
  zelui::ui::RectF GetDocumentRect();
  // The node's local rectangle, or the engine's visible document rectangle when it has a size.
  zelui::ui::RectF GetVisibleRect();

  bool UI_SupportsLimner() const override { return true; }
  void UI_SizeChanged(const zelui::ui::RectF& rect) override;
  void UI_Invalidate(const zelui::ui::Rect32* rect = nullptr, int flags = 0) override;

 protected:
  ~ZELWebView() override;

  void UI_Draw(limner::Limner& context) override;

  // Platform hooks; the engine's view follows the node by autoresizing, so they do nothing here.
  virtual void UpdateNow() {}
  virtual void SizeChanged(const zelui::ui::RectF& rect) { (void)rect; }
  virtual void Invalidate(const zelui::ui::RectF& rect) { (void)rect; }
  virtual void BrowserWindowCreated(os::NSView* view) { (void)view; }

 private:
  // Puts a view for the engine's view inside the node's platform view and returns it.
  os::NSView* InitPlatform(const zelcore::Rect32& rect);

  UTF16String mCurrentURL;
  zelcore::utility::SharedFunctions<void(ZELWebView*, const UTF16String&)> mResourceLoadedListeners;
  zelcore::utility::SharedFunctions<void(ZELWebView*, const UTF16String&)> mAddressChangeListeners;
  zelcore::utility::SharedFunctions<void(ZELWebView*, bool)> mFrameLocationListeners;
  zelcore::utility::SharedFunctions<bool(ZELWebView*, const UTF16String&)> mBeforeBrowseListeners;
  zelcore::utility::SharedFunctions<bool(ZELWebView*, const UTF16String&, UTF16String&)> mJavaScriptTunnelListeners;
};

}  // namespace zelwebview
