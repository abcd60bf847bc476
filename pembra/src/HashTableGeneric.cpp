#include "HashTableGeneric.h"

namespace pembra_private {

HashTableGeneric::~HashTableGeneric() {
  for (auto& head : buckets_) {
    while (head) head = std::move(head->next);
  }
}

void HashTableGeneric::Insert(std::unique_ptr<HashItem> item) {
  auto& head = buckets_[item->Hash(kBucketCount)];
  item->next = std::move(head);
  head = std::move(item);
  ++count_;
}

void HashTableGeneric::InsertInFront(unsigned bucket, std::vector<std::unique_ptr<HashItem>> items) {
  auto& head = buckets_.at(bucket);
  // Link back to front so that the first item ends up as the head.
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    (*it)->next = std::move(head);
    head = std::move(*it);
    ++count_;
  }
}

const HashItem* HashTableGeneric::Find(const HashItem& probe) const {
  for (const HashItem* item = buckets_[probe.Hash(kBucketCount)].get(); item != nullptr;
       item = item->next.get()) {
    if (*item == probe) return item;
  }
  return nullptr;
}

std::unique_ptr<HashItem> HashTableGeneric::Remove(const HashItem& probe) {
  std::unique_ptr<HashItem>* link = &buckets_[probe.Hash(kBucketCount)];
  while (*link) {
    if (**link == probe) {
      std::unique_ptr<HashItem> found = std::move(*link);
      *link = std::move(found->next);
      --count_;
      return found;
    }
    link = &(*link)->next;
  }
  return nullptr;
}

std::unique_ptr<HashItem> HashTableGeneric::Replace(std::unique_ptr<HashItem> item) {
  std::unique_ptr<HashItem>& head = buckets_[item->Hash(kBucketCount)];
  std::unique_ptr<HashItem> replaced;
  for (std::unique_ptr<HashItem>* link = &head; *link; link = &(*link)->next) {
    if (**link == *item) {
      replaced = std::move(*link);
      *link = std::move(replaced->next);
      --count_;
      break;
    }
  }
  item->next = std::move(head);
  head = std::move(item);
  ++count_;
  return replaced;
}

}  // namespace pembra_private
