#include "UnicodeRun.h"

#include <algorithm>
#include <new>

namespace pembra_private {

namespace {

constexpr std::size_t kFirstBlockBytes = 64 * 1024;

}  // namespace

RefPtr<UnitBuffer> UnitBuffer::Make(std::size_t capacity) {
  void* block = ::operator new(sizeof(UnitBuffer) + capacity * sizeof(char16_t));
  return RefPtr<UnitBuffer>::Adopt(new (block) UnitBuffer(capacity));
}

UnicodeRun::UnicodeRun(std::u16string_view units) {
  if (units.empty()) return;
  RefPtr<UnitBuffer> buffer = UnitBuffer::Make(units.size());
  std::copy(units.begin(), units.end(), buffer->Units());
  *this = UnicodeRun(buffer.get(), buffer->Units(), units.size());
}

UnicodeRun::UnicodeRun(const RefCountObj* owner, const char16_t* units, std::size_t length) {
  if (length == 0 || owner == nullptr) return;
  owner->AddRef();
  owner_ = owner;
  units_ = units;
  length_ = length;
}

RegionBlock::RegionBlock(std::size_t size) : storage_(size, kLargePage, false) {}

void Region::Grow(std::size_t bytes) {
  const std::size_t size = std::max(bytes, blocks_.empty() ? kFirstBlockBytes : kLargePage);
  blocks_.push_back(RefPtr<RegionBlock>::Adopt(new RegionBlock(size)));
  used_ = 0;
}

void* Region::Allocate(std::size_t bytes, std::size_t alignment) {
  std::size_t start = (used_ + alignment - 1) & ~(alignment - 1);
  if (blocks_.empty() || start + bytes > blocks_.back()->Size()) {
    Grow(bytes);
    start = 0;
  }
  used_ = start + bytes;
  return blocks_.back()->Data() + start;
}

char16_t* Region::Room(std::size_t count) {
  std::size_t start = (used_ + 1) & ~std::size_t{1};
  if (blocks_.empty() || start + 2 * count > blocks_.back()->Size()) {
    Grow(2 * count);
    start = 0;
  }
  used_ = start;
  return reinterpret_cast<char16_t*>(blocks_.back()->Data() + start);
}

UnicodeRun Region::Keep(std::size_t count) {
  if (count == 0) return {};
  const RegionBlock* block = blocks_.back().get();
  UnicodeRun run(block, reinterpret_cast<const char16_t*>(block->Data() + used_), count);
  used_ += 2 * count;
  return run;
}

UnicodeRun Region::Copy(std::u16string_view units) {
  std::copy(units.begin(), units.end(), Room(units.size()));
  return Keep(units.size());
}

}  // namespace pembra_private
