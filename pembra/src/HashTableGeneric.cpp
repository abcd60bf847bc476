#include "HashTableGeneric.h"

#include <algorithm>
#include <cstring>

namespace pembra_private {

namespace {

constexpr std::size_t kKeyBlockSize = 64 * 1024;

}  // namespace

std::string_view HashTableGeneric::KeepKey(std::string_view key) {
  if (key.empty()) return {};
  if (key.size() > keyBlockLeft_) {
    const std::size_t size = std::max(kKeyBlockSize, key.size());
    keyBlocks_.emplace_back(new char[size]);
    keyCursor_ = keyBlocks_.back().get();
    keyBlockLeft_ = size;
  }
  char* const copy = keyCursor_;
  std::memcpy(copy, key.data(), key.size());
  keyCursor_ += key.size();
  keyBlockLeft_ -= key.size();
  return {copy, key.size()};
}

DictionaryEntry* HashTableGeneric::NewEntry(std::string_view key, UnicodeRun value) {
  return &entries_.emplace_back(KeepKey(key), std::move(value), static_cast<std::uint32_t>(entries_.size()));
}

void HashTableGeneric::Insert(std::string_view key, UnicodeRun value) {
  DictionaryEntry* entry = NewEntry(key, std::move(value));
  DictionaryEntry*& head = buckets_[HashFunc(key)];
  entry->next_ = head;
  head = entry;
  index_.Set(entry);
}

void HashTableGeneric::Replace(std::string_view key, UnicodeRun value) {
  if (DictionaryEntry* first = index_.Find(key)) {
    first->value_ = std::move(value);
  } else {
    Insert(key, std::move(value));
  }
}

HashTableGeneric::Group::Group(HashTableGeneric& table, unsigned bucket)
    : table_(table), bucket_(bucket), firstSerial_(static_cast<std::uint32_t>(table.entries_.size())) {}

void HashTableGeneric::Group::Add(std::string_view key, UnicodeRun value) {
  DictionaryEntry* entry = table_.NewEntry(key, std::move(value));
  DictionaryEntry*& link = last_ == nullptr ? table_.buckets_.at(bucket_) : last_->next_;
  entry->next_ = link;
  link = entry;
  last_ = entry;
  // An entry outside the bucket of its key is never found. Within the group the
  // earlier entry of a key comes first in the chain.
  if (HashFunc(key) != bucket_) return;
  const DictionaryEntry* current = table_.index_.Find(key);
  if (current == nullptr || current->serial_ < firstSerial_) table_.index_.Set(entry);
}

}  // namespace pembra_private
