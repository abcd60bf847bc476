#include "EntryValue.h"

#include <cstring>

#include "EightBitText.h"
#include "HashItem.h"
#include "Scan.h"

namespace pembra_private {

namespace {

// The units of a pending value, at most one a byte, into `out`; their count.
std::size_t Decode(const EntryValue& value, char16_t* out) {
  const auto* bytes = static_cast<const std::uint8_t*>(value.data);
  std::size_t count = 0;
  switch (value.form) {
    case ValueForm::kUnits:
      break;
    case ValueForm::kUtf8:
      // Checked when it was read, so it cannot fail here.
      if (!DecodeUtf8(bytes, value.length, out, count)) count = 0;
      break;
    case ValueForm::kBytes:
      count = value.length;
      if (value.table == nullptr) {
        for (std::size_t i = 0; i < count; ++i) out[i] = bytes[i];
      } else {
        for (std::size_t i = 0; i < count; ++i) out[i] = value.table[bytes[i]];
      }
      break;
    case ValueForm::kHostUnits:
      count = value.length / 2;
      std::memcpy(out, bytes, 2 * count);
      break;
    case ValueForm::kSwappedUnits:
      count = value.length / 2;
      scan::SwapUnits(bytes, count, out);
      break;
  }
  return count;
}

}  // namespace

UnicodeRun ConvertWrittenValue(const EntryValue& value, Region& memory, std::u16string& scratch) {
  if (!value.escapes) {
    char16_t* room = memory.Room(value.length);
    return memory.Keep(Decode(value, room));
  }
  if (value.form == ValueForm::kHostUnits && reinterpret_cast<std::uintptr_t>(value.data) % alignof(char16_t) == 0) {
    // Units the escapes can be read from where they are.
    const std::u16string_view units(static_cast<const char16_t*>(value.data), value.length / 2);
    char16_t* room = memory.Room(units.size());
    return memory.Keep(DictionaryEntry::ConvertEscapeSequences(units, room));
  }
  if (scratch.size() < value.length) scratch.resize(value.length);
  const std::size_t count = Decode(value, scratch.data());
  char16_t* room = memory.Room(count);
  return memory.Keep(DictionaryEntry::ConvertEscapeSequences({scratch.data(), count}, room));
}

}  // namespace pembra_private
