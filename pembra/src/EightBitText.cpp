#include "EightBitText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <map>

#include "Scan.h"

namespace pembra_private {

// The unit of every byte of an encoding of one character per byte; `valid` is
// false for a byte that is no character of it.
struct ByteTable {
  std::array<char16_t, 256> units{};
  std::array<bool, 256> valid{};
  bool asciiAsIs = true;  // every byte below 0x80 is the unit of the same value
  bool allValid = true;   // every byte is a character
  // No byte above 0x7F gives a unit below 0x80, so the ASCII characters that mark
  // out an entry are found as the same bytes.
  bool asciiOnlyFromAscii = true;
};

namespace {

bool IsUtf8Name(const std::string& encoding) {
  std::string name;
  for (char c : encoding) {
    if (c != '-' && c != '_') name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return name == "UTF8";
}

// A table holds only when the converter turns every byte on its own into one
// unit (or refuses it), every ASCII byte included; refuses a refused byte
// whatever follows it; and turns pairs of the bytes it takes into the units of
// the table. A converter that composes characters, keeps a state or reads
// several bytes a character gets none.
std::shared_ptr<const ByteTable> MakeTable(os::TextToUnicodeConverter& converter) {
  auto table = std::make_shared<ByteTable>();
  std::u16string out;
  std::string valid;  // every valid byte but NUL
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    if (converter.Convert(&c, 1, out)) {
      if (out.size() != 1) return nullptr;
      table->units[byte] = out[0];
      table->valid[byte] = true;
      if (byte < 0x80 && out[0] != byte) table->asciiAsIs = false;
      if (byte != 0) valid += c;
      continue;
    }
    if (byte < 0x80) return nullptr;
    // The first byte of a character of several bytes is refused on its own too.
    for (char follower : {'\x30', '\x41', '\x5C', '\x7E', '\x80', '\xA1', '\xC0', '\xFE', '\xFF'}) {
      const char pair[] = {c, follower};
      if (converter.Convert(pair, 2, out)) return nullptr;
    }
  }
  // Every valid byte followed by every valid byte that could combine with it or
  // finish it: the non-ASCII ones and a few ASCII ones, eight first bytes at a time.
  std::string seconds = "0A\\~";
  for (char byte : valid) {
    if (static_cast<unsigned char>(byte) >= 0x80) seconds += byte;
  }
  std::string pairs;
  std::u16string expected;
  for (std::size_t first = 0; first < valid.size(); first += 8) {
    pairs.clear();
    expected.clear();
    for (std::size_t f = first; f < first + 8 && f < valid.size(); ++f) {
      for (char second : seconds) {
        pairs += valid[f];
        pairs += second;
        expected += table->units[static_cast<unsigned char>(valid[f])];
        expected += table->units[static_cast<unsigned char>(second)];
      }
    }
    if (!converter.Convert(pairs.data(), pairs.size(), out) || out != expected) return nullptr;
  }
  for (int byte = 0x80; byte < 256; ++byte) {
    if (!table->valid[byte]) table->allValid = false;
    if (table->valid[byte] && table->units[byte] < 0x80) table->asciiOnlyFromAscii = false;
  }
  return table;
}

// Tables by encoding name, made once per process; null for an encoding that has none.
std::shared_ptr<const ByteTable> TableOf(const std::string& encoding, os::TextToUnicodeConverter& converter) {
  // Never destroyed: entries of dictionaries that live to the end convert through them.
  static auto& tables = *new std::map<std::string, std::shared_ptr<const ByteTable>>;
  auto [it, made] = tables.try_emplace(encoding);
  if (made) it->second = MakeTable(converter);
  return it->second;
}

inline bool Continuation(std::uint8_t byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

bool DecodeUtf8(const std::uint8_t* bytes, std::size_t length, char16_t* out, std::size_t& written) {
  std::size_t i = 0;
  std::size_t n = 0;
  while (i < length) {
    const std::size_t ascii = scan::WidenAscii(bytes + i, length - i, out + n);
    i += ascii, n += ascii;
    if (i == length) break;
    const std::uint8_t lead = bytes[i];
    if (lead >= 0xC2 && lead <= 0xDF) {  // two bytes, the most common
      if (length - i < 2 || !Continuation(bytes[i + 1])) return false;
      out[n++] = static_cast<char16_t>(((lead & 0x1F) << 6) | (bytes[i + 1] & 0x3F));
      i += 2;
      continue;
    }
    std::size_t count;
    std::uint32_t code;
    std::uint8_t low = 0x80, high = 0xBF;  // the bounds of the second byte
    if (lead >= 0xE0 && lead <= 0xEF) {
      count = 3, code = lead & 0x0F;
      if (lead == 0xE0) low = 0xA0;   // overlong
      if (lead == 0xED) high = 0x9F;  // surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      count = 4, code = lead & 0x07;
      if (lead == 0xF0) low = 0x90;   // overlong
      if (lead == 0xF4) high = 0x8F;  // above U+10FFFF
    } else {
      return false;
    }
    if (length - i < count || bytes[i + 1] < low || bytes[i + 1] > high) return false;
    for (std::size_t k = 1; k < count; ++k) {
      if (!Continuation(bytes[i + k])) return false;
      code = (code << 6) | (bytes[i + k] & 0x3F);
    }
    if (code >= 0x10000) {
      out[n++] = static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      out[n++] = static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      out[n++] = static_cast<char16_t>(code);
    }
    i += count;
  }
  written = n;
  return true;
}

EightBitText::EightBitText(std::string encoding) : encoding_(std::move(encoding)), utf8_(IsUtf8Name(encoding_)) {}

EightBitText::~EightBitText() = default;

bool EightBitText::KeepsAsWritten(const std::uint8_t* bytes, std::size_t length, bool highBytes,
                                  const char16_t*& table) {
  table = nullptr;
  if (utf8_) return false;
  if (!converter_) return false;  // not asked yet: the first line goes to Decode
  if (asciiAsIs_ && !highBytes) return true;
  if (!table_ || !table_->asciiAsIs || !table_->asciiOnlyFromAscii) return false;
  if (!table_->allValid) {
    for (std::size_t i = 0; i < length; ++i) {
      if (!table_->valid[bytes[i]]) return false;  // Decode reports it
    }
  }
  table = table_->units.data();
  return true;
}

bool EightBitText::Decode(const std::uint8_t* bytes, std::size_t length, std::u16string& buffer,
                          std::size_t& count) {
  count = 0;
  // Each path gives at most one unit a byte, but the converter's own.
  if (buffer.size() < length) buffer.resize(length);
  char16_t* const units = buffer.data();
  if (utf8_) return DecodeUtf8(bytes, length, units, count);
  if (!converter_) {
    converter_.emplace(encoding_);
    char ascii[127];
    for (int i = 0; i < 127; ++i) ascii[i] = static_cast<char>(i + 1);
    asciiAsIs_ = converter_->Convert(ascii, sizeof ascii, converted_) && converted_.size() == sizeof ascii &&
                 std::equal(converted_.begin(), converted_.end(), ascii);
  }
  if (asciiAsIs_ && scan::WidenAscii(bytes, length, units) == length) {
    count = length;
    return true;
  }
  if (!tableAsked_ && converter_->IsOpen() && ++convertedLines_ > kLinesBeforeTable) {
    table_ = TableOf(encoding_, *converter_);
    tableAsked_ = true;
  }
  if (!table_) {
    if (!converter_->Convert(reinterpret_cast<const char*>(bytes), length, converted_)) return false;
    if (buffer.size() < converted_.size()) buffer.resize(converted_.size());
    std::copy(converted_.begin(), converted_.end(), buffer.begin());
    count = converted_.size();
    return true;
  }
  bool valid = true;
  std::size_t i = 0;
  while (i < length) {
    if (table_->asciiAsIs) {
      i += scan::WidenAscii(bytes + i, length - i, units + i);
      if (i == length) break;
    }
    units[i] = table_->units[bytes[i]];
    valid &= table_->valid[bytes[i]];
    ++i;
  }
  if (!valid) return false;
  count = length;
  return true;
}

}  // namespace pembra_private
