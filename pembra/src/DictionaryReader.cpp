#include "DictionaryReader.h"

#include <cstring>

#include "Scan.h"
#include "TextLineScan.h"

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

DictionaryReader::Result UnicodeReader::ReadAWrittenLine(WrittenLine& line) {
  const std::uint8_t* const start = in_.Current();
  line.table = nullptr;
  if (reinterpret_cast<std::uintptr_t>(start) % alignof(char16_t) != 0) {
    line.form = ValueForm::kUnits;  // read by copying
    return ReadALine();
  }
  // The units are read where they are, in the order they are stored.
  const auto* units = reinterpret_cast<const char16_t*>(start);
  const std::size_t left = in_.Remaining() / 2;
  const bool swapped = in_.Order() != HostByteOrder();
  const TextLineScan scan = ScanUnicodeLine(units, left, swapped);
  const std::size_t length = scan.length;
  const bool ended = length < left && units[length] != 0;  // by a line end
  in_.Skip(2 * (length < left ? length + 1 : length));      // the line and what ended it
  lineUnits_ = nullptr;
  lineLength_ = 0;
  line.bytes = start;
  line.length = 2 * length;
  line.form = swapped ? ValueForm::kSwappedUnits : ValueForm::kHostUnits;
  line.quotes[0] = scan.quotes[0];
  line.quotes[1] = scan.quotes[1];
  return length == 0 && !ended ? Result::kEnd : Result::kLine;
}

MultibyteReader::MultibyteReader(ByteReader in)
    : DictionaryReader(in), text_(os::GetApplicationTextEncoding()) {}

DictionaryReader::Result MultibyteReader::NextLine(const std::uint8_t*& start, std::size_t& length,
                                                   std::size_t (&quotes)[2]) {
  start = in_.Current();
  const std::size_t left = in_.Remaining();
  // UTF-8 is checked in the same pass; a line that is not well-formed is
  // converted, which finds the fault.
  const TextLineScan scan = ScanTextLine(start, left, text_.IsUtf8());
  wellFormedUtf8_ = text_.IsUtf8() && scan.wellFormed;
  length = scan.length;
  quotes[0] = scan.quotes[0];
  quotes[1] = scan.quotes[1];
  highBytes_ = scan.highBytes;
  const bool ended = length < left && start[length] != 0;  // by a line end, not by NUL or the end
  in_.Skip(length < left ? length + 1 : length);           // the line and what ended it
  lineUnits_ = nullptr;
  lineLength_ = 0;
  return length == 0 && !ended ? Result::kEnd : Result::kLine;
}

DictionaryReader::Result MultibyteReader::Convert(const std::uint8_t* start, std::size_t length) {
  // Exactly the bytes of this line are converted.
  if (length > 0 && !text_.Decode(start, length, line_, lineLength_)) return Result::kConversionFailed;
  return Result::kLine;
}

DictionaryReader::Result MultibyteReader::ReadALine() {
  const std::uint8_t* start = nullptr;
  std::size_t length = 0;
  std::size_t quotes[2];
  const Result result = NextLine(start, length, quotes);
  return result == Result::kLine ? Convert(start, length) : result;
}

DictionaryReader::Result MultibyteReader::ReadAWrittenLine(WrittenLine& line) {
  const Result result = NextLine(line.bytes, line.length, line.quotes);
  if (result != Result::kLine) return result;
  line.highBytes = highBytes_;
  line.table = nullptr;
  if (wellFormedUtf8_) {
    line.form = ValueForm::kUtf8;
    return result;
  }
  if (line.length > 0 && text_.KeepsAsWritten(line.bytes, line.length, highBytes_, line.table)) {
    line.form = ValueForm::kBytes;
    return result;
  }
  line.form = ValueForm::kUnits;
  return Convert(line.bytes, line.length);
}

}  // namespace pembra_private
