#pragma once
// Intrusive reference counts of the buffers that runs of text share. The counts
// are plain integers: the library is used from one thread.
#include <cstddef>
#include <type_traits>
#include <utility>

namespace pembra_private {

class RefCountObj {
 public:
  RefCountObj(const RefCountObj&) = delete;
  RefCountObj& operator=(const RefCountObj&) = delete;

  void AddRef() const { ++count_; }
  // Deletes the object with its last reference.
  void Release() const {
    if (--count_ == 0) delete this;
  }
  bool IsShared() const { return count_ > 1; }

 protected:
  RefCountObj() = default;  // holds the maker's reference
  virtual ~RefCountObj() = default;

 private:
  mutable std::size_t count_ = 1;
};

// One reference to a RefCountObj.
template <class T>
class RefPtr {
 public:
  RefPtr() = default;
  // Takes over the reference the object was made with.
  static RefPtr Adopt(T* object) {
    RefPtr ptr;
    ptr.object_ = object;
    return ptr;
  }
  RefPtr(const RefPtr& other) : object_(other.object_) {
    if (object_ != nullptr) object_->AddRef();
  }
  RefPtr(RefPtr&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  template <class U, class = std::enable_if_t<std::is_convertible_v<U*, T*>>>
  RefPtr(const RefPtr<U>& other) : object_(other.get()) {
    if (object_ != nullptr) object_->AddRef();
  }
  RefPtr& operator=(RefPtr other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }
  ~RefPtr() {
    if (object_ != nullptr) object_->Release();
  }

  T* get() const { return object_; }
  T* operator->() const { return object_; }
  T& operator*() const { return *object_; }
  explicit operator bool() const { return object_ != nullptr; }

 private:
  T* object_ = nullptr;
};

}  // namespace pembra_private
