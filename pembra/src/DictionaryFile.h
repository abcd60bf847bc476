#pragma once
// Dictionary files read whole into one shared buffer, and the bound on their size.
#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>

#include "LargeMemory.h"
#include "RefCount.h"

namespace pembra_private {

// No dictionary is larger; a larger file or stream is a broken one.
inline constexpr std::size_t kMaxDictionaryBytes = std::size_t{256} << 20;

// The bytes of one dictionary file. Stores that use a file's tables in place
// keep its buffer alive.
class ByteBuffer final : public RefCountObj {
 public:
  // The bytes are not set. With `oddStart`, the first byte lies at an odd
  // address, and so does every byte at an even offset.
  static RefPtr<ByteBuffer> Make(std::size_t size, bool oddStart = false);
  static RefPtr<ByteBuffer> Copy(const std::uint8_t* data, std::size_t size);
  std::uint8_t* Data() { return storage_.Data() + start_; }
  const std::uint8_t* Data() const { return storage_.Data() + start_; }
  std::size_t Size() const { return size_; }
  // Forgets the bytes past `size` (no larger than Size()).
  void Shrink(std::size_t size) { size_ = size < size_ ? size : size_; }

 private:
  ByteBuffer(Storage storage, std::size_t size, bool oddStart)
      : storage_(std::move(storage)), size_(size), start_(oddStart ? 1 : 0) {}

  Storage storage_;    // begins on an even address
  std::size_t size_;
  std::size_t start_;  // 0 or 1
};

enum class FileReadResult {
  kRead,       // the bytes of a regular file
  kNotOpened,  // missing, unreadable, or not a regular file (a folder, a pipe, a device)
  kBroken,     // larger than kMaxDictionaryBytes (nothing read), or a read failed
};

// The opening never waits, and nothing but a regular file is read, so a pipe or
// a device at the path can neither hold the caller up nor feed it without end.
FileReadResult ReadDictionaryFile(const std::string& path, RefPtr<ByteBuffer>& bytes);

// The whole stream from its start (or from where it is, when it cannot seek);
// null when it fails or holds more than kMaxDictionaryBytes.
RefPtr<ByteBuffer> ReadDictionaryStream(std::istream& stream);

}  // namespace pembra_private
