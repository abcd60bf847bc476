#include <string>

#include "BinaryFormat.h"
#include "UnicodeUtil.h"

namespace pembra_private {

std::optional<UnicodeRun> DecodeBinaryValue(const std::uint8_t* bytes, std::size_t length,
                                            std::uint8_t valueEncoding, ByteOrder order,
                                            bool markGivesOrder) {
  std::u16string units;
  if (valueEncoding != 0) {
    const pembra::EncodingInfo encoding{valueEncoding};
    if (!UnicodeUtil::StringToUnicode(reinterpret_cast<const char*>(bytes), length, units, &encoding)) {
      return std::nullopt;
    }
    return UnicodeRun(std::move(units));
  }
  if (markGivesOrder && length >= 2) {
    if (bytes[0] == 0xFE && bytes[1] == 0xFF) {
      order = ByteOrder::kBig;
      bytes += 2, length -= 2;
    } else if (bytes[0] == 0xFF && bytes[1] == 0xFE) {
      order = ByteOrder::kLittle;
      bytes += 2, length -= 2;
    }
  }
  units.resize(length / 2);
  for (std::size_t i = 0; i < units.size(); ++i) units[i] = DecodeU16(bytes + 2 * i, order);
  return UnicodeRun(std::move(units));
}

}  // namespace pembra_private
