#pragma once
// Binary dictionary files: the common header and the bodies of versions 1.0 and 1.5.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "ByteReader.h"
#include "HashTableGeneric.h"
#include "UnicodeRun.h"

namespace pembra_private {

// The first 21 bytes of every binary dictionary, without a NUL.
inline constexpr std::string_view kBinaryMagic = "Quillet Binary Format";

// A stored value as UTF-16. Value encoding 0: UTF-16 units in `order`, or, when
// `markGivesOrder`, in the order of a leading byte-order mark, which is then
// dropped. Any other value encoding names the EncodingInfo kind of 8-bit values.
// Nothing when the value cannot be converted.
std::optional<UnicodeRun> DecodeBinaryValue(const std::uint8_t* bytes, std::size_t length,
                                            std::uint8_t valueEncoding, ByteOrder order,
                                            bool markGivesOrder);

// The bodies that follow the header. Each entry goes in the bucket the file
// names for it; entries read before a failure stay in `table`. False when the
// body is truncated or inconsistent, or a value cannot be converted.
bool ReadVersion10Body(ByteReader& in, std::uint8_t valueEncoding, HashTableGeneric& table);
bool ReadVersion15Body(ByteReader& in, std::uint8_t valueEncoding, HashTableGeneric& table);

}  // namespace pembra_private
