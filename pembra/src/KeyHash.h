#pragma once
// The bucket of a dictionary key, shared by the hash table and the version-2 store.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pembra_private {

// Both stores use 1021 buckets (a prime).
inline constexpr unsigned kBucketCount = 1021;

// Hashes about five sampled bytes: every (length / 5)-th byte, every byte of
// keys up to 9 bytes long. Writers of binary dictionaries place keys by it.
unsigned HashKey(const std::uint8_t* bytes, std::size_t length, unsigned buckets);

// HashKey with 1021 buckets.
inline unsigned HashFunc(std::string_view key) {
  return HashKey(reinterpret_cast<const std::uint8_t*>(key.data()), key.size(), kBucketCount);
}

}  // namespace pembra_private
