#include "pembra/TkErrException.h"

#include <cstdio>

namespace pembra {

TkErrException::TkErrException(std::uint32_t code) : code_(code) {
  std::snprintf(text_, sizeof text_, "TkErr '%c%c%c%c'", static_cast<char>(code >> 24),
                static_cast<char>(code >> 16), static_cast<char>(code >> 8), static_cast<char>(code));
}

}  // namespace pembra
