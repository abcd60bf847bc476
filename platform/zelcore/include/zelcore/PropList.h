#pragma once
// The core framework's property lists: string, number and sub-list values under UTF-8 names, in
// the order the names were first set. Lists are reference counted; a sub-list belongs to its
// parent, and one that is removed or replaced is emptied before the parent lets it go, so that a
// holder of a counted reference to it sees an empty list.
#include <atomic>
#include <vector>

#include "zelcore/Strings.h"

namespace zelcore::proplist {

class PropList {
 public:
  PropList();
  virtual ~PropList();
  PropList(const PropList&) = delete;
  PropList& operator=(const PropList&) = delete;

  // Counted references: the list is destroyed when the last one goes.
  void AddRef() const;
  void Release() const;

  // False when the key holds no value of that kind.
  bool GetStringValue(const UTF8String& key, UTF8String& value) const;
  void SetStringValue(const UTF8String& key, const UTF8String& value);
  bool GetFloatValue(const UTF8String& key, float& value) const;
  void SetFloatValue(const UTF8String& key, float value);
  // The sub-list under the key, or null when the key holds none.
  PropList* GetSubList(const UTF8String& key) const;
  // A new empty sub-list under the key, in place of whatever the key held.
  PropList* NewSubList(const UTF8String& key);
  // Whether the key held a value.
  bool RemoveValue(const UTF8String& key);
  void Clear();
  std::vector<UTF8String> GetPropertyNames() const;

 private:
  enum class Kind { kString, kFloat, kList };
  struct Entry {
    UTF8String key;
    Kind kind = Kind::kString;
    UTF8String text;
    float number = 0.0f;
    PropList* list = nullptr;  // counted while held
  };

  Entry* Find(const UTF8String& key);
  const Entry* Find(const UTF8String& key) const;
  Entry& Slot(const UTF8String& key);
  // Lets go of what the entry holds; a sub-list is emptied first.
  static void Drop(Entry& entry);

  std::vector<Entry> mEntries;
  mutable std::atomic<int> mRefCount{0};
};

// A counted reference to a list.
class PropListRef {
 public:
  PropListRef() = default;
  explicit PropListRef(PropList* list) : mList(list) {
    if (mList) mList->AddRef();
  }
  PropListRef(const PropListRef& other) : PropListRef(other.mList) {}
  PropListRef(PropListRef&& other) noexcept : mList(other.mList) { other.mList = nullptr; }
  PropListRef& operator=(PropListRef other) noexcept {
    std::swap(mList, other.mList);
    return *this;
  }
  ~PropListRef() {
    if (mList) mList->Release();
  }

  PropList* get() const { return mList; }
  PropList& operator*() const { return *mList; }
  PropList* operator->() const { return mList; }
  explicit operator bool() const { return mList != nullptr; }

 private:
  PropList* mList = nullptr;
};

}  // namespace zelcore::proplist
