#pragma once
// Reference counting, the counted pointer, geometry and the recursive lock of the web engine's
// object API. Every engine object and every handler a client gives the engine is counted; the
// counts are atomic because the engine's IO thread adds and drops references too.
#include <pthread.h>

#include <atomic>
#include <utility>
#include <vector>

class CefBase {
 public:
  // Each returns the count after the change; Release deletes the object when it reaches zero.
  virtual int AddRef() = 0;
  virtual int Release() = 0;
  virtual int GetRefCt() = 0;
  virtual ~CefBase() {}
};

// A counted reference: holds one reference to its object while it points to it.
template <class T>
class CefRefPtr {
 public:
  CefRefPtr() = default;
  CefRefPtr(T* p) : mPtr(p) {  // NOLINT: implicit, as a raw engine pointer is handed around
    if (mPtr) mPtr->AddRef();
  }
  CefRefPtr(const CefRefPtr& other) : CefRefPtr(other.mPtr) {}
  template <class U>
  CefRefPtr(const CefRefPtr<U>& other) : CefRefPtr(other.get()) {}
  CefRefPtr(CefRefPtr&& other) noexcept : mPtr(std::exchange(other.mPtr, nullptr)) {}
  ~CefRefPtr() {
    if (mPtr) mPtr->Release();
  }

  CefRefPtr& operator=(T* p) {
    // Take the new reference first: p may be the only thing keeping the old object alive.
    if (p) p->AddRef();
    T* old = std::exchange(mPtr, p);
    if (old) old->Release();
    return *this;
  }
  CefRefPtr& operator=(const CefRefPtr& other) { return *this = other.mPtr; }
  template <class U>
  CefRefPtr& operator=(const CefRefPtr<U>& other) {
    return *this = other.get();
  }
  CefRefPtr& operator=(CefRefPtr&& other) noexcept {
    if (this != &other) {
      T* old = std::exchange(mPtr, std::exchange(other.mPtr, nullptr));
      if (old) old->Release();
    }
    return *this;
  }

  T* get() const { return mPtr; }
  operator T*() const { return mPtr; }  // NOLINT: tests and comparisons read it as a pointer
  T* operator->() const { return mPtr; }
  T& operator*() const { return *mPtr; }

 private:
  T* mPtr = nullptr;
};

// Counting for an object that implements CefBase: one atomic count, deletion at zero.
#define IMPLEMENT_REFCOUNTING(ClassName)                  \
 public:                                                  \
  int AddRef() override { return ++refct_; }              \
  int Release() override {                                \
    const int count = --refct_;                           \
    if (count == 0) delete this;                          \
    return count;                                         \
  }                                                       \
  int GetRefCt() override { return refct_.load(); }       \
                                                          \
 private:                                                 \
  std::atomic<int> refct_{0}

struct CefRect {
  int x = 0, y = 0, width = 0, height = 0;

  CefRect() = default;
  CefRect(int x_, int y_, int width_, int height_) : x(x_), y(y_), width(width_), height(height_) {}
  bool IsEmpty() const { return width <= 0 || height <= 0; }
  bool operator==(const CefRect& o) const { return x == o.x && y == o.y && width == o.width && height == o.height; }
  bool operator!=(const CefRect& o) const { return !(*this == o); }
};
typedef std::vector<CefRect> RectList;

// A recursive mutex.
class CefCriticalSection {
 public:
  CefCriticalSection() {
    pthread_mutexattr_t attr;
    pthread_mutexattr_init(&attr);
    pthread_mutexattr_settype(&attr, PTHREAD_MUTEX_RECURSIVE);
    pthread_mutex_init(&mLock, &attr);
    pthread_mutexattr_destroy(&attr);
  }
  ~CefCriticalSection() { pthread_mutex_destroy(&mLock); }
  CefCriticalSection(const CefCriticalSection&) = delete;
  CefCriticalSection& operator=(const CefCriticalSection&) = delete;

  void Lock() { pthread_mutex_lock(&mLock); }
  void Unlock() { pthread_mutex_unlock(&mLock); }

 private:
  pthread_mutex_t mLock;
};
