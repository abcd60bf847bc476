#include "KeyHash.h"

namespace pembra_private {

unsigned HashKey(const std::uint8_t* bytes, std::size_t length, unsigned buckets) {
  std::size_t step = length / 5;
  if (step == 0) step = 1;
  std::uint32_t hash = 0;
  for (std::size_t pos = 0; pos < length; pos += step) {
    hash = (hash * 32u + bytes[pos]) % buckets;
  }
  return hash;
}

}  // namespace pembra_private
