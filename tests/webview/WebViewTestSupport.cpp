#include "WebViewTestSupport.h"

#include <stdlib.h>

#include <fstream>

#include "os/View.h"
#include "os/testing.h"
#include "zelcore/Strings.h"
#include "zelwebview/GlobalWebView.h"
#include "zelwebview/ZELCefClientHandler.h"

using zelwebview::ZELWebView;

zelcore::UTF16String U16(const std::string& utf8) { return zelcore::utility::UTF8to16(utf8); }
std::string U8(const zelcore::UTF16String& utf16) { return zelcore::utility::UTF16to8(utf16); }

void WebViewTest::SetUp() {
  char pattern[] = "/tmp/webview-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  dir = pattern;
  zelwebview::GlobalWebViewInitialize(true);
  ASSERT_TRUE(engine::testing::IsRunning());
}

void WebViewTest::TearDown() {
  zelwebview::GlobalWebViewTerminate();
  std::filesystem::remove_all(dir);
  EXPECT_EQ(engine::testing::Live().Total(), 0) << "engine objects outlive the engine";
  EXPECT_EQ(os::testing::LiveViews(), 0) << "views outlive their web views";
}

std::string WebViewTest::Page(const std::string& name, const std::string& html) {
  const std::filesystem::path path = dir / name;
  std::ofstream(path, std::ios::binary) << html;
  return path.string();
}

WebViewP WebViewTest::MakeView(const zelui::ui::RectF& rect, bool adopt) {
  WebViewP view(new ZELWebView(zelwebview::kRenderingModel_Windowed));
  view->UI_SetLocalRectF(rect);
  view->Init();
  if (adopt) engine::testing::RunUntilIdle();
  return view;
}

CefRefPtr<CefBrowser> WebViewTest::BrowserOf(const WebViewP& view) {
  return view->GetHandler() != nullptr ? view->GetHandler()->GetBrowser() : nullptr;
}

std::string WebViewTest::Shown(const zelcore::UTF16String& url) const {
  std::string text = U8(url);
  const std::string d = dir.string();
  for (size_t at; (at = text.find(d)) != std::string::npos;) text.replace(at, d.size(), "$DIR");
  return text;
}

void WebViewTest::Listen(const WebViewP& view) {
  view->NotifyWhenResourceLoaded(boost::make_shared<ZELWebView::ResourceLoadedFunction>(
      [this](ZELWebView*, const zelcore::UTF16String& url) { log.push_back("loaded " + Shown(url)); }));
  view->NotifyWhenAddressChange(boost::make_shared<ZELWebView::AddressChangeFunction>(
      [this](ZELWebView*, const zelcore::UTF16String& url) { log.push_back("address " + Shown(url)); }));
  view->NotifyWhenFrameLocationChanged(boost::make_shared<ZELWebView::FrameLocationChangedFunction>(
      [this](ZELWebView*, bool changed) { log.push_back("frame " + std::to_string(changed)); }));
  view->NotifyOnBeforeBrowse(boost::make_shared<ZELWebView::BeforeBrowseFunction>(
      [this](ZELWebView*, const zelcore::UTF16String& url) {
        log.push_back("browse " + Shown(url));
        return false;
      }));
  view->NotifyOnJavaScriptTunnel(boost::make_shared<ZELWebView::JavaScriptTunnelFunction>(
      [this](ZELWebView*, const zelcore::UTF16String& in, zelcore::UTF16String&) {
        log.push_back("tunnel " + U8(in));
        return true;
      }));
}
