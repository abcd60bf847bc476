#pragma once
// The engine's string: UTF-16 code units, built from UTF-16 or from UTF-8 text.
#include <cstddef>
#include <string>

class CefString {
 public:
  CefString() = default;
  CefString(const std::u16string& text) : mText(text) {}  // NOLINT: strings convert freely
  CefString(std::u16string&& text) : mText(std::move(text)) {}  // NOLINT
  CefString(const char16_t* text) : mText(text ? text : u"") {}  // NOLINT
  CefString(const char16_t* text, size_t length) : mText(text, length) {}
  // From UTF-8; invalid sequences become U+FFFD. A null pointer gives the empty string.
  CefString(const std::string& utf8);  // NOLINT
  CefString(const char* utf8);         // NOLINT

  // UTF-8; a surrogate without its partner becomes U+FFFD.
  std::string ToString() const;
  const std::u16string& ToString16() const { return mText; }
  operator const std::u16string&() const { return mText; }  // NOLINT

  const char16_t* c_str() const { return mText.c_str(); }
  size_t length() const { return mText.size(); }
  size_t size() const { return mText.size(); }
  bool empty() const { return mText.empty(); }
  void clear() { mText.clear(); }

  bool operator==(const CefString& o) const { return mText == o.mText; }
  bool operator!=(const CefString& o) const { return mText != o.mText; }
  bool operator<(const CefString& o) const { return mText < o.mText; }

 private:
  std::u16string mText;
};
