// Backslash and hat escapes, then character entities.
#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <random>
#include <string>
#include <string_view>

#include "CharacterEntities.h"
#include "EscapeSequences.h"
#include "HashItem.h"
#include "pembra/Settings.h"

namespace {

using pembra_private::DictionaryEntry;

std::string Printable(const std::u16string& text) {
  std::string out;
  for (char16_t unit : text) {
    if (unit >= 0x20 && unit < 0x7F) {
      out.push_back(static_cast<char>(unit));
    } else {
      char hex[12];
      std::snprintf(hex, sizeof hex, "<%04X>", static_cast<unsigned>(unit));
      out += hex;
    }
  }
  return out;
}

struct Case {
  std::u16string text;
  std::u16string expected;
};

void ExpectConversions(std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(DictionaryEntry::ConvertEscapeSequences(c.text), c.expected) << Printable(c.text);
  }
}

TEST(pembraEscapeSequences, Backslash) {
  ExpectConversions({
      {u"say \\\"hi\\\"", u"say \"hi\""},
      {u"a\\nb\\rc\\td\\be", u"a\nb\rc\td\be"},
      {u"\\\\", u"\\"},             // doubled: one
      {u"\\\\n", u"\\n"},           // one pass: the doubled backslash does not start another escape
      {u"\\x", u"\\x"},             // unlisted: both kept
      {u"\\^Q", u"\\^Q"},           // both characters of an unlisted escape are consumed
      {u"end\\", u"end\\"},         // at the very end: kept
      {u"", u""},
  });
}

TEST(pembraEscapeSequences, Hat) {
  ExpectConversions({
      {u"^Q", u"\""},
      {u"^[^]^{^}", u"\u201C\u201D\u2018\u2019"},
      {u"^C^R^T^D^B^#", u"\u00A9\u00AE\u2122\u00B0\u2022\u2318"},
      {u"^!^I^S^n^r", u"\u00AC\u2206\u2211\n\r"},
      {u"^e", u"^e"},  // only with the full table
      {u"^x", u"^x"},
      {u"^^", u"^"},
      {u"^", u"^"},
  });
}

TEST(pembraEscapeSequences, FullHatTableIsChosenOnceAtTheFirstConversion) {
  pembra_private::ResetHatEscapeTableChoiceForTesting();
  pembra::EnableWvHatEscapes = true;
  EXPECT_EQ(DictionaryEntry::ConvertEscapeSequences(u"caf^e"), u"caf\u00E9");
  pembra::EnableWvHatEscapes = false;  // too late: the choice is made
  EXPECT_EQ(DictionaryEntry::ConvertEscapeSequences(u"caf^e"), u"caf\u00E9");
  pembra_private::ResetHatEscapeTableChoiceForTesting();
  EXPECT_EQ(DictionaryEntry::ConvertEscapeSequences(u"caf^e"), u"caf^e");

  // A first conversion with nothing to convert makes the choice all the same.
  pembra_private::ResetHatEscapeTableChoiceForTesting();
  EXPECT_EQ(DictionaryEntry::ConvertEscapeSequences(u"plain"), u"plain");
  pembra::EnableWvHatEscapes = true;
  EXPECT_EQ(DictionaryEntry::ConvertEscapeSequences(u"caf^e"), u"caf^e");
  pembra::EnableWvHatEscapes = false;
  pembra_private::ResetHatEscapeTableChoiceForTesting();
}

TEST(pembraCharacterEntities, NamesAndCodePoints) {
  ExpectConversions({
      {u"#{amp}", u"&"},
      {u"#{endl}#{tab}#{cr}#{lf}", u"\r\t\r\n"},
      {u"#{nbsp}#{iexcl}#{szlig}#{divide}#{yuml}", u"\u00A0\u00A1\u00DF\u00F7\u00FF"},
      {u"#{quot}#{lt}#{gt}#{OElig}#{Yuml}#{euro}", u"\"<>\u0152\u0178\u20AC"},
      {u"#{U+263A}", u"\u263A"},
      {u"#{2022}", u"\u2022"},
      {u"#{uABCD}", u"\uABCD"},
      {u"#{ab}", u"\u00AB"},
      {u"#{0}", std::u16string(1, u'\0')},
      {u"x #{lt}#{gt} y", u"x <> y"},
      {u"##{lt}", u"#<"},
  });
}

TEST(pembraCharacterEntities, SequencesThatStayAsWritten) {
  ExpectConversions({
      {u"#{}", u"#{}"},              // three characters only
      {u"#{U+263A1}", u"#{U+263A1}"},  // five digits
      {u"#{nbspx}", u"#{nbspx}"},    // the first fitting name decides
      {u"#{AMP}", u"#{AMP}"},        // names are case-sensitive
      {u"#{U+}", u"#{U+}"},
      {u"#{u}", u"#{u}"},
      {u"#{lt", u"#{lt"},
      {u"#{g\u0130}", u"#{g\u0130}"},
      {u"# {amp}", u"# {amp}"},
      {u"#", u"#"},
  });
}

TEST(pembraCharacterEntities, EscapesComeFirst) {
  // Escapes are converted first; entities next to them are still found.
  ExpectConversions({
      {u"\\\"#{amp}\\\"", u"\"&\""},
      {u"^Q#{U+00E9}^Q", u"\"\u00E9\""},
  });
}

TEST(pembraCharacterEntities, TableHoldsTheNamesInOrder) {
  const auto* table = pembra_private::CharEntityTable();
  EXPECT_EQ(table[0].name, u"endl");
  EXPECT_EQ(table[4].name, u"nbsp");
  // The Latin-1 names are in code order.
  for (std::size_t i = 4; i < 100; ++i) EXPECT_EQ(table[i].code, 0xA0 + (i - 4)) << i;
  EXPECT_EQ(table[pembra_private::kCharEntityCount - 1].name, u"euro");
}

// Escapes then entities, each in a pass of its own, as the conversion is defined.
std::u16string EscapesThenEntities(std::u16string_view text) {
  const pembra_private::EscapeTable& hats = pembra_private::HatEscapeTableInForce();
  std::u16string escaped;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if ((c != u'\\' && c != u'^') || i + 1 == text.size()) {
      escaped += c;
      continue;
    }
    const char16_t next = text[++i];
    const char16_t replacement = (c == u'\\' ? pembra_private::BackslashEscapeTable() : hats).Find(next);
    if (replacement != 0) {
      escaped += replacement;
    } else {
      escaped += c;
      if (next != c) escaped += next;
    }
  }
  return DictionaryEntry::ConvertEscapeSequencesISO(escaped);
}

TEST(pembraEscapeSequences, OnePassGivesWhatTwoPassesGive) {
  // Texts made of the characters that escapes and entities are made of.
  const std::u16string alphabet = u"\\^#{}+QnUu0aA9ampltx\u00E9";
  std::mt19937 random(11);
  for (int i = 0; i < 200000; ++i) {
    std::u16string text(random() % 12, u' ');
    for (char16_t& unit : text) unit = alphabet[random() % alphabet.size()];
    if (random() % 3 == 0) text.insert(random() % (text.size() + 1), u"#{amp}");
    ASSERT_EQ(DictionaryEntry::ConvertEscapeSequences(text), EscapesThenEntities(text)) << Printable(text);
  }
}

// Plain text is copied many units at a time: every escape and entity gives the
// same at every place in a longer text, at the edges of those units included.
TEST(pembraEscapeSequences, LongTextsGiveWhatTwoPassesGive) {
  for (const char16_t* special : {u"\\n", u"^Q", u"^x", u"\\\\", u"#{amp}", u"#{U+263A}", u"#{}", u"\\#{lt}", u"^"}) {
    for (std::size_t before = 0; before < 26; ++before) {
      for (std::size_t after : {0u, 1u, 7u, 8u, 9u, 17u}) {
        const std::u16string text = std::u16string(before, u'a') + special + std::u16string(after, u'\u00E9');
        ASSERT_EQ(DictionaryEntry::ConvertEscapeSequences(text), EscapesThenEntities(text)) << Printable(text);
      }
    }
  }
}

}  // namespace
