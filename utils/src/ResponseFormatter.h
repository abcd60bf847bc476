#pragma once
// The one shape of every result text of the identity bridge: the code in decimal, a comma, the
// message.
#include <string>

namespace ulmliblua {

class ResponseFormatter {
 public:
  static std::string GetFormattedResponse(int code, const std::string& message);
};

}  // namespace ulmliblua
