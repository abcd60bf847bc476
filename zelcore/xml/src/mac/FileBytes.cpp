#include "FileBytes.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

namespace zelcore::xml {

bool ReadFileBytes(const UTF16String& path, std::string& bytes) {
  const std::filesystem::path file(utility::UTF16to8(path));
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return false;
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  std::string read((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return false;
  bytes = std::move(read);
  return true;
}

}  // namespace zelcore::xml
