#include "os/TextEncoding.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>

namespace os {

namespace {

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
constexpr const char* kHostUTF16 = "UTF-16BE";
#else
constexpr const char* kHostUTF16 = "UTF-16LE";
#endif

const iconv_t kInvalidHandle = reinterpret_cast<iconv_t>(-1);

std::mutex& EncodingMutex() {
  static std::mutex mutex;
  return mutex;
}

std::string& ApplicationEncoding() {
  static std::string encoding = kMacRomanEncoding;
  return encoding;
}

// Runs iconv over the whole input, growing the output as needed. A call with
// no input (`flush`) writes out whatever shift state the converter still holds.
bool RunIconv(iconv_t handle, const char* bytes, std::size_t length, std::u16string& out) {
  // Back to the initial shift state, whatever an earlier failed call left.
  iconv(handle, nullptr, nullptr, nullptr, nullptr);
  out.assign(length + 4, u'\0');
  char* in = const_cast<char*>(bytes);
  std::size_t inLeft = length;
  std::size_t used = 0;  // bytes of `out` written so far
  bool flushed = false;
  while (!flushed) {
    char* outPtr = reinterpret_cast<char*>(&out[0]) + used;
    std::size_t outLeft = out.size() * sizeof(char16_t) - used;
    const std::size_t before = outLeft;
    const bool flush = inLeft == 0;
    const std::size_t rc = flush ? iconv(handle, nullptr, nullptr, &outPtr, &outLeft)
                                 : iconv(handle, &in, &inLeft, &outPtr, &outLeft);
    used += before - outLeft;
    if (rc == static_cast<std::size_t>(-1)) {
      if (errno != E2BIG) return false;  // EILSEQ or EINVAL: not valid text in this encoding
      out.resize(out.size() * 2);
      continue;
    }
    flushed = flush;
  }
  out.resize(used / sizeof(char16_t));
  return true;
}

}  // namespace

std::string GetApplicationTextEncoding() {
  std::lock_guard<std::mutex> lock(EncodingMutex());
  return ApplicationEncoding();
}

void SetApplicationTextEncoding(const std::string& encoding) {
  std::lock_guard<std::mutex> lock(EncodingMutex());
  ApplicationEncoding() = encoding;
}

TextToUnicodeConverter::TextToUnicodeConverter(const std::string& encoding) {
  const iconv_t handle = iconv_open(kHostUTF16, encoding.c_str());
  if (handle == kInvalidHandle) return;
  handle_ = handle;
  // Most 8-bit encodings leave ASCII as it is; such text is then widened directly.
  char ascii[127];
  for (int i = 0; i < 127; ++i) ascii[i] = static_cast<char>(i + 1);
  std::u16string wide;
  if (RunIconv(static_cast<iconv_t>(handle_), ascii, sizeof ascii, wide) && wide.size() == 127) {
    asciiIsIdentity_ = true;
    for (int i = 0; i < 127; ++i) {
      if (wide[i] != static_cast<char16_t>(i + 1)) asciiIsIdentity_ = false;
    }
  }
}

TextToUnicodeConverter::~TextToUnicodeConverter() {
  if (handle_ != nullptr) iconv_close(static_cast<iconv_t>(handle_));
}

bool TextToUnicodeConverter::Convert(const char* bytes, std::size_t length, std::u16string& out) {
  out.clear();
  if (handle_ == nullptr) return false;
  if (asciiIsIdentity_) {
    bool ascii = true;
    for (std::size_t i = 0; i < length && ascii; ++i) {
      const auto c = static_cast<unsigned char>(bytes[i]);
      ascii = c != 0 && c < 0x80;
    }
    if (ascii) {
      out.assign(bytes, bytes + length);
      return true;
    }
  }
  if (RunIconv(static_cast<iconv_t>(handle_), bytes, length, out)) return true;
  out.clear();
  return false;
}

bool ConvertTextToUnicode(const std::string& encoding, const char* bytes, std::size_t length,
                          std::u16string& out) {
  TextToUnicodeConverter converter(encoding);
  return converter.Convert(bytes, length, out);
}

}  // namespace os
