#include "TempFile.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <vector>

TempFile::TempFile(const std::string& nameHint, const std::string& content) {
  std::string pattern =
      (std::filesystem::temp_directory_path() / ("glimmet-xml-" + nameHint + "-XXXXXX")).string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  const int fd = mkstemp(buffer.data());
  if (fd < 0) throw std::runtime_error("cannot create a temporary file");
  path_ = buffer.data();
  const bool written =
      write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size());
  close(fd);
  if (!written) throw std::runtime_error("cannot write " + path_);
}

TempFile::~TempFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}
