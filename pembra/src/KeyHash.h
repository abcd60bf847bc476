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
inline unsigned HashFunc(std::string_view key) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(key.data());
  const std::size_t length = key.size();
  const std::size_t step = length / 5 == 0 ? 1 : length / 5;
  // At most nine bytes are sampled (keys of 9 bytes; longer ones take at most
  // seven), so the sum of byte * 32^k fits in 64 bits and one remainder at the
  // end gives what a remainder at every step would.
  std::uint64_t sum = 0;
  for (std::size_t pos = 0; pos < length; pos += step) sum = sum * 32u + bytes[pos];
  return static_cast<unsigned>(sum % kBucketCount);
}

}  // namespace pembra_private
