#include "DictionaryReader.h"

namespace pembra_private {

namespace {

constexpr char16_t kLineFeed = 0x000A;
constexpr char16_t kCarriageReturn = 0x000D;
constexpr char16_t kLineSeparator = 0x2028;
constexpr char16_t kParagraphSeparator = 0x2029;

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

bool DictionaryReader::EndsLine(char16_t unit) const {
  return unit == kLineFeed || unit == kCarriageReturn;
}

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
    : DictionaryReader(in), converter_(os::GetApplicationTextEncoding()) {
  bytes_.reserve(256);
}

bool MultibyteReader::ReadACharacter(char16_t& unit) {
  std::uint8_t byte = 0;
  if (!in_.ReadU8(byte)) return true;
  unit = byte;
  return false;
}

DictionaryReader::Result MultibyteReader::ReadALine() {
  bytes_.clear();
  bool ended = false;  // by a line end rather than by NUL or the end of the text
  for (;;) {
    char16_t unit = 0;
    if (ReadACharacter(unit) || unit == 0) break;
    if (EndsLine(unit)) {
      ended = true;
      break;
    }
    bytes_.push_back(static_cast<char>(unit));
  }
  if (bytes_.empty() && !ended) {
    line_.clear();
    return Result::kEnd;
  }
  if (bytes_.empty()) {
    line_.clear();
    return Result::kLine;
  }
  // Exactly the bytes of this line are converted.
  if (!converter_.Convert(bytes_.data(), bytes_.size(), line_)) return Result::kConversionFailed;
  return Result::kLine;
}

}  // namespace pembra_private
