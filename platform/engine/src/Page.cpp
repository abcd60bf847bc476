#include "Page.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "zelcore/Strings.h"

namespace engine {

namespace {

char16_t Lower(char16_t c) { return c >= 'A' && c <= 'Z' ? static_cast<char16_t>(c - 'A' + 'a') : c; }

bool IsSpace(char16_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

// Whether `word` (lower-case ASCII) stands at position i, in any case.
bool WordAt(const std::u16string& text, size_t i, const char* word) {
  for (; *word != '\0'; ++word, ++i)
    if (i >= text.size() || Lower(text[i]) != static_cast<char16_t>(*word)) return false;
  return true;
}

size_t FindWord(const std::u16string& text, size_t from, const char* word) {
  for (size_t i = from; i < text.size(); ++i)
    if (WordAt(text, i, word)) return i;
  return std::u16string::npos;
}

// A tag name at i, ended by a space, '>', '/' or the end of the text.
bool TagNameAt(const std::u16string& text, size_t i, const char* name) {
  if (!WordAt(text, i, name)) return false;
  const size_t after = i + std::char_traits<char>::length(name);
  return after >= text.size() || IsSpace(text[after]) || text[after] == '>' || text[after] == '/';
}

struct Tag {
  size_t end = std::u16string::npos;  // just past its '>'
  std::vector<std::pair<std::u16string, std::u16string>> attributes;

  const std::u16string* Attribute(const std::u16string& name) const {
    for (const auto& [key, value] : attributes)
      if (key == name) return &value;
    return nullptr;
  }
};

// The attributes from position i (just past the tag name) to the tag's '>'.
Tag ReadTag(const std::u16string& text, size_t i) {
  Tag tag;
  const size_t n = text.size();
  while (i < n) {
    while (i < n && (IsSpace(text[i]) || text[i] == '/')) ++i;
    if (i >= n) break;
    if (text[i] == '>') {
      tag.end = i + 1;
      break;
    }
    std::u16string name;
    while (i < n && !IsSpace(text[i]) && text[i] != '=' && text[i] != '>' && text[i] != '/') name += Lower(text[i++]);
    while (i < n && IsSpace(text[i])) ++i;
    std::u16string value;
    if (i < n && text[i] == '=') {
      ++i;
      while (i < n && IsSpace(text[i])) ++i;
      if (i < n && (text[i] == '"' || text[i] == '\'')) {
        const char16_t quote = text[i++];
        const size_t close = text.find(quote, i);
        const size_t stop = close == std::u16string::npos ? n : close;
        value = text.substr(i, stop - i);
        i = close == std::u16string::npos ? n : close + 1;
      } else {
        while (i < n && !IsSpace(text[i]) && text[i] != '>') value += text[i++];
      }
    }
    if (!name.empty()) tag.attributes.emplace_back(std::move(name), std::move(value));
  }
  return tag;
}

bool EndsWith(const std::u16string& text, const std::u16string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsScriptType(const std::u16string* type) {
  if (type == nullptr) return true;
  std::u16string t;
  for (char16_t c : *type)
    if (!IsSpace(c)) t += Lower(c);
  return t.empty() || EndsWith(t, u"javascript") || EndsWith(t, u"ecmascript");
}

int LineAt(const std::u16string& text, size_t position) {
  return 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(position), u'\n'));
}

bool HasScheme(const std::u16string& url) {
  for (size_t i = 0; i < url.size(); ++i) {
    const char16_t c = Lower(url[i]);
    if (c == ':') return i > 0;
    const bool letter = c >= 'a' && c <= 'z';
    if (!letter && (i == 0 || !((c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.'))) return false;
  }
  return false;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The file path a file: URL names (local host only), percent escapes decoded; empty if none.
std::string FileUrlPath(const std::string& url) {
  std::string rest = url.substr(5);
  if (rest.compare(0, 2, "//") == 0) {
    const size_t slash = rest.find('/', 2);
    const std::string host = rest.substr(2, slash == std::string::npos ? std::string::npos : slash - 2);
    if (!host.empty() && host != "localhost") return {};
    rest = slash == std::string::npos ? std::string() : rest.substr(slash);
  }
  rest = rest.substr(0, rest.find_first_of("?#"));
  std::string path;
  for (size_t i = 0; i < rest.size(); ++i) {
    if (rest[i] == '%' && i + 2 < rest.size() && HexValue(rest[i + 1]) >= 0 && HexValue(rest[i + 2]) >= 0) {
      path += static_cast<char>(HexValue(rest[i + 1]) * 16 + HexValue(rest[i + 2]));
      i += 2;
    } else {
      path += rest[i];
    }
  }
  return path;
}

}  // namespace

PageText ReadPage(const std::u16string& url) {
  if (WordAt(url, 0, "about:")) return {u"", 200};
  const std::string utf8 = zelcore::utility::UTF16to8(url);
  std::string path;
  if (WordAt(url, 0, "file:"))
    path = FileUrlPath(utf8);
  else if (!url.empty() && url[0] == '/')
    path = utf8;
  std::error_code error;
  // Regular files only: a fifo or device would keep the loop waiting.
  if (path.empty() || path[0] != '/' || !std::filesystem::is_regular_file(path, error)) return {u"", 404};
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.good() && !in.eof()) return {u"", 404};
  if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  return {zelcore::utility::UTF8to16(bytes), 200};
}

PageParts ScanPage(const std::u16string& html) {
  PageParts parts;
  size_t i = 0;
  while ((i = html.find(u'<', i)) != std::u16string::npos) {
    if (WordAt(html, i, "<!--")) {
      const size_t close = html.find(u"-->", i + 4);
      i = close == std::u16string::npos ? html.size() : close + 3;
    } else if (TagNameAt(html, i + 1, "script")) {
      const Tag tag = ReadTag(html, i + 7);
      if (tag.end == std::u16string::npos) break;
      const size_t close = FindWord(html, tag.end, "</script");
      const size_t stop = close == std::u16string::npos ? html.size() : close;
      if (tag.Attribute(u"src") == nullptr && IsScriptType(tag.Attribute(u"type")))
        parts.scripts.push_back({html.substr(tag.end, stop - tag.end), LineAt(html, tag.end)});
      i = close == std::u16string::npos ? html.size() : close + 8;
    } else if (TagNameAt(html, i + 1, "iframe")) {
      const Tag tag = ReadTag(html, i + 7);
      if (tag.end == std::u16string::npos) break;
      const std::u16string* src = tag.Attribute(u"src");
      if (src != nullptr && !src->empty()) parts.frames.push_back(*src);
      i = tag.end;
    } else {
      ++i;
    }
  }
  return parts;
}

std::u16string ResolveUrl(const std::u16string& base, const std::u16string& ref) {
  if (ref.empty()) return base;
  if (HasScheme(ref)) return ref;
  if (ref[0] == '/') return WordAt(base, 0, "file:") ? u"file://" + ref : ref;
  const size_t slash = base.rfind(u'/');
  return slash == std::u16string::npos ? ref : base.substr(0, slash + 1) + ref;
}

}  // namespace engine
