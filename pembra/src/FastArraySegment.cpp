#include <cstdint>

#include "FastArray.h"

namespace pembra_private {

namespace {

constexpr std::uint8_t kValuesOnly = 'N';

template <typename T>
bool ReadTable(ByteReader& in, std::uint32_t count, std::vector<T>& table) {
  if (!in.HasRoomFor(count, sizeof(T))) return false;
  table.resize(count);
  for (auto& item : table) {
    if constexpr (sizeof(T) == 2) {
      std::uint16_t value = 0;
      if (!in.ReadU16(value)) return false;
      item = value;
    } else {
      std::uint32_t value = 0;
      if (!in.ReadU32(value)) return false;
      item = value;
    }
  }
  return true;
}

// u16 lengths widened to the segment's 32-bit tables.
bool ReadLengths(ByteReader& in, std::uint32_t count, std::vector<std::uint32_t>& lengths) {
  std::vector<std::uint16_t> narrow;
  if (!ReadTable(in, count, narrow)) return false;
  lengths.assign(narrow.begin(), narrow.end());
  return true;
}

bool ReadUnits(ByteReader& in, std::uint32_t byteCount, std::u16string& units) {
  const std::uint8_t* bytes = nullptr;
  if (!in.ReadBytes(byteCount, bytes)) return false;
  units.resize(byteCount / 2);
  for (std::size_t i = 0; i < units.size(); ++i) units[i] = DecodeU16(bytes + 2 * i, in.Order());
  return true;
}

bool Fits(std::uint32_t offset, std::uint32_t length, std::size_t blobSize) {
  return std::uint64_t{offset} + length <= blobSize;
}

}  // namespace

bool ReadSegment(ByteReader& in, cFarray& segment, std::vector<AcceleratorRecord>& records) {
  std::uint8_t flag = 0;
  std::uint32_t keyBlobSize = 0;
  std::uint32_t valueBlobSize = 0;
  if (!in.ReadU8(flag)) return false;
  segment.hasKeys = flag != kValuesOnly;
  if (!in.ReadU32(segment.entryCount) || !in.ReadU32(segment.liveCount) ||
      !in.ReadU32(segment.acceleratorRecordCount)) {
    return false;
  }
  if (segment.hasKeys && !in.ReadU32(keyBlobSize)) return false;
  if (!in.ReadU32(valueBlobSize)) return false;
  const std::uint32_t count = segment.entryCount;
  // More live entries than entries would make NumKeys lie.
  if (segment.liveCount > count) return false;

  if (segment.hasKeys &&
      (!ReadTable(in, count, segment.keyOffsets) || !ReadLengths(in, count, segment.keyLengths))) {
    return false;
  }
  if (!ReadTable(in, count, segment.valueOffsets) || !ReadLengths(in, count, segment.valueLengths)) {
    return false;
  }
  if (segment.hasKeys) {
    const std::uint8_t* keys = nullptr;
    if (!in.ReadBytes(keyBlobSize, keys)) return false;
    segment.keyBlob.assign(reinterpret_cast<const char*>(keys), keyBlobSize);
  }
  auto values = std::make_shared<std::u16string>();
  if (!ReadUnits(in, valueBlobSize, *values)) return false;
  segment.valueBlob = values;

  for (std::uint32_t i = 0; i < count; ++i) {
    if (segment.hasKeys && !Fits(segment.keyOffsets[i], segment.keyLengths[i], keyBlobSize)) return false;
    // Values are whole UTF-16 units of the blob.
    if (segment.valueOffsets[i] % 2 != 0 ||
        !Fits(segment.valueOffsets[i], segment.valueLengths[i], valueBlobSize)) {
      return false;
    }
  }

  records.clear();
  if (segment.hasKeys) {
    const std::uint32_t recordCount = segment.acceleratorRecordCount;
    std::vector<std::uint16_t> buckets;
    std::vector<std::uint32_t> idCounts;
    if (!ReadTable(in, recordCount, buckets) || !ReadTable(in, recordCount, idCounts)) return false;
    records.resize(recordCount);
    for (std::uint32_t r = 0; r < recordCount; ++r) {
      if (buckets[r] >= kBucketCount) return false;
      records[r].bucket = buckets[r];
      if (!ReadTable(in, idCounts[r], records[r].ids)) return false;
      for (std::uint32_t id : records[r].ids) {
        if (id >= count) return false;
      }
    }
  }

  std::uint32_t extraCount = 0;
  if (!in.ReadU32(extraCount)) return false;
  if (extraCount > 0) {
    std::uint32_t extraBlobSize = 0;
    if (!in.ReadU32(extraBlobSize) || !ReadTable(in, extraCount, segment.extraIndexes) ||
        !ReadTable(in, extraCount, segment.extraOffsets) ||
        !ReadTable(in, extraCount, segment.extraLengths) ||
        !ReadUnits(in, extraBlobSize, segment.extraBlob)) {
      return false;
    }
  }
  return true;
}

}  // namespace pembra_private
