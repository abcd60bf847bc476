// Start-up and shutdown, what the engine records of the host's calls, the page's own events,
// and objects held past shutdown.
#include "EngineTestSupport.h"

#include <cstdint>

#include "os/View.h"
#include "os/testing.h"

using engine::testing::PendingTasks;
using engine::testing::Record;
using engine::testing::RunUntilIdle;

TEST(EngineStartTest, StartsOnceAndRecordsWhatItWasGiven) {
  CefWindowInfo info;
  EXPECT_FALSE(CefBrowser::CreateBrowser(info, nullptr, "", CefBrowserSettings())) << "not started";
  EXPECT_FALSE(CefRegisterExtension("v8/early", "var early;", nullptr));

  CefSettings threaded;
  threaded.multi_threaded_message_loop = true;
  EXPECT_FALSE(CefInitialize(threaded, nullptr));
  EXPECT_FALSE(engine::testing::IsRunning());

  CefSettings settings;
  settings.quorvin_base_path = "../../../";
  ASSERT_TRUE(CefInitialize(settings, nullptr));
  EXPECT_FALSE(CefInitialize(settings, nullptr));
  EXPECT_EQ(engine::testing::RecordedSettings().quorvin_base_path.ToString(), "../../../");
  EXPECT_FALSE(engine::testing::RecordedSettings().multi_threaded_message_loop);

  EXPECT_TRUE(CefRegisterExtension("v8/one", "var one = 1;", nullptr));
  EXPECT_FALSE(CefRegisterExtension("v8/one", "var again = 1;", nullptr));
  const auto extensions = engine::testing::RegisteredExtensions();
  ASSERT_EQ(extensions.size(), 1u);
  EXPECT_EQ(extensions[0].name.ToString(), "v8/one");
  EXPECT_EQ(extensions[0].code.ToString(), "var one = 1;");

  os::NSView* parent = new os::NSView(os::NSRect{0, 0, 100, 100});
  info.m_ParentView = parent;
  info.m_x = 3;
  info.m_y = 4;
  info.m_nWidth = 30;
  info.m_nHeight = 40;
  CefBrowserSettings browserSettings;
  browserSettings.drag_drop_disabled = true;
  ASSERT_TRUE(CefBrowser::CreateBrowser(info, nullptr, "", browserSettings));
  {
    const auto browsers = engine::testing::Browsers();
    ASSERT_EQ(browsers.size(), 1u);
    const CefWindowInfo recorded = engine::testing::WindowInfo(browsers[0]);
    EXPECT_EQ(recorded.m_ParentView, parent);
    EXPECT_EQ(CefRect(recorded.m_x, recorded.m_y, recorded.m_nWidth, recorded.m_nHeight), CefRect(3, 4, 30, 40));
    // The browser's view is the parent's subview at the rectangle, and is sized with it.
    os::NSView* view = browsers[0]->GetWindowHandle();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(parent->Subviews(), std::vector<os::NSView*>{view});
    EXPECT_EQ(view->Frame(), (os::NSRect{3, 4, 30, 40}));
    parent->SetFrame(os::NSRect{0, 0, 110, 120});
    EXPECT_EQ(view->Frame(), (os::NSRect{3, 4, 40, 60}));
    int width = 0, height = 0;
    EXPECT_TRUE(browsers[0]->GetSize(PET_VIEW, width, height));
    EXPECT_EQ(CefRect(0, 0, width, height), CefRect(0, 0, 40, 60));
    EXPECT_TRUE(engine::testing::BrowserSettings(browsers[0]).drag_drop_disabled);
    EXPECT_EQ(browsers[0]->GetMainFrame()->ExecuteJavaScriptSynch("one", "", 0).ToString(), "1");
  }
  CefShutdown();
  EXPECT_FALSE(engine::testing::IsRunning());
  EXPECT_TRUE(engine::testing::Browsers().empty());
  EXPECT_EQ(engine::testing::Live().Total(), 0);
  EXPECT_TRUE(parent->Subviews().empty()) << "a closed browser's view leaves its parent";
  parent->Release();
  EXPECT_EQ(os::testing::LiveViews(), 0);

  // A restart starts clean.
  ASSERT_TRUE(CefInitialize(CefSettings(), nullptr));
  EXPECT_TRUE(engine::testing::RegisteredExtensions().empty());
  CefShutdown();
}

TEST_F(EngineTest, ThePageAsksForFocusAndMenus) {
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  EXPECT_TRUE(engine::testing::RequestPageFocus(browser));
  EXPECT_TRUE(engine::testing::HasPageFocus(browser));
  browser->SetFocus(false);
  client->refuseFocus = true;
  EXPECT_FALSE(engine::testing::RequestPageFocus(browser));
  EXPECT_FALSE(engine::testing::HasPageFocus(browser));
  EXPECT_EQ(Record(browser).focusCalls, std::vector<bool>{false});

  EXPECT_FALSE(engine::testing::RightClick(browser, 5, 6));
  client->refuseMenus = false;
  EXPECT_TRUE(engine::testing::RightClick(browser, 7, 8));
  EXPECT_EQ(Record(browser).contextMenusShown, 1);

  engine::testing::ReportScrollRect(browser);
  engine::testing::ReportScheduleComposite(browser);
  EXPECT_EQ(client->log, (std::vector<std::string>{"SetFocus ", "SetFocus ", "Menu 5,6", "Menu 7,8", "ScrollRect",
                                                   "ScheduleComposite"}));
}

TEST_F(EngineTest, RecordsWhatTheHostDoesToABrowser) {
  CefRefPtr<CefBrowser> browser = OpenBrowser(4, 2);
  CefRefPtr<CefFrame> frame = browser->GetFocusedFrame();
  ASSERT_TRUE(frame);
  EXPECT_TRUE(frame->IsMain());
  frame->Undo();
  frame->Redo();
  frame->Cut();
  frame->Copy();
  frame->Paste();
  frame->Delete();
  frame->SelectAll();
  browser->SetZoomLevel(1.5);
  browser->SetManagesMouseCursors(false);
  browser->SetFullScreenRepaints(true);
  const auto record = Record(browser);
  EXPECT_EQ(record.editCommands,
            (std::vector<std::string>{"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "SelectAll"}));
  EXPECT_EQ(record.zoomLevels, std::vector<double>{1.5});
  EXPECT_EQ(browser->GetZoomLevel(), 1.5);
  EXPECT_FALSE(record.managesMouseCursors);
  EXPECT_TRUE(record.fullScreenRepaints);
  EXPECT_FALSE(browser->IsFullScreenRepaintingActive()) << "nothing is painted";

  // A blank view of the window's size; documents have no size.
  int width = -1, height = -1;
  ASSERT_TRUE(browser->GetSize(PET_VIEW, width, height));
  EXPECT_EQ(width, 4);
  EXPECT_EQ(height, 2);
  std::vector<std::uint8_t> pixels(4 * 2 * 4, 0xAB);
  EXPECT_TRUE(browser->GetImage(PET_VIEW, 4, 2, pixels.data()));
  EXPECT_EQ(pixels, std::vector<std::uint8_t>(pixels.size(), 0));
  std::vector<std::uint8_t> small(2 * 2 * 4, 0xAB);
  EXPECT_FALSE(browser->GetImage(PET_VIEW, 2, 2, small.data())) << "another size copies nothing";
  EXPECT_EQ(small, std::vector<std::uint8_t>(small.size(), 0xAB));
  EXPECT_FALSE(browser->GetSize(PET_POPUP, width, height));
  EXPECT_TRUE(browser->GetDocumentRect().IsEmpty());
  EXPECT_TRUE(browser->GetDocumentVisibleRect().IsEmpty());
  EXPECT_FALSE(browser->QuorvinIntrusiveGetDocumentImage(&width, &height, pixels.data()));
  EXPECT_EQ(width, 0);
  EXPECT_FALSE(browser->IsVisibleScrollbarAtPoint(1, 1));
}

TEST_F(EngineTest, ObjectsHeldPastShutdownDoNothing) {
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  const std::string page = Page("page.html", "<script>var here = 1</script><iframe src=\"about:blank\"></iframe>");
  Load(browser, page);
  CefRefPtr<CefFrame> frame = browser->GetMainFrame();
  browser->GetMainFrame()->LoadURL("about:blank");
  ASSERT_EQ(PendingTasks(), 1);
  client->log.clear();

  CefShutdown();
  EXPECT_EQ(PendingTasks(), 0) << "queued work is dropped";
  frame->LoadURL(page);
  frame->ExecuteJavaScript("console.log('late')", "", 0);
  EXPECT_EQ(frame->ExecuteJavaScriptSynch("here", "", 0).ToString(), "");
  browser->ShowDevTools();
  browser->SetFocus(true);
  CefDoMessageLoopWork();
  EXPECT_FALSE(engine::testing::RequestPageFocus(browser));
  EXPECT_FALSE(engine::testing::RightClick(browser, 1, 1));
  engine::testing::ReportScrollRect(browser);
  EXPECT_TRUE(client->log.empty());
  EXPECT_EQ(browser->GetMainFrame().get(), nullptr);
  EXPECT_EQ(browser->GetClient().get(), nullptr);
  EXPECT_EQ(frame->GetBrowser().get(), nullptr);
  EXPECT_EQ(CefV8Context::GetCurrentContext().get(), nullptr);
  int width = 0, height = 0;
  EXPECT_FALSE(browser->GetSize(PET_VIEW, width, height));
  EXPECT_EQ(Record(browser).devToolsOpens, 0);

  // Only the held browser and frame remain, and they go with their last reference.
  const auto live = engine::testing::Live();
  EXPECT_EQ(live.browsers, 1);
  EXPECT_EQ(live.frames, 1);
  EXPECT_EQ(live.documents, 0);
}
