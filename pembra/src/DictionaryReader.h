#pragma once
// Line readers of text dictionaries, chosen by the file's byte-order mark.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ByteReader.h"
#include "os/TextEncoding.h"

namespace pembra_private {

class DictionaryReader {
 public:
  enum class Result {
    kLine,              // Line() holds the next line
    kEnd,               // no more lines
    kConversionFailed,  // an 8-bit line is not text in the application encoding
  };

  // FF FE: UTF-16 little-endian; FE FF: UTF-16 big-endian; the mark itself is
  // not text. Anything else: 8-bit text in the application text encoding, from
  // the first byte.
  static std::unique_ptr<DictionaryReader> Make(const std::uint8_t* data, std::size_t size);

  virtual ~DictionaryReader() = default;

  // A line ends at LF or CR (each ends a line, even an empty one), for UTF-16
  // also at U+2028 and U+2029. A NUL or the end of the text ends the last line;
  // when nothing was collected before it, the result is kEnd.
  virtual Result ReadALine();
  // The line read last, without its end; valid until the next ReadALine.
  std::u16string_view Line() const { return line_; }

 protected:
  explicit DictionaryReader(ByteReader in) : in_(in) { line_.reserve(256); }
  // The next character; true at the end of the text (no character then).
  virtual bool ReadACharacter(char16_t& unit) = 0;
  virtual bool EndsLine(char16_t unit) const;

  ByteReader in_;
  std::u16string line_;
};

// UTF-16 units stored little-endian. A lone last byte is not a character.
class UnicodeReader : public DictionaryReader {
 public:
  explicit UnicodeReader(ByteReader in) : DictionaryReader(in) { in_.SetByteOrder(ByteOrder::kLittle); }

 protected:
  bool ReadACharacter(char16_t& unit) override;
  bool EndsLine(char16_t unit) const override;
};

// UTF-16 units stored big-endian.
class ByteSwapUnicodeReader : public UnicodeReader {
 public:
  explicit ByteSwapUnicodeReader(ByteReader in) : UnicodeReader(in) { in_.SetByteOrder(ByteOrder::kBig); }
};

// One byte per character; each finished line is converted from the application
// text encoding.
class MultibyteReader : public DictionaryReader {
 public:
  explicit MultibyteReader(ByteReader in);
  Result ReadALine() override;

 protected:
  bool ReadACharacter(char16_t& unit) override;

 private:
  os::TextToUnicodeConverter converter_;
};

}  // namespace pembra_private
