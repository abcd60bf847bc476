#include "EscapeSequences.h"

#include <iterator>
#include <string>
#include <string_view>

#include "HashItem.h"
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

const EscapeTable kBackslashTable{kBackslashPairs,
                                  kCount(std::begin(kBackslashPairs), std::end(kBackslashPairs))};
const EscapeTable kWvHatTable{kHatPairs, kCount(std::begin(kHatPairs), std::end(kHatPairs))};
const EscapeTable kLumHatTable{kHatPairs + 1, kWvHatTable.count - 1};

const EscapeTable* gHatTableInForce = nullptr;

}  // namespace

char16_t EscapeTable::Find(char16_t escape) const {
  for (std::size_t i = 0; i < count; ++i) {
    if (pairs[i].escape == escape) return pairs[i].replacement;
  }
  return 0;
}

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

std::u16string DictionaryEntry::ConvertEscapeSequences(std::u16string_view text) {
  // The hat table is chosen at the first conversion, whether or not it has escapes.
  const EscapeTable& hats = HatEscapeTableInForce();
  if (text.find_first_of(u"\\^#") == std::u16string_view::npos) return std::u16string(text);
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const char16_t c = text[i];
    if ((c != u'\\' && c != u'^') || i + 1 == text.size()) {
      // Plain text, or an escape character at the very end, which stays.
      out.push_back(c);
      ++i;
      continue;
    }
    const char16_t next = text[i + 1];
    const char16_t replacement = (c == u'\\' ? kBackslashTable : hats).Find(next);
    if (replacement != 0) {
      out.push_back(replacement);
    } else if (next == c) {
      out.push_back(c);  // a doubled escape character gives one
    } else {
      out.push_back(c);  // an unlisted escape keeps both characters
      out.push_back(next);
    }
    i += 2;
  }
  return ConvertEscapeSequencesISO(out);
}

}  // namespace pembra_private
