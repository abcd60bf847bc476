#pragma once
// Backslash and hat escapes of dictionary values and default texts.
#include <array>
#include <cstddef>

namespace pembra_private {

struct EscapePair {
  char16_t escape;       // the character after the escape character
  char16_t replacement;
};

struct EscapeTable {
  constexpr EscapeTable(const EscapePair* pairs, std::size_t count) : pairs(pairs), count(count), byCharacter() {
    // Every escape character is ASCII; the first pair of a character wins.
    for (std::size_t i = count; i-- > 0;) byCharacter[pairs[i].escape] = pairs[i].replacement;
  }
  // The replacement for `escape`, or 0 when it is not listed.
  char16_t Find(char16_t escape) const { return escape < 128 ? byCharacter[escape] : 0; }

  const EscapePair* pairs;
  std::size_t count;
  std::array<char16_t, 128> byCharacter;
};

// After "\": " n r t b.
const EscapeTable& BackslashEscapeTable();
// After "^": all 17 pairs, "^e" giving U+00E9 first.
const EscapeTable& WvHatEscapeTable();
// WvHatEscapeTable without "^e".
const EscapeTable& LumHatEscapeTable();

// The hat table in force: chosen at the first call of the process from
// pembra::EnableWvHatEscapes, then kept.
const EscapeTable& HatEscapeTableInForce();
// Forgets that choice, so that a test can make it again.
void ResetHatEscapeTableChoiceForTesting();

}  // namespace pembra_private
