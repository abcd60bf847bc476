#pragma once
// Backslash and hat escapes of dictionary values and default texts.
#include <cstddef>

namespace pembra_private {

struct EscapePair {
  char16_t escape;       // the character after the escape character
  char16_t replacement;
};

struct EscapeTable {
  const EscapePair* pairs;
  std::size_t count;
  // The replacement for `escape`, or 0 when it is not listed.
  char16_t Find(char16_t escape) const;
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
