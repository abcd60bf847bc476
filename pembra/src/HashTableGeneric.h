#pragma once
// The chained hash table of text and version-1 dictionaries: 1021 buckets, each
// a singly linked chain of entries, and an index of keys beside the chains.
#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string_view>
#include <vector>

#include "HashItem.h"
#include "KeyHash.h"
#include "KeyIndex.h"

namespace pembra_private {

// A lookup finds the first entry of the key's chain that has the key. The index
// holds exactly that entry for every key found in the chain of its own bucket,
// so finding, adding and replacing cost the same however long the chain is.
class HashTableGeneric {
 public:
  HashTableGeneric() = default;
  HashTableGeneric(const HashTableGeneric&) = delete;
  HashTableGeneric& operator=(const HashTableGeneric&) = delete;

  // A copy of `key` -> `value` becomes the head of the chain of the key's bucket.
  void Insert(std::string_view key, UnicodeRun value);

  // The entries of one group of a binary file, put in front of the chain of
  // `bucket` (< 1021) in the order they are added, whatever their hash: binary
  // dictionaries say where their entries go.
  class Group {
   public:
    void Add(std::string_view key, UnicodeRun value);

   private:
    friend class HashTableGeneric;
    Group(HashTableGeneric& table, unsigned bucket);

    HashTableGeneric& table_;
    unsigned bucket_;
    std::uint32_t firstSerial_;        // entries from this serial on are the group's
    DictionaryEntry* last_ = nullptr;  // the group's last entry so far
  };
  Group InFrontOf(unsigned bucket) { return Group(*this, bucket); }

  // The first entry of the key's chain that has the key, or null.
  const DictionaryEntry* Find(std::string_view key) const { return index_.Find(key); }
  // The later of two text lines with one key wins: the first entry of the key's
  // chain that has the key takes the value; without one, Insert.
  void Replace(std::string_view key, UnicodeRun value);

  // Every entry of every chain, found or not.
  std::size_t NumItems() const { return entries_.size(); }
  // Index slots looked at so far: the work finding and adding keys has done.
  std::size_t IndexProbes() const { return index_.Probes(); }

 private:
  DictionaryEntry* NewEntry(std::string_view key, UnicodeRun value);
  // A copy of the key's bytes that lives as long as the table.
  std::string_view KeepKey(std::string_view key);

  std::array<DictionaryEntry*, kBucketCount> buckets_{};
  std::deque<DictionaryEntry> entries_;  // never moved once made
  std::vector<std::unique_ptr<char[]>> keyBlocks_;
  char* keyCursor_ = nullptr;  // the free part of the last key block
  std::size_t keyBlockLeft_ = 0;
  KeyIndex index_;
};

}  // namespace pembra_private
