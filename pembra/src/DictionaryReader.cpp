#include "DictionaryReader.h"

#include <cstring>

#include "Scan.h"

namespace pembra_private {


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

char16_t* DictionaryReader::LineRoom(std::size_t length) {
  if (line_.size() < length) line_.resize(length);
  lineLength_ = length;
  return line_.data();
}

DictionaryReader::Result UnicodeReader::ReadALine() {
  const std::uint8_t* const start = in_.Current();
  const std::size_t left = in_.Remaining() / 2;
  const std::size_t length = scan::FindUnicodeLineEnd(start, left, in_.Order() != HostByteOrder());
  const bool ended = length < left && DecodeU16(start + 2 * length, in_.Order()) != 0;  // by a line end
  in_.Skip(2 * (length < left ? length + 1 : length));  // the line and what ended it
  if (in_.Order() == HostByteOrder() && reinterpret_cast<std::uintptr_t>(start) % alignof(char16_t) == 0) {
    lineUnits_ = reinterpret_cast<const char16_t*>(start);  // read where it is
    lineLength_ = length;
  } else {
    lineUnits_ = nullptr;
    DecodeUnits(start, length, in_.Order(), LineRoom(length));
  }
  if (length == 0) return ended ? Result::kLine : Result::kEnd;
  return Result::kLine;
}

MultibyteReader::MultibyteReader(ByteReader in)
    : DictionaryReader(in), text_(os::GetApplicationTextEncoding()) {}

DictionaryReader::Result MultibyteReader::ReadALine() {
  const std::uint8_t* const start = in_.Current();
  const std::size_t left = in_.Remaining();
  const std::size_t length = scan::FindAny<std::uint8_t>(start, left, 0, '\n', '\r');
  const bool ended = length < left && start[length] != 0;  // by a line end, not by NUL or the end
  in_.Skip(length < left ? length + 1 : length);           // the line and what ended it
  lineLength_ = 0;
  if (length == 0) return ended ? Result::kLine : Result::kEnd;
  // Exactly the bytes of this line are converted.
  if (!text_.Decode(start, length, line_, lineLength_)) return Result::kConversionFailed;
  return Result::kLine;
}

}  // namespace pembra_private
