#include "zelcore/FileUtils.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

namespace zelcore {

namespace fs = std::filesystem;

bool FileUtils::EnsureDirectoryExists(const Dir& dir) {
  if (dir.IsEmpty()) return false;
  std::error_code ec;
  fs::create_directories(dir.Path(), ec);
  return dir.Exists();
}

bool FileUtils::RemoveFile(const File& file) {
  if (file.Path().empty()) return false;
  std::error_code ec;
  return fs::remove(file.Path(), ec);
}

bool FileUtils::CreateNewFile(const File& file) {
  if (file.Path().empty()) return false;
  const int fd = ::open(file.Path().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  ::close(fd);
  return true;
}

void FileUtils::ReplaceIllegalFileNameCharacters(UTF16String& name, char16_t replacement) {
  static constexpr char16_t kIllegal[] = u"/\\:*?\"<>|";
  for (char16_t& c : name) {
    if (c < 0x20 || c == 0x7F || UTF16String::traits_type::find(kIllegal, sizeof kIllegal / 2 - 1, c) != nullptr)
      c = replacement;
  }
}

bool FileUtils::Copy(const File& source, const File& destination) {
  if (source.Path().empty() || destination.Path().empty()) return false;
  std::error_code ec;
  if (!fs::is_regular_file(source.Path(), ec)) return false;
  return fs::copy_file(source.Path(), destination.Path(), fs::copy_options::none, ec) && !ec;
}

bool FileUtils::SimpleAppendStringToFile(const File& file, const UTF8String& text) {
  if (file.Path().empty()) return false;
  // Only a regular file is appended to; the open never waits (on a pipe without a reader).
  const int fd = ::open(file.Path().c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
  if (fd < 0) return false;
  struct stat info;
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
  for (std::size_t written = 0; ok && written < text.size();) {
    const ssize_t count = ::write(fd, text.data() + written, text.size() - written);
    if (count < 0 && errno == EINTR) continue;
    ok = count > 0;
    if (ok) written += static_cast<std::size_t>(count);
  }
  return ::close(fd) == 0 && ok;
}

bool FileUtils::ReadRegularFile(const std::string& path, std::uint64_t maxBytes, std::string& bytes) {
  // A pipe without a writer would hold an ordinary open up, and a device could feed a read
  // without end: the open does not wait, and only a regular file of a bounded size is read.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info;
  bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
            static_cast<std::uint64_t>(info.st_size) <= maxBytes;
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

}  // namespace zelcore
