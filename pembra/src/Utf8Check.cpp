#include "Utf8Check.h"

#include <cstring>

#include "EightBitText.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define PEMBRA_VECTOR_UTF8_CHECK 1
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
// Every fault of UTF-8 shows in a pair of bytes, the high and low halves of the
// first and the high half of the second, apart from a missing or extra
// continuation after a lead of three or four bytes; three tables of those halves
// give a bit for each kind of fault, and the bits agree only for a fault.
enum : std::uint8_t {
  kTooShort = 1 << 0,     // a lead, or ASCII after a lead, where a continuation must be
  kTooLong = 1 << 1,      // a continuation after ASCII
  kOverlong3 = 1 << 2,    // E0 80..9F
  kTooLarge = 1 << 3,     // F4 90.. and above
  kSurrogate = 1 << 4,    // ED A0..BF
  kOverlong2 = 1 << 5,    // C0, C1
  kTooLarge1000 = 1 << 6, // F5.. 80..8F
  kOverlong4 = 1 << 6,    // F0 80..8F
  kTwoConts = 1 << 7,     // a continuation after a continuation
  kCarry = kTooShort | kTooLong | kTwoConts,
};

#define PEMBRA_FIRST_HIGH                                                                                       \
  kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTooLong, kTwoConts, kTwoConts,         \
      kTwoConts, kTwoConts, kTooShort | kOverlong2, kTooShort, kTooShort | kOverlong3 | kSurrogate,             \
      kTooShort | kTooLarge | kTooLarge1000 | kOverlong4
#define PEMBRA_FIRST_LOW                                                                                        \
  kCarry | kOverlong3 | kOverlong2 | kOverlong4, kCarry | kOverlong2, kCarry, kCarry, kCarry | kTooLarge,        \
      kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000, \
      kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000, \
      kCarry | kTooLarge | kTooLarge1000, kCarry | kTooLarge | kTooLarge1000,                                  \
      kCarry | kTooLarge | kTooLarge1000 | kSurrogate, kCarry | kTooLarge | kTooLarge1000,                      \
      kCarry | kTooLarge | kTooLarge1000
#define PEMBRA_SECOND_HIGH                                                                                      \
  kTooShort, kTooShort, kTooShort, kTooShort, kTooShort, kTooShort, kTooShort, kTooShort,                       \
      kTooLong | kOverlong2 | kTwoConts | kOverlong3 | kTooLarge1000 | kOverlong4,                              \
      kTooLong | kOverlong2 | kTwoConts | kOverlong3 | kTooLarge,                                              \
      kTooLong | kOverlong2 | kTwoConts | kSurrogate | kTooLarge,                                              \
      kTooLong | kOverlong2 | kTwoConts | kSurrogate | kTooLarge, kTooShort, kTooShort, kTooShort, kTooShort

#pragma GCC push_options
#pragma GCC target("avx2")

// 32 bytes at a time. `previous` holds the 32 bytes before `input`.
struct Avx2Check {
  Avx2Check()
      : firstHigh(_mm256_setr_epi8(PEMBRA_FIRST_HIGH, PEMBRA_FIRST_HIGH)),
        firstLow(_mm256_setr_epi8(PEMBRA_FIRST_LOW, PEMBRA_FIRST_LOW)),
        secondHigh(_mm256_setr_epi8(PEMBRA_SECOND_HIGH, PEMBRA_SECOND_HIGH)),
        previous(_mm256_setzero_si256()),
        faults(_mm256_setzero_si256()),
        unfinished(_mm256_setzero_si256()) {}

  __m256i firstHigh, firstLow, secondHigh;
  __m256i previous;
  __m256i faults;
  __m256i unfinished;  // the last bytes of `previous` begin an unfinished character

  void Add(__m256i input) {
    if (_mm256_movemask_epi8(input) == 0) {  // ASCII: only what came before can be unfinished
      faults = _mm256_or_si256(faults, unfinished);
      unfinished = _mm256_setzero_si256();
      previous = input;
      return;
    }
    const __m256i nibble = _mm256_set1_epi8(0x0F);
    const __m256i before = _mm256_permute2x128_si256(previous, input, 0x21);
    const __m256i prev1 = _mm256_alignr_epi8(input, before, 15);
    const __m256i prev2 = _mm256_alignr_epi8(input, before, 14);
    const __m256i prev3 = _mm256_alignr_epi8(input, before, 13);
    const __m256i pair = _mm256_and_si256(
        _mm256_and_si256(_mm256_shuffle_epi8(firstHigh, _mm256_and_si256(_mm256_srli_epi16(prev1, 4), nibble)),
                         _mm256_shuffle_epi8(firstLow, _mm256_and_si256(prev1, nibble))),
        _mm256_shuffle_epi8(secondHigh, _mm256_and_si256(_mm256_srli_epi16(input, 4), nibble)));
    // The bytes that must be the third or fourth of a character.
    const __m256i third = _mm256_subs_epu8(prev2, _mm256_set1_epi8(static_cast<char>(0xE0 - 0x80)));
    const __m256i fourth = _mm256_subs_epu8(prev3, _mm256_set1_epi8(static_cast<char>(0xF0 - 0x80)));
    const __m256i must = _mm256_and_si256(_mm256_or_si256(third, fourth), _mm256_set1_epi8(static_cast<char>(0x80)));
    faults = _mm256_or_si256(faults, _mm256_xor_si256(must, pair));
    const __m256i last = _mm256_setr_epi8(-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                          -1, -1, -1, -1, -1, -1, -1, -1, -1, static_cast<char>(0xF0 - 1),
                                          static_cast<char>(0xE0 - 1), static_cast<char>(0xC0 - 1));
    unfinished = _mm256_subs_epu8(input, last);
    previous = input;
  }
};

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
