#include "LargeMemory.h"

#include <sys/mman.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <new>
#include <utility>
#include <vector>


namespace pembra_private {

namespace {

std::size_t Rounded(std::size_t bytes) { return (bytes + kLargePage - 1) / kLargePage * kLargePage; }

// Blocks given back are kept for the next reads, up to this much, as the heap
// keeps what is freed: reading the same dictionary again costs no new pages.
constexpr std::size_t kKeptBytes = std::size_t{16} << 20;

struct FreeList {
  std::mutex mutex;
  std::vector<std::pair<void*, std::size_t>> blocks;  // block, size
};

// Never more kept blocks than this: no block is smaller than a large page.
constexpr std::size_t kMostKeptBlocks = kKeptBytes / kLargePage;

FreeList& FreeBlocks() {
  static FreeList* list = [] {
    auto* made = new FreeList;  // never destroyed: blocks may be given back at exit
    made->blocks.reserve(kMostKeptBlocks + 1);
    return made;
  }();
  return *list;
}

}  // namespace

void* AllocateLarge(std::size_t bytes, bool zeroed) {
  const std::size_t size = Rounded(bytes);
  {
    // A block given back earlier, of the same size, is taken again first.
    std::lock_guard<std::mutex> lock(FreeBlocks().mutex);
    auto& blocks = FreeBlocks().blocks;
    for (auto it = blocks.begin(); it != blocks.end(); ++it) {
      if (it->second != size) continue;
      void* block = it->first;
      blocks.erase(it);
      if (zeroed) std::memset(block, 0, bytes);  // only what the caller asked for is used
      return block;
    }
  }
  // Map one large page more than needed, and keep the aligned part.
  void* mapped = ::mmap(nullptr, size + kLargePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (mapped == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(mapped);
  const std::uintptr_t aligned = (start + kLargePage - 1) & ~(std::uintptr_t{kLargePage} - 1);
  if (aligned > start) ::munmap(mapped, aligned - start);
  if (aligned + size < start + size + kLargePage) {
    ::munmap(reinterpret_cast<void*>(aligned + size), start + size + kLargePage - aligned - size);
  }
  ::madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);  // a hint; ignored where not offered
  return reinterpret_cast<void*>(aligned);
}

void FreeLarge(void* block, std::size_t bytes) {
  if (block == nullptr) return;
  const std::size_t size = Rounded(bytes);
  if (size > kKeptBytes) {
    ::munmap(block, size);
    return;
  }
  // The block given back last is the likeliest to be asked for again: the oldest
  // kept blocks make room for it. Nothing here allocates but the list's own room,
  // which is made ahead, so giving back never fails.
  std::lock_guard<std::mutex> lock(FreeBlocks().mutex);
  auto& blocks = FreeBlocks().blocks;
  std::size_t kept = 0;
  for (const auto& free : blocks) kept += free.second;
  std::size_t oldest = 0;
  for (; kept + size > kKeptBytes; ++oldest) {
    kept -= blocks[oldest].second;
    ::munmap(blocks[oldest].first, blocks[oldest].second);
  }
  blocks.erase(blocks.begin(), blocks.begin() + static_cast<std::ptrdiff_t>(oldest));
  blocks.emplace_back(block, size);
}

Storage::Storage(std::size_t size, std::size_t largeFrom, bool zeroed) : size_(size) {
  if (size >= largeFrom && size > 0) {
    data_ = static_cast<std::uint8_t*>(AllocateLarge(size, zeroed));
    large_ = data_ != nullptr;
  }
  if (data_ == nullptr) data_ = static_cast<std::uint8_t*>(zeroed ? std::calloc(size, 1) : std::malloc(size));
  if (data_ == nullptr && size > 0) throw std::bad_alloc();
}

Storage::~Storage() {
  if (large_) {
    FreeLarge(data_, size_);
  } else {
    std::free(data_);
  }
}

}  // namespace pembra_private
