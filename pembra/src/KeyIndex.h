#pragma once
// Key bytes -> the entry a lookup of that key finds, kept beside the chains of
// the hash table so that neither finding nor adding a key walks a chain: keys
// that share a bucket (the bucket hash samples only about five bytes) cost no
// more than any other.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "LargeMemory.h"

namespace pembra_private {

class DictionaryEntry;

class KeyIndex {
 public:
  // Where a key is, or would go: valid until the next Put.
  struct Position {
    std::size_t slot;
    std::uint64_t hash;
  };

  KeyIndex();

  Position Locate(std::string_view key) const;
  // The entry at a position, or null.
  DictionaryEntry* At(Position position) const { return slots_[position.slot].entry; }
  // Makes `entry`, whose key is the one located, the entry of its key. Its key
  // bytes must stay where they are while it is indexed.
  void Put(Position position, DictionaryEntry* entry);
  DictionaryEntry* Find(std::string_view key) const { return At(Locate(key)); }

  // Room for `count` keys without growing.
  void Reserve(std::size_t count);
  std::size_t Size() const { return used_; }
  // Slots looked at so far: the work the index has done.
  std::size_t Probes() const { return probes_; }

 private:
  struct Slot {
    std::uint64_t hash;
    DictionaryEntry* entry;  // null: free
  };
  void Rehash(std::size_t slotCount);

  LargeArray<Slot> slots_;  // a power of two in size, at most half full
  std::size_t used_ = 0;
  std::uint64_t seed_;
  mutable std::size_t probes_ = 0;
};

}  // namespace pembra_private
