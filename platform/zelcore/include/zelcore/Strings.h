#pragma once
// UTF-16 and UTF-8 strings of the core framework and the conversions between them.
#include <string>
#include <vector>

namespace zelcore {

using UTF16String = std::u16string;
using UTF8String = std::string;

namespace utility {

// Invalid sequences become U+FFFD; conversion never throws.
UTF16String UTF8to16(const UTF8String& text);
UTF8String UTF16to8(const UTF16String& text);
// Bytes above 0x7F are not ASCII and become U+FFFD.
UTF16String AsciiToUTF16(const std::string& text);

// Fills the placeholders "^1" to "^9" of the template with the replacements at those places (1 the
// first); a placeholder without a replacement, and any other "^", stays as it is. Replacements
// are not searched again.
UTF16String ReplaceInString(const UTF16String& templateText, const std::vector<UTF16String>& replacements);

// Unicode case mapping, one code point at a time (surrogate pairs as one), in place.
void ToUpperCase(UTF16String& text);
void ToLowerCase(UTF16String& text);

// The decimal integer the text begins with (after blanks, with an optional sign); 0 when it
// begins with none. Values beyond the type's range clamp.
long long StringToNumber(const UTF16String& text);

}  // namespace utility

using utility::AsciiToUTF16;
using utility::UTF16to8;
using utility::UTF8to16;

}  // namespace zelcore
