// Text dictionaries: line readers, entry syntax and encodings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DictionaryFixtures.h"
#include "KeyHash.h"
#include "StoreTestSupport.h"
#include "os/TextEncoding.h"

namespace {

using fixtures::ReadInto;
using fixtures::TextOf;
using fixtures::Utf16Text;
using pembra_private::Dictionary;

std::u16string Utf16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

// Restores the application text encoding that a test changes.
class pembraTextDictionary : public ::testing::Test {
 protected:
  void TearDown() override { os::SetApplicationTextEncoding(os::kMacRomanEncoding); }
};

TEST_F(pembraTextDictionary, Utf16InBothByteOrdersLeavesTheMarkOutOfTheFirstKey) {
  const std::u16string text =
      u"/first=Eins\r\n"
      u"comment \"$$$/second=Zwei \\\"quoted\\\"\" trailing\u2028"
      u"/third=\u263A\u2029"
      u"/last=no line end";
  for (bool bigEndian : {false, true}) {
    Dictionary dictionary;
    ReadInto(dictionary, Utf16Text(text, bigEndian));
    EXPECT_TRUE(dictionary.IsValid()) << bigEndian;
    EXPECT_EQ(dictionary.NumKeys(), 4) << bigEndian;
    EXPECT_EQ(TextOf(dictionary, "/first"), u"Eins") << bigEndian;
    EXPECT_EQ(TextOf(dictionary, "/second"), u"Zwei \"quoted\"") << bigEndian;
    EXPECT_EQ(TextOf(dictionary, "/third"), u"\u263A") << bigEndian;
    EXPECT_EQ(TextOf(dictionary, "/last"), u"no line end") << bigEndian;
  }
}

TEST_F(pembraTextDictionary, Utf16LoneLastByteIsDropped) {
  Dictionary dictionary;
  ReadInto(dictionary, Utf16Text(u"/k=v", false) + "\x41");
  EXPECT_TRUE(dictionary.IsValid());
  EXPECT_EQ(TextOf(dictionary, "/k"), u"v");
}

TEST_F(pembraTextDictionary, EightBitTextReadsInTheApplicationEncoding) {
  const std::string file = "/cafe=caf\x8E\n";
  Dictionary macRoman;
  ReadInto(macRoman, file);
  EXPECT_EQ(TextOf(macRoman, "/cafe"), u"caf\u00E9");

  os::SetApplicationTextEncoding("ISO-8859-1");
  Dictionary latin1;
  ReadInto(latin1, file);
  EXPECT_EQ(TextOf(latin1, "/cafe"), u"caf\u008E");
}

TEST_F(pembraTextDictionary, UnconvertibleTextIsInvalidAndKeepsEarlierLines) {
  os::SetApplicationTextEncoding("ANSI_X3.4-1968");  // ASCII: bytes above 0x7F are not text
  Dictionary ascii;
  ReadInto(ascii, "/a=fine\n/b=caf\x8E\n/c=never read\n");
  EXPECT_FALSE(ascii.IsValid());
  EXPECT_EQ(TextOf(ascii, "/a"), u"fine");
  EXPECT_EQ(ascii.NumKeys(), 1);

  os::SetApplicationTextEncoding("NO-SUCH-ENCODING");
  Dictionary unknown;
  ReadInto(unknown, "/a=fine\n");
  EXPECT_FALSE(unknown.IsValid());
  EXPECT_EQ(unknown.NumKeys(), 0);
}

TEST_F(pembraTextDictionary, EntrySyntax) {
  const struct {
    std::u16string line;
    bool accepted;
    std::u16string key;
    std::u16string value;
  } cases[] = {
      {u"/a=b", true, u"/a", u"b"},
      {u"\"$$$/a=b\"", true, u"/a", u"b"},
      {u"text before \"$$$/a=b\" text after", true, u"/a", u"b"},
      {u"x \"/a=say \\\"hi\\\"\" y", true, u"/a", u"say \\\"hi\\\""},  // escapes come later
      {u"\"$$$/a=unclosed", true, u"/a", u"unclosed"},
      {u"/a=b=c", true, u"/a", u"b=c"},
      {u"=value", true, u"", u"value"},
      {u"key only", true, u"key only", u""},
      {u"$$$", true, u"", u""},
      {u"$$/a=b", false, u"", u""},
      {u"\"$$/a=b\"", false, u"", u""},
      {u"$", false, u"", u""},
      {u"$$", false, u"", u""},
  };
  for (const auto& c : cases) {
    const auto entry = Dictionary::ParseEntry(c.line);
    ASSERT_EQ(entry.has_value(), c.accepted) << std::string(c.line.begin(), c.line.end());
    if (!entry) continue;
    EXPECT_EQ(entry->key, c.key);
    EXPECT_EQ(entry->value, c.value);
  }
}

TEST_F(pembraTextDictionary, RejectedLineMarksInvalidAndReadingGoesOn) {
  Dictionary dictionary;
  ReadInto(dictionary, "/a=1\n$$/bad=2\n/c=3\n");
  EXPECT_FALSE(dictionary.IsValid());
  EXPECT_EQ(TextOf(dictionary, "/a"), u"1");
  EXPECT_EQ(TextOf(dictionary, "/c"), u"3");
  EXPECT_EQ(dictionary.NumKeys(), 2);
}

TEST_F(pembraTextDictionary, LinesAndTheirEnds) {
  const struct {
    const char* name;
    std::string file;
    int keys;
    std::vector<std::pair<std::string, std::u16string>> present;
    std::vector<std::string> absent;
  } cases[] = {
      {"CR LF and blank lines", "/a=1\r\n\r\n\n/b=2\r", 2, {{"/a", u"1"}, {"/b", u"2"}}, {}},
      {"a NUL ends a line", std::string("/a=1\0/b=2\n", 10), 2, {{"/a", u"1"}, {"/b", u"2"}}, {}},
      {"a NUL at a line start ends reading", std::string("/a=1\n\0/b=2\n", 11), 1, {{"/a", u"1"}}, {"/b"}},
      {"shorter than the binary magic", "k=v", 1, {{"k", u"v"}}, {}},
      {"repeated key: the later line wins", "/k=old\n/k=new\n", 1, {{"/k", u"new"}}, {}},
      // Not binary: its first line, up to the NUL, is one text entry.
      {"binary magic with one byte changed", std::string("Quillet Binary Formaz\x01\0\0", 24), 1,
       {{"Quillet Binary Formaz\x01", u""}}, {"ab"}},
  };
  for (const auto& c : cases) {
    Dictionary dictionary;
    ReadInto(dictionary, c.file);
    EXPECT_TRUE(dictionary.IsValid()) << c.name;
    EXPECT_EQ(dictionary.NumKeys(), c.keys) << c.name;
    for (const auto& [key, value] : c.present) EXPECT_EQ(TextOf(dictionary, key), value) << c.name;
    for (const auto& key : c.absent) EXPECT_EQ(TextOf(dictionary, key), std::nullopt) << c.name;
  }
}

TEST_F(pembraTextDictionary, TextLineReplacesOneEqualEntryOfAnEarlierBinaryFile) {
  Dictionary dictionary;
  ReadInto(dictionary, fixtures::Version15({{"/k", u"first"}, {"/k", u"second"}, {"/j", u"other"}}));
  ASSERT_EQ(dictionary.NumKeys(), 3);
  ReadInto(dictionary, "/k=text\n");
  EXPECT_EQ(TextOf(dictionary, "/k"), u"text");
  EXPECT_EQ(TextOf(dictionary, "/j"), u"other");
  EXPECT_EQ(dictionary.NumKeys(), 3);  // the first "/k" gave way; the second stays behind it
}

TEST_F(pembraTextDictionary, KeysOfOneBucketCostNoMoreThanOthers) {
  // 15-byte keys hash the bytes at 0, 3, 6, 9 and 12 only: these keys differ
  // elsewhere, so all 100,000 share one bucket's chain.
  constexpr int kKeys = 100000;
  const auto keyOf = [](int i) {
    std::string key = "/xx/xx/xx/xx/xx";
    for (int p : {1, 2, 4, 5, 7, 8, 10, 11, 13, 14}) key[p] = static_cast<char>('a' + i % 26), i /= 26;
    return key;
  };
  std::string first, second;
  for (int i = 0; i < kKeys; ++i) {
    first += keyOf(i) + "=" + std::to_string(i) + "\n";
    second += keyOf(i) + "=again " + std::to_string(i) + "\n";
  }
  ASSERT_EQ(pembra_private::HashFunc(keyOf(0)), pembra_private::HashFunc(keyOf(kKeys - 1)));

  Dictionary dictionary;
  ReadInto(dictionary, first);
  ReadInto(dictionary, second);  // every line replaces an entry
  EXPECT_TRUE(dictionary.IsValid());
  EXPECT_EQ(dictionary.NumKeys(), kKeys);
  for (int i : {0, 1, kKeys / 2, kKeys - 1}) {
    EXPECT_EQ(TextOf(dictionary, keyOf(i)), u"again " + Utf16(std::to_string(i))) << i;
  }
  // A walk of the chain per line would look at about 5 billion entries.
  EXPECT_LT(dictionary.IndexProbes(), 10u * kKeys);
}

TEST_F(pembraTextDictionary, LongLinesInEveryEncoding) {
  // Longer than a reader's line buffer and than the first block of values.
  std::u16string value;
  for (int i = 0; value.size() < 40000; ++i) value += i % 7 == 0 ? u"caf\u00E9 #{amp} " : u"word ";
  std::u16string stored = value;
  for (std::size_t at; (at = stored.find(u"#{amp}")) != std::u16string::npos;) stored.replace(at, 6, u"&");
  const std::u16string line = u"/long=" + value + u"\n/next=after\n";
  std::string latin1;
  for (char16_t unit : line) latin1 += static_cast<char>(unit);
  os::SetApplicationTextEncoding("ISO-8859-1");
  for (const std::string& file : {latin1, Utf16Text(line, false), Utf16Text(line, true)}) {
    Dictionary dictionary;
    ReadInto(dictionary, file);
    EXPECT_TRUE(dictionary.IsValid());
    EXPECT_EQ(TextOf(dictionary, "/long"), stored);
    EXPECT_EQ(TextOf(dictionary, "/next"), u"after");
  }
}

TEST_F(pembraTextDictionary, EmptyAndUnreadableStreams) {
  Dictionary empty;
  ReadInto(empty, "");
  EXPECT_TRUE(empty.IsValid());
  EXPECT_EQ(empty.NumKeys(), 0);

  Dictionary null;
  null.Read(static_cast<std::istream*>(nullptr));
  EXPECT_FALSE(null.IsValid());
}

}  // namespace
