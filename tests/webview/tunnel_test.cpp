// The engine's start and the JavaScript tunnel: what the engine is given, a page's call of
// nimbrel.callbackTunnel reaching the web view's listeners and the reply reaching the page,
// calls that reach nobody, and calls made while the host runs the page's script.
#include "WebViewTestSupport.h"

using engine::testing::RunUntilIdle;
using zelwebview::ZELWebView;

namespace {

// A client that is no web view's.
class OtherClient : public CefClient {
  IMPLEMENT_REFCOUNTING(OtherClient);
};

// A tunnel listener that records what it hears and replies with the answer's function.
ZELWebView::JavaScriptTunnelFunctionP Replying(std::vector<zelcore::UTF16String>& heard,
                                               std::function<zelcore::UTF16String(const zelcore::UTF16String&)> answer) {
  return boost::make_shared<ZELWebView::JavaScriptTunnelFunction>(
      [&heard, answer](ZELWebView*, const zelcore::UTF16String& in, zelcore::UTF16String& out) {
        heard.push_back(in);
        out = answer(in);
        return true;
      });
}

}  // namespace

TEST_F(WebViewTest, TheEngineStartsWithItsSettingsAndTheExtension) {
  EXPECT_EQ(engine::testing::RecordedSettings().quorvin_base_path.ToString(), "../../../");
  EXPECT_FALSE(engine::testing::RecordedSettings().multi_threaded_message_loop);
  const auto extensions = engine::testing::RegisteredExtensions();
  ASSERT_EQ(extensions.size(), 1u);
  EXPECT_EQ(extensions[0].name.ToString(), "v8/nimbrelTunnel");
  EXPECT_EQ(extensions[0].code.ToString(),
            "var nimbrel;if (!nimbrel)  nimbrel = {};(function() {  nimbrel.callbackTunnel = function(b) {    "
            "native function NbCallbackTunnel();    return NbCallbackTunnel(b);  };})();");

  CefRefPtr<CEFClient::NimbrelV8ExtensionHandler> tunnel = new CEFClient::NimbrelV8ExtensionHandler;
  CefRefPtr<CefV8Value> retval;
  CefString exception;
  const CefV8ValueList one{CefV8Value::CreateString("x")};
  const CefV8ValueList two{CefV8Value::CreateString("x"), CefV8Value::CreateString("y")};
  EXPECT_FALSE(tunnel->Execute("Other", nullptr, one, retval, exception)) << "another function is not handled";
  EXPECT_TRUE(tunnel->Execute("NbCallbackTunnel", nullptr, two, retval, exception));
  EXPECT_TRUE(tunnel->Execute("NbCallbackTunnel", nullptr, one, retval, exception)) << "no page runs";
  EXPECT_FALSE(retval);
  EXPECT_TRUE(exception.empty());
}

// A page's script asks the host and sends the answer back: the text crosses unit by unit.
TEST_F(WebViewTest, APageAsksTheHostThroughTheTunnel) {
  const std::string page = Page("ask.html",
                                "<script>var reply = nimbrel.callbackTunnel('h\xC3\xA9\xF0\x9F\x98\x80');"
                                "console.log('reply ' + reply);</script>");
  WebViewP view = MakeView();
  std::vector<zelcore::UTF16String> heard;
  view->NotifyOnJavaScriptTunnel(Replying(heard, [](const zelcore::UTF16String& in) { return in + u"!"; }));
  view->LoadURL(U16(page));
  RunUntilIdle();
  EXPECT_EQ(heard, std::vector<zelcore::UTF16String>{u"h\u00e9\U0001F600"});
  const auto lines = engine::testing::ConsoleLines(BrowserOf(view));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].message.ToString16(), u"reply h\u00e9\U0001F600!");
}

// What the page gets for each call: the listener's non-empty reply, or no value; calls without
// exactly one string reach no listener.
TEST_F(WebViewTest, TheTunnelAnswersEveryCall) {
  struct Row {
    const char* name;
    const char* call;
    const char16_t* reply;
    const char* got;  // String(value) in the page
    std::vector<zelcore::UTF16String> heard;
  };
  const Row rows[] = {
      {"a reply", "nimbrel.callbackTunnel('ok')", u"ok", "ok", {u"ok"}},
      {"an empty reply", "nimbrel.callbackTunnel('ok')", u"", "undefined", {u"ok"}},
      {"an empty text", "nimbrel.callbackTunnel('')", u"empty", "empty", {u""}},
      {"a lone surrogate", "nimbrel.callbackTunnel('a\\uD800b').charCodeAt(1)", nullptr, "55296", {u"a\xD800" u"b"}},
      {"a number", "nimbrel.callbackTunnel(42)", u"no", "undefined", {}},
      {"no argument", "nimbrel.callbackTunnel()", u"no", "undefined", {}},
      {"an object", "nimbrel.callbackTunnel({})", u"no", "undefined", {}},
  };
  WebViewP view = MakeView();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::vector<zelcore::UTF16String> heard;
    auto listener = view->NotifyOnJavaScriptTunnel(Replying(heard, [&row](const zelcore::UTF16String& in) {
      return row.reply != nullptr ? zelcore::UTF16String(row.reply) : in;
    }));
    EXPECT_EQ(U8(view->RunJavaScript(U16(std::string("String(") + row.call + ")"), nullptr)), row.got);
    EXPECT_EQ(heard, row.heard);
    listener->clear();
  }
  EXPECT_EQ(U8(view->RunJavaScript(u"String(nimbrel.callbackTunnel('x'))", nullptr)), "undefined")
      << "no listener";
}

// A listener may run the page's script again, whose tunnel call reaches it again: every level
// gets its own reply.
TEST_F(WebViewTest, TunnelCallsNestInsideRunJavaScript) {
  WebViewP view = MakeView();
  std::vector<zelcore::UTF16String> heard;
  ZELWebView* raw = view.get();
  view->NotifyOnJavaScriptTunnel(Replying(heard, [raw](const zelcore::UTF16String& in) -> zelcore::UTF16String {
    if (in == u"outer") return u"got " + raw->RunJavaScript(u"nimbrel.callbackTunnel('inner')", nullptr);
    return u"deep";
  }));
  EXPECT_EQ(view->RunJavaScript(u"nimbrel.callbackTunnel('outer')", nullptr), u"got deep");
  EXPECT_EQ(heard, (std::vector<zelcore::UTF16String>{u"outer", u"inner"}));
}

// The page of a browser whose client is no web view's reaches no listener.
TEST_F(WebViewTest, AnotherClientsPageReachesNoListener) {
  WebViewP view = MakeView();
  std::vector<zelcore::UTF16String> heard;
  view->NotifyOnJavaScriptTunnel(Replying(heard, [](const zelcore::UTF16String&) { return u"mine"; }));
  CefRefPtr<OtherClient> other = new OtherClient;
  CefWindowInfo info;
  ASSERT_TRUE(CefBrowser::CreateBrowser(info, other.get(), "", CefBrowserSettings()));
  RunUntilIdle();
  CefRefPtr<CefBrowser> browser = engine::testing::Browsers().back();
  ASSERT_NE(browser, BrowserOf(view));
  EXPECT_EQ(browser->GetMainFrame()->ExecuteJavaScriptSynch("String(nimbrel.callbackTunnel('x'))", "", 0).ToString(),
            "undefined");
  EXPECT_TRUE(heard.empty());
}
