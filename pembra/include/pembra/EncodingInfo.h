#pragma once
// The 8-bit encoding of literals' default texts and of 8-bit stored values.

namespace pembra {

struct EncodingInfo {
  enum Kind : int {
    kApplicationEncoding = 0,  // the application text encoding (os::GetApplicationTextEncoding)
    kUTF8 = 1,
  };
  int kind = kApplicationEncoding;
};

}  // namespace pembra
