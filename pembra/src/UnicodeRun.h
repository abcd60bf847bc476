#pragma once
// Shared, immutable runs of UTF-16 units, and the buffers they live in.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "LargeMemory.h"
#include "RefCount.h"

namespace pembra_private {

// A buffer of UTF-16 units in the same block of memory as its count.
class UnitBuffer final : public RefCountObj {
 public:
  static RefPtr<UnitBuffer> Make(std::size_t capacity);
  char16_t* Units() { return reinterpret_cast<char16_t*>(this + 1); }
  std::size_t Capacity() const { return capacity_; }

  static void operator delete(void* block) { ::operator delete(block); }

 private:
  explicit UnitBuffer(std::size_t capacity) : capacity_(capacity) {}
  ~UnitBuffer() override = default;

  std::size_t capacity_;
};

// Units of text that copies share: a run views units kept alive by an owner (a
// buffer of its own, a block of many values, or the bytes of a dictionary file)
// and holds one reference to it, so a run never outlives its units. Every empty
// run is the same: no owner at all.
class UnicodeRun {
 public:
  UnicodeRun() = default;
  // A copy of `units` in a buffer of its own.
  explicit UnicodeRun(std::u16string_view units);
  // `length` units at `units`, kept alive by `owner`.
  UnicodeRun(const RefCountObj* owner, const char16_t* units, std::size_t length);
  UnicodeRun(const UnicodeRun& other) : UnicodeRun(other.owner_, other.units_, other.length_) {}
  UnicodeRun(UnicodeRun&& other) noexcept
      : owner_(std::exchange(other.owner_, nullptr)),
        units_(std::exchange(other.units_, nullptr)),
        length_(std::exchange(other.length_, 0)) {}
  UnicodeRun& operator=(UnicodeRun other) noexcept {
    std::swap(owner_, other.owner_);
    std::swap(units_, other.units_);
    std::swap(length_, other.length_);
    return *this;
  }
  ~UnicodeRun() {
    if (owner_ != nullptr) owner_->Release();
  }

  const char16_t* data() const { return units_; }
  std::size_t size() const { return length_; }
  bool empty() const { return length_ == 0; }
  std::u16string_view view() const { return {units_, length_}; }
  // What keeps the units alive; null for an empty run.
  const RefCountObj* Owner() const { return owner_; }

 private:
  const RefCountObj* owner_ = nullptr;
  const char16_t* units_ = nullptr;
  std::size_t length_ = 0;
};

// One block of a Region.
class RegionBlock final : public RefCountObj {
 public:
  explicit RegionBlock(std::size_t size);
  std::uint8_t* Data() const { return storage_.Data(); }
  std::size_t Size() const { return storage_.Size(); }

 private:
  Storage storage_;
};

// The memory of what one dictionary reads (keys, entries and values), taken in
// order from blocks: a small first block, so that a small dictionary stays small,
// then large pages. Runs of values keep their block alive; the region keeps
// every block as long as it lives.
class Region {
 public:
  // `bytes` at `alignment` (a power of two up to 16), as long as the region.
  void* Allocate(std::size_t bytes, std::size_t alignment);
  // Room for `count` units; valid until the next call.
  char16_t* Room(std::size_t count);
  // The first `count` units of the last Room as a run.
  UnicodeRun Keep(std::size_t count);
  UnicodeRun Copy(std::u16string_view units);

 private:
  void Grow(std::size_t bytes);

  std::vector<RefPtr<RegionBlock>> blocks_;
  std::size_t used_ = 0;  // bytes of the last block
};

}  // namespace pembra_private
