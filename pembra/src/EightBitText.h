#pragma once
// 8-bit text of one encoding to UTF-16, with the results of the Text Encoding
// Converter: encodings of one character per byte through a table made from the
// converter, UTF-8 by a decoder of its own that refuses what the converter
// refuses, any other encoding by the converter itself.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "os/TextEncoding.h"

namespace pembra_private {

struct ByteTable;

class EightBitText {
 public:
  // Nothing is asked of the converter before the first text to decode.
  explicit EightBitText(std::string encoding);
  ~EightBitText();

  // Writes the UTF-16 form of `length` bytes at the start of `buffer`, which
  // grows when it must and never shrinks, and sets `count` to its units. False
  // when the bytes are not text in the encoding.
  bool Decode(const std::uint8_t* bytes, std::size_t length, std::u16string& buffer, std::size_t& count);

  bool IsUtf8() const { return utf8_; }
  // Whether `length` bytes of text (`highBytes`: some above 0x7F) in a one-byte encoding can be kept as written
  // and converted later, byte by byte, through `table` (null: every byte is the
  // unit of the same value): they are text of the encoding, and its ASCII
  // characters, and only they, stand for themselves. Lines of the converter's own,
  // and those before its table is made, cannot.
  bool KeepsAsWritten(const std::uint8_t* bytes, std::size_t length, bool highBytes, const char16_t*& table);

 private:
  // Lines of non-ASCII text the converter decodes before a table is made (or found
  // impossible): a small dictionary never pays for one.
  static constexpr std::size_t kLinesBeforeTable = 64;

  std::string encoding_;
  bool utf8_ = false;
  std::optional<os::TextToUnicodeConverter> converter_;
  bool asciiAsIs_ = false;  // bytes below 0x80 are the units of the same value
  std::shared_ptr<const ByteTable> table_;
  bool tableAsked_ = false;
  std::size_t convertedLines_ = 0;
  std::u16string converted_;
};

// Well-formed UTF-8 (no overlong form, no surrogate, nothing above U+10FFFF, no
// sequence cut short) written to `out` as UTF-16: never more units than bytes.
// Sets `written`; false at the first fault.
bool DecodeUtf8(const std::uint8_t* bytes, std::size_t length, char16_t* out, std::size_t& written);

}  // namespace pembra_private
