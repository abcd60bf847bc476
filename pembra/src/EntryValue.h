#pragma once
// What a dictionary entry keeps of its value: UTF-16 units ready to hand out, or
// the bytes as the file writes them, converted at the value's first lookup.
// Reading a large dictionary then converts only the values somebody looks up.
#include <cstddef>
#include <cstdint>
#include <string>

#include "RefCount.h"
#include "UnicodeRun.h"

namespace pembra_private {

enum class ValueForm : std::uint8_t {
  kUnits,         // converted: UTF-16 units in the host's order
  kUtf8,          // UTF-8, found well-formed when it was read
  kBytes,         // one byte a character: through a table of 256 units, or as is without one
  kHostUnits,     // UTF-16 units in the host's order, at any address
  kSwappedUnits,  // UTF-16 units with their two bytes exchanged
};

struct EntryValue {
  EntryValue() = default;
  // A converted value; the table that keeps it keeps the run's owner.
  EntryValue(const UnicodeRun& run)  // NOLINT: a run is a value as it stands
      : owner(run.Owner()), data(run.data()), length(static_cast<std::uint32_t>(run.size())) {}
  // `length` bytes at `data` in `form`, kept alive by `owner`. With `escapes`, the
  // text's escapes and character entities are converted after its encoding.
  static EntryValue Written(const RefCountObj* owner, const void* data, std::size_t length, ValueForm form,
                            bool escapes, const char16_t* table = nullptr) {
    EntryValue value;
    if (length == 0) return value;
    value.owner = owner;
    value.data = data;
    value.length = static_cast<std::uint32_t>(length);
    value.form = form;
    value.escapes = escapes;
    value.table = table;
    return value;
  }

  // `count` units in the host's order at `units`, kept alive by `owner`.
  static EntryValue InPlace(const RefCountObj* owner, const char16_t* units, std::size_t count) {
    EntryValue value;
    if (count == 0) return value;
    value.owner = owner;
    value.data = units;
    value.length = static_cast<std::uint32_t>(count);
    return value;
  }

  bool Pending() const { return form != ValueForm::kUnits; }
  // A converted value as a run (one more reference to its owner).
  UnicodeRun Run() const { return UnicodeRun(owner, static_cast<const char16_t*>(data), length); }

  const RefCountObj* owner = nullptr;  // null for the empty value
  const void* data = nullptr;
  std::uint32_t length = 0;  // units when converted, else bytes
  ValueForm form = ValueForm::kUnits;
  bool escapes = false;
  const char16_t* table = nullptr;  // kBytes only
};

// The UTF-16 text of a pending value, written into `memory`; `scratch` is room the
// conversion may reuse.
UnicodeRun ConvertWrittenValue(const EntryValue& value, Region& memory, std::u16string& scratch);

}  // namespace pembra_private
