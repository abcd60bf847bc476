#include "ByteReader.h"

namespace pembra_private {

bool ByteReader::ReadU8(std::uint8_t& value) {
  if (Remaining() < 1) return false;
  value = data_[pos_++];
  return true;
}

bool ByteReader::ReadU16(std::uint16_t& value) {
  if (Remaining() < 2) return false;
  value = DecodeU16(data_ + pos_, order_);
  pos_ += 2;
  return true;
}

bool ByteReader::ReadU32(std::uint32_t& value) {
  if (Remaining() < 4) return false;
  const std::uint8_t* p = data_ + pos_;
  if (order_ == ByteOrder::kBig) {
    value = (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) |
            std::uint32_t{p[3]};
  } else {
    value = (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) |
            std::uint32_t{p[0]};
  }
  pos_ += 4;
  return true;
}

bool ByteReader::ReadBytes(std::size_t count, const std::uint8_t*& bytes) {
  if (Remaining() < count) return false;
  bytes = data_ + pos_;
  pos_ += count;
  return true;
}

bool ByteReader::Skip(std::size_t count) {
  if (Remaining() < count) return false;
  pos_ += count;
  return true;
}

}  // namespace pembra_private
