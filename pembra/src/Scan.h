#pragma once
// Finding characters in text sixteen bytes at a time where the processor has
// SSE2 (every x86-64 processor), one at a time elsewhere. Every function reads
// only inside the range it is given.
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace pembra_private::scan {

#if defined(__SSE2__)
// Compares sixteen bytes of items with N items at once.
template <class Item, std::size_t N>
class AnyOf {
 public:
  static_assert(sizeof(Item) == 1 || sizeof(Item) == 2);
  static constexpr std::size_t kPerLoad = 16 / sizeof(Item);

  template <class... Items>
  explicit AnyOf(Items... items) : lanes_{Lanes(items)...} {}

  // A bit for each byte of x that belongs to an item equal to one of the N.
  int Hits(__m128i x) const {
    __m128i equal = Equal(x, lanes_[0]);
    for (std::size_t k = 1; k < N; ++k) equal = _mm_or_si128(equal, Equal(x, lanes_[k]));
    return _mm_movemask_epi8(equal);
  }
  // The index in x of the first item equal to one of the N; kPerLoad when none is.
  std::size_t First(__m128i x) const {
    const int hits = Hits(x);
    return hits == 0 ? kPerLoad : static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(hits))) / sizeof(Item);
  }

 private:
  static __m128i Lanes(Item item) {
    return sizeof(Item) == 1 ? _mm_set1_epi8(static_cast<char>(item)) : _mm_set1_epi16(static_cast<short>(item));
  }
  static __m128i Equal(__m128i x, __m128i y) {
    return sizeof(Item) == 1 ? _mm_cmpeq_epi8(x, y) : _mm_cmpeq_epi16(x, y);
  }

  __m128i lanes_[N];
};
#endif

// The index of the first item in [0, n) equal to one of `items`; n when none is.
// Items are bytes or UTF-16 units.
template <class Item, class... Items>
std::size_t FindAny(const Item* p, std::size_t n, Items... items) {
  std::size_t i = 0;
#if defined(__SSE2__)
  const AnyOf<Item, sizeof...(Items)> match(static_cast<Item>(items)...);
  for (; i + match.kPerLoad <= n; i += match.kPerLoad) {
    const std::size_t first = match.First(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)));
    if (first != match.kPerLoad) return i + first;
  }
#endif
  for (; i < n; ++i) {
    if (((p[i] == static_cast<Item>(items)) || ...)) return i;
  }
  return n;
}

// Copies the items of [0, n) before the first one equal to a, b or c (or all n)
// to `out`, and returns how many. `out` has room for n items; the items past
// those returned may be overwritten.
template <class Item>
std::size_t CopyUntilAny(const Item* p, std::size_t n, Item* out, Item a, Item b, Item c) {
  std::size_t i = 0;
#if defined(__SSE2__)
  const AnyOf<Item, 3> match(a, b, c);
  for (; i + match.kPerLoad <= n; i += match.kPerLoad) {
    // Stored before they are checked: a store costs less than a branch.
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), x);
    const std::size_t first = match.First(x);
    if (first != match.kPerLoad) return i + first;
  }
#endif
  for (; i < n && p[i] != a && p[i] != b && p[i] != c; ++i) out[i] = p[i];
  return i;
}

// Widens the bytes up to the first one above 0x7F (or all n) into units of the
// same value at `out`, and returns how many. `out` has room for n units; the
// units past those returned may be overwritten.
inline std::size_t WidenAscii(const std::uint8_t* p, std::size_t n, char16_t* out) {
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  for (; i + 16 <= n; i += 16) {
    // Stored before they are checked: a store costs less than a branch.
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(x, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(x, zero));
    const int high = _mm_movemask_epi8(x);
    if (high != 0) return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(high)));
  }
#endif
  for (; i < n && p[i] <= 0x7F; ++i) out[i] = p[i];
  return i;
}

// The index of the first byte in [0, n) above 0x7F; n when none is.
inline std::size_t FindHighByte(const std::uint8_t* p, std::size_t n) {
  std::size_t i = 0;
#if defined(__SSE2__)
  for (; i + 16 <= n; i += 16) {
    const int high = _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)));
    if (high != 0) return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(high)));
  }
  if (i < n && n >= 16) {
    // The last sixteen bytes, some of them seen already.
    const int high = _mm_movemask_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + n - 16)));
    return high == 0 ? n : n - 16 + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(high)));
  }
#endif
  for (; i < n && p[i] <= 0x7F; ++i) {
  }
  return i;
}

// The low byte of each of n units at `p` (the high byte when `high`), to `out`.
inline void NarrowUnits(const char16_t* p, std::size_t n, char* out, bool high) {
  std::size_t i = 0;
#if defined(__SSE2__)
  const __m128i low = _mm_set1_epi16(0x00FF);
  for (; i + 8 <= n; i += 8) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
    const __m128i bytes = high ? _mm_srli_epi16(x, 8) : _mm_and_si128(x, low);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(bytes, bytes));
  }
#endif
  for (; i < n; ++i) out[i] = static_cast<char>(high ? p[i] >> 8 : p[i] & 0xFF);
}

// n 16-bit units at `p` with their two bytes exchanged, to `out`.
inline void SwapUnits(const std::uint8_t* p, std::size_t n, char16_t* out) {
  std::size_t i = 0;
#if defined(__SSE2__)
  for (; i + 8 <= n; i += 8) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2 * i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_or_si128(_mm_slli_epi16(x, 8), _mm_srli_epi16(x, 8)));
  }
#endif
  for (; i < n; ++i) out[i] = static_cast<char16_t>((p[2 * i] << 8) | p[2 * i + 1]);
}

// The index of the first of n UTF-16 units stored at `p` (bytes swapped when
// `swapped`) that ends a line: NUL, LF, CR, U+2028 or U+2029; n when none does.
inline std::size_t FindUnicodeLineEnd(const std::uint8_t* p, std::size_t n, bool swapped) {
  const auto unitAt = [p, swapped](std::size_t i) {
    std::uint16_t unit;
    std::memcpy(&unit, p + 2 * i, 2);
    return swapped ? static_cast<std::uint16_t>(__builtin_bswap16(unit)) : unit;
  };
  std::size_t i = 0;
#if defined(__SSE2__)
  const auto lanes = [swapped](std::uint16_t unit) {
    return _mm_set1_epi16(static_cast<short>(swapped ? __builtin_bswap16(unit) : unit));
  };
  const __m128i zero = _mm_setzero_si128(), lf = lanes(0x000A), cr = lanes(0x000D), separator = lanes(0x2028),
                separatorMask = lanes(0xFFFE);
  for (; i + 8 <= n; i += 8) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 2 * i));
    const __m128i ends = _mm_or_si128(
        _mm_or_si128(_mm_cmpeq_epi16(x, zero), _mm_cmpeq_epi16(x, lf)),
        _mm_or_si128(_mm_cmpeq_epi16(x, cr), _mm_cmpeq_epi16(_mm_and_si128(x, separatorMask), separator)));
    const int hits = _mm_movemask_epi8(ends);
    if (hits != 0) return i + static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(hits))) / 2;
  }
#endif
  for (; i < n; ++i) {
    const std::uint16_t unit = unitAt(i);
    if (unit == 0 || unit == 0x000A || unit == 0x000D || (unit & 0xFFFE) == 0x2028) return i;
  }
  return n;
}

}  // namespace pembra_private::scan
