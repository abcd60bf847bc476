#pragma once
// Bounds-checked reading of integers and byte runs from a block of memory.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "Scan.h"

namespace pembra {

// Byte order of a binary dictionary's integers, from its header's endian byte.
enum EndianT : int {
  kBigEndian = 0,
  kLittleEndian = 1,
  kEndianUnspecified = 2,  // no endian byte: the reading host's order
};

}  // namespace pembra

namespace pembra_private {

enum class ByteOrder { kLittle, kBig };

constexpr ByteOrder HostByteOrder() {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  return ByteOrder::kBig;
#else
  return ByteOrder::kLittle;
#endif
}

// The byte order a binary dictionary's EndianT stands for.
constexpr ByteOrder ByteOrderOf(pembra::EndianT endian) {
  return endian == pembra::kBigEndian      ? ByteOrder::kBig
         : endian == pembra::kLittleEndian ? ByteOrder::kLittle
                                           : HostByteOrder();
}

// Every read either succeeds completely or fails, reads nothing and leaves the
// position where it was. Nothing is ever read past the end of the block.
class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size, ByteOrder order = HostByteOrder())
      : data_(data), size_(size), order_(order) {}

  std::size_t Position() const { return pos_; }
  // The bytes not read yet (Remaining() of them).
  const std::uint8_t* Current() const { return data_ + pos_; }
  std::size_t Remaining() const { return size_ - pos_; }
  void SetByteOrder(ByteOrder order) { order_ = order; }
  ByteOrder Order() const { return order_; }

  bool ReadU8(std::uint8_t& value);
  bool ReadU16(std::uint16_t& value);
  bool ReadU32(std::uint32_t& value);
  // Points `bytes` at the next `count` bytes and moves past them.
  bool ReadBytes(std::size_t count, const std::uint8_t*& bytes);
  bool Skip(std::size_t count);

  // Whether `count` items of `itemSize` bytes each fit in what is left. Checked
  // before sizing any table from a count read out of a file.
  bool HasRoomFor(std::uint64_t count, std::size_t itemSize) const {
    return itemSize == 0 || count <= Remaining() / itemSize;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
  ByteOrder order_;
};

// A 16-bit unit stored at `bytes` in `order`.
inline std::uint16_t DecodeU16(const std::uint8_t* bytes, ByteOrder order) {
  return order == ByteOrder::kBig ? static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1])
                                  : static_cast<std::uint16_t>((bytes[1] << 8) | bytes[0]);
}

// A 32-bit integer stored at `bytes` in `order`.
inline std::uint32_t DecodeU32(const std::uint8_t* bytes, ByteOrder order) {
  return order == ByteOrder::kBig
             ? (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) | (std::uint32_t{bytes[2]} << 8) |
                   bytes[3]
             : (std::uint32_t{bytes[3]} << 24) | (std::uint32_t{bytes[2]} << 16) | (std::uint32_t{bytes[1]} << 8) |
                   bytes[0];
}

// `count` units stored at `bytes` in `order`, in the host's order at `units`.
inline void DecodeUnits(const std::uint8_t* bytes, std::size_t count, ByteOrder order, char16_t* units) {
  if (order == HostByteOrder()) {
    std::memcpy(units, bytes, 2 * count);
    return;
  }
  scan::SwapUnits(bytes, count, units);
}

}  // namespace pembra_private
