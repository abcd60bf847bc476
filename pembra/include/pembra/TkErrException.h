#pragma once
// The exception of the dictionary library: a four-character code such as 'BUFF'.
#include <cstdint>
#include <exception>

namespace pembra {

// Builds a four-character code from its characters, first character highest.
constexpr std::uint32_t FourCharCode(char a, char b, char c, char d) {
  return (static_cast<std::uint32_t>(static_cast<unsigned char>(a)) << 24) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 16) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 8) |
         static_cast<std::uint32_t>(static_cast<unsigned char>(d));
}

inline constexpr std::uint32_t kErrBufferTooSmall = FourCharCode('B', 'U', 'F', 'F');

class TkErrException : public std::exception {
 public:
  explicit TkErrException(std::uint32_t code);
  std::uint32_t Code() const noexcept { return code_; }
  // "TkErr 'BUFF'" and the like.
  const char* what() const noexcept override { return text_; }

 private:
  std::uint32_t code_;
  char text_[16];
};

}  // namespace pembra
