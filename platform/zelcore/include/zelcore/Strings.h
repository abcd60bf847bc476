#pragma once
// UTF-16 and UTF-8 strings of the core framework and the conversions between them.
#include <string>

namespace zelcore {

using UTF16String = std::u16string;
using UTF8String = std::string;

namespace utility {

// Invalid sequences become U+FFFD; conversion never throws.
UTF16String UTF8to16(const UTF8String& text);
UTF8String UTF16to8(const UTF16String& text);
// Bytes above 0x7F are not ASCII and become U+FFFD.
UTF16String AsciiToUTF16(const std::string& text);

}  // namespace utility

using utility::AsciiToUTF16;
using utility::UTF16to8;
using utility::UTF8to16;

}  // namespace zelcore
