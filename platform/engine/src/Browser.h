#pragma once
// Browsers, their frames and the requests of their navigations.
#include <memory>
#include <string>
#include <vector>

#include "Engine.h"
#include "engine/testing.h"

namespace engine {

class FrameImpl;

class RequestImpl : public EngineObject<CefRequest, kLiveRequest> {
 public:
  explicit RequestImpl(std::u16string url) : mURL(std::move(url)) {}
  CefString GetURL() override { return mURL; }

 private:
  std::u16string mURL;
};

class BrowserImpl : public EngineObject<CefBrowser, kLiveBrowser> {
 public:
  // Made open and listed among the engine's browsers; OnAfterCreated is the caller's to queue.
  static CefRefPtr<BrowserImpl> Open(CefRefPtr<CefClient> client, const CefWindowInfo& windowInfo,
                                     const CefBrowserSettings& settings, bool popup);
  BrowserImpl(CefRefPtr<CefClient> client, const CefWindowInfo& windowInfo, const CefBrowserSettings& settings,
              bool popup);
  ~BrowserImpl() override;

  // Queues the client's OnAfterCreated, then the load of the URL when there is one.
  void Announce(const std::u16string& url);
  // At engine shutdown: the frames lose their documents and the client is let go.
  void Close();
  bool IsOpen() const { return mOpen && Engine::Get().running; }
  CefRefPtr<CefClient> Client() const { return mClient; }
  // The page takes focus (or loses it), and the view with it.
  void TakeFocus(bool enable);
  // A console line of one of its pages: recorded, then handed to the client.
  void Console(const std::u16string& message, const std::u16string& source, int line);
  // window.open from one of its pages.
  void OpenPopup(const std::u16string& url);

  bool IsPopup() override { return mPopup; }
  CefWindowHandle GetWindowHandle() override { return mView; }
  CefRefPtr<CefClient> GetClient() override { return mClient; }
  void SetFocus(bool enable) override;
  CefRefPtr<CefFrame> GetMainFrame() override;
  CefRefPtr<CefFrame> GetFocusedFrame() override;
  double GetZoomLevel() override { return mZoomLevel; }
  void SetZoomLevel(double zoomLevel) override;
  void ShowDevTools() override;
  bool GetSize(PaintElementType type, int& width, int& height) override;
  bool GetImage(PaintElementType type, int width, int height, void* buffer) override;
  void SetManagesMouseCursors(bool manages) override;
  CefRect GetDocumentRect() override { return CefRect(); }
  CefRect GetDocumentVisibleRect() override { return CefRect(); }
  bool IsVisibleScrollbarAtPoint(int, int) override { return false; }
  bool QuorvinIntrusiveGetDocumentImage(int* width, int* height, void* buffer) override;
  void SetFullScreenRepaints(bool repaints) override;
  bool IsFullScreenRepaintingActive() override { return false; }

  CefWindowInfo windowInfo;
  CefBrowserSettings settings;
  testing::BrowserRecord record;
  std::vector<testing::ConsoleLine> consoleLines;
  bool pageFocus = false;

 private:
  void ViewSize(int& width, int& height) const;
  // The view leaves its parent and is let go.
  void ReleaseView();

  CefRefPtr<CefClient> mClient;
  CefRefPtr<FrameImpl> mMainFrame;
  bool mPopup;
  bool mOpen = true;
  // One reference held; given back when the browser closes.
  os::NSView* mView = nullptr;
  double mZoomLevel = 0;
};

class FrameImpl : public EngineObject<CefFrame, kLiveFrame> {
 public:
  FrameImpl(BrowserImpl* browser, FrameImpl* parent);
  ~FrameImpl() override;

  // Its browser while the frame shows in it; null once the frame is gone.
  BrowserImpl* Browser() const { return mBrowser; }
  bool Live() const { return mBrowser != nullptr && Engine::Get().running; }
  // The frame leaves its browser: its document and sub-frames go.
  void Detach();
  // The old document and its sub-frames go; the frame now shows the URL, whose document
  // CurrentDocument makes.
  void Replace(const std::u16string& url);
  // The current document, made with its extensions run when the frame has none yet.
  Document* CurrentDocument();
  CefRefPtr<FrameImpl> AddChild();
  int Depth() const;
  // Queues a navigation of this frame to the page.
  void Navigate(const std::u16string& url, const std::u16string* text, NavType type);
  void SetURL(const std::u16string& url) { mURL = url; }
  const std::u16string& URL() const { return mURL; }

  void Undo() override { EditCommand("Undo"); }
  void Redo() override { EditCommand("Redo"); }
  void Cut() override { EditCommand("Cut"); }
  void Copy() override { EditCommand("Copy"); }
  void Paste() override { EditCommand("Paste"); }
  void Delete() override { EditCommand("Delete"); }
  void SelectAll() override { EditCommand("SelectAll"); }
  void LoadURL(const CefString& url) override { Navigate(url, nullptr, NAVTYPE_OTHER); }
  void LoadString(const CefString& string, const CefString& url) override {
    Navigate(url, &string.ToString16(), NAVTYPE_OTHER);
  }
  void ExecuteJavaScript(const CefString& jsCode, const CefString& scriptUrl, int startLine) override;
  CefString ExecuteJavaScriptSynch(const CefString& jsCode, const CefString& scriptUrl, int startLine) override;
  bool IsMain() override { return mMain; }
  CefString GetURL() override { return mURL; }
  CefRefPtr<CefFrame> GetParent() override { return mParent; }
  CefRefPtr<CefBrowser> GetBrowser() override { return mBrowser; }

 private:
  void EditCommand(const char* name);

  BrowserImpl* mBrowser;
  FrameImpl* mParent;
  bool mMain;
  std::u16string mURL;
  std::unique_ptr<Document> mDocument;
  std::vector<CefRefPtr<FrameImpl>> mChildren;
};

// A browser the engine made, or null for one it did not.
BrowserImpl* AsBrowserImpl(CefBrowser* browser);

}  // namespace engine
