#include "HashItem.h"

#include "KeyHash.h"

namespace pembra_private {

unsigned ByteRunKey::Hash(unsigned buckets) const {
  const std::string_view bytes = Bytes();
  return HashKey(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), buckets);
}

bool ByteRunKey::operator==(const HashItem& other) const {
  const ByteRunKey* key = other.AsByteRunKey();
  return key != nullptr && key->Bytes() == Bytes();
}

}  // namespace pembra_private
