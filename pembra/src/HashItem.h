#pragma once
// Entries of the dictionary's chained hash table: key -> UTF-16 text.
#include <cstdint>
#include <string>
#include <string_view>

#include "UnicodeRun.h"

namespace pembra_private {

// One key -> text entry. Its table owns it and the key bytes it points at.
class DictionaryEntry {
 public:
  DictionaryEntry(std::string_view key, UnicodeRun value, std::uint32_t serial)
      : key_(key), value_(std::move(value)), serial_(serial) {}
  DictionaryEntry(const DictionaryEntry&) = delete;
  DictionaryEntry& operator=(const DictionaryEntry&) = delete;

  std::string_view Key() const { return key_; }
  const UnicodeRun& Value() const { return value_; }
  // The next entry of the same bucket.
  const DictionaryEntry* Next() const { return next_; }

  // The text of an entry value or default text as written: backslash and hat
  // escapes, then character entities.
  static std::u16string ConvertEscapeSequences(std::u16string_view text);
  // Character entities only: "#{name}", "#{U+hhhh}", "#{uhhhh}", "#{hhhh}".
  static std::u16string ConvertEscapeSequencesISO(std::u16string_view text);

 private:
  friend class HashTableGeneric;

  std::string_view key_;
  UnicodeRun value_;
  DictionaryEntry* next_ = nullptr;
  std::uint32_t serial_;  // the order in which the table made its entries
};

}  // namespace pembra_private
