#include "AppendToFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace fennick {

bool AppendBytesToExistingFile(const std::string& path, std::string_view bytes) {
  // No O_CREAT: a missing file is left missing. A folder fails to open for writing.
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0) return false;
  std::size_t written = 0;
  bool ok = true;
  while (written < bytes.size()) {
    const ssize_t count = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) {
      ok = false;
      break;
    }
    written += static_cast<std::size_t>(count);
  }
  return ::close(fd) == 0 && ok;
}

}  // namespace fennick
