// Page scripts: synchronous results, the page globals, extension native functions, nested
// evaluations and text crossing between UTF-16 and the script engine.
#include "EngineTestSupport.h"

using engine::testing::ConsoleLines;
using engine::testing::PendingTasks;
using engine::testing::RunUntilIdle;

TEST_F(EngineTest, SynchronousScriptsGiveTheirResultAsAString) {
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  Load(browser, Page("page.html", "<script>var answer = 42; function twice(x) { return 2 * x }</script>"));
  const struct {
    const char* code;
    const char* expected;
  } rows[] = {
      {"answer", "42"},
      {"twice(answer) + 0.5", "84.5"},
      {"undefined", ""},
      {"null", "null"},
      {"'text'", "text"},
      {"({})", "[object Object]"},
      {"[1, 'b']", "1,b"},
      {"window === this && window.window === window", "true"},
      {"var fresh = 7; fresh", "7"},
      {"fresh + answer", "49"},
      {"throw new Error('boom')", ""},
      {"({ toString: function() { throw 1 } })", "1"},
      {"syntax error (", ""},
      {"typeof document", "undefined"},
      {"typeof Probe + typeof Other + typeof __extensionNatives", "undefinedundefinedundefined"},
  };
  for (const auto& row : rows) EXPECT_EQ(Run(browser, row.code).ToString(), row.expected) << row.code;
  const auto lines = ConsoleLines(browser);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].message.ToString(), "Uncaught Error: boom");
  EXPECT_EQ(lines[1].message.ToString().rfind("Uncaught SyntaxError", 0), 0u);
}

TEST_F(EngineTest, ConsoleLinesCarryTheirSourceAndLine) {
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  const std::string page = Page("page.html", "<html>\n<body>\n<script>\n\nconsole.log('a', 1, null)</script>");
  Load(browser, page);
  browser->GetMainFrame()->ExecuteJavaScriptSynch("\nconsole.log({})", "script.js", 10);
  const auto lines = ConsoleLines(browser);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].message.ToString(), "a 1 null");
  EXPECT_EQ(lines[0].source.ToString(), page);
  EXPECT_EQ(lines[0].line, 5);
  EXPECT_EQ(lines[1].message.ToString(), "[object Object]");
  EXPECT_EQ(lines[1].source.ToString(), "script.js");
  EXPECT_EQ(lines[1].line, 11);
}

TEST_F(EngineTest, NativeFunctionsReachTheExtensionHandler) {
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  Load(browser, "about:blank");
  const struct {
    const char* code;
    std::vector<std::string> kinds;
    const char* result;
  } rows[] = {
      {"probe.call('ok')", {"string"}, "ok"},
      {"probe.call('')", {"string"}, ""},
      {"typeof probe.call(42)", {"int"}, "undefined"},
      {"typeof probe.raw()", {}, "undefined"},
      {"probe.raw('first', 'second')", {"string", "string"}, "first"},
      {"typeof probe.raw(1.5, true, null, undefined, {}, function() {})",
       {"double", "bool", "null", "undefined", "object", "object"},
       "undefined"},
  };
  for (const auto& row : rows) {
    probe->calls.clear();
    EXPECT_EQ(Run(browser, row.code).ToString(), row.result) << row.code;
    ASSERT_EQ(probe->calls.size(), 1u) << row.code;
    EXPECT_EQ(probe->calls[0].name, u"Probe");
    EXPECT_EQ(probe->calls[0].kinds, row.kinds) << row.code;
    EXPECT_EQ(probe->calls[0].browser.get(), browser.get()) << "the current context is the page's";
  }

  probe->calls.clear();
  probe->reply = [](const ProbeHandler::Call& call, CefRefPtr<CefV8Value>&, CefString& exception) {
    if (call.name != u"Probe") return false;
    exception = "refused";
    return true;
  };
  EXPECT_EQ(Run(browser, "try { probe.call('x') } catch (e) { 'caught ' + e.message }").ToString(), "caught refused");
  EXPECT_EQ(Run(browser, "typeof probe.other()").ToString(), "undefined") << "an unhandled call gives undefined";
  ASSERT_EQ(probe->calls.size(), 2u);
  EXPECT_EQ(probe->calls[1].name, u"Other");
  EXPECT_EQ(CefV8Context::GetCurrentContext().get(), nullptr) << "no script runs now";
}

TEST_F(EngineTest, ExtensionsRunInEveryFreshDocumentAndFrame) {
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  Page("inner.html", "<script>console.log('inner ' + probe.call('from inner'))</script>");
  Load(browser, Page("outer.html", "<script>probe.marked = true</script><iframe src=\"inner.html\"></iframe>"));
  EXPECT_EQ(ConsoleLines(browser).at(0).message.ToString(), "inner from inner");
  EXPECT_EQ(Run(browser, "probe.marked").ToString(), "true");
  Load(browser, "about:blank");
  EXPECT_EQ(Run(browser, "typeof probe.call + ' ' + probe.marked").ToString(), "function undefined");
}

TEST_F(EngineTest, EvaluationsNestAndTheCurrentContextIsTheInnermost) {
  CefRefPtr<CefBrowser> first = OpenBrowser();
  CefRefPtr<CefBrowser> second = OpenBrowser();
  Load(first, Page("first.html", "<script>var name = 'first'</script>"));
  Load(second, Page("second.html", "<script>var name = 'second'</script>"));
  second->GetMainFrame()->LoadURL("about:blank");  // stays queued while scripts run
  std::vector<CefBrowser*> contexts;
  probe->reply = [&](const ProbeHandler::Call& call, CefRefPtr<CefV8Value>& retval, CefString&) {
    CefRefPtr<CefBrowser> current = CefV8Context::GetCurrentContext()->GetBrowser();
    contexts.push_back(current.get());
    std::u16string answer;
    if (call.strings.at(0) == u"same") {
      // Back into the page that is calling: its script waits in this native call.
      answer = u"same:" + current->GetMainFrame()->ExecuteJavaScriptSynch("probe.call('leaf')", "", 0).ToString16();
    } else if (call.strings.at(0) == u"other") {
      answer = u"other:" + second->GetMainFrame()->ExecuteJavaScriptSynch("probe.call('leaf')", "", 0).ToString16();
      CefDoMessageLoopWork();
    } else {
      answer = u"leaf in " + current->GetMainFrame()->ExecuteJavaScriptSynch("name", "", 0).ToString16();
    }
    contexts.push_back(CefV8Context::GetCurrentContext()->GetBrowser().get());
    retval = CefV8Value::CreateString(answer);
    return true;
  };
  EXPECT_EQ(Run(first, "probe.call('same') + ' ' + name").ToString(), "same:leaf in first first");
  EXPECT_EQ(contexts, (std::vector<CefBrowser*>{first.get(), first.get(), first.get(), first.get()}));
  contexts.clear();
  EXPECT_EQ(Run(first, "probe.call('other')").ToString(), "other:leaf in second");
  EXPECT_EQ(contexts, (std::vector<CefBrowser*>{first.get(), second.get(), second.get(), first.get()}));
  EXPECT_EQ(PendingTasks(), 1) << "no loop slice runs while a script does";
}

TEST_F(EngineTest, TextCrossesUnitByUnit) {
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  Load(browser, Page("page.html", "<script>var got = probe.call('hé😀'); console.log('hé😀'.length, got.length)</script>"));
  ASSERT_EQ(probe->calls.size(), 1u);
  EXPECT_EQ(probe->calls[0].strings.at(0), u"h\u00e9\U0001F600");
  EXPECT_EQ(ConsoleLines(browser).at(0).message.ToString(), "4 4");
  EXPECT_EQ(Run(browser, "got").ToString16(), u"h\u00e9\U0001F600");
  EXPECT_EQ(Run(browser, "'\\u00e9\\ud83d\\ude00' === got.slice(1)").ToString(), "true");

  // A lone surrogate keeps its one unit both ways.
  const std::u16string lone = u"x\xD800y";
  EXPECT_EQ(browser->GetMainFrame()->ExecuteJavaScriptSynch(u"probe.call('" + lone + u"')", "", 0).ToString16(), lone);
  EXPECT_EQ(Run(browser, "var r = probe.call('a\\udc00'); r.length + ' ' + r.charCodeAt(1)").ToString(), "2 56320");
  EXPECT_EQ(Run(browser, "r").ToString16(), std::u16string(u"a\xDC00"));

  // UTF-8 at the edges: a lone surrogate has no UTF-8 form.
  EXPECT_EQ(CefString("hé😀").ToString16(), u"h\u00e9\U0001F600");
  EXPECT_EQ(CefString(u"h\u00e9\U0001F600").ToString(), "hé😀");
  EXPECT_EQ(CefString(lone).ToString(), "x\xEF\xBF\xBDy");
}

TEST_F(EngineTest, ScriptsLeftAfterShutdownReachNobody) {
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  Load(browser, "about:blank");
  probe->reply = [](const ProbeHandler::Call& call, CefRefPtr<CefV8Value>&, CefString&) {
    if (call.strings.at(0) == u"stop") CefShutdown();
    return true;
  };
  client->log.clear();
  EXPECT_EQ(Run(browser, "probe.call('stop'); console.log('after'); window.open('x'); location.href = 'y'; "
                         "probe.call('again'); 'done'")
                .ToString(),
            "done");
  EXPECT_TRUE(client->log.empty());
  EXPECT_EQ(probe->calls.size(), 1u);
}

TEST_F(EngineTest, TheHostsTunnelExtensionRunsAsWritten) {
  ASSERT_TRUE(CefRegisterExtension(
      "v8/nimbrelTunnel",
      "var nimbrel;if (!nimbrel)  nimbrel = {};(function() {  nimbrel.callbackTunnel = function(b) {    native "
      "function NbCallbackTunnel();    return NbCallbackTunnel(b);  };})();",
      probe.get()));
  CefRefPtr<CefBrowser> browser = OpenBrowser();
  Load(browser, Page("page.html", "<script>console.log(nimbrel.callbackTunnel('hello'))</script>"));
  ASSERT_EQ(probe->calls.size(), 1u);
  EXPECT_EQ(probe->calls[0].name, u"NbCallbackTunnel");
  EXPECT_EQ(ConsoleLines(browser).at(0).message.ToString(), "hello");
}
