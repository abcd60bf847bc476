#pragma once
// Duktape keeps strings as CESU-8: every UTF-16 code unit, surrogates included, on its own as
// one to three bytes. Converting unit by unit keeps a lone surrogate and gives the page the
// same string length as the host sees.
#include <cstddef>
#include <string>

namespace engine {

std::string Cesu8FromUtf16(const std::u16string& text);
// A four-byte sequence becomes its surrogate pair; a byte that starts no valid sequence U+FFFD.
std::u16string Utf16FromCesu8(const char* bytes, size_t size);

}  // namespace engine
