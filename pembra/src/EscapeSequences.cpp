#include "EscapeSequences.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <string_view>

#include "CharacterEntities.h"
#include "HashItem.h"
#include "Scan.h"
#include "pembra/Settings.h"

namespace pembra_private {

namespace {

constexpr EscapePair kBackslashPairs[] = {
    {u'"', 0x0022}, {u'n', 0x000A}, {u'r', 0x000D}, {u't', 0x0009}, {u'b', 0x0008},
};

constexpr EscapePair kHatPairs[] = {
    {u'e', 0x00E9}, {u'Q', 0x0022}, {u'[', 0x201C}, {u']', 0x201D}, {u'{', 0x2018}, {u'}', 0x2019},
    {u'C', 0x00A9}, {u'R', 0x00AE}, {u'T', 0x2122}, {u'D', 0x00B0}, {u'B', 0x2022}, {u'#', 0x2318},
    {u'!', 0x00AC}, {u'I', 0x2206}, {u'S', 0x2211}, {u'n', 0x000A}, {u'r', 0x000D},
};

constexpr std::size_t kCount(const EscapePair* begin, const EscapePair* end) { return end - begin; }

constexpr EscapeTable kBackslashTable{kBackslashPairs,
                                  kCount(std::begin(kBackslashPairs), std::end(kBackslashPairs))};
constexpr EscapeTable kWvHatTable{kHatPairs, kCount(std::begin(kHatPairs), std::end(kHatPairs))};
constexpr EscapeTable kLumHatTable{kHatPairs + 1, kWvHatTable.count - 1};

const EscapeTable* gHatTableInForce = nullptr;

}  // namespace

const EscapeTable& BackslashEscapeTable() { return kBackslashTable; }
const EscapeTable& WvHatEscapeTable() { return kWvHatTable; }
const EscapeTable& LumHatEscapeTable() { return kLumHatTable; }

const EscapeTable& HatEscapeTableInForce() {
  if (gHatTableInForce == nullptr) {
    gHatTableInForce = pembra::EnableWvHatEscapes ? &kWvHatTable : &kLumHatTable;
  }
  return *gHatTableInForce;
}

void ResetHatEscapeTableChoiceForTesting() { gHatTableInForce = nullptr; }

std::size_t DictionaryEntry::ConvertEscapeSequences(std::u16string_view text, char16_t* out) {
  // The hat table is chosen at the first conversion, whether or not it has escapes.
  const EscapeTable& hats = HatEscapeTableInForce();
  // Escapes and entities in one pass. Entities are matched in the text as written: an
  // escape never gives a character that can stand in an entity ('#', '{', '}', letters,
  // digits, '+'), and never forms one out of characters that could not, so the text as
  // written and the text after the escapes match the same entities.
  std::size_t n = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    // Text up to the next character that may begin an escape or an entity stays as it is.
    const std::size_t plain = scan::CopyUntilAny<char16_t>(text.data() + i, text.size() - i, out + n, u'\\', u'^', u'#');
    i += plain, n += plain;
    if (i == text.size()) break;
    const char16_t c = text[i];
    if ((c == u'\\' || c == u'^') && i + 1 < text.size()) {
      const char16_t next = text[i + 1];
      const char16_t replacement = (c == u'\\' ? kBackslashTable : hats).Find(next);
      out[n++] = replacement != 0 ? replacement : c;
      i += 2;
      if (replacement == 0 && next != c) {
        // An unlisted escape keeps both characters; the second may begin an entity.
        if (next == u'#') {
          --i;
        } else {
          out[n++] = next;
        }
      }
      continue;
    }
    char16_t code = 0;
    const std::size_t length = IsEntityStart(text, i) ? MatchEntity(text, i, code) : 0;
    // Plain text, an escape character at the very end (it stays), or an entity.
    out[n++] = length == 0 ? c : code;
    i += length == 0 ? 1 : length;
  }
  return n;
}

std::u16string DictionaryEntry::ConvertEscapeSequences(std::u16string_view text) {
  std::u16string out(text.size(), u'\0');
  out.resize(ConvertEscapeSequences(text, out.data()));
  return out;
}

}  // namespace pembra_private
