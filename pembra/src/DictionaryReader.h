#pragma once
// Line readers of text dictionaries, chosen by the file's byte-order mark. Each
// reads its lines in place, from the bytes of the whole file.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ByteReader.h"
#include "EightBitText.h"
#include "EntryValue.h"

namespace pembra_private {

// A line as the file writes it.
struct WrittenLine {
  const std::uint8_t* bytes = nullptr;
  std::size_t length = 0;  // in bytes
  // kUtf8 or kBytes: 8-bit text, whose entry is found in the bytes themselves.
  // kHostUnits or kSwappedUnits: UTF-16 units on their boundary, read where
  // they are as they are stored.
  // kUnits: the line had to be converted now; Line() holds it.
  ValueForm form = ValueForm::kUnits;
  const char16_t* table = nullptr;  // kBytes: the unit of each byte, or null for the byte's own value
  // The offsets (in bytes or units) of the line's first two double quotes that
  // do not follow a backslash, npos for those it lacks.
  std::size_t quotes[2] = {std::string_view::npos, std::string_view::npos};
  bool highBytes = true;  // kUtf8 and kBytes: a byte of the line may be above 0x7F
};

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
  virtual Result ReadALine() = 0;
  // The same line, kept as the file writes it where its text can be converted
  // later, one character at a time.
  virtual Result ReadAWrittenLine(WrittenLine& line) = 0;
  // The line read last, without its end; valid until the next ReadALine.
  std::u16string_view Line() const { return {lineUnits_ != nullptr ? lineUnits_ : line_.data(), lineLength_}; }

 protected:
  explicit DictionaryReader(ByteReader in) : in_(in) { line_.resize(256); }
  // Room for a line of `length` units, which becomes the line.
  char16_t* LineRoom(std::size_t length);

  ByteReader in_;
  std::u16string line_;  // grows, never shrinks
  std::size_t lineLength_ = 0;
  const char16_t* lineUnits_ = nullptr;  // the line where it is in the text, or null: in line_
};

// UTF-16 units stored little-endian. A lone last byte is not a character.
class UnicodeReader : public DictionaryReader {
 public:
  explicit UnicodeReader(ByteReader in) : DictionaryReader(in) { in_.SetByteOrder(ByteOrder::kLittle); }
  Result ReadALine() override;
  Result ReadAWrittenLine(WrittenLine& line) override;
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
  Result ReadAWrittenLine(WrittenLine& line) override;

 private:
  // The next line's bytes and the first two double quotes in it that do not
  // follow a backslash; kEnd when there is none.
  Result NextLine(const std::uint8_t*& start, std::size_t& length, std::size_t (&quotes)[2]);
  Result Convert(const std::uint8_t* start, std::size_t length);

  EightBitText text_;
  bool wellFormedUtf8_ = false;  // the last line is well-formed UTF-8
  bool highBytes_ = false;       // a byte of the last line is above 0x7F
};

}  // namespace pembra_private
