// Entries kept as the file writes them and converted at their first lookup give
// what converting every line as it is read gives; the scans that find lines and
// check UTF-8 agree with the one-character-at-a-time code at every place.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "DictionaryFixtures.h"
#include "EightBitText.h"
#include "EscapeSequences.h"
#include "StoreTestSupport.h"
#include "TextLineScan.h"
#include "Utf8Check.h"
#include "os/TextEncoding.h"
#include "pembra/Settings.h"

namespace {

using fixtures::ReadInto;
using pembra_private::Dictionary;

std::string Utf8(char32_t code) {
  std::string out;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
  return out;
}

// Lines of the entry syntax with its hard parts: quotes escaped or not, "$", "=",
// escapes and entities, text around the quotes, keys and values with characters
// beyond ASCII, given as one piece each from `other`.
template <class Other>
std::vector<std::string> RandomLines(std::mt19937& random, int count, Other other) {
  static const char* const kPieces[] = {"\"", "\\\"", "$$$", "$", "=", "\\n", "^Q", "^e", "^^", "#{amp}",
                                        "#{U+263A}", "#{", "\\", "word ", "/key/", "Title"};
  std::vector<std::string> lines;
  for (int i = 0; i < count; ++i) {
    std::string line = random() % 3 == 0 ? "" : "\"$$$";
    line += "/k" + std::to_string(i);
    if (random() % 8 == 0) line += other(random);
    line += random() % 10 == 0 ? "" : "=";
    const int pieces = static_cast<int>(random() % 40);
    for (int p = 0; p < pieces; ++p) line += random() % 3 == 0 ? other(random) : kPieces[random() % std::size(kPieces)];
    if (random() % 2 == 0) line += "\"";
    if (random() % 4 == 0) line += " trailing";
    lines.push_back(line);
  }
  return lines;
}

// A dictionary made line by line from the converter's UTF-16, through AddEntry,
// which converts each value at once; stops, invalid, at a line the converter
// refuses.
struct Reference {
  Dictionary dictionary;
  std::vector<std::string> keys;
  bool valid = true;  // no line refused by the converter
};

void AddConverted(Reference& reference, std::u16string_view line) {
  if (line.empty()) return;
  if (const auto entry = Dictionary::ParseEntry(line)) {
    std::string key;
    for (char16_t unit : entry->key) key += static_cast<char>(unit & 0xFF);
    reference.keys.push_back(key);
  }
  reference.dictionary.AddEntry(line);
}

void ExpectSameEntries(const Dictionary& read, const Reference& reference, const std::string& what) {
  EXPECT_EQ(read.IsValid(), reference.valid && reference.dictionary.IsValid()) << what;
  ASSERT_EQ(read.NumKeys(), reference.dictionary.NumKeys()) << what;
  for (const std::string& key : reference.keys) {
    const auto expected = reference.dictionary.Lookup(key);
    const auto first = read.Lookup(key);
    ASSERT_EQ(first.has_value(), expected.has_value()) << what << " " << key;
    if (!first) continue;
    EXPECT_EQ(first->view(), expected->view()) << what << " " << key;
    // Converted once: a later lookup shares the units of the first.
    EXPECT_EQ(read.Lookup(key)->data(), first->data()) << what << " " << key;
  }
}

class pembraWrittenValues : public ::testing::Test {
 protected:
  void TearDown() override { os::SetApplicationTextEncoding(os::kMacRomanEncoding); }
};

TEST_F(pembraWrittenValues, EightBitTextGivesWhatConvertingEachLineGives) {
  std::mt19937 random(41);
  const auto utf8Character = [](std::mt19937& r) {
    const char32_t codes[] = {0xE9, 0xFC, 0x263A, 0x20AC, 0x1F600, 0x7FF, 0x800, 0xFFFD};
    return Utf8(codes[r() % std::size(codes)]);
  };
  // Bytes that are characters in each encoding, and now and then any byte above 0x7F.
  const auto highByte = [](std::mt19937& r) {
    return std::string(1, static_cast<char>(r() % 300 == 0 ? 0x80 + r() % 0x80 : 0xA0 + r() % 0x50));
  };
  struct Case {
    const char* encoding;
    bool utf8;
  };
  // Enough lines of high bytes that the one-byte encodings get their table; where
  // a byte is no character, reading stops at its line.
  for (const Case& c : {Case{"UTF-8", true}, Case{"MACINTOSH", false}, Case{"ISO-8859-1", false},
                        Case{"CP1252", false}, Case{"KOI8-R", false}}) {
    os::SetApplicationTextEncoding(c.encoding);
    const std::vector<std::string> lines =
        c.utf8 ? RandomLines(random, 400, utf8Character) : RandomLines(random, 400, highByte);
    std::string file;
    Reference reference;
    for (const std::string& line : lines) {
      file += line + (random() % 5 == 0 ? "\r\n" : "\n");
      std::u16string units;
      if (reference.valid && !os::ConvertTextToUnicode(c.encoding, line.data(), line.size(), units)) {
        reference.valid = false;
      }
      if (!reference.valid) break;
      AddConverted(reference, units);
    }
    Dictionary read;
    ReadInto(read, file);
    EXPECT_GT(reference.keys.size(), 100u) << c.encoding;
    ExpectSameEntries(read, reference, c.encoding);
  }
}

TEST_F(pembraWrittenValues, MalformedUtf8StopsAtItsLine) {
  os::SetApplicationTextEncoding("UTF-8");
  for (const std::string& bad : {std::string("\xC0\xAF"), std::string("\xED\xA0\x80"), std::string("\xF4\x90\x80\x80"),
                                 std::string("\xE2\x82"), std::string("\x80")}) {
    std::string file = "/a=caf\xC3\xA9\n/b=x" + bad + "y\n/c=never read\n";
    Dictionary read;
    ReadInto(read, file);
    EXPECT_FALSE(read.IsValid());
    EXPECT_EQ(read.NumKeys(), 1);
    EXPECT_EQ(fixtures::TextOf(read, "/a"), u"caf\u00E9");
  }
}

TEST_F(pembraWrittenValues, Utf16TextGivesWhatConvertingEachLineGives) {
  std::mt19937 random(42);
  const auto unit = [](std::mt19937& r) {
    const char16_t units[] = {0xE9, 0x263A, 0x0100, 0x1041, 0xD83D, 0xDE00, 0x3D, 0x22};
    return std::string(1, '\x01') + static_cast<char>(r() % std::size(units));  // marks a unit, replaced below
  };
  const std::vector<std::string> lines = RandomLines(random, 300, unit);
  const char16_t units[] = {0xE9, 0x263A, 0x0100, 0x1041, 0xD83D, 0xDE00, 0x3D, 0x22};
  std::u16string text;
  Reference reference;
  for (const std::string& line : lines) {
    std::u16string converted;
    for (std::size_t i = 0; i < line.size(); ++i) {
      converted += line[i] == '\x01' ? units[static_cast<unsigned char>(line[++i])] : static_cast<char16_t>(line[i]);
    }
    AddConverted(reference, converted);
    text += converted + u"\u2028";
  }
  for (bool bigEndian : {false, true}) {
    Dictionary read;
    ReadInto(read, fixtures::Utf16Text(text, bigEndian));
    ExpectSameEntries(read, reference, bigEndian ? "UTF-16 BE" : "UTF-16 LE");
  }
}

TEST_F(pembraWrittenValues, Version15ValuesAreConvertedOnce) {
  std::vector<fixtures::Entry> entries = fixtures::ManyEntries(300);
  for (std::size_t i = 0; i < entries.size(); i += 3) entries[i].value += u"\u263A\u00E9";
  Dictionary read;
  ReadInto(read, fixtures::Version15(entries));
  for (const fixtures::Entry& entry : entries) {
    const auto first = read.Lookup(entry.key);
    ASSERT_TRUE(first.has_value()) << entry.key;
    EXPECT_EQ(first->view(), entry.value) << entry.key;
    EXPECT_EQ(read.Lookup(entry.key)->data(), first->data()) << entry.key;
  }
}

// The hat table is chosen when the first text value is read, as when values were
// converted as they were read, not at its first lookup.
TEST_F(pembraWrittenValues, HatTableIsChosenWhenTheFirstValueIsRead) {
  os::SetApplicationTextEncoding("UTF-8");
  pembra_private::ResetHatEscapeTableChoiceForTesting();
  pembra::EnableWvHatEscapes = false;
  Dictionary read;
  ReadInto(read, "/a=caf^e\n");
  pembra::EnableWvHatEscapes = true;
  EXPECT_EQ(fixtures::TextOf(read, "/a"), u"caf^e");

  // A rejected line stores no value, and chooses nothing.
  pembra_private::ResetHatEscapeTableChoiceForTesting();
  pembra::EnableWvHatEscapes = false;
  Dictionary rejected;
  ReadInto(rejected, "$x\n");
  pembra::EnableWvHatEscapes = true;
  Dictionary later;
  ReadInto(later, "/a=caf^e\n");
  EXPECT_EQ(fixtures::TextOf(later, "/a"), u"caf\u00E9");
  pembra::EnableWvHatEscapes = false;
  pembra_private::ResetHatEscapeTableChoiceForTesting();
}

// Both checks of UTF-8: the one the line scan makes as it reads, 32 bytes at a
// time where the processor can, and the one of a character at a time.
void ExpectChecksAgreeWithTheDecoder(const std::string& bytes, const std::string& what) {
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  const pembra_private::TextLineScan scan = pembra_private::ScanTextLine(data, bytes.size(), true);
  std::vector<char16_t> units(bytes.size() + 1);
  std::size_t written = 0;
  ASSERT_EQ(scan.wellFormed, pembra_private::DecodeUtf8(data, scan.length, units.data(), written)) << what;
  ASSERT_EQ(pembra_private::IsWellFormedUtf8(data, bytes.size()),
            pembra_private::DecodeUtf8(data, bytes.size(), units.data(), written))
      << what;
}

TEST(pembraUtf8Check, AgreesWithTheDecoderAtEveryPlace) {
  // Sequences at the edges of what is allowed, each at every offset of a frame
  // longer than two blocks of the vector check, and cut by the end.
  const std::vector<std::string> sequences = {
      "\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF",
      "\xC0\x80", "\xC1\xBF", "\xE0\x9F\xBF", "\xED\xA0\x80", "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80",
      "\xFF",     "\x80",     "\xBF\x80",     "\xC2",         "\xE1\x80",     "\xF1\x80\x80",     "\xC2\x41",
      "\xE1\x80\x41"};
  for (const std::string& sequence : sequences) {
    for (std::size_t at = 0; at < 70; ++at) {
      for (std::size_t size : {at + sequence.size(), std::size_t{72}}) {
        std::string bytes(72, 'a');
        bytes.replace(at, sequence.size(), sequence);
        bytes.resize(size);
        ASSERT_NO_FATAL_FAILURE(ExpectChecksAgreeWithTheDecoder(
            bytes, "sequence " + std::to_string(&sequence - sequences.data()) + " at " + std::to_string(at) +
                       " size " + std::to_string(size)));
      }
    }
  }
  // Random text of mostly well-formed characters with a fault now and then.
  std::mt19937 random(43);
  for (int i = 0; i < 3000; ++i) {
    std::string bytes;
    const std::size_t length = random() % 130;
    while (bytes.size() < length) {
      const char32_t codes[] = {0x41, 0xE9, 0x7FF, 0x263A, 0xFFFF, 0x10000, 0x10FFFF, 0x0A};
      bytes += Utf8(codes[random() % std::size(codes)]);
      if (random() % 200 == 0) bytes[random() % bytes.size()] = static_cast<char>(random());
    }
    ASSERT_NO_FATAL_FAILURE(ExpectChecksAgreeWithTheDecoder(bytes, "case " + std::to_string(i)));
  }
}

TEST(pembraTextLineScan, FindsTheEndAndQuotesAtEveryPlace) {
  std::mt19937 random(44);
  // With bytes of UTF-8 characters, whole, cut short by a line end, or out of place.
  const char kBytes[] = {'a', '"', '\\', '\n', '\r', '\0', '=', '\xC3', '\xA9', '\xE2', '\x82', '\xAC', '\xF0', '\x9F'};
  const std::string kCharacters[] = {"\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"};
  for (int i = 0; i < 8000; ++i) {
    std::string bytes;
    for (std::size_t length = random() % 110; bytes.size() < length;) {
      const unsigned pick = random() % 12;
      bytes += pick == 0 ? std::string(1, kBytes[random() % std::size(kBytes)])
               : pick == 1 ? kCharacters[random() % std::size(kCharacters)]
                           : std::string(1, 'a');
    }
    // One character at a time.
    pembra_private::TextLineScan expected;
    std::size_t found = 0, end = 0;
    for (; end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r' && bytes[end] != '\0'; ++end) {
      if (static_cast<unsigned char>(bytes[end]) > 0x7F) expected.highBytes = true;
      if (bytes[end] == '"' && found < 2 && (end == 0 || bytes[end - 1] != '\\')) expected.quotes[found++] = end;
    }
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    std::vector<char16_t> units(end + 1);
    std::size_t written = 0;
    expected.wellFormed = pembra_private::DecodeUtf8(data, end, units.data(), written);
    for (bool checkUtf8 : {false, true}) {
      const pembra_private::TextLineScan scan = pembra_private::ScanTextLine(data, bytes.size(), checkUtf8);
      ASSERT_EQ(scan.length, end) << "case " << i;
      ASSERT_EQ(scan.quotes[0], expected.quotes[0]) << "case " << i;
      ASSERT_EQ(scan.quotes[1], expected.quotes[1]) << "case " << i;
      ASSERT_EQ(scan.highBytes, expected.highBytes) << "case " << i;
      if (checkUtf8) {
        ASSERT_EQ(scan.wellFormed, expected.wellFormed) << "case " << i;
      }
    }
  }
}

TEST(pembraTextLineScan, FindsTheEndAndQuotesOfUnitsAtEveryPlace) {
  std::mt19937 random(45);
  // Units whose bytes, exchanged, are others of the list or look like them.
  const char16_t kUnits[] = {u'a', u'"', u'\\', u'\n', u'\r', 0, 0x2028, 0x2029, 0x202A, 0x2200, 0x5C00, 0x0A00};
  for (int i = 0; i < 5000; ++i) {
    std::u16string units(random() % 60, u'a');
    for (char16_t& unit : units) {
      if (random() % 5 == 0) unit = kUnits[random() % std::size(kUnits)];
    }
    pembra_private::TextLineScan expected;
    std::size_t found = 0, end = 0;
    for (; end < units.size(); ++end) {
      const char16_t unit = units[end];
      if (unit == 0 || unit == u'\n' || unit == u'\r' || unit == 0x2028 || unit == 0x2029) break;
      if (unit == u'"' && found < 2 && (end == 0 || units[end - 1] != u'\\')) expected.quotes[found++] = end;
    }
    for (bool swapped : {false, true}) {
      std::u16string stored = units;
      if (swapped) {
        for (char16_t& unit : stored) unit = static_cast<char16_t>((unit >> 8) | (unit << 8));
      }
      const pembra_private::TextLineScan scan = pembra_private::ScanUnicodeLine(stored.data(), stored.size(), swapped);
      ASSERT_EQ(scan.length, end) << "case " << i << " swapped " << swapped;
      ASSERT_EQ(scan.quotes[0], expected.quotes[0]) << "case " << i << " swapped " << swapped;
      ASSERT_EQ(scan.quotes[1], expected.quotes[1]) << "case " << i << " swapped " << swapped;
    }
  }
}

}  // namespace
