#pragma once
// Whether bytes are well-formed UTF-8, checked 16 or 32 bytes at a time where the
// processor can.
#include <cstddef>
#include <cstdint>

namespace pembra_private {

// Well-formed as DecodeUtf8 takes it: no overlong form, no surrogate, nothing
// above U+10FFFF, no sequence cut short by the end. NUL is a character like any other.
bool IsWellFormedUtf8(const std::uint8_t* bytes, std::size_t length);

}  // namespace pembra_private
