#pragma once
// Dictionary files read whole, and the bound on their size.
#include <cstddef>
#include <cstdint>
#include <istream>
#include <string>
#include <vector>

namespace pembra_private {

// No dictionary is larger; a larger file or stream is a broken one.
inline constexpr std::size_t kMaxDictionaryBytes = std::size_t{256} << 20;

enum class FileReadResult {
  kRead,       // the bytes of a regular file
  kNotOpened,  // missing, unreadable, or not a regular file (a folder, a pipe, a device)
  kBroken,     // larger than kMaxDictionaryBytes (nothing read), or a read failed
};

// The opening never waits, and nothing but a regular file is read, so a pipe or
// a device at the path can neither hold the caller up nor feed it without end.
FileReadResult ReadDictionaryFile(const std::string& path, std::vector<std::uint8_t>& bytes);

// The whole stream from its start (or from where it is, when it cannot seek);
// false when it fails or holds more than kMaxDictionaryBytes.
bool ReadDictionaryStream(std::istream& stream, std::vector<std::uint8_t>& bytes);

}  // namespace pembra_private
