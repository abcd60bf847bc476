#include "zelcore/FileUtils.h"

#include <system_error>

namespace zelcore {

namespace fs = std::filesystem;

bool FileUtils::Copy(const File& source, const File& destination) {
  if (source.Path().empty() || destination.Path().empty()) return false;
  std::error_code ec;
  if (!fs::is_regular_file(source.Path(), ec)) return false;
  return fs::copy_file(source.Path(), destination.Path(), fs::copy_options::none, ec) && !ec;
}

}  // namespace zelcore
