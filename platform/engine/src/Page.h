#pragma once
// Pages: where a URL's document comes from, and what of its text the engine runs.
#include <string>
#include <vector>

namespace engine {

struct PageText {
  std::u16string text;
  int status = 200;  // 404 when nothing could be read
};
// A file path or file: URL (UTF-8, regular files only), about:blank (empty), or nothing (404).
PageText ReadPage(const std::u16string& url);

struct InlineScript {
  std::u16string body;
  int line = 1;  // the document line its body starts on
};
struct PageParts {
  std::vector<InlineScript> scripts;    // <script> without src, of a script type, in order
  std::vector<std::u16string> frames;   // <iframe src="...">, in order
};
// Finds the scripts and sub-frames of an HTML text; comments are skipped, nothing else is parsed.
PageParts ScanPage(const std::u16string& html);

// A URL given in a page, against the page's own URL: absolute ones (with a scheme) as they
// stand, "/..." from the root of a file page, anything else from the page's folder.
std::u16string ResolveUrl(const std::u16string& base, const std::u16string& ref);

}  // namespace engine
