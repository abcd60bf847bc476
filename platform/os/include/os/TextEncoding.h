#pragma once
// The application text encoding and conversion of 8-bit text in it to UTF-16.
//
// Encodings are named as glibc iconv names them ("MACINTOSH", "ISO-8859-1",
// "CP1252", ...). The application text encoding is a process setting; it starts
// as Mac Roman ("MACINTOSH"), so the byte 0x8E reads as U+00E9.
#include <cstddef>
#include <string>

namespace os {

// iconv name of the Mac Roman encoding, the default application text encoding.
inline constexpr const char* kMacRomanEncoding = "MACINTOSH";

// The encoding 8-bit text of the application is written in.
std::string GetApplicationTextEncoding();
void SetApplicationTextEncoding(const std::string& encoding);

// Converts 8-bit text of one encoding to UTF-16 in host byte order. One converter
// serves many conversions (one iconv descriptor for its whole life); it is
// neither copyable nor shareable between threads.
class TextToUnicodeConverter {
 public:
  explicit TextToUnicodeConverter(const std::string& encoding);
  ~TextToUnicodeConverter();
  TextToUnicodeConverter(const TextToUnicodeConverter&) = delete;
  TextToUnicodeConverter& operator=(const TextToUnicodeConverter&) = delete;

  // False when iconv does not know the encoding; every Convert then fails.
  bool IsOpen() const { return handle_ != nullptr; }

  // Replaces `out` with the UTF-16 form of `length` bytes at `bytes`. False when
  // the encoding is unknown or the bytes are not valid text in it; `out` is then
  // empty.
  bool Convert(const char* bytes, std::size_t length, std::u16string& out);

 private:
  void* handle_ = nullptr;     // the iconv descriptor, null when the encoding is unknown
  bool asciiIsIdentity_ = false;  // bytes 0x01-0x7F map to the same code points
};

// One-shot conversion from `encoding`; same results as TextToUnicodeConverter.
bool ConvertTextToUnicode(const std::string& encoding, const char* bytes, std::size_t length,
                          std::u16string& out);

}  // namespace os
