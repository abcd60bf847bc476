#include <cstdint>
#include <cstring>

#include "BinaryFormat.h"
#include "FastArray.h"

namespace pembra_private {

namespace {

constexpr std::uint8_t kValuesOnly = 'N';

// Points `table` at `count` items of `itemSize` bytes and moves past them.
bool TakeTable(ByteReader& in, std::uint64_t count, std::size_t itemSize, const std::uint8_t*& table) {
  return in.HasRoomFor(count, itemSize) && in.ReadBytes(static_cast<std::size_t>(count) * itemSize, table);
}
bool TakeTable(ByteReader& in, std::uint64_t count, std::size_t itemSize, std::uint8_t*& table) {
  const std::uint8_t* taken = nullptr;
  if (!TakeTable(in, count, itemSize, taken)) return false;
  table = const_cast<std::uint8_t*>(taken);  // the store's own copy of the file
  return true;
}

bool Fits(std::uint32_t offset, std::uint32_t length, std::size_t blobSize) {
  return std::uint64_t{offset} + length <= blobSize;
}

// The value blob as units in the host's order: in place when it already is so.
void TakeValues(const RefPtr<ByteBuffer>& file, const std::uint8_t* blob, std::uint32_t size, ByteOrder order,
                cFarray& segment) {
  if (order == HostByteOrder() && reinterpret_cast<std::uintptr_t>(blob) % alignof(char16_t) == 0) {
    segment.valueUnits = reinterpret_cast<const char16_t*>(blob);
    segment.valueOwner = file;
    return;
  }
  RefPtr<UnitBuffer> units = UnitBuffer::Make(size / 2);
  DecodeUnits(blob, size / 2, order, units->Units());
  segment.valueUnits = units->Units();
  segment.valueOwner = units;
}

// Every key and value of the segment lies inside its blob, and every value
// begins on a whole unit. One loop per byte order, so that each is a plain pass.
template <ByteOrder kOrder>
bool CheckTables(const cFarray& segment, std::uint32_t keyBlobSize, std::uint32_t valueBlobSize) {
  bool fits = true;
  for (std::uint32_t i = 0; i < segment.entryCount; ++i) {
    if (segment.hasKeys) {
      fits &= Fits(DecodeU32(segment.keyOffsetTable + 4 * i, kOrder), DecodeU16(segment.keyLengthTable + 2 * i, kOrder),
                   keyBlobSize);
    }
    const std::uint32_t valueOffset = DecodeU32(segment.valueOffsetTable + 4 * i, kOrder);
    fits &= valueOffset % 2 == 0 && Fits(valueOffset, DecodeU16(segment.valueLengthTable + 2 * i, kOrder), valueBlobSize);
  }
  return fits;
}

}  // namespace

void cFarray::TagBucket(unsigned bucket) const {
  if (bucketTagged[bucket]) return;
  for (std::uint32_t i = bucketStarts[bucket]; i < bucketStarts[bucket + 1]; ++i) {
    acceleratorIds[i].keyTag = KeyTag(Key(acceleratorIds[i].id - idBase));
  }
  bucketTagged[bucket] = true;
}

UnicodeRun cFarray::Value(std::uint32_t local) const {
  if (local < valueOverrides.size() && valueOverrides[local]) return *valueOverrides[local];
  if (!file) return {};
  return UnicodeRun(valueOwner.get(), valueUnits + DecodeU32(valueOffsetTable + 4 * local, order) / 2,
                    DecodeU16(valueLengthTable + 2 * local, order) / 2);
}

void cFarray::OverrideValue(std::uint32_t local, UnicodeRun value) {
  if (valueOverrides.size() < entryCount) valueOverrides.resize(entryCount);
  valueOverrides[local] = std::move(value);
}

void cFarray::Drop(std::uint32_t local) {
  // Zero reads the same in either byte order.
  if (hasKeys) keyLengthTable[2 * local] = keyLengthTable[2 * local + 1] = 0;
  valueLengthTable[2 * local] = valueLengthTable[2 * local + 1] = 0;
}

std::size_t InPlaceValuesOffset(const std::uint8_t* first, std::size_t size) {
  ByteReader in(first, size);
  std::uint8_t major = 0, minor = 0, ignored = 0, endian = 1, flag = 0;
  if (!in.Skip(kBinaryMagic.size()) || std::memcmp(first, kBinaryMagic.data(), kBinaryMagic.size()) != 0 ||
      !in.ReadU8(major) || !in.ReadU8(minor) || !in.ReadU8(ignored) || major != 2 ||
      static_cast<std::int8_t>(minor) < 0 || (minor >= 1 && !in.ReadU8(endian))) {
    return 0;
  }
  in.SetByteOrder(ByteOrderOf(minor == 0 ? pembra::kEndianUnspecified
                              : (endian & 1) != 0 ? pembra::kLittleEndian
                                                  : pembra::kBigEndian));
  std::uint32_t headerLength = 0, count = 0, keyBlobSize = 0, ignoredWord = 0;
  if (!in.ReadU32(headerLength) || !in.Skip(headerLength) || !in.ReadU32(ignoredWord) || !in.ReadU8(flag) ||
      !in.ReadU32(count) || !in.ReadU32(ignoredWord) || !in.ReadU32(ignoredWord)) {
    return 0;
  }
  const bool keys = flag != kValuesOnly;
  if ((keys && !in.ReadU32(keyBlobSize)) || !in.ReadU32(ignoredWord)) return 0;
  // The tables of offsets and lengths, then the key blob.
  return in.Position() + (keys ? 12 : 6) * std::uint64_t{count} + keyBlobSize;
}

bool ReadSegment(ByteReader& in, const RefPtr<ByteBuffer>& file, cFarray& segment,
                 std::vector<AcceleratorRecord>& records) {
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
  segment.file = file;
  segment.order = in.Order();

  if (segment.hasKeys && (!TakeTable(in, count, 4, segment.keyOffsetTable) ||
                          !TakeTable(in, count, 2, segment.keyLengthTable))) {
    return false;
  }
  if (!TakeTable(in, count, 4, segment.valueOffsetTable) || !TakeTable(in, count, 2, segment.valueLengthTable)) {
    return false;
  }
  const std::uint8_t* keys = nullptr;
  const std::uint8_t* values = nullptr;
  if (segment.hasKeys && !in.ReadBytes(keyBlobSize, keys)) return false;
  if (!in.ReadBytes(valueBlobSize, values)) return false;
  segment.keyBlob = reinterpret_cast<const char*>(keys);

  if (!(segment.order == ByteOrder::kBig ? CheckTables<ByteOrder::kBig>(segment, keyBlobSize, valueBlobSize)
                                          : CheckTables<ByteOrder::kLittle>(segment, keyBlobSize, valueBlobSize))) {
    return false;
  }

  records.clear();
  if (segment.hasKeys) {
    const std::uint32_t recordCount = segment.acceleratorRecordCount;
    const std::uint8_t* buckets = nullptr;
    const std::uint8_t* idCounts = nullptr;
    if (!TakeTable(in, recordCount, 2, buckets) || !TakeTable(in, recordCount, 4, idCounts)) return false;
    records.resize(recordCount);
    for (std::uint32_t r = 0; r < recordCount; ++r) {
      AcceleratorRecord& record = records[r];
      record.bucket = DecodeU16(buckets + 2 * r, segment.order);
      record.count = DecodeU32(idCounts + 4 * r, segment.order);
      if (record.bucket >= kBucketCount || !TakeTable(in, record.count, 4, record.ids)) return false;
      for (std::uint32_t i = 0; i < record.count; ++i) {
        if (DecodeU32(record.ids + 4 * i, segment.order) >= count) return false;
      }
    }
  }

  if (!in.ReadU32(segment.extraCount)) return false;
  if (segment.extraCount > 0) {
    const std::uint8_t* extraTables = nullptr;
    const std::uint8_t* extraBlob = nullptr;
    if (!in.ReadU32(segment.extraBlobSize) || !TakeTable(in, segment.extraCount, 10, extraTables) ||
        !in.ReadBytes(segment.extraBlobSize, extraBlob)) {
      return false;
    }
    segment.extraPart = extraTables;
  }
  TakeValues(file, values, valueBlobSize, segment.order, segment);
  return true;
}

}  // namespace pembra_private
