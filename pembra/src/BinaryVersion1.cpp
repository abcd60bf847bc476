// Versions 1.0 and 1.5 of the binary dictionary body.
#include <string_view>
#include <vector>

#include "BinaryFormat.h"

namespace pembra_private {

namespace {

using Group = HashTableGeneric::Group;

bool AddEntry(const std::uint8_t* key, std::uint32_t keyLength, const std::uint8_t* value,
              std::uint32_t valueLength, const BinaryTarget& target, ByteOrder valueOrder, bool markGivesOrder,
              Group& group) {
  EntryValue text;
  if (!DecodeBinaryValue(value, valueLength, target, valueOrder, markGivesOrder, text)) return false;
  group.Add(std::string_view(reinterpret_cast<const char*>(key), keyLength), text,
            HashTableGeneric::KeyBytes::kKept);
  return true;
}

struct IndexRecord {
  std::uint16_t bucket = 0;
  std::uint32_t offset = 0;
};

// One version-1.0 entry: u32 key length, key, u32 value length, value.
bool ReadVersion10Entry(ByteReader& in, const BinaryTarget& target, Group& group, std::uint64_t& entrySize) {
  std::uint32_t keyLength = 0;
  std::uint32_t valueLength = 0;
  const std::uint8_t* key = nullptr;
  const std::uint8_t* value = nullptr;
  if (!in.ReadU32(keyLength) || !in.ReadBytes(keyLength, key) || !in.ReadU32(valueLength) ||
      !in.ReadBytes(valueLength, value)) {
    return false;
  }
  entrySize = std::uint64_t{8} + keyLength + valueLength;
  return AddEntry(key, keyLength, value, valueLength, target, in.Order(), false, group);
}

}  // namespace

bool ReadVersion10Body(ByteReader& in, const BinaryTarget& target) {
  std::uint16_t recordCount = 0;
  if (!in.ReadU16(recordCount) || !in.HasRoomFor(recordCount, 6)) return false;
  std::vector<IndexRecord> records(recordCount);
  for (IndexRecord& record : records) {
    if (!in.ReadU16(record.bucket) || !in.ReadU32(record.offset)) return false;
  }
  // Record i holds the entries from its own offset until the sum of their sizes
  // reaches the next record's offset; the last record only marks the end of the
  // data. Entries are read one after the other whatever the offsets say: an
  // entry that runs past the next offset still belongs to its record, and a
  // record whose next offset is not above its own holds none.
  for (std::size_t i = 0; i + 1 < records.size(); ++i) {
    if (records[i].bucket >= kBucketCount) return false;
    Group group = target.table.InFrontOf(records[i].bucket);
    bool ok = true;
    for (std::uint64_t offset = records[i].offset; ok && offset < records[i + 1].offset;) {
      std::uint64_t entrySize = 0;
      ok = ReadVersion10Entry(in, target, group, entrySize);
      offset += entrySize;
    }
    if (!ok) return false;
  }
  return true;
}

bool ReadVersion15Body(ByteReader& in, const BinaryTarget& target) {
  in.SetByteOrder(ByteOrder::kBig);
  std::uint32_t groupCount = 0;
  // Each group has a running total (u32) and a bucket number (u16).
  if (!in.ReadU32(groupCount) || !in.HasRoomFor(groupCount, 6)) return false;
  // Group g holds the entries whose two length words come before its running
  // total; a total that does not grow gives its group no entries.
  std::vector<std::uint32_t> totals(groupCount);
  for (std::uint32_t& total : totals) {
    if (!in.ReadU32(total)) return false;
  }
  const std::uint32_t wordCount = totals.empty() ? 0 : totals.back();
  // The length words are read where they are.
  const std::uint8_t* lengths = nullptr;
  if (!in.HasRoomFor(wordCount, 4) || !in.ReadBytes(std::size_t{wordCount} * 4, lengths)) return false;
  target.table.Reserve(wordCount / 2);
  std::vector<std::uint16_t> buckets(groupCount);
  for (std::uint16_t& bucket : buckets) {
    if (!in.ReadU16(bucket) || bucket >= kBucketCount) return false;
  }
  std::size_t word = 0;
  for (std::uint32_t g = 0; g < groupCount; ++g) {
    Group group = target.table.InFrontOf(buckets[g]);
    bool ok = true;
    for (; ok && word < totals[g]; word += 2) {
      // An entry whose length words lie past the table cannot be read.
      ok = word + 1 < wordCount;
      if (!ok) break;
      const std::uint32_t keyLength = DecodeU32(lengths + 4 * word, ByteOrder::kBig);
      const std::uint32_t valueLength = DecodeU32(lengths + 4 * word + 4, ByteOrder::kBig);
      const std::uint8_t* key = nullptr;
      const std::uint8_t* value = nullptr;
      ok = in.ReadBytes(keyLength, key) && in.ReadBytes(valueLength, value) &&
           AddEntry(key, keyLength, value, valueLength, target, ByteOrder::kBig, true, group);
    }
    if (!ok) return false;
  }
  return true;
}

}  // namespace pembra_private
