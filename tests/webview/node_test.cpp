// The web view node and its engine client handler: Init and the engine's view, requests made
// before the browser exists, focus, popups and callbacks after the node dies, zoom, listener
// lists, the current document, images and scroll events.
#include <cmath>
#include <cstdint>

#include "WebViewTestSupport.h"
#include "os/Event.h"
#include "os/View.h"
#include "os/testing.h"
#include "zelcore/Files.h"
#include "zelcore/testing.h"
#include "zelwebview/ZELCefClientHandler.h"

using engine::testing::Record;
using engine::testing::RunUntilIdle;
using zelwebview::ZELWebView;

namespace {

// The engine's zoom level for a ratio, as the handler computes it.
double EngineLevel(float ratio) { return std::log(double(ratio)) / std::log(double(1.2f)); }

// A browser of a client that is no web view's, with its developer tools open: the tools are a
// popup browser.
CefRefPtr<CefBrowser> ForeignPopup() {
  CefWindowInfo info;
  CefBrowser::CreateBrowser(info, nullptr, "", CefBrowserSettings());
  RunUntilIdle();
  engine::testing::Browsers().back()->ShowDevTools();
  RunUntilIdle();
  return engine::testing::Browsers().back();
}

}  // namespace

// Init rounds the node's rectangle outward, puts a view for the engine inside the node's own
// view, and asks for a browser there; the adopted browser's view fills it and follows the node.
TEST_F(WebViewTest, InitPlacesTheEngineViewInsideTheNode) {
  WebViewP view = MakeView({0.5f, 1.25f, 100, 50}, false);
  EXPECT_FALSE(view->UI_IsOpaque());
  os::NSView* nodeView = view->UI_GetPlatformView(false);
  ASSERT_EQ(nodeView->Subviews().size(), 1u);
  os::NSView* container = nodeView->Subviews()[0];
  EXPECT_EQ(container->Frame(), (os::NSRect{0, 0, 101, 51}));
  EXPECT_EQ(container->AutoresizingMask(), 18u);

  const auto browsers = engine::testing::Browsers();
  ASSERT_EQ(browsers.size(), 1u);
  const CefWindowInfo info = engine::testing::WindowInfo(browsers[0]);
  EXPECT_EQ(info.m_ParentView, container);
  EXPECT_EQ(CefRect(info.m_x, info.m_y, info.m_nWidth, info.m_nHeight), CefRect(0, 1, 101, 51));
  EXPECT_TRUE(engine::testing::BrowserSettings(browsers[0]).drag_drop_disabled);

  view->Init();
  EXPECT_EQ(nodeView->Subviews().size(), 1u) << "a second Init does nothing";
  view->SetManagesMouseCursors(false);
  RunUntilIdle();
  EXPECT_EQ(engine::testing::Browsers().size(), 1u);
  ASSERT_EQ(BrowserOf(view), browsers[0]);
  os::NSView* engineView = view->GetHandler()->GetBrowserView();
  ASSERT_NE(engineView, nullptr);
  EXPECT_EQ(engineView->Frame(), container->Frame());
  EXPECT_FALSE(Record(browsers[0]).managesMouseCursors) << "the flag set before adoption";

  // The node grows by 100 and 100: its views follow.
  view->UI_SetLocalRectF({0, 0, 200, 150});
  EXPECT_EQ(engineView->Frame(), (os::NSRect{0, 0, 201, 151}));
  EXPECT_EQ(view->GetViewSize(), (zelcore::PointT<int>{201, 151}));
}

// Loads and the inspector asked for before the browser is adopted wait for it: only the last URL
// loads, and a popup that comes first delivers neither.
TEST_F(WebViewTest, RequestsBeforeTheBrowserWaitForIt) {
  const std::string first = Page("first.html", ""), second = Page("second.html", "");
  struct Row {
    const char* name;
    bool popupFirst;
  };
  for (const Row& row : {Row{"adopted at once", false}, Row{"a popup of another client comes first", true}}) {
    SCOPED_TRACE(row.name);
    log.clear();
    CefRefPtr<CefBrowser> popup = row.popupFirst ? ForeignPopup() : nullptr;
    WebViewP view = MakeView({0, 0, 10, 10}, false);
    Listen(view);
    view->LoadURL(U16(first));
    view->LoadURL(U16(second));
    view->DisplayWebViewInspector();
    if (popup) {
      ASSERT_TRUE(popup->IsPopup());
      view->GetHandler()->OnAfterCreated(popup);
      EXPECT_FALSE(BrowserOf(view));
    }
    RunUntilIdle();
    CefRefPtr<CefBrowser> browser = BrowserOf(view);
    ASSERT_TRUE(browser);
    EXPECT_EQ(Record(browser).devToolsOpens, 1);
    EXPECT_EQ(log, (Lines{"browse $DIR/second.html", "address $DIR/second.html", "loaded $DIR/second.html", "frame 0"}));
    EXPECT_EQ(U8(view->GetCurrentURL()), second);
  }
}

// Focus: the page may take it while focus is allowed; when not, its attempts are refused and the
// browser drops focus, except the developer tools'.
TEST_F(WebViewTest, FocusFollowsTheAllowedFlag) {
  WebViewP early = MakeView({0, 0, 10, 10}, false);
  EXPECT_FALSE(early->SetFocus(true)) << "no browser yet";
  EXPECT_FALSE(early->HasFocus());
  RunUntilIdle();

  WebViewP view = MakeView();
  CefRefPtr<CefBrowser> browser = BrowserOf(view);
  EXPECT_TRUE(view->IsFocusAllowed());
  EXPECT_TRUE(view->SetFocus(true));
  EXPECT_TRUE(view->HasFocus());
  EXPECT_TRUE(view->SetFocus(false));
  EXPECT_FALSE(view->HasFocus());
  EXPECT_TRUE(engine::testing::RequestPageFocus(browser));
  EXPECT_TRUE(view->HasFocus());

  view->SetIsFocusAllowed(false);
  EXPECT_FALSE(view->IsFocusAllowed());
  EXPECT_FALSE(view->SetFocus(true));
  EXPECT_TRUE(view->SetFocus(false));
  EXPECT_FALSE(engine::testing::RequestPageFocus(browser));
  EXPECT_FALSE(view->HasFocus());
  EXPECT_EQ(Record(browser).focusCalls, (std::vector<bool>{true, false, false, false}));

  view->DisplayWebViewInspector();
  RunUntilIdle();
  CefRefPtr<CefBrowser> tools = engine::testing::Browsers().back();
  ASSERT_EQ(tools->GetMainFrame()->GetURL().ToString().rfind("chrome-devtools:", 0), 0u);
  EXPECT_TRUE(engine::testing::RequestPageFocus(tools)) << "the developer tools may always take focus";
}

// After the node dies its browser lives on in the engine: popups are refused and nothing of the
// browser's reaches the dead node.
TEST_F(WebViewTest, NothingReachesANodeThatDied) {
  const std::string page = Page("page.html", "<iframe src='about:blank'></iframe><script>console.log('x')</script>");
  WebViewP view = MakeView();
  Listen(view);
  CefRefPtr<CefBrowser> browser = BrowserOf(view);
  EXPECT_FALSE(engine::testing::RightClick(browser, 3, 4)) << "no context menu";
  browser->GetMainFrame()->ExecuteJavaScriptSynch("window.open('about:blank')", "", 0);
  RunUntilIdle();
  EXPECT_EQ(engine::testing::Browsers().size(), 2u) << "a popup while the node lives";

  view = nullptr;
  log.clear();
  browser->GetMainFrame()->ExecuteJavaScriptSynch("window.open('about:blank')", "", 0);
  browser->GetMainFrame()->LoadURL(page);
  RunUntilIdle();
  engine::testing::ReportScrollRect(browser);
  EXPECT_EQ(engine::testing::Browsers().size(), 2u) << "popups are refused";
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(browser->GetMainFrame()->ExecuteJavaScriptSynch("String(nimbrel.callbackTunnel('x'))", "", 0).ToString(),
            "undefined");
  EXPECT_TRUE(log.empty());
}

// Zoom in percent maps to the engine's logarithmic level; every change tells the frame-location
// listeners.
TEST_F(WebViewTest, ZoomKeepsToItsRange) {
  struct Row {
    const char* name;
    float startLevel;
    void (*act)(ZELWebView&);
    float level;      // afterwards
    bool changed;     // whether the engine was told
  };
  const Row rows[] = {
      {"factor 0", 1, [](ZELWebView& v) { v.SetZoomFactor(0); }, 0.5f, true},
      {"negative factor", 1, [](ZELWebView& v) { v.SetZoomFactor(-20); }, 0.5f, true},
      {"factor 1000", 1, [](ZELWebView& v) { v.SetZoomFactor(1000); }, 3.0f, true},
      {"factor 150", 1, [](ZELWebView& v) { v.SetZoomFactor(150); }, 1.5f, true},
      {"in at 3.0", 3.0f, [](ZELWebView& v) { v.ZoomIn(); }, 3.0f, false},
      {"in at 2.9", 2.9f, [](ZELWebView& v) { v.ZoomIn(); }, 3.0f, true},
      {"in at 1.0", 1.0f, [](ZELWebView& v) { v.ZoomIn(); }, 1.2f, true},
      {"out at 0.5", 0.5f, [](ZELWebView& v) { v.ZoomOut(); }, 0.5f, false},
      {"out at 0.55", 0.55f, [](ZELWebView& v) { v.ZoomOut(); }, 0.5f, true},
      {"out at 1.2", 1.2f, [](ZELWebView& v) { v.ZoomOut(); }, 1.0f, true},
  };
  WebViewP view = MakeView();
  CefRefPtr<CefBrowser> browser = BrowserOf(view);
  Listen(view);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    view->SetZoomLevel(row.startLevel);
    log.clear();
    const size_t before = Record(browser).zoomLevels.size();
    row.act(*view);
    EXPECT_NEAR(view->GetZoomLevel(), row.level, 1e-5);
    EXPECT_NEAR(view->GetZoomFactor(), row.level * 100, 1e-3);
    const auto levels = Record(browser).zoomLevels;
    EXPECT_EQ(levels.size(), before + (row.changed ? 1 : 0));
    if (row.changed) {
      EXPECT_NEAR(levels.back(), EngineLevel(row.level), 1e-6);
    }
    EXPECT_EQ(log, row.changed ? Lines{"frame 0"} : Lines{});
  }

  WebViewP unstarted(new ZELWebView(zelwebview::kRenderingModel_Windowed));
  unstarted->SetZoomFactor(150);
  EXPECT_EQ(unstarted->GetZoomFactor(), 100) << "before Init";
}

// Listeners are called in registration order over a copy of the list: one registered during a
// round waits for the next, an emptied one is skipped and leaves at the next registration, and
// the node outlives a round in which a listener drops the last reference to it.
TEST_F(WebViewTest, ListenersFireInRegistrationOrder) {
  const std::string page = Page("page.html", "");
  WebViewP view = MakeView();
  ZELWebView::AddressChangeFunctionP second;
  auto listener = [&](const std::string& name) {
    return boost::make_shared<ZELWebView::AddressChangeFunction>([&, name](ZELWebView* v, const zelcore::UTF16String&) {
      log.push_back(name);
      if (name == "first" && second && !second->empty()) {
        v->NotifyWhenAddressChange(boost::make_shared<ZELWebView::AddressChangeFunction>(
            [&](ZELWebView*, const zelcore::UTF16String&) { log.push_back("late"); }));
      }
    });
  };
  auto first = view->NotifyWhenAddressChange(listener("first"));
  second = view->NotifyWhenAddressChange(listener("second"));
  view->NotifyWhenAddressChange(listener("third"));
  view->LoadURL(U16(page));
  RunUntilIdle();
  EXPECT_EQ(log, (Lines{"first", "second", "third"})) << "the late listener waits for the next round";

  log.clear();
  second->clear();
  view->LoadURL(U16(page));
  RunUntilIdle();
  EXPECT_EQ(log, (Lines{"first", "third", "late"}));

  // The last outside reference goes in a listener; the listeners after it still run on a live node.
  log.clear();
  view->NotifyWhenResourceLoaded(boost::make_shared<ZELWebView::ResourceLoadedFunction>(
      [&](ZELWebView*, const zelcore::UTF16String&) { view = nullptr; }));
  view->NotifyWhenResourceLoaded(boost::make_shared<ZELWebView::ResourceLoadedFunction>(
      [&](ZELWebView* v, const zelcore::UTF16String&) { log.push_back("after " + Shown(v->GetCurrentURL())); }));
  ZELWebView* raw = view.get();
  raw->LoadURL(U16(page));
  RunUntilIdle();
  EXPECT_EQ(view, nullptr);
  EXPECT_EQ(log, (Lines{"first", "third", "late", "after $DIR/page.html"}));
}

// Before-browse listeners are asked in order until one cancels; tunnel listeners all write into
// the same reply.
TEST_F(WebViewTest, BeforeBrowseStopsAtTheFirstYesAndTunnelRepliesAreShared) {
  const std::string page = Page("page.html", "");
  WebViewP view = MakeView();
  Listen(view);
  auto asked = [&](const std::string& name, bool answer) {
    return boost::make_shared<ZELWebView::BeforeBrowseFunction>([&, name, answer](ZELWebView*, const zelcore::UTF16String&) {
      log.push_back(name);
      return answer;
    });
  };
  view->NotifyOnBeforeBrowse(asked("no", false));
  auto yes = view->NotifyOnBeforeBrowse(asked("yes", true));
  view->NotifyOnBeforeBrowse(asked("never", false));
  view->LoadURL(U16(page));
  RunUntilIdle();
  EXPECT_EQ(log, (Lines{"browse $DIR/page.html", "no", "yes"})) << "the navigation is cancelled";
  EXPECT_FALSE(view->HasOpenDocument());

  yes->clear();
  log.clear();
  view->LoadURL(U16(page));
  RunUntilIdle();
  EXPECT_EQ(log, (Lines{"browse $DIR/page.html", "no", "never", "address $DIR/page.html", "loaded $DIR/page.html",
                        "frame 0"}));

  for (const char* reply : {"one", "two"}) {
    view->NotifyOnJavaScriptTunnel(boost::make_shared<ZELWebView::JavaScriptTunnelFunction>(
        [reply](ZELWebView*, const zelcore::UTF16String&, zelcore::UTF16String& out) {
          out += U16(reply);
          return false;
        }));
  }
  EXPECT_EQ(U8(view->RunJavaScript(u"nimbrel.callbackTunnel('in')", nullptr)), "onetwo");
}

// The current document: none until a main-frame load ends; CloseDocument forgets it and loads
// the empty page, which becomes the current document once loaded. Sub-frames tell the
// frame-location listeners only.
TEST_F(WebViewTest, TheCurrentDocumentFollowsMainFrameLoads) {
  const std::string page = Page("page.html", "<iframe src='inner.html'></iframe>");
  Page("inner.html", "");
  WebViewP view = MakeView();
  EXPECT_FALSE(view->HasOpenDocument());
  Listen(view);
  view->LoadFile(zelcore::File(std::filesystem::path(page)));
  RunUntilIdle();
  EXPECT_EQ(log, (Lines{"browse $DIR/page.html", "address $DIR/page.html", "frame 0", "loaded $DIR/page.html",
                        "frame 0"}));
  EXPECT_TRUE(view->HasOpenDocument());
  EXPECT_EQ(U8(view->GetCurrentURL()), page);

  log.clear();
  view->CloseDocument();
  EXPECT_FALSE(view->HasOpenDocument());
  EXPECT_TRUE(view->GetCurrentURL().empty());
  RunUntilIdle();
  EXPECT_EQ(log, (Lines{"browse about:blank", "address about:blank", "loaded about:blank", "frame 0"}));
  EXPECT_TRUE(view->HasOpenDocument());
  EXPECT_EQ(view->GetCurrentURL(), u"about:blank");
}

// Requests that need the browser: dropped before Init and before adoption, carried out after.
TEST_F(WebViewTest, RequestsWithoutABrowserAnswerAsWithout) {
  WebViewP bare(new ZELWebView(zelwebview::kRenderingModel_Windowed));
  WebViewP offscreen(new ZELWebView(zelwebview::kRenderingModel_Offscreen));
  offscreen->UI_SetLocalRectF({0, 0, 30, 20});
  offscreen->Init();
  RunUntilIdle();
  EXPECT_TRUE(engine::testing::Browsers().empty()) << "no browser for the offscreen model";
  ASSERT_NE(offscreen->GetHandler(), nullptr);
  for (ZELWebView* view : {bare.get(), offscreen.get()}) {
    SCOPED_TRACE(view == bare.get() ? "before Init" : "offscreen");
    view->UI_SetLocalRectF({1, 2, 30, 20});
    std::uint8_t pixel[4] = {7, 7, 7, 7};
    zelcore::PointT<int> size{1, 1};
    EXPECT_FALSE(view->HasFocus());
    EXPECT_FALSE(view->SetFocus(false));
    EXPECT_TRUE(view->IsFocusAllowed());
    EXPECT_EQ(view->GetZoomLevel(), 1.0f);
    EXPECT_TRUE(view->RunJavaScript(u"1 + 1", nullptr).empty());
    EXPECT_FALSE(view->IntrusiveGetDocumentImage(size, pixel));
    EXPECT_FALSE(view->IsFullScreenRepaintingActive());
    EXPECT_EQ(view->GetDocumentRect(), (zelui::ui::RectF{1, 2, 30, 20}));
    EXPECT_EQ(view->GetVisibleRect(), (zelui::ui::RectF{1, 2, 30, 20}));
    view->LoadURL(u"about:blank");
    view->Undo();
    view->DisplayWebViewInspector();
    RunUntilIdle();
    EXPECT_FALSE(view->HasOpenDocument());
  }
  EXPECT_EQ(bare->GetViewSize(), (zelcore::PointT<int>{0, 0}));
  EXPECT_TRUE(zelcore::testing::Assertions().empty()) << "no handler, no question";
  EXPECT_EQ(offscreen->GetViewSize(), (zelcore::PointT<int>{0, 0}));
  ASSERT_EQ(zelcore::testing::Assertions().size(), 1u);
  EXPECT_EQ(zelcore::testing::Assertions()[0].condition, "success");
  EXPECT_EQ(zelcore::testing::Assertions()[0].message, "Trouble getting size of browser view");
  EXPECT_TRUE(engine::testing::Browsers().empty());

  WebViewP view = MakeView();
  CefRefPtr<CefBrowser> browser = BrowserOf(view);
  view->Undo();
  view->Redo();
  view->Cut();
  view->Copy();
  view->Paste();
  view->Delete();
  view->SelectAll();
  view->SetManagesMouseCursors(false);
  view->SetFullScreenRepaints(true);
  EXPECT_EQ(Record(browser).editCommands,
            (std::vector<std::string>{"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "SelectAll"}));
  EXPECT_FALSE(Record(browser).managesMouseCursors);
  EXPECT_TRUE(Record(browser).fullScreenRepaints);
  EXPECT_EQ(U8(view->RunJavaScript(u"'a' + (1 + 1)", nullptr)), "a2");
  view->RunJavaScriptAsync(u"console.log('queued')");
  std::vector<std::string> console;
  view->SetConsoleHandler(boost::make_shared<zelwebview::ZELWebViewBase::ConsoleHandler::element_type>(
      [&](const zelcore::UTF16String& message, zelcore::UTF16String& source, int line) {
        console.push_back(U8(message) + " @" + U8(source) + ":" + std::to_string(line));
      }));
  RunUntilIdle();
  EXPECT_EQ(console, std::vector<std::string>{"queued @about:blank:1"});
}

// The view's image is copied only for the view's own size: another size is reported and copies
// nothing, so a buffer made for it is never overrun.
TEST_F(WebViewTest, ViewImagesOnlyAtTheViewsSize) {
  WebViewP view = MakeView({0, 0, 4, 2});
  std::vector<std::uint8_t> pixels(4 * 2 * 4, 0xAB);
  EXPECT_TRUE(view->GetViewImage({4, 2}, pixels.data()));
  EXPECT_EQ(pixels, std::vector<std::uint8_t>(pixels.size(), 0));
  EXPECT_TRUE(zelcore::testing::Assertions().empty());

  std::vector<std::uint8_t> small(2 * 2 * 4, 0xAB);
  EXPECT_FALSE(view->GetViewImage({2, 2}, small.data()));
  EXPECT_EQ(small, std::vector<std::uint8_t>(small.size(), 0xAB));
  ASSERT_EQ(zelcore::testing::Assertions().size(), 1u);
  EXPECT_EQ(zelcore::testing::Assertions()[0].condition, "inSize == sizeCheck");
  EXPECT_EQ(zelcore::testing::Assertions()[0].message, "Bad image size requested");
}

// A scroll-wheel event goes to the engine's view; other events, or no engine view, are not taken.
TEST_F(WebViewTest, ScrollWheelEventsGoToTheEngineView) {
  WebViewP early = MakeView({0, 0, 10, 10}, false);
  const os::Event wheel{os::kEventScrollWheel, 0, "", nullptr};
  const os::Event key{os::kEventKeyDown, 0, "a", nullptr};
  EXPECT_FALSE(early->DispatchOSEvent(zelui::ui::OS_Event(wheel)));
  RunUntilIdle();
  os::NSView* engineView = early->GetHandler()->GetBrowserView();
  ASSERT_NE(engineView, nullptr);
  EXPECT_FALSE(early->DispatchOSEvent(zelui::ui::OS_Event(key)));
  EXPECT_TRUE(early->DispatchOSEvent(zelui::ui::OS_Event(wheel)));
  EXPECT_EQ(engineView->ScrollWheelEvents(), 1);
}
