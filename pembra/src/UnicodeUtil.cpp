#include "UnicodeUtil.h"

#include "os/TextEncoding.h"
#include "zelcore/Strings.h"

namespace pembra_private::UnicodeUtil {

bool StringToUnicode(const char* bytes, std::size_t length, std::u16string& out,
                     const pembra::EncodingInfo* encoding) {
  const int kind = encoding != nullptr ? encoding->kind : pembra::EncodingInfo::kApplicationEncoding;
  switch (kind) {
    case pembra::EncodingInfo::kApplicationEncoding:
      return os::ConvertTextToUnicode(os::GetApplicationTextEncoding(), bytes, length, out);
    case pembra::EncodingInfo::kUTF8:
      out = zelcore::utility::UTF8to16(std::string(bytes, length));
      return true;
    default:
      out.clear();
      return false;
  }
}

}  // namespace pembra_private::UnicodeUtil
