#pragma once
// Builders of dictionary files for tests and benchmarks. They share no code with
// the library: the bucket of a key is computed here on its own.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fixtures {

struct Entry {
  std::string key;
  std::u16string value;
};

// Appends integers in one byte order.
class ByteWriter {
 public:
  explicit ByteWriter(bool bigEndian = false) : bigEndian_(bigEndian) {}
  ByteWriter& U8(std::uint8_t value);
  ByteWriter& U16(std::uint16_t value);
  ByteWriter& U32(std::uint32_t value);
  ByteWriter& Bytes(std::string_view bytes);
  ByteWriter& Units(std::u16string_view units);
  const std::string& str() const { return data_; }

 private:
  bool bigEndian_;
  std::string data_;
};

unsigned BucketOf(std::string_view key);

// The common header: magic, major, minor, value encoding and, when given, the
// endian byte.
std::string Header(int major, int minor, std::uint8_t valueEncoding = 0,
                   std::optional<std::uint8_t> endian = std::nullopt);

// Version 1.0 (little-endian, UTF-16 values) and 1.5 (big-endian, UTF-16
// values), one group per bucket used, keys placed in their own bucket.
std::string Version10(const std::vector<Entry>& entries);
std::string Version15(const std::vector<Entry>& entries);

struct Version2Options {
  bool bigEndian = false;
  int minor = 1;  // 0: no endian byte, host order
  std::uint32_t idBase = 0;
  bool keys = true;
  std::optional<std::uint32_t> liveCount;  // default: every entry
  std::string headerText = "fixture";
  std::vector<std::u16string> extras;  // items of the extra part
};
std::string Version2(const std::vector<Entry>& entries, const Version2Options& options = {});

// UTF-16 text with its byte-order mark.
std::string Utf16Text(std::u16string_view text, bool bigEndian);

// `count` entries "/<word>/<word>/<Word><i>" -> "Value number <i>", keys all different.
std::vector<Entry> ManyEntries(int count);
// The same entries as text dictionary lines.
std::string TextDictionary(const std::vector<Entry>& entries);

}  // namespace fixtures
