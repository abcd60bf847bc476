#include "TextLineScan.h"

#include <cstring>

#include "Utf8Check.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define PEMBRA_VECTOR_LINE_SCAN 1
#pragma GCC push_options
#pragma GCC target("avx2")
#include "Utf8CheckAvx2.h"
#pragma GCC pop_options
#endif

namespace pembra_private {

namespace {

// Takes the masks of one block of bytes from `start` (a bit a byte: line ends,
// double quotes, bytes above 0x7F); true once the line's end is in it.
inline bool TakeBlock(const std::uint8_t* bytes, std::size_t start, std::uint64_t ends, std::uint64_t quotes,
                      std::uint64_t high, TextLineScan& scan, std::size_t& found) {
  const bool ended = ends != 0;
  const std::uint64_t inLine = ended ? (std::uint64_t{1} << __builtin_ctzll(ends)) - 1 : ~std::uint64_t{0};
  quotes &= inLine;
  scan.highBytes |= (high & inLine) != 0;
  for (; quotes != 0 && found < 2; quotes &= quotes - 1) {
    const std::size_t at = start + static_cast<std::size_t>(__builtin_ctzll(quotes));
    if (at == 0 || bytes[at - 1] != '\\') scan.quotes[found++] = at;
  }
  if (ended) scan.length = start + static_cast<std::size_t>(__builtin_ctzll(ends));
  return ended;
}

// The bytes from `start` to the end, one at a time.
void ScanRest(const std::uint8_t* bytes, std::size_t size, std::size_t start, TextLineScan& scan, std::size_t found) {
  std::size_t i = start;
  for (; i < size; ++i) {
    const std::uint8_t byte = bytes[i];
    if (byte == 0 || byte == '\n' || byte == '\r') break;
    if (byte > 0x7F) scan.highBytes = true;
    if (byte == '"' && found < 2 && (i == 0 || bytes[i - 1] != '\\')) scan.quotes[found++] = i;
  }
  scan.length = i;
}

#if PEMBRA_VECTOR_LINE_SCAN
TextLineScan ScanSse2(const std::uint8_t* bytes, std::size_t size) {
  TextLineScan scan;
  std::size_t found = 0;
  const __m128i nul = _mm_setzero_si128(), lf = _mm_set1_epi8('\n'), cr = _mm_set1_epi8('\r'),
                quote = _mm_set1_epi8('"');
  std::size_t i = 0;
  for (; i + 16 <= size; i += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
    const auto ends = static_cast<unsigned>(_mm_movemask_epi8(
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(x, nul), _mm_cmpeq_epi8(x, lf)), _mm_cmpeq_epi8(x, cr))));
    const auto quotes = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, quote)));
    const auto high = static_cast<unsigned>(_mm_movemask_epi8(x));
    if (TakeBlock(bytes, i, ends, quotes, high, scan, found)) return scan;
  }
  ScanRest(bytes, size, i, scan, found);
  return scan;
}

#pragma GCC push_options
#pragma GCC target("avx2")
// The line's end and quotes, and with `checkUtf8` whether it is well-formed
// UTF-8, in one pass. The block that holds the line's end is checked with the
// bytes past the end taken as NUL, so a character the end cuts short is a fault;
// the last bytes of the text are read as a block padded with NUL.
TextLineScan ScanAvx2(const std::uint8_t* bytes, std::size_t size, bool checkUtf8) {
  TextLineScan scan;
  std::size_t found = 0;
  utf8_avx2::Avx2Check check;
  const __m256i nul = _mm256_setzero_si256(), lf = _mm256_set1_epi8('\n'), cr = _mm256_set1_epi8('\r'),
                quote = _mm256_set1_epi8('"');
  const __m256i places = _mm256_setr_epi8(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                                          22, 23, 24, 25, 26, 27, 28, 29, 30, 31);
  for (std::size_t i = 0;; i += 32) {
    __m256i x;
    if (i + 32 <= size) {
      x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(bytes + i));
    } else {
      alignas(32) std::uint8_t rest[32] = {};
      std::memcpy(rest, bytes + i, size - i);
      x = _mm256_load_si256(reinterpret_cast<const __m256i*>(rest));
    }
    const auto ends = static_cast<unsigned>(_mm256_movemask_epi8(_mm256_or_si256(
        _mm256_or_si256(_mm256_cmpeq_epi8(x, nul), _mm256_cmpeq_epi8(x, lf)), _mm256_cmpeq_epi8(x, cr))));
    const auto quotes = static_cast<unsigned>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(x, quote)));
    const auto high = static_cast<unsigned>(_mm256_movemask_epi8(x));
    if (checkUtf8) {
      if (ends != 0 && high != 0) {
        const __m256i end = _mm256_set1_epi8(static_cast<char>(__builtin_ctz(ends)));
        x = _mm256_and_si256(x, _mm256_cmpgt_epi8(end, places));  // the line's own bytes
      }
      check.Add(x);
    }
    if (TakeBlock(bytes, i, ends, quotes, high, scan, found)) break;
  }
  if (checkUtf8) {
    check.Add(nul);
    scan.wellFormed = _mm256_testz_si256(check.faults, check.faults) != 0;
  }
  return scan;
}
#pragma GCC pop_options
#endif

// The units from `start` to the end, one at a time.
void ScanUnitsRest(const char16_t* units, std::size_t count, bool swapped, std::size_t start, TextLineScan& scan,
                   std::size_t found) {
  const auto unitAt = [&](std::size_t i) {
    return swapped ? static_cast<char16_t>(__builtin_bswap16(units[i])) : units[i];
  };
  std::size_t i = start;
  for (; i < count; ++i) {
    const char16_t unit = unitAt(i);
    if (unit == 0 || unit == u'\n' || unit == u'\r' || (unit & 0xFFFE) == 0x2028) break;
    if (unit == u'"' && found < 2 && (i == 0 || unitAt(i - 1) != u'\\')) scan.quotes[found++] = i;
  }
  scan.length = i;
}

#if PEMBRA_VECTOR_LINE_SCAN
// A unit as it is stored.
constexpr short Stored(char16_t unit, bool swapped) {
  return static_cast<short>(swapped ? static_cast<char16_t>((unit >> 8) | (unit << 8)) : unit);
}

// Masks of one block of units: two bits a unit, of which the low one is kept.
inline bool TakeUnitBlock(const char16_t* units, bool swapped, std::size_t start, std::uint32_t ends,
                          std::uint32_t quotes, TextLineScan& scan, std::size_t& found) {
  std::uint64_t unitEnds = 0, unitQuotes = 0;
  for (std::uint32_t bits = ends & 0x55555555u; bits != 0; bits &= bits - 1) {
    unitEnds |= std::uint64_t{1} << (__builtin_ctz(bits) / 2);
  }
  for (std::uint32_t bits = quotes & 0x55555555u; bits != 0; bits &= bits - 1) {
    unitQuotes |= std::uint64_t{1} << (__builtin_ctz(bits) / 2);
  }
  const bool ended = unitEnds != 0;
  if (ended) unitQuotes &= (std::uint64_t{1} << __builtin_ctzll(unitEnds)) - 1;
  const char16_t backslash = static_cast<char16_t>(Stored(u'\\', swapped));
  for (; unitQuotes != 0 && found < 2; unitQuotes &= unitQuotes - 1) {
    const std::size_t at = start + static_cast<std::size_t>(__builtin_ctzll(unitQuotes));
    if (at == 0 || units[at - 1] != backslash) scan.quotes[found++] = at;
  }
  if (ended) scan.length = start + static_cast<std::size_t>(__builtin_ctzll(unitEnds));
  return ended;
}

#pragma GCC push_options
#pragma GCC target("avx2")
TextLineScan ScanUnitsAvx2(const char16_t* units, std::size_t count, bool swapped) {
  TextLineScan scan;
  std::size_t found = 0;
  const __m256i nul = _mm256_setzero_si256(), lf = _mm256_set1_epi16(Stored(u'\n', swapped)),
                cr = _mm256_set1_epi16(Stored(u'\r', swapped)), quote = _mm256_set1_epi16(Stored(u'"', swapped)),
                separator = _mm256_set1_epi16(Stored(0x2028, swapped)),
                separatorMask = _mm256_set1_epi16(Stored(0xFFFE, swapped));
  std::size_t i = 0;
  for (; i + 16 <= count; i += 16) {
    const __m256i x = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(units + i));
    const __m256i ends = _mm256_or_si256(
        _mm256_or_si256(_mm256_cmpeq_epi16(x, nul), _mm256_cmpeq_epi16(x, lf)),
        _mm256_or_si256(_mm256_cmpeq_epi16(x, cr), _mm256_cmpeq_epi16(_mm256_and_si256(x, separatorMask), separator)));
    const auto endBits = static_cast<std::uint32_t>(_mm256_movemask_epi8(ends));
    const auto quoteBits = static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi16(x, quote)));
    if ((endBits | quoteBits) != 0 && TakeUnitBlock(units, swapped, i, endBits, quoteBits, scan, found)) return scan;
  }
  ScanUnitsRest(units, count, swapped, i, scan, found);
  return scan;
}
#pragma GCC pop_options
#endif

}  // namespace

TextLineScan ScanUnicodeLine(const char16_t* units, std::size_t count, bool swapped) {
#if PEMBRA_VECTOR_LINE_SCAN
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (avx2) return ScanUnitsAvx2(units, count, swapped);
#endif
  TextLineScan scan;
  ScanUnitsRest(units, count, swapped, 0, scan, 0);
  return scan;
}

TextLineScan ScanTextLine(const std::uint8_t* bytes, std::size_t size, bool checkUtf8) {
  TextLineScan scan;
#if PEMBRA_VECTOR_LINE_SCAN
  static const bool avx2 = __builtin_cpu_supports("avx2");
  if (avx2) return ScanAvx2(bytes, size, checkUtf8);
  scan = ScanSse2(bytes, size);
#else
  ScanRest(bytes, size, 0, scan, 0);
#endif
  if (checkUtf8 && scan.highBytes) scan.wellFormed = IsWellFormedUtf8(bytes, scan.length);
  return scan;
}

}  // namespace pembra_private
