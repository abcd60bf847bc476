// Navigations: the callbacks a page load makes, in order; the loop's one task per slice; the IO
// thread; popups, developer tools and sub-frames.
#include "EngineTestSupport.h"

using engine::testing::PendingTasks;
using engine::testing::RunUntilIdle;

namespace {

using Lines = std::vector<std::string>;

const char* const kPlain =
    "<html><head><script>console.log('one')</script></head>\n"
    "<body><p>text</p><script type=\"text/javascript\">console.log('two', 1 + 1)</script>\n"
    "<script src=\"never.js\">console.log('external')</script><script type=\"text/template\">x</script>\n"
    "<!-- <script>console.log('commented')</script> --></body></html>";

const Lines kPlainLoad = {
    "BeforeBrowse main $DIR/plain.html", "ResourceLoad $DIR/plain.html", "AddressChange $DIR/plain.html",
    "Console one",                       "Console two 2",                "LoadEnd main 200 $DIR/plain.html"};

Lines Concat(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

TEST_F(EngineTest, PagesMakeTheirCallbacksInOrder) {
  Page("plain.html", kPlain);
  Page("a b.html", "<script>console.log(location.href)</script>");
  Page("frames.html",
       "<script>console.log('top')</script><iframe src=\"inner.html\"></iframe>"
       "<IFRAME SRC='about:blank'></IFRAME><script>console.log('top again')</script>");
  Page("inner.html", "<script>console.log('inner')</script>");
  Page("jump.html", "<script>console.log('jumping'); location.href = 'plain.html'; console.log('still here')</script>");
  Page("holder.html", "<iframe src=\"jump.html\"></iframe>");
  client->refusedURLs = {"$DIR/refused.html"};

  struct Row {
    const char* name;
    std::string url;
    Lines expected;
  };
  const std::string d = dir.string();
  const Row rows[] = {
      {"plain page", d + "/plain.html", kPlainLoad},
      {"file URL with an escape",
       "file://" + d + "/a%20b.html",
       {"BeforeBrowse main file://$DIR/a%20b.html", "ResourceLoad file://$DIR/a%20b.html",
        "AddressChange file://$DIR/a%20b.html", "Console file://$DIR/a%20b.html",
        "LoadEnd main 200 file://$DIR/a%20b.html"}},
      {"sub-frames after the page's scripts, their load ends first",
       d + "/frames.html",
       {"BeforeBrowse main $DIR/frames.html", "ResourceLoad $DIR/frames.html", "AddressChange $DIR/frames.html",
        "Console top", "Console top again", "BeforeBrowse sub $DIR/inner.html", "ResourceLoad $DIR/inner.html",
        "Console inner", "LoadEnd sub 200 $DIR/inner.html", "BeforeBrowse sub about:blank",
        "ResourceLoad about:blank", "LoadEnd sub 200 about:blank", "LoadEnd main 200 $DIR/frames.html"}},
      {"before-browse refusing", d + "/refused.html", {"BeforeBrowse main $DIR/refused.html"}},
      {"missing file",
       d + "/missing.html",
       {"BeforeBrowse main $DIR/missing.html", "ResourceLoad $DIR/missing.html", "AddressChange $DIR/missing.html",
        "LoadEnd main 404 $DIR/missing.html"}},
      {"location.href from a script: the page ends, then the next loads",
       d + "/jump.html",
       Concat({"BeforeBrowse main $DIR/jump.html", "ResourceLoad $DIR/jump.html", "AddressChange $DIR/jump.html",
               "Console jumping", "Console still here", "LoadEnd main 200 $DIR/jump.html"},
              kPlainLoad)},
      {"location.href in a sub-frame moves only the sub-frame",
       d + "/holder.html",
       {"BeforeBrowse main $DIR/holder.html", "ResourceLoad $DIR/holder.html", "AddressChange $DIR/holder.html",
        "BeforeBrowse sub $DIR/jump.html", "ResourceLoad $DIR/jump.html", "Console jumping", "Console still here",
        "LoadEnd sub 200 $DIR/jump.html", "LoadEnd main 200 $DIR/holder.html", "BeforeBrowse sub $DIR/plain.html",
        "ResourceLoad $DIR/plain.html", "Console one", "Console two 2", "LoadEnd sub 200 $DIR/plain.html"}},
  };
  for (const Row& row : rows) {
    CefRefPtr<CefBrowser> browser = OpenBrowser();
    Load(browser, row.url);
    EXPECT_EQ(client->log, row.expected) << row.name;
  }
}

TEST_F(EngineTest, RefusedNavigationKeepsTheDocument) {
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  Load(browser, Page("plain.html", kPlain));
  client->refusedURLs = {"$DIR/other.html"};
  Load(browser, Page("other.html", "<script>var other = 1</script>"));
  EXPECT_EQ(client->Shown(browser->GetMainFrame()->GetURL()), "$DIR/plain.html");
  EXPECT_EQ(Run(browser, "typeof other").ToString(), "undefined");
}

TEST_F(EngineTest, StringsAndBlankPagesLoadUnderTheirURL) {
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  browser->GetMainFrame()->LoadString("<script>console.log('at ' + location.href)</script>", "about:blank");
  RunUntilIdle();
  EXPECT_EQ(client->log, (Lines{"BeforeBrowse main about:blank", "ResourceLoad about:blank",
                                "AddressChange about:blank", "Console at about:blank",
                                "LoadEnd main 200 about:blank"}));
}

TEST_F(EngineTest, TheLoopRunsOneTaskPerSliceAndNoneWhenNested) {
  const std::string plain = Page("plain.html", kPlain);
  CefWindowInfo info;
  ASSERT_TRUE(CefBrowser::CreateBrowser(info, client.get(), plain, CefBrowserSettings()));
  EXPECT_TRUE(client->log.empty()) << "the browser is announced a slice later";
  CefDoMessageLoopWork();
  EXPECT_EQ(client->log, Lines{"AfterCreated"});
  CefDoMessageLoopWork();
  EXPECT_EQ(client->log, Concat({"AfterCreated"}, kPlainLoad)) << "the whole navigation is one task";

  // A loop slice asked for inside a callback runs nothing: the next load stays queued.
  client->log.clear();
  CefRefPtr<CefBrowser> browser = client->created.front();
  browser->GetMainFrame()->LoadURL(plain);
  browser->GetMainFrame()->LoadURL("about:blank");
  client->onRecord = [](const std::string&) { CefDoMessageLoopWork(); };
  CefDoMessageLoopWork();
  client->onRecord = nullptr;
  EXPECT_EQ(client->log, kPlainLoad);
  EXPECT_EQ(PendingTasks(), 1);

  // Script queued from the host runs in a later slice, in the document of that moment.
  browser->GetMainFrame()->ExecuteJavaScript("console.log('queued at ' + location.href)", "about:blank", 0);
  RunUntilIdle();
  EXPECT_EQ(client->log.back(), "Console queued at about:blank");
}

TEST_F(EngineTest, ResourceLoadsRunOnTheIOThreadWhileTheMainThreadWaits) {
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  Load(browser, Page("plain.html", kPlain));
  const std::thread::id first = client->resourceThread;
  EXPECT_NE(first, std::thread::id());
  EXPECT_NE(first, std::this_thread::get_id());
  Load(browser, "about:blank");
  EXPECT_EQ(client->resourceThread, first) << "one IO thread for every load";
}

TEST_F(EngineTest, WindowOpenAsksTheClientAndThePopupSharesIt) {
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  Page("plain.html", kPlain);
  Load(browser, Page("opener.html", "<script>console.log(window.open('plain.html'))</script>"));
  EXPECT_EQ(client->log, (Lines{"BeforeBrowse main $DIR/opener.html", "ResourceLoad $DIR/opener.html",
                                "AddressChange $DIR/opener.html", "Popup $DIR/plain.html", "Console null",
                                "LoadEnd main 200 $DIR/opener.html", "AfterCreated popup",
                                "BeforeBrowse main $DIR/plain.html", "ResourceLoad $DIR/plain.html",
                                "AddressChange $DIR/plain.html", "Console one", "Console two 2",
                                "LoadEnd main 200 $DIR/plain.html"}));
  ASSERT_EQ(client->created.size(), 2u);
  CefRefPtr<CefBrowser> popup = client->created.back();
  EXPECT_TRUE(popup->IsPopup());
  EXPECT_EQ(popup->GetClient().get(), static_cast<CefClient*>(client.get()));

  client->refusePopups = true;
  client->log.clear();
  EXPECT_EQ(Run(browser, "String(window.open())").ToString(), "null");
  RunUntilIdle();
  EXPECT_EQ(client->log, Lines{"Popup about:blank"});
  EXPECT_EQ(engine::testing::Browsers().size(), 2u);
}

TEST_F(EngineTest, DevToolsOpenAPopupAtTheirOwnAddress) {
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  browser->ShowDevTools();
  EXPECT_EQ(engine::testing::Record(browser).devToolsOpens, 1);
  EXPECT_TRUE(client->log.empty());
  RunUntilIdle();
  EXPECT_EQ(client->log, Lines{"AfterCreated popup"});
  CefRefPtr<CefBrowser> tools = client->created.back();
  EXPECT_TRUE(tools->IsPopup());
  EXPECT_EQ(tools->GetMainFrame()->GetURL().ToString().rfind("chrome-devtools:", 0), 0u);
  client->refuseFocus = true;
  EXPECT_FALSE(engine::testing::RequestPageFocus(tools));
  EXPECT_EQ(client->log.back(), "SetFocus chrome-devtools://devtools/devtools.html");
}

TEST_F(EngineTest, APageThatFramesItselfStops) {
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  Load(browser, Page("self.html", "<iframe src=\"self.html\"></iframe>"));
  int subEnds = 0;
  for (const auto& line : client->log) subEnds += line == "LoadEnd sub 200 $DIR/self.html";
  EXPECT_EQ(subEnds, 8);
  EXPECT_EQ(client->log.back(), "LoadEnd main 200 $DIR/self.html");
}
