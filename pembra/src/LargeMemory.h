#pragma once
// Large blocks of memory taken from the system in whole 2 MB pieces, aligned to
// 2 MB and marked for huge pages where the system offers them. A fresh 4 KB page
// costs a page fault at its first touch; a huge page takes one fault for 512 of
// them, which is most of what reading a large dictionary would otherwise cost.
#include <cstddef>
#include <cstdint>
#include <utility>

namespace pembra_private {

inline constexpr std::size_t kLargePage = std::size_t{2} << 20;

// Memory of `bytes` rounded up to whole large pages, zeroed when asked; null when
// the system has none to give.
void* AllocateLarge(std::size_t bytes, bool zeroed);
// Gives back a block of AllocateLarge with the size it was asked for.
void FreeLarge(void* block, std::size_t bytes);

// Bytes from AllocateLarge when there are at least `largeFrom` of them and the
// system gives them, else from the heap.
class Storage {
 public:
  Storage() = default;
  Storage(std::size_t size, std::size_t largeFrom, bool zeroed);
  Storage(Storage&& other) noexcept { Swap(other); }
  Storage& operator=(Storage&& other) noexcept {
    Swap(other);
    return *this;
  }
  Storage(const Storage&) = delete;
  Storage& operator=(const Storage&) = delete;
  ~Storage();

  std::uint8_t* Data() const { return data_; }
  std::size_t Size() const { return size_; }

 private:
  void Swap(Storage& other) {
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    std::swap(large_, other.large_);
  }

  std::uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  bool large_ = false;
};

// A zeroed array of `count` items of a trivial type, from AllocateLarge when it
// takes at least a quarter of a large page.
template <class T>
class LargeArray {
 public:
  LargeArray() = default;
  explicit LargeArray(std::size_t count) : storage_(count * sizeof(T), kLargePage / 4, true) {}

  T* data() const { return reinterpret_cast<T*>(storage_.Data()); }
  std::size_t size() const { return storage_.Size() / sizeof(T); }
  T& operator[](std::size_t i) const { return data()[i]; }

 private:
  Storage storage_;
};

}  // namespace pembra_private
