#include "os/URL.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "os/testing.h"

namespace os {

namespace {

std::atomic<int> gLiveObjects{0};

std::vector<std::string>& Opened() {
  static std::vector<std::string> opened;
  return opened;
}

bool IsHexDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); }

// The characters a URL carries as they are: unreserved and reserved ones; "%" begins an escape.
bool IsURLCharacter(char16_t c) {
  if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')) return true;
  return c < 0x80 && c != 0 && std::strchr("-._~:/?#[]@!$&'()*+,;=", static_cast<char>(c)) != nullptr;
}

}  // namespace

CFObject::CFObject() { gLiveObjects.fetch_add(1); }
CFObject::~CFObject() { gLiveObjects.fetch_sub(1); }

void CFRetain(const CFObject* object) {
  if (object == nullptr) std::abort();
  object->mRetainCount.fetch_add(1);
}

void CFRelease(const CFObject* object) {
  if (object == nullptr) std::abort();
  if (object->mRetainCount.fetch_sub(1) == 1) delete object;
}

CFURLRef CFURLCreateWithString(const void*, CFStringRef text, CFURLRef base) {
  if (text == nullptr || base != nullptr || text->Text().empty()) return nullptr;
  const std::u16string& t = text->Text();
  std::string ascii;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == u'%') {
      if (i + 2 >= t.size() || !IsHexDigit(t[i + 1]) || !IsHexDigit(t[i + 2])) return nullptr;
    } else if (!IsURLCharacter(t[i])) {
      return nullptr;
    }
    ascii.push_back(static_cast<char>(t[i]));
  }
  return new CFURL(std::move(ascii));
}

OSStatus LSOpenCFURLRef(CFURLRef url, CFURLRef* launchedURL) {
  if (launchedURL != nullptr) *launchedURL = nullptr;
  if (url == nullptr) return paramErr;
  Opened().push_back(url->Text());
  return noErr;
}

namespace testing {

const std::vector<std::string>& OpenedURLs() { return Opened(); }
void ResetOpenedURLs() { Opened().clear(); }
int LiveCFObjects() { return gLiveObjects.load(); }

}  // namespace testing

}  // namespace os
