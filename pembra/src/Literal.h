#pragma once
// Localisation literals: "$$$" (optional), a key, "=", a default text.
#include <optional>
#include <string_view>

#include "DictionaryStore.h"
#include "UnicodeRun.h"
#include "pembra/EncodingInfo.h"

namespace pembra_private {

struct ParsedLiteral {
  std::string_view key;          // after the optional "$$$", up to the first "="
  std::string_view defaultText;  // after that "="; empty without one
};

// Nothing when the literal begins with "$" but not with "$$$".
std::optional<ParsedLiteral> ParseLiteral(std::string_view literal);

// The default text as UTF-16: without an encoding, or with kind 0, each byte is
// one unit of the same value; with any other kind the bytes are UTF-8 (the
// encoding of literals; invalid sequences become U+FFFD). Escapes and character
// entities are then converted.
UnicodeRun MakeDefaultText(std::string_view text, const pembra::EncodingInfo* encoding);

// The stored text of the literal's key, else its default text, else empty.
UnicodeRun LookupLiteral(const Dictionary& dictionary, const char* literal,
                         const pembra::EncodingInfo* encoding);
bool HasLiteralKey(const Dictionary& dictionary, const char* literal);

}  // namespace pembra_private
