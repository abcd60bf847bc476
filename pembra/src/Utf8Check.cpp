#include "Utf8Check.h"

#include "EightBitText.h"

namespace pembra_private {

bool IsWellFormedUtf8(const std::uint8_t* bytes, std::size_t length) {
  // Decoded a piece at a time into room that is thrown away.
  char16_t units[64];
  while (length > 0) {
    // A piece never ends inside a character: it ends before a byte that begins one.
    std::size_t piece = length < 64 ? length : 64;
    while (piece < length && piece > 0 && (bytes[piece] & 0xC0) == 0x80) --piece;
    if (piece == 0) return false;  // more continuation bytes than any character has
    std::size_t written = 0;
    if (!DecodeUtf8(bytes, piece, units, written)) return false;
    bytes += piece, length -= piece;
  }
  return true;
}

}  // namespace pembra_private
