#include "Utf8Check.h"

#include <cstring>

#include "EightBitText.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define PEMBRA_VECTOR_UTF8_CHECK 1
#pragma GCC push_options
#pragma GCC target("avx2")
#include "Utf8CheckAvx2.h"
#pragma GCC pop_options
#endif

namespace pembra_private {

namespace {

// Checks one character at a time, without writing it anywhere.
bool CheckByCharacter(const std::uint8_t* bytes, std::size_t length) {
  char16_t units[64];
  while (length > 0) {
    // A piece never ends inside a character: it ends before a byte that begins one.
    std::size_t piece = length < 64 ? length : 64;
    while (piece < length && piece > 0 && (bytes[piece] & 0xC0) == 0x80) --piece;
    if (piece == 0) return false;  // more continuation bytes than any character has
    std::size_t written = 0;
    if (!DecodeUtf8(bytes, piece, units, written)) return false;
    bytes += piece, length -= piece;
  }
  return true;
}

#if PEMBRA_VECTOR_UTF8_CHECK
#pragma GCC push_options
#pragma GCC target("avx2")
using utf8_avx2::Avx2Check;

bool CheckAvx2(const std::uint8_t* bytes, std::size_t length) {
  Avx2Check check;
  std::size_t i = 0;
  for (; i + 32 <= length; i += 32) check.Add(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + i)));
  // The rest, then ASCII that ends anything left unfinished.
  alignas(32) std::uint8_t rest[32] = {};
  std::memcpy(rest, bytes + i, length - i);
  check.Add(_mm256_load_si256(reinterpret_cast<const __m256i*>(rest)));
  check.Add(_mm256_setzero_si256());
  return _mm256_testz_si256(check.faults, check.faults) != 0;
}

#pragma GCC pop_options
#endif

}  // namespace

bool IsWellFormedUtf8(const std::uint8_t* bytes, std::size_t length) {
#if PEMBRA_VECTOR_UTF8_CHECK
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (avx2) return CheckAvx2(bytes, length);
#endif
  return CheckByCharacter(bytes, length);
}

}  // namespace pembra_private
