#include "CharacterEntities.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "HashItem.h"

namespace pembra_private {

namespace {

constexpr CharEntity kEntities[] = {
    {u"endl", 0x000D},
    {u"tab", 0x0009},
    {u"cr", 0x000D},
    {u"lf", 0x000A},
    {u"nbsp", 0x00A0},
    {u"iexcl", 0x00A1},
    {u"cent", 0x00A2},
    {u"pound", 0x00A3},
    {u"curren", 0x00A4},
    {u"yen", 0x00A5},
    {u"brvbar", 0x00A6},
    {u"sect", 0x00A7},
    {u"uml", 0x00A8},
    {u"copy", 0x00A9},
    {u"ordf", 0x00AA},
    {u"laquo", 0x00AB},
    {u"not", 0x00AC},
    {u"shy", 0x00AD},
    {u"reg", 0x00AE},
    {u"macr", 0x00AF},
    {u"deg", 0x00B0},
    {u"plusmn", 0x00B1},
    {u"sup2", 0x00B2},
    {u"sup3", 0x00B3},
    {u"acute", 0x00B4},
    {u"micro", 0x00B5},
    {u"para", 0x00B6},
    {u"middot", 0x00B7},
    {u"cedil", 0x00B8},
    {u"sup1", 0x00B9},
    {u"ordm", 0x00BA},
    {u"raquo", 0x00BB},
    {u"frac14", 0x00BC},
    {u"frac12", 0x00BD},
    {u"frac34", 0x00BE},
    {u"iquest", 0x00BF},
    {u"Agrave", 0x00C0},
    {u"Aacute", 0x00C1},
    {u"Acirc", 0x00C2},
    {u"Atilde", 0x00C3},
    {u"Auml", 0x00C4},
    {u"Aring", 0x00C5},
    {u"AElig", 0x00C6},
    {u"Ccedil", 0x00C7},
    {u"Egrave", 0x00C8},
    {u"Eacute", 0x00C9},
    {u"Ecirc", 0x00CA},
    {u"Euml", 0x00CB},
    {u"Igrave", 0x00CC},
    {u"Iacute", 0x00CD},
    {u"Icirc", 0x00CE},
    {u"Iuml", 0x00CF},
    {u"ETH", 0x00D0},
    {u"Ntilde", 0x00D1},
    {u"Ograve", 0x00D2},
    {u"Oacute", 0x00D3},
    {u"Ocirc", 0x00D4},
    {u"Otilde", 0x00D5},
    {u"Ouml", 0x00D6},
    {u"times", 0x00D7},
    {u"Oslash", 0x00D8},
    {u"Ugrave", 0x00D9},
    {u"Uacute", 0x00DA},
    {u"Ucirc", 0x00DB},
    {u"Uuml", 0x00DC},
    {u"Yacute", 0x00DD},
    {u"THORN", 0x00DE},
    {u"szlig", 0x00DF},
    {u"agrave", 0x00E0},
    {u"aacute", 0x00E1},
    {u"acirc", 0x00E2},
    {u"atilde", 0x00E3},
    {u"auml", 0x00E4},
    {u"aring", 0x00E5},
    {u"aelig", 0x00E6},
    {u"ccedil", 0x00E7},
    {u"egrave", 0x00E8},
    {u"eacute", 0x00E9},
    {u"ecirc", 0x00EA},
    {u"euml", 0x00EB},
    {u"igrave", 0x00EC},
    {u"iacute", 0x00ED},
    {u"icirc", 0x00EE},
    {u"iuml", 0x00EF},
    {u"eth", 0x00F0},
    {u"ntilde", 0x00F1},
    {u"ograve", 0x00F2},
    {u"oacute", 0x00F3},
    {u"ocirc", 0x00F4},
    {u"otilde", 0x00F5},
    {u"ouml", 0x00F6},
    {u"divide", 0x00F7},
    {u"oslash", 0x00F8},
    {u"ugrave", 0x00F9},
    {u"uacute", 0x00FA},
    {u"ucirc", 0x00FB},
    {u"uuml", 0x00FC},
    {u"yacute", 0x00FD},
    {u"thorn", 0x00FE},
    {u"yuml", 0x00FF},
    {u"quot", 0x0022},
    {u"amp", 0x0026},
    {u"lt", 0x003C},
    {u"gt", 0x003E},
    {u"OElig", 0x0152},
    {u"oelig", 0x0153},
    {u"Scaron", 0x0160},
    {u"scaron", 0x0161},
    {u"Yuml", 0x0178},
    {u"circ", 0x02C6},
    {u"tilde", 0x02DC},
    {u"ensp", 0x2002},
    {u"emsp", 0x2003},
    {u"thinsp", 0x2009},
    {u"zwnj", 0x200C},
    {u"zwj", 0x200D},
    {u"lrm", 0x200E},
    {u"rlm", 0x200F},
    {u"ndash", 0x2013},
    {u"mdash", 0x2014},
    {u"lsquo", 0x2018},
    {u"rsquo", 0x2019},
    {u"sbquo", 0x201A},
    {u"ldquo", 0x201C},
    {u"rdquo", 0x201D},
    {u"bdquo", 0x201E},
    {u"dagger", 0x2020},
    {u"Dagger", 0x2021},
    {u"permil", 0x2030},
    {u"lsaquo", 0x2039},
    {u"rsaquo", 0x203A},
    {u"euro", 0x20AC},
};
static_assert(sizeof kEntities / sizeof kEntities[0] == kCharEntityCount);

int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  return -1;
}

// The entities whose names begin with each ASCII letter, in table order: only
// those can fit, and the first that fits decides.
struct EntitiesByLetter {
  EntitiesByLetter() {
    for (const CharEntity& entity : kEntities) lists[entity.name[0]].push_back(entity);
  }
  std::vector<CharEntity> lists[128];  // copies, read one after the other
};

}  // namespace

std::size_t MatchEntity(std::u16string_view text, std::size_t start, char16_t& code) {
  static const EntitiesByLetter byLetter;
  const std::size_t open = start + 2;  // just past "#{"
  const std::u16string_view rest = text.substr(open);
  if (!rest.empty() && rest[0] < 128) {
    for (const CharEntity& entity : byLetter.lists[rest[0]]) {
      // The first letter is the list's own.
      const std::size_t size = entity.name.size();
      if (rest.size() < size || !std::equal(entity.name.begin() + 1, entity.name.end(), rest.begin() + 1)) continue;
      // The first name that fits decides: its brace must follow directly.
      const std::size_t close = open + size;
      if (close >= text.size() || text[close] != u'}') return 0;
      code = entity.code;
      return close + 1 - start;
    }
  }
  std::size_t pos = open;
  if (rest.substr(0, 2) == u"U+") {
    pos += 2;
  } else if (rest.substr(0, 1) == u"u") {
    pos += 1;
  }
  std::uint32_t value = 0;
  std::size_t digits = 0;
  for (; digits < 4 && pos < text.size(); ++digits, ++pos) {
    const int digit = HexValue(text[pos]);
    if (digit < 0) break;
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  if (digits == 0 || pos >= text.size() || text[pos] != u'}') return 0;
  code = static_cast<char16_t>(value);
  return pos + 1 - start;
}

const CharEntity* CharEntityTable() { return kEntities; }

std::u16string DictionaryEntry::ConvertEscapeSequencesISO(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const char16_t c = text[i];
    char16_t code = 0;
    const std::size_t length = IsEntityStart(text, i) ? MatchEntity(text, i, code) : 0;
    if (length == 0) {
      out.push_back(c);
      ++i;
    } else {
      out.push_back(code);
      i += length;
    }
  }
  return out;
}

}  // namespace pembra_private
