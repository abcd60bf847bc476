#include "KeyIndex.h"

#include <cstring>
#include <random>
#include <utility>

#include "HashItem.h"

namespace pembra_private {

namespace {

constexpr std::size_t kInitialSlots = 64;

// The high and low halves of a 64 x 64-bit product, folded.
inline std::uint64_t Fold(std::uint64_t a, std::uint64_t b) {
  const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
  return static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64);
}

inline std::uint64_t Load(const unsigned char* bytes, std::size_t count) {
  std::uint64_t value = 0;
  std::memcpy(&value, bytes, count);
  return value;
}

// Every byte of the key counts. The seed is drawn once per process, so that a
// file cannot be written to make many keys meet in one place.
std::uint64_t HashBytes(std::string_view key, std::uint64_t seed) {
  constexpr std::uint64_t k0 = 0xa0761d6478bd642full, k1 = 0xe7037ed1a0b428dbull,
                          k2 = 0x8ebc6af09c88c6e3ull;
  const auto* p = reinterpret_cast<const unsigned char*>(key.data());
  std::size_t left = key.size();
  std::uint64_t hash = seed ^ Fold(key.size() ^ k0, k1);
  for (; left >= 16; p += 16, left -= 16) {
    hash = Fold(Load(p, 8) ^ k1, Load(p + 8, 8) ^ hash);
  }
  if (left >= 8) {
    hash = Fold(Load(p, 8) ^ k1, Load(p + left - 8, 8) ^ hash);
  } else if (left > 0) {
    hash = Fold(Load(p, left) ^ k1, hash ^ k2);
  }
  return Fold(hash ^ k2, key.size() ^ k0);
}

std::uint64_t ProcessSeed() {
  static const std::uint64_t seed = [] {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
  }();
  return seed;
}

}  // namespace

KeyIndex::KeyIndex() : slots_(kInitialSlots), seed_(ProcessSeed()) {}

std::uint64_t KeyIndex::HashOf(std::string_view key) const { return HashBytes(key, seed_); }

KeyIndex::Position KeyIndex::Locate(std::string_view key, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = static_cast<std::size_t>(hash) & mask;; i = (i + 1) & mask) {
    ++probes_;
    const Slot& slot = slots_[i];
    if (slot.entry == nullptr || (slot.hash == hash && slot.entry->Key() == key)) return {i, hash};
  }
}

void KeyIndex::Put(Position position, DictionaryEntry* entry) {
  Slot& slot = slots_[position.slot];
  if (slot.entry == nullptr) {
    slot.hash = position.hash;
    ++used_;
  }
  slot.entry = entry;
  if (used_ * 2 > slots_.size()) Rehash(slots_.size() * 2);
}

void KeyIndex::Reserve(std::size_t count) {
  std::size_t slotCount = slots_.size();
  while (slotCount < 2 * count) slotCount *= 2;
  if (slotCount > slots_.size()) Rehash(slotCount);
}

void KeyIndex::Rehash(std::size_t slotCount) {
  LargeArray<Slot> old(slotCount);
  std::swap(old, slots_);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t k = 0; k < old.size(); ++k) {
    const Slot& slot = old[k];
    if (slot.entry == nullptr) continue;
    std::size_t i = static_cast<std::size_t>(slot.hash) & mask;
    while (slots_[i].entry != nullptr) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

}  // namespace pembra_private
