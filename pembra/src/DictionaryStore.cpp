#include "DictionaryStore.h"

#include <cstring>
#include <exception>

#include "BinaryFormat.h"
#include "DictionaryReader.h"
#include "EightBitText.h"
#include "EscapeSequences.h"
#include "Scan.h"

namespace pembra_private {

namespace {

// Room for the entries of a file is made ahead from its size, so that the index
// of keys seldom grows while it is read.
constexpr std::size_t kBytesPerEntryGuess = 128;

}  // namespace

Dictionary::Dictionary() : fastArray_(std::make_shared<FastArray>()) {}

void Dictionary::Read(std::istream* stream) {
  if (stream == nullptr) {
    valid_ = false;
    return;
  }
  Read(*stream);
}

void Dictionary::Read(std::istream& stream) {
  try {
    RefPtr<ByteBuffer> bytes = ReadDictionaryStream(stream);
    if (!bytes) {
      valid_ = false;
      return;
    }
    ReadBuffer(bytes);
  } catch (const std::exception&) {
    // A stream that fails by throwing, or out of memory for the entries.
    valid_ = false;
  }
}

bool Dictionary::ReadFile(const std::string& path) {
  RefPtr<ByteBuffer> bytes;
  switch (ReadDictionaryFile(path, bytes)) {
    case FileReadResult::kNotOpened:
      return false;
    case FileReadResult::kBroken:
      valid_ = false;
      return true;
    case FileReadResult::kRead:
      break;
  }
  try {
    ReadBuffer(bytes);
  } catch (const std::exception&) {
    valid_ = false;  // out of memory for the entries
  }
  return true;
}

void Dictionary::ReadBytes(const std::uint8_t* data, std::size_t size) { ReadBuffer(ByteBuffer::Copy(data, size)); }

void Dictionary::ReadBuffer(const RefPtr<ByteBuffer>& bytes) {
  if (bytes->Size() >= kBinaryMagic.size() &&
      std::memcmp(bytes->Data(), kBinaryMagic.data(), kBinaryMagic.size()) == 0) {
    ReadBinary(bytes);
  } else {
    ReadText(bytes);
  }
}

void Dictionary::ReadText(const RefPtr<ByteBuffer>& bytes) {
  if (storeKind_ == kHashTableStore) table_.Reserve(bytes->Size() / kBytesPerEntryGuess);
  // The hash table keeps the entries of lines as the file writes them, and the
  // file with them; the version-2 store takes converted values only.
  const bool asWritten = storeKind_ == kHashTableStore;
  if (asWritten) table_.Keep(*bytes);
  std::unique_ptr<DictionaryReader> reader = DictionaryReader::Make(bytes->Data(), bytes->Size());
  WrittenLine line;
  // Entries join the index a few lines after they are read; all have joined when
  // reading ends, however it ends.
  readingText_ = true;
  try {
    for (;;) {
      const DictionaryReader::Result result = asWritten ? reader->ReadAWrittenLine(line) : reader->ReadALine();
      if (result == DictionaryReader::Result::kEnd) break;
      if (result == DictionaryReader::Result::kConversionFailed) {
        valid_ = false;  // the entries before the line stay
        break;
      }
      if (!asWritten || line.form == ValueForm::kUnits) {
        if (!reader->Line().empty()) AddEntry(reader->Line());
      } else if (line.length > 0) {
        AddWrittenLine(line, *bytes);
      }
    }
  } catch (...) {
    readingText_ = false;
    table_.FlushReplacements();
    throw;
  }
  readingText_ = false;
  table_.FlushReplacements();
}

void Dictionary::ReadBinary(const RefPtr<ByteBuffer>& bytes) {
  ByteReader in(bytes->Data(), bytes->Size());
  in.Skip(kBinaryMagic.size());
  std::uint8_t majorByte = 0;
  std::uint8_t minorByte = 0;
  std::uint8_t valueEncoding = 0;
  if (!in.ReadU8(majorByte) || !in.ReadU8(minorByte) || !in.ReadU8(valueEncoding)) {
    valid_ = false;
    return;
  }
  const auto major = static_cast<std::int8_t>(majorByte);
  const auto minor = static_cast<std::int8_t>(minorByte);
  const BinaryTarget target{table_, table_.Memory(), *bytes, valueEncoding};
  if (major == 2 && minor >= 0) {
    ReadVersion2(in, minor >= 1, bytes);
  } else if (major == 1 && (minor == 0 || minor == 5)) {
    if (minor == 0) table_.Reserve(bytes->Size() / kBytesPerEntryGuess);
    table_.Keep(*bytes);  // keys and values are used where they are
    bool read = false;
    try {
      read = minor == 0 ? ReadVersion10Body(in, target) : ReadVersion15Body(in, target);
    } catch (...) {
      table_.IndexGroups();  // the entries read before the failure stay
      throw;
    }
    table_.IndexGroups();
    if (!read) valid_ = false;
  }
  // Other versions are not read; the dictionary stays as it was.
}

void Dictionary::ReadVersion2(ByteReader& in, bool hasEndianByte, const RefPtr<ByteBuffer>& bytes) {
  // A version-2 part that cannot be read, or whose segment is rejected or holds
  // nothing, leaves the dictionary as it was, and valid.
  pembra::EndianT endian = pembra::kEndianUnspecified;
  if (hasEndianByte) {
    std::uint8_t endianByte = 0;
    if (!in.ReadU8(endianByte)) return;
    endian = (endianByte & 1) != 0 ? pembra::kLittleEndian : pembra::kBigEndian;
  }
  in.SetByteOrder(ByteOrderOf(endian));
  std::uint32_t headerLength = 0;
  const std::uint8_t* header = nullptr;
  if (!in.ReadU32(headerLength) || !in.ReadBytes(headerLength, header)) return;
  switch (fastArray_->Read(in, endian, bytes)) {
    case FastArray::ReadResult::kAdded:
    case FastArray::ReadResult::kMerged:
      headerText_.emplace(reinterpret_cast<const char*>(header), headerLength);
      storeKind_ = kFastArrayStore;
      break;
    case FastArray::ReadResult::kEmpty:
    case FastArray::ReadResult::kRejectedIdBase:
    case FastArray::ReadResult::kCorrupt:
      break;
  }
}

bool Dictionary::AddEntry(std::u16string_view line) {
  const std::optional<ParsedEntry> entry = ParseEntry(line);
  if (!entry) {
    valid_ = false;
    return false;
  }
  NarrowKey(entry->key);
  Region& memory = table_.Memory();
  char16_t* room = memory.Room(entry->value.size());
  UnicodeRun value = memory.Keep(DictionaryEntry::ConvertEscapeSequences(entry->value, room));
  if (storeKind_ == kFastArrayStore) {
    fastArray_->Add(key_, std::move(value));
  } else {
    StoreTextEntry(key_, value, HashTableGeneric::KeyBytes::kCopy);
  }
  return true;
}

void Dictionary::NarrowKey(std::u16string_view key) {
  // Keys are 8-bit: each UTF-16 unit of a text key keeps its low byte.
  key_.resize(key.size());
  scan::NarrowUnits(key.data(), key.size(), key_.data(), false);
}

void Dictionary::StoreTextEntry(std::string_view key, const EntryValue& value, HashTableGeneric::KeyBytes keyBytes) {
  if (readingText_) {
    table_.ReplaceSoon(key, value, keyBytes);
  } else {
    table_.Replace(key, value, keyBytes);
  }
}

void Dictionary::ChooseHatTable() {
  // The hat table is chosen at the first text value stored, as when values are
  // converted as they are read.
  HatEscapeTableInForce();
}

bool Dictionary::HasKey(std::string_view key) const {
  // Without converting the value.
  if (storeKind_ == kFastArrayStore) return Lookup(key).has_value();
  return table_.Find(key) != nullptr;
}

void Dictionary::AddWrittenLine(const WrittenLine& line, const ByteBuffer& file) {
  if (line.form == ValueForm::kHostUnits || line.form == ValueForm::kSwappedUnits) {
    const bool swapped = line.form == ValueForm::kSwappedUnits;
    const std::u16string_view units(reinterpret_cast<const char16_t*>(line.bytes), line.length / 2);
    const std::optional<ParsedEntry> entry = ParseEntryLine(units, line.quotes[0], line.quotes[1], swapped);
    if (!entry) {
      valid_ = false;
      return;
    }
    ChooseHatTable();
    // Keys are 8-bit: each unit keeps its low byte, the first one stored when swapped.
    key_.resize(entry->key.size());
    scan::NarrowUnits(entry->key.data(), entry->key.size(), key_.data(), swapped);
    StoreTextEntry(key_,
                   EntryValue::Written(&file, entry->value.data(), 2 * entry->value.size(), line.form, true),
                   HashTableGeneric::KeyBytes::kCopy);
    return;
  }
  const std::optional<ParsedEntryOf<char>> entry =
      ParseEntryLine(std::string_view(reinterpret_cast<const char*>(line.bytes), line.length), line.quotes[0],
                     line.quotes[1], false);
  if (!entry) {
    valid_ = false;
    return;
  }
  ChooseHatTable();
  const auto* keyBytes = reinterpret_cast<const std::uint8_t*>(entry->key.data());
  std::string_view key = entry->key;
  HashTableGeneric::KeyBytes storage = HashTableGeneric::KeyBytes::kKept;
  if (line.highBytes && scan::FindHighByte(keyBytes, key.size()) != key.size()) {
    // A key with characters beyond ASCII keeps the low byte of each of its units.
    keyUnits_.resize(key.size());
    std::size_t count = key.size();
    if (line.form == ValueForm::kUtf8) {
      DecodeUtf8(keyBytes, key.size(), keyUnits_.data(), count);
    } else {
      for (std::size_t i = 0; i < count; ++i) keyUnits_[i] = line.table ? line.table[keyBytes[i]] : keyBytes[i];
    }
    NarrowKey({keyUnits_.data(), count});
    key = key_;
    storage = HashTableGeneric::KeyBytes::kCopy;
  }
  StoreTextEntry(key, EntryValue::Written(&file, entry->value.data(), entry->value.size(), line.form, true, line.table),
                 storage);
}

std::optional<UnicodeRun> Dictionary::Lookup(std::string_view key) const {
  if (storeKind_ == kFastArrayStore) {
    const std::int64_t id = fastArray_->FindId(key);
    if (!fastArray_->ValidId(id)) return std::nullopt;
    return fastArray_->GetValue(id);
  }
  return table_.FindValue(key);
}

int Dictionary::NumKeys() const {
  return static_cast<int>(storeKind_ == kFastArrayStore ? fastArray_->NumKeys() : table_.NumItems());
}

}  // namespace pembra_private
