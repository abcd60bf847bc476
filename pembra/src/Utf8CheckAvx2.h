#pragma once
// The vector check of UTF-8, 32 bytes at a time, for processors that have AVX2.
// Included after <immintrin.h> between "#pragma GCC target("avx2")" and its
// pop, and used only by code compiled for that instruction set.
#include <cstdint>

namespace pembra_private::utf8_avx2 {

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

}  // namespace pembra_private::utf8_avx2
