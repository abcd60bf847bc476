// Binary dictionaries of versions 1.0 and 1.5.
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "DictionaryFixtures.h"
#include "StoreTestSupport.h"

namespace {

using fixtures::Entry;
using fixtures::Raw;
using fixtures::ReadInto;
using fixtures::TextOf;
using pembra_private::Dictionary;

const std::string kMagic = "Quillet Binary Format";

TEST(pembraBinaryVersion10, ReadsHandWrittenFile) {
  const std::string file = kMagic + Raw({1, 0, 0,
                                         2, 0,                // two index records
                                         139, 0, 7, 0, 0, 0,  // bucket of "ab", offset 7
                                         0, 0, 21, 0, 0, 0,   // end of the data
                                         2, 0, 0, 0, 'a', 'b', 4, 0, 0, 0, 'H', 0, 'i', 0});
  Dictionary dictionary;
  ReadInto(dictionary, file);
  EXPECT_TRUE(dictionary.IsValid());
  EXPECT_EQ(dictionary.NumKeys(), 1);
  EXPECT_EQ(TextOf(dictionary, "ab"), u"Hi");
}

TEST(pembraBinaryVersion15, ReadsHandWrittenFileWithAndWithoutByteOrderMark) {
  const std::string file = kMagic + Raw({1, 5, 0,
                                         0, 0, 0, 2,                          // two groups
                                         0, 0, 0, 2, 0, 0, 0, 4,              // running totals
                                         0, 0, 0, 1, 0, 0, 0, 6,              // "k": 1 and 6 bytes
                                         0, 0, 0, 1, 0, 0, 0, 4,              // "j": 1 and 4 bytes
                                         0, 107, 0, 106,                      // buckets of k and j
                                         'k', 0xFF, 0xFE, 'O', 0, 'k', 0,     // little-endian mark
                                         'j', 0, 'N', 0, 'o'});               // big-endian default
  Dictionary dictionary;
  ReadInto(dictionary, file);
  EXPECT_TRUE(dictionary.IsValid());
  EXPECT_EQ(dictionary.NumKeys(), 2);
  EXPECT_EQ(TextOf(dictionary, "k"), u"Ok");
  EXPECT_EQ(TextOf(dictionary, "j"), u"No");
}

TEST(pembraBinaryVersion10, ConvertsEightBitValuesByValueEncoding) {
  const auto file = [](unsigned encoding) {
    return kMagic + Raw({1, 0, encoding, 2, 0, 107, 0, 0, 0, 0, 0, 0, 0, 15, 0, 0, 0,
                         1, 0, 0, 0, 'k', 6, 0, 0, 0, 'c', 'a', 'f', 0xC3, 0xA9, 0xFF});
  };
  Dictionary utf8;
  ReadInto(utf8, file(1));
  EXPECT_TRUE(utf8.IsValid());
  EXPECT_EQ(TextOf(utf8, "k"), u"caf\u00E9\uFFFD");

  Dictionary unknown;  // no such encoding kind: the file cannot be converted
  ReadInto(unknown, file(9));
  EXPECT_FALSE(unknown.IsValid());
  EXPECT_EQ(unknown.NumKeys(), 0);
}

// The fixture writers for both versions, for tests that hold for either.
const struct Writer {
  const char* name;
  std::function<std::string(const std::vector<Entry>&)> write;
} kWriters[] = {{"1.0", fixtures::Version10}, {"1.5", fixtures::Version15}};

const std::vector<Entry> kSample = {
    {"/app/Title", u"Glimmet"},
    {"0123456789", u"first of a shared bucket"},
    {"0x2x4x6x8x", u"second of a shared bucket"},
    {"", u"empty key"},
    {"/app/Empty", u""},
    {"/app/Wide", u"\u263A \u00E9 \u4E2D"},
};

TEST(pembraBinaryVersion1, WrittenFilesAnswerEveryKey) {
  for (const Writer& writer : kWriters) {
    Dictionary dictionary;
    ReadInto(dictionary, writer.write(kSample));
    EXPECT_TRUE(dictionary.IsValid()) << writer.name;
    EXPECT_EQ(dictionary.NumKeys(), static_cast<int>(kSample.size())) << writer.name;
    for (const Entry& entry : kSample) EXPECT_EQ(TextOf(dictionary, entry.key), entry.value) << writer.name;
    EXPECT_EQ(TextOf(dictionary, "/app/Missing"), std::nullopt) << writer.name;
  }
}

TEST(pembraBinaryVersion1, EarlierEntryOfAGroupWinsAndLaterFileWins) {
  for (const Writer& writer : kWriters) {
    Dictionary dictionary;
    ReadInto(dictionary, writer.write({{"k", u"first"}, {"k", u"second"}}));
    EXPECT_EQ(TextOf(dictionary, "k"), u"first") << writer.name;
    EXPECT_EQ(dictionary.NumKeys(), 2) << writer.name;  // binary entries are not checked for repeats
    ReadInto(dictionary, writer.write({{"k", u"from the later file"}}));
    EXPECT_EQ(TextOf(dictionary, "k"), u"from the later file") << writer.name;
  }
}

TEST(pembraBinaryVersion1, EveryTruncationIsInvalidAndReadsNothingPastTheEnd) {
  for (const Writer& writer : kWriters) {
    const std::string file = writer.write(kSample);
    for (std::size_t length = kMagic.size(); length < file.size(); ++length) {
      // An exact-size heap copy, so that a read past its end is caught.
      const std::vector<std::uint8_t> prefix(file.begin(), file.begin() + length);
      Dictionary dictionary;
      dictionary.ReadBytes(prefix.data(), prefix.size());
      EXPECT_FALSE(dictionary.IsValid()) << writer.name << " cut at " << length;
      EXPECT_LT(dictionary.NumKeys(), static_cast<int>(kSample.size())) << writer.name;
    }
  }
}

TEST(pembraBinaryVersion1, EntryOutsideItsHashBucketIsCountedButNeverFound) {
  // "ab" belongs in bucket 139; this file puts it in bucket 5.
  const std::string file = kMagic + Raw({1, 0, 0, 2, 0, 5, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0,
                                         2, 0, 0, 0, 'a', 'b', 2, 0, 0, 0, 'x', 0});
  Dictionary dictionary;
  ReadInto(dictionary, file);
  EXPECT_TRUE(dictionary.IsValid());
  EXPECT_EQ(dictionary.NumKeys(), 1);
  EXPECT_EQ(TextOf(dictionary, "ab"), std::nullopt);
}

TEST(pembraBinaryVersion1, OtherVersionsReadNothingAndStayValid) {
  for (const std::string& header :
       {fixtures::Header(1, 3), fixtures::Header(3, 0), fixtures::Header(2, -1), fixtures::Header(0, 0)}) {
    Dictionary dictionary;
    ReadInto(dictionary, header + fixtures::Version10(kSample).substr(24));
    EXPECT_TRUE(dictionary.IsValid());
    EXPECT_EQ(dictionary.NumKeys(), 0);
  }
}

TEST(pembraBinaryVersion10, FewerThanTwoIndexRecordsHoldNoEntries) {
  for (const std::string& body : {Raw({0, 0}), Raw({1, 0, 107, 0, 0, 0, 0, 0})}) {
    Dictionary dictionary;
    ReadInto(dictionary, fixtures::Header(1, 0) + body);
    EXPECT_TRUE(dictionary.IsValid());
    EXPECT_EQ(dictionary.NumKeys(), 0);
  }
}

const std::string kEntryAb = Raw({2, 0, 0, 0, 'a', 'b', 4, 0, 0, 0, 'H', 0, 'i', 0});  // 14 bytes
const std::string kEntryK = Raw({1, 0, 0, 0, 'k', 2, 0, 0, 0, 'x', 0});                // 11 bytes

TEST(pembraBinaryVersion10, CorruptIndexIsInvalidAndKeepsEntriesReadSoFar) {
  const struct {
    const char* name;
    std::string body;
    int keysKept;
  } cases[] = {
      {"bucket 1021", Raw({2, 0, 0xFD, 3, 0, 0, 0, 0, 0, 0, 14, 0, 0, 0}) + kEntryAb, 0},
      {"bucket 1021 after a good record",
       Raw({3, 0, 139, 0, 0, 0, 0, 0, 0xFD, 3, 14, 0, 0, 0, 0, 0, 25, 0, 0, 0}) + kEntryAb + kEntryK, 1},
      {"4 GB key", Raw({2, 0, 139, 0, 0, 0, 0, 0, 0, 0, 14, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}), 0},
      {"4 GB value", Raw({2, 0, 139, 0, 0, 0, 0, 0, 0, 0, 14, 0, 0, 0, 2, 0, 0, 0, 'a', 'b',
                          0xFF, 0xFF, 0xFF, 0xFF, 'H', 0}), 0},
      {"65535 records in 12 bytes", Raw({0xFF, 0xFF, 139, 0, 0, 0, 0, 0, 0, 0, 14, 0, 0, 0}), 0},
      {"offsets far apart, data short", Raw({2, 0, 139, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}) + kEntryAb, 1},
  };
  for (const auto& c : cases) {
    Dictionary dictionary;
    ReadInto(dictionary, fixtures::Header(1, 0) + c.body);
    EXPECT_FALSE(dictionary.IsValid()) << c.name;
    EXPECT_EQ(dictionary.NumKeys(), c.keysKept) << c.name;
    if (c.keysKept > 0) {
      EXPECT_EQ(TextOf(dictionary, "ab"), u"Hi") << c.name;
    }
  }
}

TEST(pembraBinaryVersion10, OffsetsOutOfStepAreReadAsTheEntriesCome) {
  const struct {
    const char* name;
    std::string body;
  } cases[] = {
      // "ab" (14 bytes) runs past the second record's offset 10; that record
      // then reads "k" from where the data is, up to offset 21.
      {"overshooting offset", Raw({3, 0, 139, 0, 0, 0, 0, 0, 107, 0, 10, 0, 0, 0, 0, 0, 21, 0, 0, 0}) +
                                  kEntryAb + kEntryK},
      // The second record's end (3) lies before its start (14): it holds nothing.
      {"decreasing offset", Raw({4, 0, 139, 0, 0, 0, 0, 0, 5, 0, 14, 0, 0, 0, 107, 0, 3, 0, 0, 0,
                                 0, 0, 14, 0, 0, 0}) + kEntryAb + kEntryK},
  };
  for (const auto& c : cases) {
    Dictionary dictionary;
    ReadInto(dictionary, fixtures::Header(1, 0) + c.body);
    EXPECT_TRUE(dictionary.IsValid()) << c.name;
    EXPECT_EQ(dictionary.NumKeys(), 2) << c.name;
    EXPECT_EQ(TextOf(dictionary, "ab"), u"Hi") << c.name;
    EXPECT_EQ(TextOf(dictionary, "k"), u"x") << c.name;
  }
}

// Two groups' worth of length words for "k" -> "x" and "j" -> "y", their
// buckets, and their data, after the group count and running totals.
const std::string kTwoEntriesAfterTotals =
    Raw({0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 2});

TEST(pembraBinaryVersion15, CorruptTablesAreInvalid) {
  const struct {
    const char* name;
    std::string body;
    int keysKept;
  } cases[] = {
      {"4 G groups", Raw({0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 2}), 0},
      {"1 G length words", Raw({0, 0, 0, 1, 0x40, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 107}), 0},
      {"bucket 1021", Raw({0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0, 0x03, 0xFD, 'k'}), 0},
      // Two groups; the second value claims 4 GB.
      {"4 GB value", Raw({0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 4,
                          0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 1, 0xFF, 0xFF, 0xFF, 0xFF,
                          0, 107, 0, 106, 'k', 0, 'x', 'j', 0, 'y'}), 1},
      // The first group counts four words, but the table holds the last total, two.
      {"a total past the length table", Raw({0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 2,
                                             0, 0, 0, 1, 0, 0, 0, 2, 0, 107, 0, 106, 'k', 0, 'x'}), 1},
  };
  for (const auto& c : cases) {
    Dictionary dictionary;
    ReadInto(dictionary, fixtures::Header(1, 5) + c.body);
    EXPECT_FALSE(dictionary.IsValid()) << c.name;
    EXPECT_EQ(dictionary.NumKeys(), c.keysKept) << c.name;
  }
}

TEST(pembraBinaryVersion15, TotalsOutOfStepAreReadAsTheEntriesCome) {
  const struct {
    const char* name;
    std::string groupsAndTotals;
    std::string buckets;
  } cases[] = {
      // The middle group's total does not grow: it holds nothing.
      {"a total that does not grow", Raw({0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 4}), Raw({0, 107, 0, 5, 0, 106})},
      // An odd total: the entry whose words straddle it belongs to the first group.
      {"an odd total", Raw({0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 4}), Raw({0, 107, 0, 106})},
  };
  for (const auto& c : cases) {
    Dictionary dictionary;
    ReadInto(dictionary, fixtures::Header(1, 5) + c.groupsAndTotals + kTwoEntriesAfterTotals + c.buckets +
                             Raw({'k', 0, 'x', 'j', 0, 'y'}));
    EXPECT_TRUE(dictionary.IsValid()) << c.name;
    EXPECT_EQ(dictionary.NumKeys(), 2) << c.name;
    EXPECT_EQ(TextOf(dictionary, "k"), u"x") << c.name;
    EXPECT_EQ(TextOf(dictionary, "j"), u"y") << c.name;
  }
}

}  // namespace
