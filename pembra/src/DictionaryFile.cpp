#include "DictionaryFile.h"

#include "BinaryFormat.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

namespace pembra_private {

namespace {

// Reads up to `size` bytes into `data`; the bytes read, or -1 when a read fails.
std::int64_t ReadUpTo(int fd, std::uint8_t* data, std::size_t size) {
  std::size_t got = 0;
  while (got < size) {
    const ssize_t count = ::read(fd, data + got, size - got);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return -1;
    if (count == 0) break;
    got += static_cast<std::size_t>(count);
  }
  return static_cast<std::int64_t>(got);
}

// What is left of a stream, read in pieces after the `known` bytes already read.
RefPtr<ByteBuffer> ReadInPieces(std::streambuf& buffer, const std::uint8_t* known, std::size_t knownSize) {
  std::vector<std::uint8_t> bytes(known, known + knownSize);
  char piece[1 << 16];
  for (;;) {
    const std::streamsize got = buffer.sgetn(piece, sizeof piece);
    if (got <= 0) break;
    if (bytes.size() + static_cast<std::size_t>(got) > kMaxDictionaryBytes) return {};
    bytes.insert(bytes.end(), piece, piece + got);
  }
  return ByteBuffer::Copy(bytes.data(), bytes.size());
}

}  // namespace

RefPtr<ByteBuffer> ByteBuffer::Make(std::size_t size, bool oddStart) {
  Storage storage(size + 1, kLargePage / 2, false);
  return RefPtr<ByteBuffer>::Adopt(new ByteBuffer(std::move(storage), size, oddStart));
}

namespace {

// Bytes read before the buffer is made, enough to find where a file's values lie.
constexpr std::size_t kFirstBytes = 4096;

// A buffer for a file of `size` bytes whose first bytes are `first`, with them
// copied in, placed so that values in the file's tables can be used in place.
RefPtr<ByteBuffer> MakeFor(std::size_t size, const std::uint8_t* first, std::size_t firstSize) {
  RefPtr<ByteBuffer> bytes = ByteBuffer::Make(size, InPlaceValuesOffset(first, firstSize) % 2 != 0);
  std::memcpy(bytes->Data(), first, firstSize);
  return bytes;
}

}  // namespace

RefPtr<ByteBuffer> ByteBuffer::Copy(const std::uint8_t* data, std::size_t size) {
  RefPtr<ByteBuffer> buffer = Make(size);
  if (size > 0) std::memcpy(buffer->Data(), data, size);
  return buffer;
}

FileReadResult ReadDictionaryFile(const std::string& path, RefPtr<ByteBuffer>& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return FileReadResult::kNotOpened;
  struct stat info;
  FileReadResult result = FileReadResult::kNotOpened;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
    result = FileReadResult::kBroken;
    const auto size = static_cast<std::uint64_t>(info.st_size);
    std::uint8_t first[kFirstBytes];
    const std::int64_t firstSize = size > kMaxDictionaryBytes ? -1 : ReadUpTo(fd, first, sizeof first);
    if (firstSize >= 0) {
      RefPtr<ByteBuffer> read = MakeFor(std::max(static_cast<std::size_t>(size), static_cast<std::size_t>(firstSize)),
                                        first, static_cast<std::size_t>(firstSize));
      const std::size_t wanted = static_cast<std::size_t>(size) > static_cast<std::size_t>(firstSize)
                                     ? static_cast<std::size_t>(size) - static_cast<std::size_t>(firstSize)
                                     : 0;
      const std::int64_t rest = ReadUpTo(fd, read->Data() + firstSize, wanted);
      if (rest >= 0) {
        read->Shrink(static_cast<std::size_t>(firstSize + rest));  // a file that shrank meanwhile
        bytes = std::move(read);
        result = FileReadResult::kRead;
      }
    }
  }
  ::close(fd);
  return result;
}

RefPtr<ByteBuffer> ReadDictionaryStream(std::istream& stream) {
  stream.clear();
  std::streambuf* buffer = stream.rdbuf();
  if (buffer == nullptr) return {};
  // A stream that can seek tells its size, and is read in one piece.
  const std::streampos start = buffer->pubseekpos(0, std::ios::in);
  const std::streampos end = buffer->pubseekoff(0, std::ios::end, std::ios::in);
  if (start == std::streampos(-1) || end == std::streampos(-1) || buffer->pubseekpos(0, std::ios::in) != start) {
    return ReadInPieces(*buffer, nullptr, 0);
  }
  const auto size = static_cast<std::uint64_t>(end - start);
  if (size > kMaxDictionaryBytes) return {};
  char first[kFirstBytes];
  const std::streamsize firstSize = std::max<std::streamsize>(0, buffer->sgetn(first, sizeof first));
  RefPtr<ByteBuffer> bytes = MakeFor(std::max(static_cast<std::size_t>(size), static_cast<std::size_t>(firstSize)),
                                     reinterpret_cast<const std::uint8_t*>(first), static_cast<std::size_t>(firstSize));
  const std::streamsize rest =
      std::max<std::streamsize>(0, buffer->sgetn(reinterpret_cast<char*>(bytes->Data()) + firstSize,
                                                 static_cast<std::streamsize>(bytes->Size()) - firstSize));
  bytes->Shrink(static_cast<std::size_t>(firstSize + rest));
  if (buffer->sgetc() == std::char_traits<char>::eof()) return bytes;
  // The stream has grown since its size was taken.
  return ReadInPieces(*buffer, bytes->Data(), bytes->Size());
}

}  // namespace pembra_private
