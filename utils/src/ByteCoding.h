#pragma once
// Bytes as text: standard Base64 (RFC 4648 alphabet, "=" padding, no line breaks) and
// hexadecimal.
#include <optional>
#include <string>
#include <string_view>

namespace fennick::coding {

std::string EncodeBase64(std::string_view bytes);
// Skips backspace, tab, line feed, form feed, carriage return and space. A NUL byte, "=" or the
// end of the text ends the input; a last group of 2 or 3 characters gives 1 or 2 bytes, a lone
// character none. Any other character outside the alphabet gives nothing.
std::optional<std::string> DecodeBase64(std::string_view text);

// Two upper-case digits per byte, high nibble first.
std::string EncodeHex(std::string_view bytes);
// One byte per pair of characters, high nibble first; digits 0-9, A-F, a-f. A character that is
// not a digit counts as 0, and an odd last character is ignored.
std::string DecodeHex(std::string_view text);

}  // namespace fennick::coding
