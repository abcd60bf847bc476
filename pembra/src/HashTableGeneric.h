#pragma once
// A chained hash table of 1021 buckets; each bucket is a singly linked chain.
#include <array>
#include <cstddef>
#include <memory>
#include <vector>

#include "HashItem.h"
#include "KeyHash.h"

namespace pembra_private {

class HashTableGeneric {
 public:
  HashTableGeneric() = default;
  HashTableGeneric(const HashTableGeneric&) = delete;
  HashTableGeneric& operator=(const HashTableGeneric&) = delete;
  // Frees the chains one item at a time: a long chain must not recurse.
  ~HashTableGeneric();

  // The item becomes the head of the chain of its own hash.
  void Insert(std::unique_ptr<HashItem> item);
  // Puts `items`, in their order, in front of the chain of `bucket` (< 1021),
  // whatever their hash: binary dictionaries say where their entries go.
  void InsertInFront(unsigned bucket, std::vector<std::unique_ptr<HashItem>> items);
  // The first item of the probe's chain equal to the probe, or null.
  const HashItem* Find(const HashItem& probe) const;
  // Unlinks and returns the item Find would give; null when there is none.
  std::unique_ptr<HashItem> Remove(const HashItem& probe);
  // Remove(*item), then Insert(item), in one walk of the chain: the item takes
  // the place of an equal one. Returns the item it replaced, or null.
  std::unique_ptr<HashItem> Replace(std::unique_ptr<HashItem> item);
  std::size_t NumItems() const { return count_; }

 private:
  std::array<std::unique_ptr<HashItem>, kBucketCount> buckets_;
  std::size_t count_ = 0;
};

}  // namespace pembra_private
