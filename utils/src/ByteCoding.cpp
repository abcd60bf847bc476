#include "ByteCoding.h"

#include <cstdint>

namespace fennick::coding {

namespace {

constexpr char kBase64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr char kHexDigits[] = "0123456789ABCDEF";

int Base64Value(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

bool IsSkippedInBase64(char c) {
  return c == '\b' || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

}  // namespace

std::string EncodeBase64(std::string_view bytes) {
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  std::size_t i = 0;
  for (; i + 3 <= bytes.size(); i += 3) {
    const std::uint32_t group = static_cast<std::uint8_t>(bytes[i]) << 16 |
                                static_cast<std::uint8_t>(bytes[i + 1]) << 8 | static_cast<std::uint8_t>(bytes[i + 2]);
    for (int shift = 18; shift >= 0; shift -= 6) text.push_back(kBase64Alphabet[(group >> shift) & 0x3F]);
  }
  const std::size_t rest = bytes.size() - i;
  if (rest > 0) {
    std::uint32_t group = static_cast<std::uint8_t>(bytes[i]) << 16;
    if (rest == 2) group |= static_cast<std::uint8_t>(bytes[i + 1]) << 8;
    text.push_back(kBase64Alphabet[(group >> 18) & 0x3F]);
    text.push_back(kBase64Alphabet[(group >> 12) & 0x3F]);
    text.push_back(rest == 2 ? kBase64Alphabet[(group >> 6) & 0x3F] : '=');
    text.push_back('=');
  }
  return text;
}

std::optional<std::string> DecodeBase64(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() / 4 * 3 + 2);
  std::uint32_t group = 0;
  int pending = 0;
  for (const char c : text) {
    if (c == '\0' || c == '=') break;
    if (IsSkippedInBase64(c)) continue;
    const int value = Base64Value(c);
    if (value < 0) return std::nullopt;
    group = group << 6 | static_cast<std::uint32_t>(value);
    if (++pending == 4) {
      bytes.push_back(static_cast<char>(group >> 16 & 0xFF));
      bytes.push_back(static_cast<char>(group >> 8 & 0xFF));
      bytes.push_back(static_cast<char>(group & 0xFF));
      group = 0;
      pending = 0;
    }
  }
  if (pending == 2) {
    bytes.push_back(static_cast<char>(group >> 4 & 0xFF));
  } else if (pending == 3) {
    bytes.push_back(static_cast<char>(group >> 10 & 0xFF));
    bytes.push_back(static_cast<char>(group >> 2 & 0xFF));
  }
  return bytes;
}

std::string EncodeHex(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (const char byte : bytes) {
    const auto value = static_cast<std::uint8_t>(byte);
    text.push_back(kHexDigits[value >> 4]);
    text.push_back(kHexDigits[value & 0x0F]);
  }
  return text;
}

std::string DecodeHex(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size() / 2);
  for (std::size_t i = 0; i + 1 < text.size(); i += 2)
    bytes.push_back(static_cast<char>(HexValue(text[i]) << 4 | HexValue(text[i + 1])));
  return bytes;
}

}  // namespace fennick::coding
