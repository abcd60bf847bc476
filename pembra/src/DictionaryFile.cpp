#include "DictionaryFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace pembra_private {

namespace {

// Reads up to bytes.size() bytes; keeps what was there when the file is shorter.
bool ReadUpTo(int fd, std::vector<std::uint8_t>& bytes) {
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t count = ::read(fd, bytes.data() + got, bytes.size() - got);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return false;
    if (count == 0) break;
    got += static_cast<std::size_t>(count);
  }
  bytes.resize(got);
  return true;
}

}  // namespace

FileReadResult ReadDictionaryFile(const std::string& path, std::vector<std::uint8_t>& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return FileReadResult::kNotOpened;
  struct stat info;
  FileReadResult result = FileReadResult::kNotOpened;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    if (static_cast<std::uint64_t>(info.st_size) > kMaxDictionaryBytes) {
      result = FileReadResult::kBroken;
    } else {
      bytes.resize(static_cast<std::size_t>(info.st_size));
      result = ReadUpTo(fd, bytes) ? FileReadResult::kRead : FileReadResult::kBroken;
    }
  }
  ::close(fd);
  return result;
}

bool ReadDictionaryStream(std::istream& stream, std::vector<std::uint8_t>& bytes) {
  stream.clear();
  stream.seekg(0, std::ios::beg);
  if (stream.fail()) stream.clear();
  std::streambuf* buffer = stream.rdbuf();
  if (buffer == nullptr) return false;
  char chunk[1 << 16];
  for (;;) {
    const std::streamsize got = buffer->sgetn(chunk, sizeof chunk);
    if (got <= 0) return true;
    if (bytes.size() + static_cast<std::size_t>(got) > kMaxDictionaryBytes) return false;
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
}

}  // namespace pembra_private
