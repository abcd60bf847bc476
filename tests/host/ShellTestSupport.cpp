#include "ShellTestSupport.h"

namespace glimmet::testing {

std::string PngOfSize(unsigned width, unsigned height) {
  std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR", 16);
  for (unsigned value : {width, height})
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
  bytes.append("\x08\x06\0\0\0", 5);
  return bytes;
}

}  // namespace glimmet::testing
