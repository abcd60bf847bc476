#pragma once
// An object with an atomic intrusive reference count, held by boost::intrusive_ptr: it is
// destroyed when its last counted reference goes. Only Release deletes it.
#include <atomic>

#include <boost/intrusive_ptr.hpp>

namespace zelcore::utility {

class RefCountedObject {
 public:
  RefCountedObject() = default;
  RefCountedObject(const RefCountedObject&) = delete;
  RefCountedObject& operator=(const RefCountedObject&) = delete;

  void AddRef() const { mRefCount.fetch_add(1, std::memory_order_relaxed); }
  void Release() const {
    if (mRefCount.fetch_sub(1, std::memory_order_acq_rel) == 1) delete this;
  }
  int RefCount() const { return mRefCount.load(std::memory_order_acquire); }

 protected:
  virtual ~RefCountedObject() = default;

 private:
  mutable std::atomic<int> mRefCount{0};
};

inline void intrusive_ptr_add_ref(const RefCountedObject* object) { object->AddRef(); }
inline void intrusive_ptr_release(const RefCountedObject* object) { object->Release(); }

}  // namespace zelcore::utility
