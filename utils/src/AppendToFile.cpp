#include "AppendToFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace fennick {

bool AppendBytesToExistingFile(const std::string& path, std::string_view bytes) {
  // No O_CREAT: a missing file is left missing. A folder fails to open for writing. Only a
  // regular file has a data fork to append to: the open does not wait (a pipe without a reader
  // would block the main thread), and anything but a regular file is left alone.
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat info;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return false;
  }
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
