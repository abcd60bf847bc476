#pragma once
// The web engine's client for one web view: it hands the engine its handler interfaces (itself),
// adopts the browser the engine makes for it, turns the engine's callbacks into calls of the
// callbacks its web view bound, and carries out the web view's requests on the browser.
//
// Every callback is called through a copy of its shared pointer: the web view may be destroyed
// inside one (its Dispose empties the callbacks), and the running function must outlive its call.
#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

#include "engine/cef.h"
#include "zelcore/Geometry.h"
#include "zelcore/Strings.h"

namespace CEFClient {

class ZELCefClientHandler : public CefClient,
                            public CefLifeSpanHandler,
                            public CefDisplayHandler,
                            public CefLoadHandler,
                            public CefQuorvinHandler,
                            public CefMenuHandler,
                            public CefRequestHandler,
                            public CefFocusHandler {
 public:
  using UTF16String = zelcore::UTF16String;
  using ResourceLoadedCallback = boost::shared_ptr<boost::function<void(const UTF16String& url)>>;
  using FrameLocationChangedCallback = boost::shared_ptr<boost::function<void(bool)>>;
  using BrowserWindowCreatedCallback = boost::shared_ptr<boost::function<void(os::NSView* view)>>;
  using AddressChangeCallback = boost::shared_ptr<boost::function<void(const UTF16String& url)>>;
  using BeforeBrowseCallback = boost::shared_ptr<boost::function<bool(const UTF16String& url)>>;
  using JavaScriptTunnelCallback =
      boost::shared_ptr<boost::function<void(const UTF16String& in, UTF16String& out)>>;
  using ConsoleHandler =
      boost::shared_ptr<boost::function<void(const UTF16String& message, UTF16String& source, int line)>>;

  // The six callbacks a web view binds.
  struct Callbacks {
    ResourceLoadedCallback resourceLoaded;
    FrameLocationChangedCallback frameLocationChanged;
    BrowserWindowCreatedCallback browserWindowCreated;
    AddressChangeCallback addressChange;
    BeforeBrowseCallback beforeBrowse;
    JavaScriptTunnelCallback javaScriptTunnel;
  };

  ZELCefClientHandler(os::NSView* parentView, const Callbacks& callbacks);

  // The handler interfaces it implements are itself; the others are none.
  CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() override { return this; }
  CefRefPtr<CefLoadHandler> GetLoadHandler() override { return this; }
  CefRefPtr<CefRequestHandler> GetRequestHandler() override { return this; }
  CefRefPtr<CefDisplayHandler> GetDisplayHandler() override { return this; }
  CefRefPtr<CefFocusHandler> GetFocusHandler() override { return this; }
  CefRefPtr<CefMenuHandler> GetMenuHandler() override { return this; }
  CefRefPtr<CefQuorvinHandler> GetQuorvinHandler() override { return this; }

  // Empties the six callbacks and refuses popups from now on; the console handler stays.
  virtual void Reset();

  // Engine callbacks.
  bool OnBeforePopup(CefRefPtr<CefBrowser> parentBrowser, CefWindowInfo& windowInfo, const CefString& url,
                     CefRefPtr<CefClient>& client, CefBrowserSettings& settings) override;
  void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int httpStatusCode) override;
  bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                      NavType navType, bool isRedirect) override;
  bool OnBeforeResourceLoad(CefRefPtr<CefBrowser> browser, CefRefPtr<CefRequest> request) override;
  void OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& url) override;
  bool OnConsoleMessage(CefRefPtr<CefBrowser> browser, const CefString& message, const CefString& source,
                        int line) override;
  bool OnBeforeMenu(CefRefPtr<CefBrowser> browser, const CefMenuInfo& menuInfo) override;
  void OnScrollRect(CefRefPtr<CefBrowser> browser) override;
  void OnScheduleComposite(CefRefPtr<CefBrowser> browser) override;
  bool OnSetFocus(CefRefPtr<CefBrowser> browser, FocusSource source) override;

  // Requests of the web view. Each needs the adopted browser and otherwise does nothing and
  // answers false, an empty string or a zoom level of 1.
  // Loads the URL in the main frame; before a browser is adopted it is kept (the last one only)
  // and loaded at adoption.
  void WrappedLoadURL(const UTF16String& url);
  // Loads the empty page under "about:blank".
  void ClearBrowser();
  // Runs the code now in the main frame and returns String(result); a null script URL is
  // "about:blank".
  UTF16String ExecuteJS(const UTF16String& code, const char* scriptURL, int startLine);
  // Queues the code in the main frame under "about:blank".
  void ExecuteJSAsync(const UTF16String& code);
  // Opens the developer tools, or once the browser is adopted.
  void ShowInspector();
  void Undo();
  void Redo();
  void Cut();
  void Copy();
  void Paste();
  void Delete();
  void SelectAll();
  // False without a browser, and when asked to take focus while focus is not allowed.
  bool SetFocus(bool focus);
  void SetFocusAllowed(bool allowed) { mFocusAllowed = allowed; }
  bool IsFocusAllowed() const { return mFocusAllowed; }
  // Whether the browser's view is its window's first responder.
  bool HasFocus() const;
  void SetManagesMouseCursors(bool manages);
  // Zoom as a ratio (1 = 100 %) over the engine's logarithmic level (base 1.2).
  float GetZoomLevel();
  void SetZoomLevel(float ratio);
  void NotifyFrameLocationChanged();
  // Hands a page's tunnel call to the web view; `out` becomes its non-empty reply, or empty.
  void OnJavaScriptTunnel(const CefString& in, CefString& out);
  void SetConsoleHandler(const ConsoleHandler& handler) { mConsoleHandler = handler; }
  bool GetViewSize(int& width, int& height);
  bool GetViewImage(int width, int height, void* buffer);
  bool IntrusiveGetDocumentImage(int& width, int& height, void* buffer);
  bool GetDocumentRect(CefRect& rect);
  bool GetVisibleRect(CefRect& rect);
  bool IsPointHittingScrollbar(int x, int y);
  void SetFullScreenRepaints(bool repaints);
  bool IsFullScreenRepaintingActive();

  // The web view lets go of the handler: adoption no longer happens, the browser reference goes,
  // the callbacks are emptied and popups refused, and the web view's reference is released
  // (which may delete the handler).
  void Dispose();

  CefRefPtr<CefBrowser> GetBrowser() const { return mBrowser; }
  os::NSView* GetBrowserView() const { return mBrowserView; }

 protected:
  ~ZELCefClientHandler() override;

  // The main frame of the adopted browser, or null.
  CefRefPtr<CefFrame> MainFrame() const;
  void FrameLocationChanged();
  // Runs the edit command on the browser's focused frame.
  void EditCommand(void (CefFrame::*command)());

  os::NSView* mBrowserView = nullptr;
  CefRefPtr<CefBrowser> mBrowser;
  os::NSView* mParentView;
  Callbacks mCallbacks;
  ConsoleHandler mConsoleHandler;
  UTF16String mPendingURL;
  bool mPendingInspector = false;
  bool mBrowserAdopted = false;
  bool mPopupsBlocked = false;
  bool mManagesMouseCursors = true;
  bool mFocusAllowed = true;
};

// The handler of a web view whose browser draws into its own view inside the web view's.
class ZELCefClientHandlerWindowed : public ZELCefClientHandler {
 public:
  using ZELCefClientHandler::ZELCefClientHandler;

  // Adopts a browser that is not a popup; for any browser then tells the web view its browser's
  // view and carries out the pending inspector request and URL, once a browser is adopted.
  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override;

 private:
  CefCriticalSection mLock;
  IMPLEMENT_REFCOUNTING(ZELCefClientHandlerWindowed);
};

// The handler of a web view that would draw offscreen: no browser is made for it, so it answers
// every request as without a browser.
class ZELCefClientHandlerOffscreen : public ZELCefClientHandler, public CefRenderHandler {
 public:
  using PaintCallback = boost::shared_ptr<boost::function<void(const zelcore::Rect32& rect, const void* pixels)>>;

  ZELCefClientHandlerOffscreen(os::NSView* parentView, const Callbacks& callbacks, const PaintCallback& paint);

  void Reset() override;
  void OnAfterCreated(CefRefPtr<CefBrowser> browser) override { (void)browser; }
  using CefRenderHandler::OnPaint;
  // Hands a painted rectangle of the view to the web view.
  void OnPaint(CefRefPtr<CefBrowser> browser, PaintElementType type, const CefRect& rect, const void* buffer);

 private:
  PaintCallback mPaint;
  IMPLEMENT_REFCOUNTING(ZELCefClientHandlerOffscreen);
};

}  // namespace CEFClient
