#pragma once
// Items of the dictionary's chained hash table: keys and key -> text entries.
#include <memory>
#include <string>
#include <string_view>

#include "UnicodeRun.h"

namespace pembra_private {

class ByteRunKey;

class HashItem {
 public:
  virtual ~HashItem() = default;
  // The item as a key, when it is one; cheaper than a dynamic_cast in chain walks.
  virtual const ByteRunKey* AsByteRunKey() const { return nullptr; }
  virtual unsigned Hash(unsigned buckets) const = 0;
  virtual bool operator==(const HashItem& other) const = 0;

  // The next item of the same bucket; the chain owns its items.
  std::unique_ptr<HashItem> next;
};

// A key of 8-bit bytes, either a private copy or borrowed (the probes of a
// lookup borrow the caller's bytes, which must outlive the probe).
class ByteRunKey : public HashItem {
 public:
  static ByteRunKey Borrowed(std::string_view bytes) { return ByteRunKey(bytes); }
  explicit ByteRunKey(std::string bytes) : owned_(std::move(bytes)), owns_(true) {}
  ByteRunKey(const ByteRunKey&) = delete;
  ByteRunKey& operator=(const ByteRunKey&) = delete;

  std::string_view Bytes() const { return owns_ ? std::string_view(owned_) : borrowed_; }
  const ByteRunKey* AsByteRunKey() const override { return this; }
  unsigned Hash(unsigned buckets) const override;
  // Equal to another key of the same length and bytes.
  bool operator==(const HashItem& other) const override;

 private:
  explicit ByteRunKey(std::string_view borrowed) : borrowed_(borrowed), owns_(false) {}

  std::string owned_;
  std::string_view borrowed_;
  bool owns_;
};

// One key -> UTF-16 text entry.
class DictionaryEntry : public ByteRunKey {
 public:
  DictionaryEntry(std::string key, UnicodeRun value)
      : ByteRunKey(std::move(key)), value_(std::move(value)) {}
  const UnicodeRun& Value() const { return value_; }

  // The text of an entry value or default text as written: backslash and hat
  // escapes, then character entities.
  static std::u16string ConvertEscapeSequences(std::u16string_view text);
  // Character entities only: "#{name}", "#{U+hhhh}", "#{uhhhh}", "#{hhhh}".
  static std::u16string ConvertEscapeSequencesISO(std::u16string_view text);

 private:
  UnicodeRun value_;
};

}  // namespace pembra_private
