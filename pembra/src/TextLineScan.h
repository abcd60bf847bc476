#pragma once
// Finding, in one pass over its bytes, where a line of 8-bit text ends and where
// its entry's double quotes are.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pembra_private {

struct TextLineScan {
  std::size_t length = 0;  // up to the first NUL, LF or CR, or all the bytes
  // The line's first two double quotes that do not follow a backslash; npos for
  // those it lacks.
  std::size_t quotes[2] = {std::string_view::npos, std::string_view::npos};
  bool highBytes = false;  // a byte of the line is above 0x7F
  bool wellFormed = true;  // when asked: the line is well-formed UTF-8 (IsWellFormedUtf8)
};

// The line at the start of the `size` bytes at `bytes`; with `checkUtf8`, also
// whether it is well-formed UTF-8.
TextLineScan ScanTextLine(const std::uint8_t* bytes, std::size_t size, bool checkUtf8 = false);

// The same for `count` UTF-16 units at `units` (with their two bytes exchanged
// when `swapped`), whose lines also end at U+2028 and U+2029; offsets count
// units, and highBytes is not set.
TextLineScan ScanUnicodeLine(const char16_t* units, std::size_t count, bool swapped);

}  // namespace pembra_private
