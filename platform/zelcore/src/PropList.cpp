#include "zelcore/PropList.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "zelcore/testing.h"

namespace zelcore::proplist {

namespace {
std::atomic<int> gLiveLists{0};
}

PropList::PropList() { ++gLiveLists; }

PropList::~PropList() {
  Clear();
  --gLiveLists;
}

void PropList::AddRef() const { ++mRefCount; }

void PropList::Release() const {
  const int before = mRefCount.fetch_sub(1);
  if (before <= 0) {
    std::fprintf(stderr, "PropList %p released more often than referenced\n", static_cast<const void*>(this));
    std::abort();
  }
  if (before == 1) delete this;
}

PropList::Entry* PropList::Find(const UTF8String& key) {
  for (Entry& e : mEntries)
    if (e.key == key) return &e;
  return nullptr;
}

const PropList::Entry* PropList::Find(const UTF8String& key) const {
  for (const Entry& e : mEntries)
    if (e.key == key) return &e;
  return nullptr;
}

PropList::Entry& PropList::Slot(const UTF8String& key) {
  if (Entry* e = Find(key)) {
    Drop(*e);
    return *e;
  }
  mEntries.emplace_back();
  mEntries.back().key = key;
  return mEntries.back();
}

void PropList::Drop(Entry& entry) {
  PropList* list = std::exchange(entry.list, nullptr);
  entry.text.clear();
  entry.number = 0.0f;
  entry.kind = Kind::kString;
  if (list) {
    list->Clear();
    list->Release();
  }
}

bool PropList::GetStringValue(const UTF8String& key, UTF8String& value) const {
  const Entry* e = Find(key);
  if (!e || e->kind != Kind::kString) return false;
  value = e->text;
  return true;
}

void PropList::SetStringValue(const UTF8String& key, const UTF8String& value) {
  Entry& e = Slot(key);
  e.kind = Kind::kString;
  e.text = value;
}

bool PropList::GetFloatValue(const UTF8String& key, float& value) const {
  const Entry* e = Find(key);
  if (!e || e->kind != Kind::kFloat) return false;
  value = e->number;
  return true;
}

void PropList::SetFloatValue(const UTF8String& key, float value) {
  Entry& e = Slot(key);
  e.kind = Kind::kFloat;
  e.number = value;
}

PropList* PropList::GetSubList(const UTF8String& key) const {
  const Entry* e = Find(key);
  return e && e->kind == Kind::kList ? e->list : nullptr;
}

PropList* PropList::NewSubList(const UTF8String& key) {
  // Made before the slot is touched, so that a failure leaves the old value in place.
  PropListRef list(new PropList);
  Entry& e = Slot(key);
  e.kind = Kind::kList;
  e.list = list.get();
  e.list->AddRef();
  return e.list;
}

bool PropList::RemoveValue(const UTF8String& key) {
  for (auto it = mEntries.begin(); it != mEntries.end(); ++it) {
    if (it->key != key) continue;
    Entry removed = std::move(*it);
    mEntries.erase(it);
    Drop(removed);
    return true;
  }
  return false;
}

void PropList::Clear() {
  // The entries leave the list before any sub-list goes, so nothing below sees a half-cleared list.
  std::vector<Entry> entries;
  entries.swap(mEntries);
  for (Entry& e : entries) Drop(e);
}

std::vector<UTF8String> PropList::GetPropertyNames() const {
  std::vector<UTF8String> names;
  names.reserve(mEntries.size());
  for (const Entry& e : mEntries) names.push_back(e.key);
  return names;
}

}  // namespace zelcore::proplist

namespace zelcore::testing {

int LivePropListCount() { return proplist::gLiveLists.load(); }

}  // namespace zelcore::testing
