#pragma once
// What the web view's tests share: a started engine over a folder of pages, web views made and
// initialised at a rectangle, and listeners that write what they hear as lines.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <boost/intrusive_ptr.hpp>
#include <boost/make_shared.hpp>

#include "engine/testing.h"
#include "zelwebview/CEFClient.h"
#include "zelwebview/ZELWebView.h"

using WebViewP = boost::intrusive_ptr<zelwebview::ZELWebView>;
using Lines = std::vector<std::string>;

class WebViewTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes a page (UTF-8) into the folder; returns its path.
  std::string Page(const std::string& name, const std::string& html);
  // A web view at the rectangle, Init run; with adopt, the engine has run until idle, so its
  // browser is adopted.
  WebViewP MakeView(const zelui::ui::RectF& rect = {0, 0, 120, 80}, bool adopt = true);
  // The browser the view adopted (null before).
  static CefRefPtr<CefBrowser> BrowserOf(const WebViewP& view);
  // Registers listeners on every list that write lines into `log` ("loaded URL", "address URL",
  // "frame 0", "browse URL", "tunnel TEXT"); URLs under the page folder are written "$DIR/...".
  void Listen(const WebViewP& view);
  std::string Shown(const zelcore::UTF16String& url) const;

  std::filesystem::path dir;
  Lines log;
};

// The UTF-16 text of UTF-8.
zelcore::UTF16String U16(const std::string& utf8);
std::string U8(const zelcore::UTF16String& utf16);
