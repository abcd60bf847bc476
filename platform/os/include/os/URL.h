#pragma once
// Platform strings and URLs, and opening a URL in the default browser. Strings and URLs are
// reference counted: the maker owns one reference and gives it back with CFRelease.
#include <atomic>
#include <cstdint>
#include <string>

namespace os {

class CFObject {
 public:
  CFObject();
  CFObject(const CFObject&) = delete;
  CFObject& operator=(const CFObject&) = delete;
  virtual ~CFObject();

 private:
  friend void CFRetain(const CFObject* object);
  friend void CFRelease(const CFObject* object);
  mutable std::atomic<int> mRetainCount{1};
};

// Takes or gives back one reference; the object goes with its last one. A null object is a
// programming error and ends the process, as the platform's does.
void CFRetain(const CFObject* object);
void CFRelease(const CFObject* object);

class CFString : public CFObject {
 public:
  explicit CFString(std::u16string text) : mText(std::move(text)) {}
  const std::u16string& Text() const { return mText; }

 private:
  std::u16string mText;
};
using CFStringRef = const CFString*;

class CFURL : public CFObject {
 public:
  explicit CFURL(std::string text) : mText(std::move(text)) {}
  // The URL's text (ASCII).
  const std::string& Text() const { return mText; }

 private:
  std::string mText;
};
using CFURLRef = const CFURL*;

// A URL from its text, or null when the text is no URL: empty, or holding a character a URL may
// not carry (a space, a character beyond ASCII, a "%" not followed by two hex digits ...). The
// allocator is not used; a base URL is not supported (null).
CFURLRef CFURLCreateWithString(const void* allocator, CFStringRef text, CFURLRef base);

using OSStatus = std::int32_t;
constexpr OSStatus noErr = 0;
constexpr OSStatus paramErr = -50;

// Opens the URL in the default browser (no browser starts here: the URL is recorded); paramErr
// for a null URL. launchedURL, when given, receives null.
OSStatus LSOpenCFURLRef(CFURLRef url, CFURLRef* launchedURL);

}  // namespace os
