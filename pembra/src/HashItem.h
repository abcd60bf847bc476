#pragma once
// Entries of the dictionary's chained hash table: key -> UTF-16 text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "UnicodeRun.h"

namespace pembra_private {

// One key -> text entry. Its table owns it, the key bytes it points at, and a
// reference to whatever holds the units of its value; the entry itself holds
// none, so entries need no destruction.
class DictionaryEntry {
 public:
  DictionaryEntry(std::string_view key, const UnicodeRun& value, std::uint32_t serial)
      : key_(key), serial_(serial) {
    SetValue(value);
  }
  DictionaryEntry(const DictionaryEntry&) = delete;
  DictionaryEntry& operator=(const DictionaryEntry&) = delete;

  std::string_view Key() const { return key_; }
  // The value as a run of its own (one more reference to what holds it).
  UnicodeRun Value() const { return UnicodeRun(valueOwner_, valueUnits_, valueLength_); }
  // The next entry of the same bucket.
  const DictionaryEntry* Next() const { return next_; }

  // The text of an entry value or default text as written: backslash and hat
  // escapes, then character entities.
  static std::u16string ConvertEscapeSequences(std::u16string_view text);
  // The same, written to `out`, which has room for text.size() units; the units written.
  static std::size_t ConvertEscapeSequences(std::u16string_view text, char16_t* out);
  // Character entities only: "#{name}", "#{U+hhhh}", "#{uhhhh}", "#{hhhh}".
  static std::u16string ConvertEscapeSequencesISO(std::u16string_view text);

 private:
  friend class HashTableGeneric;

  void SetValue(const UnicodeRun& value) {
    valueOwner_ = value.Owner();
    valueUnits_ = value.data();
    valueLength_ = value.size();
  }

  std::string_view key_;
  const RefCountObj* valueOwner_ = nullptr;  // kept alive by the table
  const char16_t* valueUnits_ = nullptr;
  std::size_t valueLength_ = 0;
  DictionaryEntry* next_ = nullptr;
  std::uint32_t serial_;  // the order in which the table made its entries
};

}  // namespace pembra_private
