#pragma once
// The store of version-2 binary dictionaries: the file's flat tables used in
// place, with a 1021-bucket accelerator of entry ids for finding keys.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ByteReader.h"
#include "DictionaryFile.h"
#include "KeyHash.h"
#include "UnicodeRun.h"

namespace pembra_private {

// An id of the accelerator with a tag of its key (its length and a few bits of
// all its bytes), so that a bucket scan looks at the key bytes of about one id.
struct AcceleratorId {
  std::uint32_t id;
  std::uint32_t keyTag;
};

// The tag of a key for AcceleratorId.
std::uint32_t KeyTag(std::string_view key);

// One segment: the tables of one version-2 file, or up to 100 entries added
// later. Entry i has id idBase + i.
struct cFarray {
  std::uint32_t idBase = 0;
  std::uint32_t entryCount = 0;
  std::uint32_t liveCount = 0;
  std::uint32_t acceleratorRecordCount = 0;
  bool hasKeys = true;

  // A file's segment: its tables where they are in the file's bytes, integers
  // in the file's order. Null for a segment of added entries.
  RefPtr<ByteBuffer> file;
  ByteOrder order = HostByteOrder();
  std::uint8_t* keyOffsetTable = nullptr;    // u32 per entry, bytes into the key blob
  std::uint8_t* keyLengthTable = nullptr;    // u16 per entry, bytes
  std::uint8_t* valueOffsetTable = nullptr;  // u32 per entry, bytes into the value blob
  std::uint8_t* valueLengthTable = nullptr;  // u16 per entry, bytes (two per unit)
  const char* keyBlob = nullptr;
  // The value blob as units in the host's order: the file's own bytes when they
  // are already so, else a converted copy. `valueOwner` keeps them alive.
  const char16_t* valueUnits = nullptr;
  RefPtr<const RefCountObj> valueOwner;
  // The extra part of the file: read and kept, used by no lookup.
  std::uint32_t extraCount = 0;
  std::uint32_t extraBlobSize = 0;
  const std::uint8_t* extraPart = nullptr;

  // A file's part of the accelerator: the ids of bucket b, in the file's order,
  // are acceleratorIds[bucketStarts[b] .. bucketStarts[b + 1]). Their key tags
  // are taken at the first search of their bucket (TagBucket), not for every key
  // of a file while it is read.
  std::vector<std::uint32_t> bucketStarts;
  mutable std::vector<AcceleratorId> acceleratorIds;
  mutable std::vector<bool> bucketTagged;

  // A segment of added entries: its keys.
  std::string addedKeys;
  std::vector<std::uint32_t> addedKeyOffsets;
  std::vector<std::uint32_t> addedKeyLengths;

  // Values replaced after loading, and every value of an added entry; empty
  // until the first.
  std::vector<std::optional<UnicodeRun>> valueOverrides;

  std::uint32_t KeyLength(std::uint32_t local) const {
    if (!hasKeys) return 0;
    return file ? DecodeU16(keyLengthTable + 2 * local, order) : addedKeyLengths[local];
  }
  std::string_view Key(std::uint32_t local) const {
    if (!hasKeys) return {};
    if (!file) return std::string_view(addedKeys).substr(addedKeyOffsets[local], addedKeyLengths[local]);
    return {keyBlob + DecodeU32(keyOffsetTable + 4 * local, order), KeyLength(local)};
  }
  UnicodeRun Value(std::uint32_t local) const;
  void OverrideValue(std::uint32_t local, UnicodeRun value);
  // A merged entry whose key was already in the store: key and value length 0.
  void Drop(std::uint32_t local);
  // Sets the key tags of the ids of `bucket`, once.
  void TagBucket(unsigned bucket) const;
};

// An accelerator record of a file: the ids (local to the segment) of one
// bucket, where they are in the file.
struct AcceleratorRecord {
  std::uint16_t bucket = 0;
  const std::uint8_t* ids = nullptr;  // u32 each, in the segment's order
  std::uint32_t count = 0;
};

// Reads the fields after the id base of one version-2 segment of `file` into
// `segment` and `records`, checking every count against the bytes left, and
// every offset, length, bucket and id against what it refers to. False when the
// segment is truncated or inconsistent.
bool ReadSegment(ByteReader& in, const RefPtr<ByteBuffer>& file, cFarray& segment,
                 std::vector<AcceleratorRecord>& records);

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

  // Reads one segment of `file` (the bytes `in` reads) in the byte order of
  // `endian`. The whole segment is read and checked before the store changes;
  // the store keeps the file's bytes and uses its tables where they are.
  ReadResult Read(ByteReader& in, pembra::EndianT endian, const RefPtr<ByteBuffer>& file);

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
  // The first id of the bucket, in the order ids were added to it, whose key is `key`; -1 when none is.
  std::int64_t FindInBucket(unsigned bucket, std::string_view key) const;

  std::vector<cFarray> segments_;
  std::optional<std::size_t> addedSegment_;  // the segment that takes added entries
  std::uint32_t totalIds_ = 0;
  std::uint32_t liveEntries_ = 0;
  // The accelerator: each file segment holds its part; the ids of added entries are here.
  std::array<std::vector<AcceleratorId>, kBucketCount> addedIds_;
  bool swap_ = false;
};

}  // namespace pembra_private
