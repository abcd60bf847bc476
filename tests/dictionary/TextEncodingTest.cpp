// The application text encoding and its conversion to UTF-16.
#include <gtest/gtest.h>

#include <string>

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

}  // namespace
