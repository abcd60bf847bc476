#include "DictionaryReader.h"

namespace pembra_private {

namespace {

constexpr char16_t kLineFeed = 0x000A;
constexpr char16_t kCarriageReturn = 0x000D;
constexpr char16_t kLineSeparator = 0x2028;
constexpr char16_t kParagraphSeparator = 0x2029;

// Line feed or carriage return: the line ends of every reader.
inline bool IsLineEnd(char16_t unit) { return unit == kLineFeed || unit == kCarriageReturn; }

}  // namespace

std::unique_ptr<DictionaryReader> DictionaryReader::Make(const std::uint8_t* data, std::size_t size) {
  ByteReader in(data, size);
  if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
    in.Skip(2);
    return std::make_unique<UnicodeReader>(in);
  }
  if (size >= 2 && data[0] == 0xFE && data[1] == 0xFF) {
    in.Skip(2);
    return std::make_unique<ByteSwapUnicodeReader>(in);
  }
  return std::make_unique<MultibyteReader>(in);
}

bool DictionaryReader::EndsLine(char16_t unit) const { return IsLineEnd(unit); }

DictionaryReader::Result DictionaryReader::ReadALine() {
  line_.clear();
  for (;;) {
    char16_t unit = 0;
    if (ReadACharacter(unit) || unit == 0) return line_.empty() ? Result::kEnd : Result::kLine;
    if (EndsLine(unit)) return Result::kLine;
    line_.push_back(unit);
  }
}

bool UnicodeReader::ReadACharacter(char16_t& unit) {
  std::uint16_t value = 0;
  if (!in_.ReadU16(value)) return true;
  unit = value;
  return false;
}

bool UnicodeReader::EndsLine(char16_t unit) const {
  return DictionaryReader::EndsLine(unit) || unit == kLineSeparator || unit == kParagraphSeparator;
}

MultibyteReader::MultibyteReader(ByteReader in)
    : DictionaryReader(in), converter_(os::GetApplicationTextEncoding()) {}

bool MultibyteReader::ReadACharacter(char16_t& unit) {
  std::uint8_t byte = 0;
  if (!in_.ReadU8(byte)) return true;
  unit = byte;
  return false;
}

DictionaryReader::Result MultibyteReader::ReadALine() {
  // The line ends that ReadACharacter and EndsLine would find one byte at a
  // time, found by one scan over the bytes in place.
  const std::uint8_t* const start = in_.Current();
  const std::size_t left = in_.Remaining();
  std::size_t length = 0;
  while (length < left && start[length] != 0 && !IsLineEnd(start[length])) ++length;
  const bool ended = length < left && start[length] != 0;  // by a line end, not by NUL or the end
  in_.Skip(length < left ? length + 1 : length);           // the line and what ended it
  line_.clear();
  if (length == 0) return ended ? Result::kLine : Result::kEnd;
  // Exactly the bytes of this line are converted.
  if (!converter_.Convert(reinterpret_cast<const char*>(start), length, line_)) {
    return Result::kConversionFailed;
  }
  return Result::kLine;
}

}  // namespace pembra_private
