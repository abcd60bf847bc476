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

  // The hash of `key` that Locate uses.
  std::uint64_t HashOf(std::string_view key) const;
  // Starts bringing the first slot of a key of `hash` into the cache, so that a
  // Locate a little later does not wait for memory.
  void Prefetch(std::uint64_t hash) const {
    __builtin_prefetch(&slots_[static_cast<std::size_t>(hash) & (slots_.size() - 1)]);
  }
  Position Locate(std::string_view key) const { return Locate(key, HashOf(key)); }
  // Locate with the key's HashOf.
  Position Locate(std::string_view key, std::uint64_t hash) const;
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
