#include "FastArray.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace pembra_private {

std::string_view cFarray::Key(std::uint32_t local) const {
  if (!hasKeys) return {};
  return std::string_view(keyBlob).substr(keyOffsets[local], keyLengths[local]);
}

UnicodeRun cFarray::Value(std::uint32_t local) const {
  if (local < valueOverrides.size() && valueOverrides[local]) return *valueOverrides[local];
  if (!valueBlob) return {};
  return UnicodeRun(valueBlob, valueBlob->data() + valueOffsets[local] / 2, valueLengths[local] / 2);
}

void cFarray::OverrideValue(std::uint32_t local, UnicodeRun value) {
  if (valueOverrides.size() < entryCount) valueOverrides.resize(entryCount);
  valueOverrides[local] = std::move(value);
}

FastArray::ReadResult FastArray::Read(ByteReader& in, pembra::EndianT endian) {
  swap_ = endian == pembra::kBigEndian;
  in.SetByteOrder(ByteOrderOf(endian));
  std::uint32_t fileIdBase = 0;
  if (!in.ReadU32(fileIdBase)) return ReadResult::kCorrupt;
  // A file that extends a store must extend one of exactly this size.
  if (totalIds_ > 0 && fileIdBase != 0 && fileIdBase != totalIds_) return ReadResult::kRejectedIdBase;

  cFarray segment;
  std::vector<AcceleratorRecord> records;
  if (!ReadSegment(in, segment, records)) return ReadResult::kCorrupt;
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
      for (std::uint32_t local : record.ids) {
        if (dropped[local]) continue;
        const std::string_view key = segment.Key(local);
        for (std::uint32_t earlier : accelerator_[record.bucket]) {
          if (KeyOf(earlier) == key) {
            takeovers.emplace_back(earlier, local);
            dropped[local] = true;
            break;
          }
        }
      }
    }
  }
  // The runs taken over share the segment's value blob and keep it alive even
  // when the segment itself is not kept.
  for (const auto& [earlier, local] : takeovers) {
    const std::uint32_t earlierLocal = earlier - SegmentOf(earlier)->idBase;
    SegmentOf(earlier)->OverrideValue(earlierLocal, segment.Value(local));
  }
  const auto drops = static_cast<std::uint32_t>(takeovers.size());
  segment.liveCount = drops >= segment.liveCount ? 0 : segment.liveCount - drops;
  if (segment.liveCount == 0) return takeovers.empty() ? ReadResult::kEmpty : ReadResult::kMerged;

  for (std::uint32_t local = 0; local < segment.entryCount; ++local) {
    if (dropped[local]) segment.keyLengths[local] = segment.valueLengths[local] = 0;
  }
  for (const AcceleratorRecord& record : records) {
    for (std::uint32_t local : record.ids) {
      if (!dropped[local]) accelerator_[record.bucket].push_back(segment.idBase + local);
    }
  }
  totalIds_ += segment.entryCount;
  liveEntries_ += segment.liveCount;
  segments_.push_back(std::move(segment));
  return ReadResult::kAdded;
}

const cFarray* FastArray::SegmentOf(std::uint32_t id) const {
  // Segments are kept in ascending, disjoint id ranges.
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

std::int64_t FastArray::FindId(std::string_view key) const {
  for (std::uint32_t id : accelerator_[HashFunc(key)]) {
    if (KeyOf(id) == key) return id;
  }
  return -1;
}

bool FastArray::ValidId(std::int64_t id) const {
  if (id < 0 || id >= totalIds_) return false;
  const cFarray* segment = SegmentOf(static_cast<std::uint32_t>(id));
  return segment != nullptr && (!segment->hasKeys || segment->keyLengths[id - segment->idBase] != 0);
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
  segment.keyOffsets.push_back(static_cast<std::uint32_t>(segment.keyBlob.size()));
  segment.keyLengths.push_back(static_cast<std::uint32_t>(key.size()));
  segment.keyBlob.append(key);
  segment.valueOffsets.push_back(0);
  segment.valueLengths.push_back(static_cast<std::uint32_t>(value.size() * 2));
  ++segment.entryCount;
  ++segment.liveCount;
  segment.OverrideValue(segment.entryCount - 1, std::move(value));

  const std::uint32_t id = totalIds_;
  accelerator_[HashFunc(key)].push_back(id);
  ++totalIds_;
  ++liveEntries_;
  return id;
}

}  // namespace pembra_private
