// Literals through the public interface.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "DictionaryFixtures.h"
#include "pembra/pembra.h"

namespace {

using pembra::Dictionary;
using pembra::EncodingInfo;
using pembra::Quillet;

const EncodingInfo kUTF8{EncodingInfo::kUTF8};

Dictionary& Sample() {
  static Dictionary dictionary;
  static bool read = false;
  if (!read) {
    std::istringstream text("\"$$$/app/Title=Glimmet\"\n/app/Quote=^Qx^Q\n");
    dictionary.Read(&text);
    read = true;
  }
  return dictionary;
}

TEST(pembraLiteralLookup, KeyOrDefaultOrEmpty) {
  const struct {
    const char* literal;
    std::u16string expected;
    bool hasKey;
  } cases[] = {
      {"$$$/app/Title=Other default", u"Glimmet", true},
      {"$$$/app/Title", u"Glimmet", true},
      {"/app/Title=x", u"Glimmet", true},
      {"$$$/app/Quote=unused", u"\"x\"", true},  // stored as converted
      {"$$$/key=default", u"default", false},
      {"$$$/key=^Q#{amp}\\n", u"\"&\n", false},  // a default's escapes are converted
      {"x=y", u"y", false},
      {"$$$/absent", u"", false},
      {"$$/app/Title=default", u"", false},
      {"$", u"", false},
      {"", u"", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Sample().Lookup(c.literal, &kUTF8).ToUTF16(), c.expected) << c.literal;
    EXPECT_EQ(Sample().HasKey(c.literal, &kUTF8), c.hasKey) << c.literal;
  }
  EXPECT_TRUE(Sample().Lookup(nullptr).ToUTF16().empty());
  EXPECT_FALSE(Sample().HasKey(nullptr));
}

TEST(pembraLiteralLookup, DefaultTextEncodings) {
  Dictionary empty;
  EXPECT_EQ(empty.Lookup("$$$/k=caf\xE9").ToUTF16(), u"caf\u00E9");  // no encoding: bytes as units
  const EncodingInfo application{EncodingInfo::kApplicationEncoding};
  EXPECT_EQ(empty.Lookup("$$$/k=caf\xE9", &application).ToUTF16(), u"caf\u00E9");
  EXPECT_EQ(empty.Lookup("$$$/k=caf\xC3\xA9", &kUTF8).ToUTF16(), u"caf\u00E9");
  // Not UTF-8: a replacement character, never an exception.
  std::u16string invalid;
  EXPECT_NO_THROW(invalid = empty.Lookup("$$$/k=caf\xE9", &kUTF8).ToUTF16());
  EXPECT_EQ(invalid, u"caf\uFFFD");
}

TEST(pembraLiteralLookup, UnreadDictionaryIdGivesTheDefaultText) {
  EXPECT_EQ(Quillet("$$$/app/Title=Hello", 7, &kUTF8).ToUTF16(), u"Hello");
  EXPECT_EQ(Quillet("$$$/app/Title", 0, &kUTF8).GetUnicodeSize(), 1u);
}

TEST(pembraQuillet, GetUnicodeCopiesWhatFits) {
  const Quillet five = Dictionary().Lookup("$$$/k=abcde");
  ASSERT_EQ(five.GetUnicodeSize(), 6u);
  const char16_t kUntouched = u'#';

  std::vector<char16_t> buffer(8, kUntouched);
  five.GetUnicode(buffer.data(), buffer.size());
  EXPECT_EQ(std::u16string(buffer.data()), u"abcde");

  buffer.assign(8, kUntouched);
  five.GetUnicode(buffer.data(), 1);
  EXPECT_EQ(buffer[0], u'\0');
  EXPECT_EQ(buffer[1], kUntouched);

  buffer.assign(8, kUntouched);
  try {
    five.GetUnicode(buffer.data(), 3, true);
    ADD_FAILURE() << "expected 'BUFF'";
  } catch (const pembra::TkErrException& error) {
    EXPECT_EQ(error.Code(), pembra::kErrBufferTooSmall);
    EXPECT_STREQ(error.what(), "TkErr 'BUFF'");
  }
  EXPECT_EQ(std::u16string(buffer.data()), u"ab");  // the truncated copy was made
  EXPECT_EQ(buffer[3], kUntouched);

  buffer.assign(8, kUntouched);
  EXPECT_NO_THROW(five.GetUnicode(buffer.data(), 3, false));
  EXPECT_EQ(std::u16string(buffer.data()), u"ab");
}

TEST(pembraQuillet, CapacityZeroWritesNothing) {
  const Quillet text = Dictionary().Lookup("$$$/k=abc");
  char16_t guard[2] = {u'#', u'#'};
  text.GetUnicode(guard + 1, 0);
  EXPECT_EQ(guard[0], u'#');
  EXPECT_EQ(guard[1], u'#');
  EXPECT_THROW(text.GetUnicode(guard + 1, 0, true), pembra::TkErrException);
  EXPECT_EQ(guard[0], u'#');
  EXPECT_NO_THROW(text.GetUnicode(nullptr, 4));

  const Quillet empty;
  EXPECT_EQ(empty.GetUnicodeSize(), 1u);
  char16_t one = u'#';
  empty.GetUnicode(&one, 1, true);
  EXPECT_EQ(one, u'\0');
}

TEST(pembraQuillet, CopiesShareAndOutliveTheirDictionary) {
  Quillet copy;
  {
    Dictionary dictionary;
    std::istringstream text("/k=kept\n");
    dictionary.Read(&text);
    const Quillet original = dictionary.Lookup("$$$/k");
    copy = original;
  }
  EXPECT_EQ(copy.ToUTF16(), u"kept");
  Quillet moved = std::move(copy);
  EXPECT_EQ(moved.ToUTF16(), u"kept");
}

TEST(pembraQuillet, ValuesUsedInPlaceOutliveTheFileTheyWereReadFrom) {
  // Binary values in the host's byte order stay in the file's bytes; a value
  // replaced by a later line shares the dictionary's block of text values.
  const std::vector<fixtures::Entry> entries = {{"/a", u"in place"}, {"/bc", u"shifted by one byte"}};
  for (const std::string& file : {fixtures::Version10(entries), fixtures::Version2(entries)}) {
    Quillet a, bc, replaced;
    {
      Dictionary dictionary;
      std::istringstream binary(file);
      dictionary.Read(&binary);
      a = dictionary.Lookup("$$$/a");
      bc = dictionary.Lookup("$$$/bc");
      std::istringstream text("/bc=replaced\n");
      dictionary.Read(&text);
      replaced = dictionary.Lookup("$$$/bc");
    }
    EXPECT_EQ(a.ToUTF16(), u"in place");
    EXPECT_EQ(bc.ToUTF16(), u"shifted by one byte");
    EXPECT_EQ(replaced.ToUTF16(), u"replaced");
  }
}

// A folder of its own in the temporary folder, removed with what it holds.
struct TempFolder {
  TempFolder() : path(std::filesystem::temp_directory_path() / ("pembra-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path);
  }
  ~TempFolder() { std::filesystem::remove_all(path); }
  std::string operator/(const char* name) const { return (path / name).string(); }
  std::filesystem::path path;
};

TEST(pembraDictionary, ReadFileReadsOnlyRegularFilesAndNeverWaits) {
  TempFolder folder;
  ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);  // no writer: a plain open would wait
  std::filesystem::create_symlink("/dev/zero", folder / "zeros");
  std::filesystem::create_directory(folder / "folder");
  for (const std::string& path : {folder / "missing", folder / "pipe", folder / "zeros", folder / "folder"}) {
    Dictionary dictionary;
    EXPECT_FALSE(dictionary.ReadFile(path)) << path;
    EXPECT_TRUE(dictionary.IsValid()) << path;
  }

  std::ofstream(folder / "good.dat") << "/k=v\n";
  Dictionary dictionary;
  EXPECT_TRUE(dictionary.ReadFile(folder / "good.dat"));
  EXPECT_EQ(dictionary.Lookup("$$$/k=default").ToUTF16(), u"v");
}

TEST(pembraDictionary, FileLargerThanAnyDictionaryIsBrokenAndNotRead) {
  TempFolder folder;
  std::ofstream(folder / "large.dat") << "/k=v\n";
  std::filesystem::resize_file(folder / "large.dat", (std::uintmax_t{256} << 20) + 1);  // sparse
  Dictionary dictionary;
  EXPECT_TRUE(dictionary.ReadFile(folder / "large.dat"));
  EXPECT_FALSE(dictionary.IsValid());
  EXPECT_EQ(dictionary.NumKeys(), 0);
}

}  // namespace
