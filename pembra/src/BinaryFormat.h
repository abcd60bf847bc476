#pragma once
// Binary dictionary files: the common header and the bodies of versions 1.0 and 1.5.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ByteReader.h"
#include "DictionaryFile.h"
#include "EntryValue.h"
#include "HashTableGeneric.h"
#include "UnicodeRun.h"

namespace pembra_private {

// The first 21 bytes of every binary dictionary, without a NUL.
inline constexpr std::string_view kBinaryMagic = "Quillet Binary Format";

// The offset of a version-2 file's value blob, when its first `size` bytes tell
// it, so that a buffer can put the blob on a unit boundary and its values be used
// in place; 0 otherwise.
std::size_t InPlaceValuesOffset(const std::uint8_t* first, std::size_t size);

// Where the entries of a binary body go. Keys, and values stored in the host's
// order, are used in place in the file's bytes, which the table keeps.
struct BinaryTarget {
  HashTableGeneric& table;
  Region& values;
  const ByteBuffer& file;     // the bytes the reader reads
  std::uint8_t valueEncoding;  // of the header: 0 = UTF-16, else an EncodingInfo kind
};

// A stored value as an entry keeps it. Value encoding 0: UTF-16 units in `order`,
// or, when `markGivesOrder`, in the order of a leading byte-order mark, which is
// then dropped; used in place when they are in the host's order, else kept as
// written until the first lookup. Other encodings are converted now. False when
// an 8-bit value cannot be converted.
bool DecodeBinaryValue(const std::uint8_t* bytes, std::size_t length, const BinaryTarget& target,
                       ByteOrder order, bool markGivesOrder, EntryValue& value);

// The bodies that follow the header. Each entry goes in the bucket the file
// names for it; entries read before a failure stay in the table. False when the
// body is truncated or inconsistent, or a value cannot be converted.
bool ReadVersion10Body(ByteReader& in, const BinaryTarget& target);
bool ReadVersion15Body(ByteReader& in, const BinaryTarget& target);

}  // namespace pembra_private
