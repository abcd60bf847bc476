#pragma once
// The store of version-2 binary dictionaries: the file's flat tables used in
// place, with a 1021-bucket accelerator of entry ids for finding keys.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ByteReader.h"
#include "KeyHash.h"
#include "UnicodeRun.h"

namespace pembra_private {

// One segment: the tables of one version-2 file, or up to 100 entries added
// later. Entry i has id idBase + i.
struct cFarray {
  std::uint32_t idBase = 0;
  std::uint32_t entryCount = 0;
  std::uint32_t liveCount = 0;
  std::uint32_t acceleratorRecordCount = 0;
  bool hasKeys = true;
  std::string keyBlob;
  // UTF-16 units in host order; null for a segment of added entries.
  std::shared_ptr<const std::u16string> valueBlob;
  std::vector<std::uint32_t> keyOffsets;    // bytes into keyBlob
  std::vector<std::uint32_t> keyLengths;    // bytes
  std::vector<std::uint32_t> valueOffsets;  // bytes into valueBlob
  // Bytes, two per unit. An entry dropped by a merge has key and value length 0.
  std::vector<std::uint32_t> valueLengths;
  // Values replaced after loading (and every value of added entries); empty
  // until the first replacement.
  std::vector<std::optional<UnicodeRun>> valueOverrides;
  // The extra part of the file: read and kept, used by no lookup.
  std::vector<std::uint32_t> extraIndexes;
  std::vector<std::uint32_t> extraOffsets;
  std::vector<std::uint16_t> extraLengths;
  std::u16string extraBlob;

  std::string_view Key(std::uint32_t local) const;
  UnicodeRun Value(std::uint32_t local) const;
  void OverrideValue(std::uint32_t local, UnicodeRun value);
};

// An accelerator record of a file: the ids (local to the segment) of one bucket.
struct AcceleratorRecord {
  std::uint16_t bucket = 0;
  std::vector<std::uint32_t> ids;
};

// Reads fields after the id base of one version-2 segment into `segment` and
// `records`, checking every count against the bytes left before sizing a table,
// and every offset, length, bucket and id against what it refers to. False when
// the segment is truncated or inconsistent.
bool ReadSegment(ByteReader& in, cFarray& segment, std::vector<AcceleratorRecord>& records);

class FastArray {
 public:
  enum class ReadResult {
    kAdded,           // the segment joined the store
    kMerged,          // every live entry repeated a key of the store and gave it its value
    kEmpty,           // nothing live in it; store unchanged
    kRejectedIdBase,  // meant to extend a store of another size; store unchanged
    kCorrupt,         // truncated or inconsistent; store unchanged
  };
  static constexpr std::uint32_t kAddedSegmentSize = 100;

  // Reads one segment in the byte order of `endian`. The whole segment is read
  // and checked before the store changes.
  ReadResult Read(ByteReader& in, pembra::EndianT endian);

  // The id of `key`, or -1.
  std::int64_t FindId(std::string_view key) const;
  // The value of a valid id; empty otherwise.
  UnicodeRun GetValue(std::int64_t id) const;
  // An id of the store whose segment has no keys or whose key is not empty.
  bool ValidId(std::int64_t id) const;
  // Replaces the value of a present key, else appends a new entry. Returns its
  // id, or -1 when the store holds all the ids there can be.
  std::int64_t Add(std::string_view key, UnicodeRun value);

  std::uint32_t NumKeys() const { return liveEntries_; }
  std::uint32_t TotalIds() const { return totalIds_; }
  std::size_t NumSegments() const { return segments_.size(); }
  // Whether the segment being read stores its integers big-endian.
  bool Swapping() const { return swap_; }

 private:
  const cFarray* SegmentOf(std::uint32_t id) const;
  cFarray* SegmentOf(std::uint32_t id);
  // The key of an id of a keyed segment.
  std::optional<std::string_view> KeyOf(std::uint32_t id) const;
  ReadResult Commit(cFarray segment, const std::vector<AcceleratorRecord>& records, bool merge);

  std::vector<cFarray> segments_;
  std::optional<std::size_t> addedSegment_;  // the segment that takes added entries
  std::uint32_t totalIds_ = 0;
  std::uint32_t liveEntries_ = 0;
  std::array<std::vector<std::uint32_t>, kBucketCount> accelerator_;
  bool swap_ = false;
};

}  // namespace pembra_private
