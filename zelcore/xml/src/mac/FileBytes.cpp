#include "FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace zelcore::xml {

bool ReadFileBytes(const UTF16String& path, std::string& bytes) {
  // The opening never waits (a pipe without a writer would hold the caller up), and only a
  // regular file of at most kMaxDocumentBytes is read: a device could feed it without end.
  const int fd = ::open(utility::UTF16to8(path).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
            static_cast<std::uint64_t>(info.st_size) <= kMaxDocumentBytes;
  std::string read;
  if (ok) read.resize(static_cast<std::size_t>(info.st_size));
  std::size_t got = 0;
  while (ok && got < read.size()) {
    const ssize_t count = ::read(fd, &read[got], read.size() - got);
    if (count < 0 && errno == EINTR) continue;
    ok = count >= 0;
    if (count <= 0) break;
    got += static_cast<std::size_t>(count);
  }
  ::close(fd);
  if (!ok) return false;
  read.resize(got);  // a file that shrank meanwhile
  bytes = std::move(read);
  return true;
}

}  // namespace zelcore::xml
