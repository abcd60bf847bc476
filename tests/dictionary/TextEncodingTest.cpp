// The application text encoding and its conversion to UTF-16.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "EightBitText.h"
#include "os/TextEncoding.h"

namespace {

TEST(pembraTextEncoding, ApplicationEncodingIsAProcessSetting) {
  EXPECT_EQ(os::GetApplicationTextEncoding(), os::kMacRomanEncoding);
  os::SetApplicationTextEncoding("CP1252");
  EXPECT_EQ(os::GetApplicationTextEncoding(), "CP1252");
  os::SetApplicationTextEncoding(os::kMacRomanEncoding);
}

TEST(pembraTextEncoding, ConvertsEightBitText) {
  const struct {
    const char* encoding;
    std::string bytes;
    bool ok;
    std::u16string expected;
  } cases[] = {
      {"MACINTOSH", "caf\x8E", true, u"caf\u00E9"},
      {"MACINTOSH", "\xA5\xDB", true, u"\u2022\u20AC"},
      {"ISO-8859-1", "caf\xE9", true, u"caf\u00E9"},
      {"CP1252", "\x80", true, u"\u20AC"},
      {"ANSI_X3.4-1968", "plain", true, u"plain"},
      {"ANSI_X3.4-1968", "caf\xE9", false, u""},
      {"UTF-8", "caf\xC3", false, u""},  // cut short
      {"NO-SUCH-ENCODING", "abc", false, u""},
      {"MACINTOSH", "", true, u""},
  };
  for (const auto& c : cases) {
    std::u16string out = u"stale";
    EXPECT_EQ(os::ConvertTextToUnicode(c.encoding, c.bytes.data(), c.bytes.size(), out), c.ok)
        << c.encoding << ' ' << c.bytes;
    EXPECT_EQ(out, c.expected) << c.encoding << ' ' << c.bytes;
  }
}

TEST(pembraTextEncoding, OneConverterServesManyLines) {
  os::TextToUnicodeConverter converter("MACINTOSH");
  ASSERT_TRUE(converter.IsOpen());
  std::u16string out;
  // A long line grows the output; a failed one does not spoil the next.
  const std::string longLine(10000, '\x8E');
  EXPECT_TRUE(converter.Convert(longLine.data(), longLine.size(), out));
  EXPECT_EQ(out, std::u16string(10000, u'\u00E9'));
  os::TextToUnicodeConverter ascii("ANSI_X3.4-1968");
  EXPECT_FALSE(ascii.Convert("\xFF", 1, out));
  EXPECT_TRUE(ascii.Convert("ok", 2, out));
  EXPECT_EQ(out, u"ok");
  EXPECT_FALSE(os::TextToUnicodeConverter("NO-SUCH-ENCODING").IsOpen());
}

// The dictionary reader's own decoding gives what the converter gives, and fails
// where it fails: for table encodings, for UTF-8, and for encodings whose bytes do
// not stand alone (composing, stateful, several bytes a character).
TEST(pembraTextEncoding, ReadersDecodingAgreesWithTheConverter) {
  std::mt19937 random(3);
  const auto randomText = [&random](std::size_t length, bool mostlyHigh) {
    std::string bytes(length, '\0');
    for (char& byte : bytes) {
      byte = static_cast<char>(mostlyHigh ? 0x80 + random() % 0x80 : 1 + random() % 0xFF);
      if (!mostlyHigh && random() % 4 == 0) byte = static_cast<char>('a' + random() % 26);
    }
    return bytes;
  };
  for (const char* encoding : {"MACINTOSH", "ISO-8859-1", "CP1252", "ANSI_X3.4-1968", "CP1255", "CP1258",
                               "SHIFT_JIS", "UTF-7", "UTF-8", "utf8", "KOI8-R", "IBM037"}) {
    pembra_private::EightBitText text(encoding);
    for (int i = 0; i < 3000; ++i) {
      const std::string bytes = randomText(1 + random() % 12, i % 2 == 0);
      std::u16string expected, buffer = u"stale";
      std::size_t count = 0;
      const bool ok = os::ConvertTextToUnicode(encoding, bytes.data(), bytes.size(), expected);
      ASSERT_EQ(text.Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), buffer, count), ok)
          << encoding << " case " << i;
      if (ok) {
        ASSERT_EQ(buffer.substr(0, count), expected) << encoding << " case " << i;
      }
    }
  }
}

TEST(pembraTextEncoding, Utf8DecodingAgreesWithTheConverterOnEverySequence) {
  // Every sequence of one to three bytes from lead bytes and continuation bytes
  // at their edges, each alone, cut short, and followed by ASCII.
  const unsigned kBytes[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xBF, 0xC0, 0xC1, 0xC2, 0xDF,
                             0xE0, 0xE1, 0xEC, 0xED, 0xEE, 0xEF, 0xF0, 0xF1, 0xF3, 0xF4, 0xF5, 0xF8, 0xFF};
  std::vector<std::string> cases;
  for (unsigned a : kBytes) {
    for (unsigned b : kBytes) {
      for (unsigned c : kBytes) {
        cases.push_back({static_cast<char>(a), static_cast<char>(b), static_cast<char>(c)});
        for (unsigned d : {0x80u, 0x8Fu, 0xBFu}) {
          cases.push_back({static_cast<char>(a), static_cast<char>(b), static_cast<char>(c), static_cast<char>(d)});
        }
      }
      cases.push_back({static_cast<char>(a), static_cast<char>(b)});
    }
    cases.push_back({static_cast<char>(a), 'x', 'y', 'z', 'a', 'b', 'c', 'd', 'e'});
  }
  cases.push_back("plain ASCII text longer than eight bytes");
  cases.push_back("\xF0\x9F\x98\x80 and \xEF\xBB\xBF, \xEF\xBF\xBF");  // beyond U+FFFF, BOM, U+FFFF
  pembra_private::EightBitText text("UTF-8");
  for (const std::string& bytes : cases) {
    std::u16string expected, buffer;
    std::size_t count = 0;
    const bool ok = os::ConvertTextToUnicode("UTF-8", bytes.data(), bytes.size(), expected);
    EXPECT_EQ(text.Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), buffer, count), ok)
        << bytes;
    if (ok) {
      EXPECT_EQ(buffer.substr(0, count), expected) << bytes;
    }
  }
}

// Readers widen ASCII sixteen bytes at a time: a character of several bytes, or a
// byte that is none, decodes as the converter says at every place in a line,
// across the edge of those sixteen bytes included.
TEST(pembraTextEncoding, LongLinesDecodeAsTheConverterSaysAtEveryPlace) {
  struct Case {
    const char* encoding;
    std::string character;
  };
  const Case cases[] = {{"UTF-8", "\xC3\xA9"}, {"UTF-8", "\xE2\x82\xAC"}, {"UTF-8", "\xF0\x9F\x98\x80"},
                        {"UTF-8", "\xC3"},     {"UTF-8", "\xE2\x82"},     {"UTF-8", "\x80"},
                        {"MACINTOSH", "\x8E"}, {"ISO-8859-1", "\xE9"}};
  for (const Case& c : cases) {
    pembra_private::EightBitText text(c.encoding);
    // Enough lines first that table encodings decode by their table.
    for (int warm = 0; warm < 100; ++warm) {
      std::u16string buffer;
      std::size_t count = 0;
      text.Decode(reinterpret_cast<const std::uint8_t*>("caf\x8E"), 4, buffer, count);
    }
    for (std::size_t before = 0; before < 34; ++before) {
      for (std::size_t after : {0u, 1u, 15u, 16u, 17u}) {
        const std::string bytes = std::string(before, 'a') + c.character + std::string(after, 'z') + c.character;
        std::u16string expected, buffer;
        std::size_t count = 0;
        const bool ok = os::ConvertTextToUnicode(c.encoding, bytes.data(), bytes.size(), expected);
        ASSERT_EQ(text.Decode(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), buffer, count), ok)
            << c.encoding << " " << before << " " << after;
        if (ok) {
          ASSERT_EQ(buffer.substr(0, count), expected) << c.encoding << " " << before << " " << after;
        }
      }
    }
  }
}

}  // namespace
