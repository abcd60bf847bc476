#pragma once
// Conversion of 8-bit text to UTF-16 by pembra::EncodingInfo kind.
#include <cstddef>
#include <string>

#include "pembra/EncodingInfo.h"

namespace pembra_private::UnicodeUtil {

// Replaces `out` with the UTF-16 form of the bytes. Kind 0 (and no encoding)
// converts from the application text encoding; kind 1 from UTF-8, where an
// invalid sequence becomes U+FFFD. False, with `out` empty, for any other kind
// and for bytes that are not text in the application encoding.
bool StringToUnicode(const char* bytes, std::size_t length, std::u16string& out,
                     const pembra::EncodingInfo* encoding);

}  // namespace pembra_private::UnicodeUtil
