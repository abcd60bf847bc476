#pragma once
// Key bytes -> the entry a lookup of that key finds, kept beside the chains of
// the hash table so that neither finding nor adding a key walks a chain: keys
// that share a bucket (the bucket hash samples only about five bytes) cost no
// more than any other.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace pembra_private {

class DictionaryEntry;

class KeyIndex {
 public:
  KeyIndex();

  // The entry of `key`, or null.
  DictionaryEntry* Find(std::string_view key) const;
  // Makes `entry` the entry of its key, in place of any other. The entry's key
  // bytes must stay where they are while it is indexed.
  void Set(DictionaryEntry* entry);
  std::size_t Size() const { return used_; }
  // Slots looked at so far by Find and Set: the work the index has done.
  std::size_t Probes() const { return probes_; }

 private:
  struct Slot {
    std::uint64_t hash;
    DictionaryEntry* entry;  // null: free
  };
  // The slot that holds `key`, or the free slot where it would go.
  std::size_t SlotOf(std::string_view key, std::uint64_t hash) const;
  void Grow();

  std::vector<Slot> slots_;  // a power of two in size, at most half full
  std::size_t used_ = 0;
  std::uint64_t seed_;
  mutable std::size_t probes_ = 0;
};

}  // namespace pembra_private
