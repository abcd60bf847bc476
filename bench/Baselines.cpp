#include "Baselines.h"

#include <algorithm>
#include <fstream>

namespace bench {

namespace {

// UTF-8 (as the benchmarks write it: up to three bytes a character) to UTF-16.
std::size_t DecodeUtf8(std::string_view text, char16_t* out) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out[n++] = c, i += 1;
    } else if (c < 0xE0 && i + 1 < text.size()) {
      out[n++] = static_cast<char16_t>(((c & 0x1F) << 6) | (text[i + 1] & 0x3F)), i += 2;
    } else if (i + 2 < text.size()) {
      out[n++] = static_cast<char16_t>(((c & 0x0F) << 12) | ((text[i + 1] & 0x3F) << 6) | (text[i + 2] & 0x3F));
      i += 3;
    } else {
      out[n++] = 0xFFFD, i += 1;
    }
  }
  return n;
}

char16_t EscapeOf(char16_t escape, char16_t next) {
  if (escape == u'\\') {
    switch (next) {
      case u'"': return u'"';
      case u'n': return u'\n';
      case u'r': return u'\r';
      case u't': return u'\t';
      case u'b': return u'\b';
    }
    return 0;
  }
  static const std::u16string_view kHat = u"Q\"[\u201C]\u201D{\u2018}\u2019C\u00A9R\u00AET\u2122D\u00B0B\u2022#\u2318!\u00AC"
                                          u"I\u2206S\u2211n\nr\r";
  for (std::size_t i = 0; i < kHat.size(); i += 2) {
    if (kHat[i] == next) return kHat[i + 1];
  }
  return 0;
}

// "#{name}" or "#{U+hhhh}" at text[i]; its length and code, or 0.
std::size_t Entity(std::u16string_view text, std::size_t i, char16_t& code) {
  static const std::unordered_map<std::u16string_view, char16_t> kNames = {
      {u"amp", u'&'}, {u"nbsp", 0x00A0}, {u"eacute", 0x00E9}, {u"copy", 0x00A9}, {u"lt", u'<'}, {u"gt", u'>'}};
  if (text.size() - i < 4 || text[i + 1] != u'{') return 0;
  const std::size_t close = text.find(u'}', i + 2);
  if (close == std::u16string_view::npos) return 0;
  const std::u16string_view name = text.substr(i + 2, close - i - 2);
  if (auto it = kNames.find(name); it != kNames.end()) {
    code = it->second;
    return close + 1 - i;
  }
  if (name.size() < 3 || name.size() > 6 || name.substr(0, 2) != u"U+") return 0;
  unsigned value = 0;
  for (char16_t digit : name.substr(2)) {
    const int v = digit >= u'0' && digit <= u'9' ? digit - u'0' : digit >= u'A' && digit <= u'F' ? digit - u'A' + 10 : -1;
    if (v < 0) return 0;
    value = value * 16 + static_cast<unsigned>(v);
  }
  code = static_cast<char16_t>(value);
  return close + 1 - i;
}

// Escapes, then entities, of `in` into `out`; the units written.
std::size_t Unescape(std::u16string_view in, char16_t* out) {
  char16_t escaped[1024];
  std::size_t n = 0;
  for (std::size_t i = 0; i < in.size();) {
    const char16_t c = in[i];
    if ((c == u'\\' || c == u'^') && i + 1 < in.size()) {
      const char16_t replacement = EscapeOf(c, in[i + 1]);
      if (replacement != 0) {
        escaped[n++] = replacement;
      } else {
        escaped[n++] = c;
        if (in[i + 1] != c) escaped[n++] = in[i + 1];
      }
      i += 2;
    } else {
      escaped[n++] = c, i += 1;
    }
  }
  const std::u16string_view text(escaped, n);
  std::size_t m = 0;
  for (std::size_t i = 0; i < text.size();) {
    char16_t code = 0;
    const std::size_t length = text[i] == u'#' ? Entity(text, i, code) : 0;
    out[m++] = length > 0 ? code : text[i];
    i += length > 0 ? length : 1;
  }
  return m;
}

}  // namespace

BaselineLookup::BaselineLookup(const std::vector<RealisticEntry>& entries) {
  for (const RealisticEntry& entry : entries) map_.emplace(entry.key, entry.stored);
}

std::size_t BaselineLookup::Lookup(const char* literal, char16_t* out, std::size_t capacity) const {
  std::string_view text(literal);
  if (!text.empty() && text[0] == '$') {
    if (text.substr(0, 3) != "$$$") return out[0] = 0;
    text.remove_prefix(3);
  }
  const std::size_t equals = text.find('=');
  const std::string_view key = text.substr(0, equals);
  const std::string_view defaultText = equals == std::string_view::npos ? std::string_view() : text.substr(equals + 1);
  std::size_t n = 0;
  if (auto it = map_.find(key); it != map_.end()) {
    n = std::min(it->second.size(), capacity - 1);
    std::copy_n(it->second.data(), n, out);
  } else if (!defaultText.empty()) {
    char16_t decoded[1024];
    n = std::min(Unescape(std::u16string_view(decoded, DecodeUtf8(defaultText, decoded)), out), capacity - 1);
  }
  out[n] = 0;
  return n;
}

std::unique_ptr<char[]> PlainRead(const std::string& path, std::size_t& size) {
  std::ifstream in(path, std::ios::binary);
  in.seekg(0, std::ios::end);
  size = static_cast<std::size_t>(in.tellg());
  in.seekg(0, std::ios::beg);
  std::unique_ptr<char[]> buffer(new char[size]);
  in.read(buffer.get(), static_cast<std::streamsize>(size));
  size = static_cast<std::size_t>(in.gcount());
  return buffer;
}

}  // namespace bench
