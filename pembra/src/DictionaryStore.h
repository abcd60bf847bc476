#pragma once
// The dictionary behind pembra::Dictionary: key -> UTF-16 text entries of the
// dictionary files read into it.
#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ByteReader.h"
#include "DictionaryFile.h"
#include "FastArray.h"
#include "HashTableGeneric.h"
#include "UnicodeRun.h"

namespace pembra_private {

// A text entry line split into key and value (views into the line).
template <class Unit>
struct ParsedEntryOf {
  std::basic_string_view<Unit> key;
  std::basic_string_view<Unit> value;
};
using ParsedEntry = ParsedEntryOf<char16_t>;

// Splits a text entry line of UTF-16 units, or of the bytes of an 8-bit encoding
// whose ASCII characters stand for themselves; nothing when the line is rejected.
template <class Unit>
std::optional<ParsedEntryOf<Unit>> ParseEntryLine(std::basic_string_view<Unit> line);
// The same, given the line's first double quote not after a backslash (`open`)
// and the next one (`close`), either npos when there is none. With `swapped`,
// UTF-16 units are stored with their two bytes exchanged.
template <class Unit>
std::optional<ParsedEntryOf<Unit>> ParseEntryLine(std::basic_string_view<Unit> line, std::size_t open,
                                                  std::size_t close, bool swapped);

struct WrittenLine;

class Dictionary {
 public:
  // Text and version-1 files fill the hash table; after the first version-2
  // file the version-2 store takes every lookup and every later entry.
  enum StoreKind : std::uint8_t { kHashTableStore = 0, kFastArrayStore = 2 };

  Dictionary();
  Dictionary(const Dictionary&) = delete;
  Dictionary& operator=(const Dictionary&) = delete;

  // A null stream only marks the dictionary invalid.
  void Read(std::istream* stream);
  // Reads the whole stream from its start: binary when it begins with the
  // binary magic, text otherwise. Never throws.
  void Read(std::istream& stream);
  // Reads the file at `path` as Read reads a stream. False, with the dictionary
  // untouched, when it cannot be opened or is not a regular file; a file larger
  // than any dictionary is not read and marks the dictionary invalid.
  bool ReadFile(const std::string& path);
  // The same over a copy of bytes in memory.
  void ReadBytes(const std::uint8_t* data, std::size_t size);

  // Stores one text entry line; a rejected line marks the dictionary invalid.
  bool AddEntry(std::u16string_view line);
  // Splits a text entry line; nothing when the line is rejected.
  static std::optional<ParsedEntry> ParseEntry(std::u16string_view line);

  bool HasKey(std::string_view key) const;
  // The stored value of `key`.
  std::optional<UnicodeRun> Lookup(std::string_view key) const;
  int NumKeys() const;
  bool IsValid() const { return valid_; }
  StoreKind Kind() const { return storeKind_; }
  // Index slots the hash table has looked at so far: the work of adding and
  // finding its keys.
  std::size_t IndexProbes() const { return table_.IndexProbes(); }
  // The header text of the last version-2 file read.
  const std::optional<std::string>& HeaderText() const { return headerText_; }

 private:
  // The store may keep the bytes and use them where they are.
  void ReadBuffer(const RefPtr<ByteBuffer>& bytes);
  void ReadText(const RefPtr<ByteBuffer>& bytes);
  // Stores a text entry line kept as `file` writes it; a rejected line marks the
  // dictionary invalid.
  void AddWrittenLine(const WrittenLine& line, const ByteBuffer& file);
  // Fixes the hat escape table, as converting a value does, before a text value
  // kept as written is stored.
  void ChooseHatTable();
  // key_ = the low byte of each unit of `key`.
  void NarrowKey(std::u16string_view key);
  // Stores `key` -> `value` of a text line; while a text is read, the key's place
  // in the index is fetched while the next lines are read.
  void StoreTextEntry(std::string_view key, const EntryValue& value, HashTableGeneric::KeyBytes keyBytes);
  void ReadBinary(const RefPtr<ByteBuffer>& bytes);
  void ReadVersion2(ByteReader& in, bool hasEndianByte, const RefPtr<ByteBuffer>& bytes);

  HashTableGeneric table_;  // its memory holds the values converted while reading
  std::string key_;         // the key of the text line being added
  std::u16string keyUnits_; // room for decoding a key
  std::shared_ptr<FastArray> fastArray_;
  StoreKind storeKind_ = kHashTableStore;
  std::optional<std::string> headerText_;
  bool valid_ = true;
  bool readingText_ = false;  // text entries join the index a little later
};

}  // namespace pembra_private
