#include "zelcore/FileUtils.h"

#include <system_error>

namespace zelcore::FileUtils {

bool Copy(const File& source, const File& destination) {
  if (source.Path().empty() || destination.Path().empty()) return false;
  std::error_code ec;
  if (!std::filesystem::is_regular_file(source.Path(), ec)) return false;
  return std::filesystem::copy_file(source.Path(), destination.Path(), std::filesystem::copy_options::none, ec) && !ec;
}

}  // namespace zelcore::FileUtils
