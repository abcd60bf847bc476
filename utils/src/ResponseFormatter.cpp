#include "ResponseFormatter.h"

#include <sstream>

namespace ulmliblua {

std::string ResponseFormatter::GetFormattedResponse(int code, const std::string& message) {
  std::ostringstream text;
  text << code << ',' << message;
  return text.str();
}

}  // namespace ulmliblua
