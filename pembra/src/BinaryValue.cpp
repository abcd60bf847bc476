#include <string>

#include "BinaryFormat.h"
#include "UnicodeUtil.h"

namespace pembra_private {

bool DecodeBinaryValue(const std::uint8_t* bytes, std::size_t length, const BinaryTarget& target,
                       ByteOrder order, bool markGivesOrder, EntryValue& value) {
  if (target.valueEncoding != 0) {
    const pembra::EncodingInfo encoding{target.valueEncoding};
    std::u16string units;
    if (!UnicodeUtil::StringToUnicode(reinterpret_cast<const char*>(bytes), length, units, &encoding)) {
      return false;
    }
    value = target.values.Copy(units);  // the region keeps the units
    return true;
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
  const std::size_t count = length / 2;
  if (order != HostByteOrder()) {
    value = EntryValue::Written(&target.file, bytes, 2 * count, ValueForm::kSwappedUnits, false);
  } else if (reinterpret_cast<std::uintptr_t>(bytes) % alignof(char16_t) != 0) {
    value = EntryValue::Written(&target.file, bytes, 2 * count, ValueForm::kHostUnits, false);
  } else {
    value = EntryValue::InPlace(&target.file, reinterpret_cast<const char16_t*>(bytes), count);
  }
  return true;
}

}  // namespace pembra_private
