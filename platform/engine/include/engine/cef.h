#pragma once
// The web engine's object API: start-up and shutdown, the message loop, browsers and their
// frames, the client and its handler interfaces, and script extensions.
//
// The engine runs single-threaded on the thread that starts it: every call below is made there,
// and every handler callback runs there inside CefDoMessageLoopWork, except
// CefRequestHandler::OnBeforeResourceLoad, which runs on the engine's IO thread while the main
// thread waits for it. Page scripts run in a fresh script context per document; nothing is
// rendered, so images are blank and documents have no size.
#include <vector>

#include "engine/cef_base.h"
#include "engine/cef_string.h"

class CefApp;
class CefBrowser;
class CefClient;
class CefFrame;
class CefRequest;
class CefV8Handler;
class CefV8Value;

namespace os {
class NSView;
}

// The platform view a browser draws into and the view that holds it.
typedef os::NSView* CefWindowHandle;

// Engine start-up settings.
struct CefSettings {
  size_t size = sizeof(CefSettings);
  // Only the single-threaded message loop pumped by CefDoMessageLoopWork is offered.
  bool multi_threaded_message_loop = false;
  CefString cache_path;
  CefString user_agent;
  CefString product_version;
  CefString locale;
  CefString log_file;
  // This build's additional setting: a folder relative to the program; recorded, not used.
  CefString quorvin_base_path;
};

// Where a browser's view goes: the browser makes its view at this rectangle as the last subview
// of the parent view, sized with it; without a parent view it has no view.
struct CefWindowInfo {
  CefString m_windowName;
  int m_x = 0, m_y = 0, m_nWidth = 0, m_nHeight = 0;
  CefWindowHandle m_ParentView = nullptr;
};

struct CefBrowserSettings {
  size_t size = sizeof(CefBrowserSettings);
  // Recorded; this engine has no drag and drop.
  bool drag_drop_disabled = false;
};

enum PaintElementType { PET_VIEW = 0, PET_POPUP };

// Starts the engine: the message loop on this thread and the IO thread. False when it already
// runs or a multi-threaded loop is asked for.
bool CefInitialize(const CefSettings& settings, CefRefPtr<CefApp> application);
// Stops the engine: the IO thread is joined, queued work dropped, every browser closed, every
// extension and client released. Objects still held afterwards do nothing and call nobody.
void CefShutdown();
// Runs one queued task. Does nothing when nothing is queued, when the engine does not run, and
// when called from inside a task or a running script.
void CefDoMessageLoopWork();
// Every script context made afterwards runs the extension's code first; each
// "native function NAME();" in it declares a function that calls handler->Execute(NAME, ...).
// False before start-up or when the name is taken.
bool CefRegisterExtension(const CefString& extension_name, const CefString& javascript_code,
                          CefRefPtr<CefV8Handler> handler);

class CefApp : public virtual CefBase {};

class CefRequest : public virtual CefBase {
 public:
  virtual CefString GetURL() = 0;
};

class CefBrowser : public virtual CefBase {
 public:
  // Asks for a browser: the client's OnAfterCreated follows in a later loop slice, then the URL
  // (when not empty) loads. False when the engine does not run.
  static bool CreateBrowser(CefWindowInfo& windowInfo, CefRefPtr<CefClient> client, const CefString& url,
                            const CefBrowserSettings& settings);

  virtual bool IsPopup() = 0;
  // The browser's view; null for a browser without a parent view and after shutdown.
  virtual CefWindowHandle GetWindowHandle() = 0;
  // True gives the page focus and makes the view its window's first responder; false takes both.
  virtual void SetFocus(bool enable) = 0;
  virtual CefRefPtr<CefClient> GetClient() = 0;
  virtual CefRefPtr<CefFrame> GetMainFrame() = 0;
  virtual CefRefPtr<CefFrame> GetFocusedFrame() = 0;
  // Logarithmic zoom level, 0 at 100 %.
  virtual double GetZoomLevel() = 0;
  virtual void SetZoomLevel(double zoomLevel) = 0;
  // Opens the developer tools: a popup browser sharing this browser's client.
  virtual void ShowDevTools() = 0;
  // The view's size (the window information's size for a browser without a view), and its
  // (blank) pixels, 4 bytes each, for exactly that size.
  virtual bool GetSize(PaintElementType type, int& width, int& height) = 0;
  virtual bool GetImage(PaintElementType type, int width, int height, void* buffer) = 0;

  // This build's additions.
  virtual void SetManagesMouseCursors(bool manages) = 0;
  virtual CefRect GetDocumentRect() = 0;
  virtual CefRect GetDocumentVisibleRect() = 0;
  virtual bool IsVisibleScrollbarAtPoint(int x, int y) = 0;
  virtual bool QuorvinIntrusiveGetDocumentImage(int* width, int* height, void* buffer) = 0;
  virtual void SetFullScreenRepaints(bool repaints) = 0;
  virtual bool IsFullScreenRepaintingActive() = 0;
};

class CefFrame : public virtual CefBase {
 public:
  virtual void Undo() = 0;
  virtual void Redo() = 0;
  virtual void Cut() = 0;
  virtual void Copy() = 0;
  virtual void Paste() = 0;
  virtual void Delete() = 0;
  virtual void SelectAll() = 0;
  // Each queues one navigation. A document is a file path, a file: URL, about:blank, or the
  // given text under the given URL.
  virtual void LoadURL(const CefString& url) = 0;
  virtual void LoadString(const CefString& string, const CefString& url) = 0;
  // Queues the code to run in the frame's current document.
  virtual void ExecuteJavaScript(const CefString& jsCode, const CefString& scriptUrl, int startLine) = 0;
  // This build's addition: runs the code now and returns String(result); empty for undefined,
  // for an exception, and for a frame that no longer shows a document.
  virtual CefString ExecuteJavaScriptSynch(const CefString& jsCode, const CefString& scriptUrl, int startLine) = 0;
  virtual bool IsMain() = 0;
  virtual CefString GetURL() = 0;
  // Null for the main frame and for a frame whose document is gone.
  virtual CefRefPtr<CefFrame> GetParent() = 0;
  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
};

// Handler interfaces. A client hands out the ones it implements; the defaults change nothing.
class CefLifeSpanHandler : public virtual CefBase {
 public:
  // A page's window.open; true refuses the popup. When allowed, the popup browser uses `client`
  // (the opener's client unless changed) and `windowInfo`.
  virtual bool OnBeforePopup(CefRefPtr<CefBrowser> parentBrowser, CefWindowInfo& windowInfo, const CefString& url,
                             CefRefPtr<CefClient>& client, CefBrowserSettings& settings) {
    (void)parentBrowser, (void)windowInfo, (void)url, (void)client, (void)settings;
    return false;
  }
  virtual void OnAfterCreated(CefRefPtr<CefBrowser> browser) { (void)browser; }
};

class CefLoadHandler : public virtual CefBase {
 public:
  // 200 for a document that loaded, 404 for one that could not be read.
  virtual void OnLoadEnd(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, int httpStatusCode) {
    (void)browser, (void)frame, (void)httpStatusCode;
  }
};

enum NavType { NAVTYPE_LINKCLICKED = 0, NAVTYPE_OTHER = 5 };

class CefRequestHandler : public virtual CefBase {
 public:
  // True cancels the navigation.
  virtual bool OnBeforeBrowse(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, CefRefPtr<CefRequest> request,
                              NavType navType, bool isRedirect) {
    (void)browser, (void)frame, (void)request, (void)navType, (void)isRedirect;
    return false;
  }
  // On the IO thread; true cancels the load.
  virtual bool OnBeforeResourceLoad(CefRefPtr<CefBrowser> browser, CefRefPtr<CefRequest> request) {
    (void)browser, (void)request;
    return false;
  }
};

class CefDisplayHandler : public virtual CefBase {
 public:
  virtual void OnAddressChange(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame, const CefString& url) {
    (void)browser, (void)frame, (void)url;
  }
  // A console line of a page: console.log, or an uncaught exception.
  virtual bool OnConsoleMessage(CefRefPtr<CefBrowser> browser, const CefString& message, const CefString& source,
                                int line) {
    (void)browser, (void)message, (void)source, (void)line;
    return false;
  }
};

class CefFocusHandler : public virtual CefBase {
 public:
  enum FocusSource { FOCUS_SOURCE_NAVIGATION = 0, FOCUS_SOURCE_SYSTEM, FOCUS_SOURCE_WIDGET };
  // The page wants focus; true refuses it.
  virtual bool OnSetFocus(CefRefPtr<CefBrowser> browser, FocusSource source) {
    (void)browser, (void)source;
    return false;
  }
};

struct CefMenuInfo {
  int x = 0, y = 0;
};

class CefMenuHandler : public virtual CefBase {
 public:
  // A right click in the page; true shows no context menu.
  virtual bool OnBeforeMenu(CefRefPtr<CefBrowser> browser, const CefMenuInfo& menuInfo) {
    (void)browser, (void)menuInfo;
    return false;
  }
};

class CefRenderHandler : public virtual CefBase {
 public:
  // Never called: nothing is rendered.
  virtual void OnPaint(CefRefPtr<CefBrowser> browser, PaintElementType type, const RectList& dirtyRects,
                       const void* buffer) {
    (void)browser, (void)type, (void)dirtyRects, (void)buffer;
  }
};

// This build's additional handler: the page scrolled a rectangle, or asks to be composited.
class CefQuorvinHandler : public virtual CefBase {
 public:
  virtual void OnScrollRect(CefRefPtr<CefBrowser> browser) { (void)browser; }
  virtual void OnScheduleComposite(CefRefPtr<CefBrowser> browser) { (void)browser; }
};

// Handlers this engine never calls.
class CefKeyboardHandler : public virtual CefBase {};
class CefPermissionHandler : public virtual CefBase {};
class CefPrintHandler : public virtual CefBase {};
class CefFindHandler : public virtual CefBase {};
class CefJSDialogHandler : public virtual CefBase {};
class CefV8ContextHandler : public virtual CefBase {};
class CefDragHandler : public virtual CefBase {};

class CefClient : public virtual CefBase {
 public:
  virtual CefRefPtr<CefLifeSpanHandler> GetLifeSpanHandler() { return nullptr; }
  virtual CefRefPtr<CefLoadHandler> GetLoadHandler() { return nullptr; }
  virtual CefRefPtr<CefRequestHandler> GetRequestHandler() { return nullptr; }
  virtual CefRefPtr<CefDisplayHandler> GetDisplayHandler() { return nullptr; }
  virtual CefRefPtr<CefFocusHandler> GetFocusHandler() { return nullptr; }
  virtual CefRefPtr<CefKeyboardHandler> GetKeyboardHandler() { return nullptr; }
  virtual CefRefPtr<CefMenuHandler> GetMenuHandler() { return nullptr; }
  virtual CefRefPtr<CefPermissionHandler> GetPermissionHandler() { return nullptr; }
  virtual CefRefPtr<CefPrintHandler> GetPrintHandler() { return nullptr; }
  virtual CefRefPtr<CefFindHandler> GetFindHandler() { return nullptr; }
  virtual CefRefPtr<CefJSDialogHandler> GetJSDialogHandler() { return nullptr; }
  virtual CefRefPtr<CefV8ContextHandler> GetV8ContextHandler() { return nullptr; }
  virtual CefRefPtr<CefRenderHandler> GetRenderHandler() { return nullptr; }
  virtual CefRefPtr<CefQuorvinHandler> GetQuorvinHandler() { return nullptr; }
  virtual CefRefPtr<CefDragHandler> GetDragHandler() { return nullptr; }
};

// A value that crossed between a page script and native code.
class CefV8Value : public virtual CefBase {
 public:
  static CefRefPtr<CefV8Value> CreateString(const CefString& value);

  virtual bool IsUndefined() = 0;
  virtual bool IsNull() = 0;
  virtual bool IsBool() = 0;
  // A number that is a whole 32-bit integer is an int; every number is a double.
  virtual bool IsInt() = 0;
  virtual bool IsDouble() = 0;
  virtual bool IsString() = 0;
  // Objects and functions; they arrive without their contents.
  virtual bool IsObject() = 0;
  // Empty for anything but a string.
  virtual CefString GetStringValue() = 0;
};
typedef std::vector<CefRefPtr<CefV8Value>> CefV8ValueList;

// The script context of one document.
class CefV8Context : public virtual CefBase {
 public:
  // The context of the innermost script running now; null when none runs.
  static CefRefPtr<CefV8Context> GetCurrentContext();

  virtual CefRefPtr<CefBrowser> GetBrowser() = 0;
  virtual CefRefPtr<CefFrame> GetFrame() = 0;
};

class CefV8Handler : public virtual CefBase {
 public:
  // A page called the extension's native function `name`. Returns whether it was handled; when
  // handled, a set `exception` is thrown in the page, else `retval` (undefined when unset) is
  // the call's value. An unhandled call gives undefined.
  virtual bool Execute(const CefString& name, CefRefPtr<CefV8Value> object, const CefV8ValueList& arguments,
                       CefRefPtr<CefV8Value>& retval, CefString& exception) = 0;
};
