#pragma once
// The chained hash table of text and version-1 dictionaries: 1021 buckets, each
// a singly linked chain of entries, and an index of keys beside the chains.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "HashItem.h"
#include "KeyHash.h"
#include "KeyIndex.h"
#include "RefCount.h"
#include "UnicodeRun.h"

namespace pembra_private {

// A lookup finds the first entry of the key's chain that has the key. The index
// holds exactly that entry for every key found in the chain of its own bucket,
// so finding, adding and replacing cost the same however long the chain is.
class HashTableGeneric {
 public:
  HashTableGeneric() = default;
  HashTableGeneric(const HashTableGeneric&) = delete;
  HashTableGeneric& operator=(const HashTableGeneric&) = delete;

  // Where an entry's key bytes live.
  enum class KeyBytes : bool {
    kCopy,  // copied next to the entry, which a lookup then finds together
    kKept,  // used where they are: they belong to an owner given to Keep
  };

  // Keeps `owner` (of key bytes or values) alive as long as the table.
  void Keep(const RefCountObj& owner);

  // The entries of one group of a binary file, put in front of the chain of
  // `bucket` (< 1021) in the order they are added, whatever their hash: binary
  // dictionaries say where their entries go.
  class Group {
   public:
    void Add(std::string_view key, const EntryValue& value, KeyBytes keyBytes = KeyBytes::kCopy);

   private:
    friend class HashTableGeneric;
    Group(HashTableGeneric& table, unsigned bucket);

    HashTableGeneric& table_;
    unsigned bucket_;
    std::uint32_t firstSerial_;        // entries from this serial on are the group's
    DictionaryEntry* last_ = nullptr;  // the group's last entry so far
  };
  Group InFrontOf(unsigned bucket) { return Group(*this, bucket); }
  // Indexes the entries that groups added and have not indexed yet. Entries join
  // their chains at once, the index (and so Find) a few entries later, so that
  // the index's memory is fetched meanwhile.
  void IndexGroups();

  // The first entry of the key's chain that has the key, or null.
  const DictionaryEntry* Find(std::string_view key) const { return index_.Find(key); }
  // The value of the first entry of the key's chain that has the key, converted
  // now when it was kept as written (once: the entry keeps the result); nothing
  // when no entry has the key.
  std::optional<UnicodeRun> FindValue(std::string_view key) const;
  // The later of two text lines with one key wins: the first entry of the key's
  // chain that has the key takes the value; without one, `key` -> `value` becomes
  // the head of the chain of the key's bucket. Whatever holds a value's units or
  // bytes is kept as long as the table.
  void Replace(std::string_view key, const EntryValue& value, KeyBytes keyBytes) {
    Replace(key, value, index_.HashOf(key), keyBytes);
  }
  // Replace, done a few entries later, so that the key's place in the index is
  // fetched meanwhile; in order, so the later of two lines with one key still
  // wins. FlushReplacements does the rest before the table is used.
  void ReplaceSoon(std::string_view key, const EntryValue& value, KeyBytes keyBytes);
  void FlushReplacements();
  // Room for `count` more entries without the index growing.
  void Reserve(std::size_t count) { index_.Reserve(index_.Size() + count); }
  // Every entry of every chain, found or not.
  std::size_t NumItems() const { return count_; }
  // The memory of the table's keys and entries, where values read with them go too.
  Region& Memory() { return region_; }
  // Index slots looked at so far: the work finding and adding keys has done.
  std::size_t IndexProbes() const { return index_.Probes(); }

 private:
  // Replace with the key's hash in the index.
  void Replace(std::string_view key, const EntryValue& value, std::uint64_t hash, KeyBytes keyBytes);
  DictionaryEntry* NewEntry(std::string_view key, const EntryValue& value, KeyBytes keyBytes);
  // Keeps `owner` alive as long as the table (nothing for null).
  void KeepOwner(const RefCountObj* owner);
  // The key -> value at the head of its chain, indexed at `position`.
  void Link(KeyIndex::Position position, std::string_view key, const EntryValue& value, KeyBytes keyBytes);
  // A copy of the key's bytes that lives as long as the table.
  std::string_view KeepKey(std::string_view key);

  // An entry of a group on its way to the index.
  struct GroupEntry {
    DictionaryEntry* entry;
    std::string_view key;
    std::uint64_t hash;         // in the index
    std::uint32_t firstSerial;  // of its group
  };
  // Indexes the oldest entry on its way.
  void IndexOldestGroupEntry();

  // A Replace on its way.
  struct PendingReplace {
    std::string_view key;  // kept by the table
    EntryValue value;
    std::uint64_t hash;
  };
  void ReplaceOldest();

  std::array<DictionaryEntry*, kBucketCount> buckets_{};
  static constexpr std::size_t kReplacesAhead = 8;
  std::array<PendingReplace, kReplacesAhead> replaces_{};
  std::size_t replacesFirst_ = 0;
  std::size_t replacesCount_ = 0;
  // Entries join the index this many places after they were added, their slots
  // fetched meanwhile.
  static constexpr std::size_t kGroupEntriesAhead = 16;
  std::array<GroupEntry, kGroupEntriesAhead> groupEntries_{};
  std::size_t groupEntriesFirst_ = 0;
  std::size_t groupEntriesCount_ = 0;
  std::size_t count_ = 0;
  std::vector<RefPtr<const RefCountObj>> valueOwners_;  // each once or a few times
  KeyIndex index_;
  // The entries, their keys, and the values converted at their first lookup.
  mutable Region region_;
  mutable std::u16string scratch_;  // room for converting values
};

}  // namespace pembra_private
