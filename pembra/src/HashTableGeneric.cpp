#include "HashTableGeneric.h"

#include <cstring>
#include <new>
#include <type_traits>

namespace pembra_private {

static_assert(std::is_trivially_destructible_v<DictionaryEntry>, "entries are dropped with their region");

void HashTableGeneric::Keep(const RefCountObj& owner) { KeepOwner(&owner); }

void HashTableGeneric::KeepOwner(const RefCountObj* owner) {
  if (owner == nullptr) return;
  // Values come in long stretches from one block or one file: the last few owners kept
  // are almost always the one.
  const std::size_t recent = valueOwners_.size() < 4 ? valueOwners_.size() : 4;
  for (std::size_t i = valueOwners_.size() - recent; i < valueOwners_.size(); ++i) {
    if (valueOwners_[i].get() == owner) return;
  }
  owner->AddRef();
  valueOwners_.push_back(RefPtr<const RefCountObj>::Adopt(owner));
}

std::string_view HashTableGeneric::KeepKey(std::string_view key) {
  if (key.empty()) return {};
  void* copy = region_.Allocate(key.size(), 1);
  std::memcpy(copy, key.data(), key.size());
  return {static_cast<const char*>(copy), key.size()};
}

DictionaryEntry* HashTableGeneric::NewEntry(std::string_view key, const EntryValue& value, KeyBytes keyBytes) {
  KeepOwner(value.owner);
  if (keyBytes == KeyBytes::kCopy) key = KeepKey(key);
  void* memory = region_.Allocate(sizeof(DictionaryEntry), alignof(DictionaryEntry));
  return new (memory) DictionaryEntry(key, value, static_cast<std::uint32_t>(count_++));
}

std::optional<UnicodeRun> HashTableGeneric::FindValue(std::string_view key) const {
  DictionaryEntry* entry = index_.Find(key);
  if (entry == nullptr) return std::nullopt;
  if (entry->value_.Pending()) entry->value_ = ConvertWrittenValue(entry->value_, region_, scratch_);
  return entry->value_.Run();
}

void HashTableGeneric::Link(KeyIndex::Position position, std::string_view key, const EntryValue& value,
                            KeyBytes keyBytes) {
  DictionaryEntry* entry = NewEntry(key, value, keyBytes);
  DictionaryEntry*& head = buckets_[HashFunc(key)];
  entry->next_ = head;
  head = entry;
  index_.Put(position, entry);
}

void HashTableGeneric::Replace(std::string_view key, const EntryValue& value, std::uint64_t hash,
                               KeyBytes keyBytes) {
  const KeyIndex::Position position = index_.Locate(key, hash);
  if (DictionaryEntry* first = index_.At(position)) {
    KeepOwner(value.owner);
    first->value_ = value;
  } else {
    Link(position, key, value, keyBytes);
  }
}

void HashTableGeneric::ReplaceSoon(std::string_view key, const EntryValue& value, KeyBytes keyBytes) {
  if (replacesCount_ == kReplacesAhead) ReplaceOldest();
  // A key the caller reuses is copied now; a key seen before wastes its copy.
  if (keyBytes == KeyBytes::kCopy) key = KeepKey(key);
  const std::uint64_t hash = index_.HashOf(key);
  index_.Prefetch(hash);
  replaces_[(replacesFirst_ + replacesCount_++) % kReplacesAhead] = {key, value, hash};
}

void HashTableGeneric::ReplaceOldest() {
  const PendingReplace& pending = replaces_[replacesFirst_];
  try {
    Replace(pending.key, pending.value, pending.hash, KeyBytes::kKept);
  } catch (...) {
    // As if the entry had failed as it was read: neither it nor any entry read
    // after it is stored.
    replacesCount_ = 0;
    throw;
  }
  replacesFirst_ = (replacesFirst_ + 1) % kReplacesAhead;
  --replacesCount_;
}

void HashTableGeneric::FlushReplacements() {
  while (replacesCount_ > 0) ReplaceOldest();
}

HashTableGeneric::Group::Group(HashTableGeneric& table, unsigned bucket)
    : table_(table), bucket_(bucket), firstSerial_(static_cast<std::uint32_t>(table.count_)) {}

void HashTableGeneric::Group::Add(std::string_view key, const EntryValue& value, KeyBytes keyBytes) {
  DictionaryEntry* entry = table_.NewEntry(key, value, keyBytes);
  DictionaryEntry*& link = last_ == nullptr ? table_.buckets_.at(bucket_) : last_->next_;
  entry->next_ = link;
  link = entry;
  last_ = entry;
  // An entry outside the bucket of its key is never found. Within the group the
  // earlier entry of a key comes first in the chain.
  if (HashFunc(key) != bucket_) return;
  if (table_.groupEntriesCount_ == kGroupEntriesAhead) table_.IndexOldestGroupEntry();
  const std::uint64_t hash = table_.index_.HashOf(entry->Key());
  table_.index_.Prefetch(hash);
  table_.groupEntries_[(table_.groupEntriesFirst_ + table_.groupEntriesCount_++) % kGroupEntriesAhead] = {
      entry, entry->Key(), hash, firstSerial_};
}

void HashTableGeneric::IndexOldestGroupEntry() {
  const GroupEntry& pending = groupEntries_[groupEntriesFirst_];
  groupEntriesFirst_ = (groupEntriesFirst_ + 1) % kGroupEntriesAhead;
  --groupEntriesCount_;
  const KeyIndex::Position position = index_.Locate(pending.key, pending.hash);
  const DictionaryEntry* current = index_.At(position);
  // The earlier entry of a key within a group wins; a later group goes in front.
  if (current == nullptr || current->serial_ < pending.firstSerial) index_.Put(position, pending.entry);
}

void HashTableGeneric::IndexGroups() {
  while (groupEntriesCount_ > 0) IndexOldestGroupEntry();
}

}  // namespace pembra_private
