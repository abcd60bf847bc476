#include "FastArray.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace pembra_private {

namespace {

inline std::uint32_t LocalId(const AcceleratorRecord& record, std::uint32_t i, ByteOrder order) {
  return DecodeU32(record.ids + 4 * i, order);
}

}  // namespace

std::uint32_t KeyTag(std::string_view key) {
  // The key's 8-byte words folded together: cheap enough to take for every key of a file.
  const auto* bytes = reinterpret_cast<const unsigned char*>(key.data());
  const std::size_t size = key.size();
  std::uint64_t folded = size;
  if (size >= 8) {
    for (std::size_t i = 0; i + 8 <= size; i += 8) {
      std::uint64_t word;
      std::memcpy(&word, bytes + i, 8);
      folded = (folded ^ word) * 0x9E3779B97F4A7C15ull;
    }
    std::uint64_t last;  // the last eight bytes, which may overlap the last word
    std::memcpy(&last, bytes + size - 8, 8);
    folded = (folded ^ last) * 0x9E3779B97F4A7C15ull;
  } else {
    for (std::size_t i = 0; i < size; ++i) folded = (folded ^ bytes[i]) * 0x9E3779B97F4A7C15ull;
  }
  const auto length = static_cast<std::uint32_t>(size < 0xFFFF ? size : 0xFFFF);
  return (length << 16) | static_cast<std::uint32_t>(folded >> 48);
}

FastArray::ReadResult FastArray::Read(ByteReader& in, pembra::EndianT endian, const RefPtr<ByteBuffer>& file) {
  swap_ = endian == pembra::kBigEndian;
  in.SetByteOrder(ByteOrderOf(endian));
  std::uint32_t fileIdBase = 0;
  if (!in.ReadU32(fileIdBase)) return ReadResult::kCorrupt;
  // A file that extends a store must extend one of exactly this size.
  if (totalIds_ > 0 && fileIdBase != 0 && fileIdBase != totalIds_) return ReadResult::kRejectedIdBase;

  cFarray segment;
  std::vector<AcceleratorRecord> records;
  if (!ReadSegment(in, file, segment, records)) return ReadResult::kCorrupt;
  if (segment.entryCount > std::numeric_limits<std::uint32_t>::max() - totalIds_) {
    return ReadResult::kCorrupt;  // its ids would not fit
  }
  if (segment.liveCount == 0) return ReadResult::kEmpty;
  return Commit(std::move(segment), records, totalIds_ > 0 && fileIdBase == 0);
}

FastArray::ReadResult FastArray::Commit(cFarray segment, const std::vector<AcceleratorRecord>& records,
                                        bool merge) {
  segment.idBase = totalIds_;
  // A merged entry whose key the store already holds gives its value to the
  // entry already there and is dropped. Only ids held before this segment are
  // compared, so the accelerator is left alone until the drops are known.
  std::vector<std::pair<std::uint32_t, std::uint32_t>> takeovers;  // earlier id, local index
  std::vector<bool> dropped(segment.entryCount, false);
  if (merge) {
    for (const AcceleratorRecord& record : records) {
      for (std::uint32_t i = 0; i < record.count; ++i) {
        const std::uint32_t local = LocalId(record, i, segment.order);
        if (dropped[local]) continue;
        const std::int64_t earlier = FindInBucket(record.bucket, segment.Key(local));
        if (earlier >= 0) {
          takeovers.emplace_back(static_cast<std::uint32_t>(earlier), local);
          dropped[local] = true;
        }
      }
    }
  }
  // The runs taken over share the segment's values and keep them alive even
  // when the segment itself is not kept.
  for (const auto& [earlier, local] : takeovers) {
    cFarray* owner = SegmentOf(earlier);
    owner->OverrideValue(earlier - owner->idBase, segment.Value(local));
  }
  const auto drops = static_cast<std::uint32_t>(takeovers.size());
  segment.liveCount = drops >= segment.liveCount ? 0 : segment.liveCount - drops;
  if (segment.liveCount == 0) return takeovers.empty() ? ReadResult::kEmpty : ReadResult::kMerged;

  for (std::uint32_t local = 0; local < segment.entryCount; ++local) {
    if (dropped[local]) segment.Drop(local);
  }
  // The segment's part of the accelerator, bucket by bucket, each in the file's order.
  segment.bucketStarts.assign(kBucketCount + 1, 0);
  for (const AcceleratorRecord& record : records) {
    for (std::uint32_t i = 0; i < record.count; ++i) {
      if (!dropped[LocalId(record, i, segment.order)]) ++segment.bucketStarts[record.bucket + 1];
    }
  }
  for (unsigned b = 0; b < kBucketCount; ++b) segment.bucketStarts[b + 1] += segment.bucketStarts[b];
  segment.acceleratorIds.resize(segment.bucketStarts[kBucketCount]);
  std::vector<std::uint32_t> filled(segment.bucketStarts.begin(), segment.bucketStarts.end() - 1);
  for (const AcceleratorRecord& record : records) {
    for (std::uint32_t i = 0; i < record.count; ++i) {
      const std::uint32_t local = LocalId(record, i, segment.order);
      if (dropped[local]) continue;
      segment.acceleratorIds[filled[record.bucket]++] = {segment.idBase + local, 0};
    }
  }
  segment.bucketTagged.assign(kBucketCount, false);
  totalIds_ += segment.entryCount;
  liveEntries_ += segment.liveCount;
  segments_.push_back(std::move(segment));
  return ReadResult::kAdded;
}

const cFarray* FastArray::SegmentOf(std::uint32_t id) const {
  // Segments are kept in ascending, disjoint id ranges; most stores hold one.
  if (segments_.size() == 1) return id - segments_[0].idBase < segments_[0].entryCount ? &segments_[0] : nullptr;
  auto it = std::upper_bound(segments_.begin(), segments_.end(), id,
                             [](std::uint32_t value, const cFarray& s) { return value < s.idBase; });
  if (it == segments_.begin()) return nullptr;
  --it;
  return id - it->idBase < it->entryCount ? &*it : nullptr;
}

cFarray* FastArray::SegmentOf(std::uint32_t id) {
  return const_cast<cFarray*>(static_cast<const FastArray*>(this)->SegmentOf(id));
}

std::optional<std::string_view> FastArray::KeyOf(std::uint32_t id) const {
  const cFarray* segment = SegmentOf(id);
  if (segment == nullptr || !segment->hasKeys) return std::nullopt;
  return segment->Key(id - segment->idBase);
}

std::int64_t FastArray::FindInBucket(unsigned bucket, std::string_view key) const {
  const std::uint32_t tag = KeyTag(key);
  const auto matches = [this, key, tag](const AcceleratorId& candidate) {
    if (candidate.keyTag != tag) return false;
    const cFarray* segment = SegmentOf(candidate.id);
    return segment != nullptr && segment->hasKeys && segment->Key(candidate.id - segment->idBase) == key;
  };
  // Ids joined each bucket in ascending order, so the first in bucket order is the
  // smallest that matches: the files' parts in segment order, and the added ones.
  std::int64_t found = -1;
  for (const cFarray& segment : segments_) {
    if (segment.bucketStarts.empty()) continue;
    segment.TagBucket(bucket);
    for (std::uint32_t i = segment.bucketStarts[bucket]; i < segment.bucketStarts[bucket + 1]; ++i) {
      if (matches(segment.acceleratorIds[i])) {
        found = segment.acceleratorIds[i].id;
        break;
      }
    }
    if (found >= 0) break;
  }
  for (const AcceleratorId& candidate : addedIds_[bucket]) {
    if (found >= 0 && candidate.id > found) break;
    if (matches(candidate)) return candidate.id;
  }
  return found;
}

std::int64_t FastArray::FindId(std::string_view key) const { return FindInBucket(HashFunc(key), key); }

bool FastArray::ValidId(std::int64_t id) const {
  if (id < 0 || id >= totalIds_) return false;
  const cFarray* segment = SegmentOf(static_cast<std::uint32_t>(id));
  return segment != nullptr && (!segment->hasKeys || segment->KeyLength(static_cast<std::uint32_t>(id - segment->idBase)) != 0);
}

UnicodeRun FastArray::GetValue(std::int64_t id) const {
  if (!ValidId(id)) return {};
  const cFarray* segment = SegmentOf(static_cast<std::uint32_t>(id));
  return segment->Value(static_cast<std::uint32_t>(id - segment->idBase));
}

std::int64_t FastArray::Add(std::string_view key, UnicodeRun value) {
  const std::int64_t found = FindId(key);
  if (found >= 0) {
    cFarray* segment = SegmentOf(static_cast<std::uint32_t>(found));
    segment->OverrideValue(static_cast<std::uint32_t>(found - segment->idBase), std::move(value));
    return found;
  }
  if (totalIds_ == std::numeric_limits<std::uint32_t>::max()) return -1;
  // Ids run on from the last segment, so only the last segment can grow: after
  // a file was read, added entries open a new segment.
  const bool canGrow = addedSegment_ && *addedSegment_ + 1 == segments_.size() &&
                       segments_.back().entryCount < kAddedSegmentSize;
  if (!canGrow) {
    cFarray segment;
    segment.idBase = totalIds_;
    segments_.push_back(std::move(segment));
    addedSegment_ = segments_.size() - 1;
  }
  cFarray& segment = segments_.back();
  segment.addedKeyOffsets.push_back(static_cast<std::uint32_t>(segment.addedKeys.size()));
  segment.addedKeyLengths.push_back(static_cast<std::uint32_t>(key.size()));
  segment.addedKeys.append(key);
  ++segment.entryCount;
  ++segment.liveCount;
  segment.OverrideValue(segment.entryCount - 1, std::move(value));

  const std::uint32_t id = totalIds_;
  addedIds_[HashFunc(key)].push_back({id, KeyTag(key)});
  ++totalIds_;
  ++liveEntries_;
  return id;
}

}  // namespace pembra_private
