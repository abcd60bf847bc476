#pragma once
// Whether bytes are well-formed UTF-8, one character at a time: for processors
// without the vector check that the line scan makes as it reads.
#include <cstddef>
#include <cstdint>

namespace pembra_private {

// Well-formed as DecodeUtf8 takes it: no overlong form, no surrogate, nothing
// above U+10FFFF, no sequence cut short by the end. NUL is a character like any other.
bool IsWellFormedUtf8(const std::uint8_t* bytes, std::size_t length);

}  // namespace pembra_private
