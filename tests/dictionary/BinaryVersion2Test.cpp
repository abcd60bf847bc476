// Version-2 binary dictionaries and their store.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "ByteReader.h"
#include "DictionaryFixtures.h"
#include "FastArray.h"
#include "StoreTestSupport.h"

namespace {

using fixtures::Entry;
using fixtures::Raw;
using fixtures::ReadInto;
using fixtures::TextOf;
using fixtures::Version2;
using fixtures::Version2Options;
using pembra_private::Dictionary;
using pembra_private::FastArray;

// Reads the body of a version-2 file (after its header text) into `store`.
FastArray::ReadResult ReadBody(FastArray& store, const std::string& file) {
  const auto bytes =
      pembra_private::ByteBuffer::Copy(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
  const bool big = (static_cast<unsigned char>(file[24]) & 1) == 0;
  pembra_private::ByteReader in(bytes->Data(), bytes->Size(),
                                big ? pembra_private::ByteOrder::kBig : pembra_private::ByteOrder::kLittle);
  std::uint32_t headerLength = 0;
  in.Skip(25);
  in.ReadU32(headerLength);
  in.Skip(headerLength);
  return store.Read(in, big ? pembra::kBigEndian : pembra::kLittleEndian, bytes);
}

std::u16string ValueOf(const FastArray& store, std::string_view key) {
  return std::u16string(store.GetValue(store.FindId(key)).view());
}

TEST(pembraBinaryVersion2, ReadsHandWrittenFile) {
  const std::string file = std::string("Quillet Binary Format") +
                           Raw({2, 1, 0, 1,               // version 2.1, little-endian
                                2, 0, 0, 0, 'h', 'i',     // header text
                                0, 0, 0, 0, 'Y',          // id base 0, keys present
                                1, 0, 0, 0, 1, 0, 0, 0,   // one entry, one live
                                1, 0, 0, 0,               // one accelerator record
                                1, 0, 0, 0, 4, 0, 0, 0,   // key blob 1 byte, value blob 4
                                0, 0, 0, 0, 1, 0,         // key offset 0, length 1
                                0, 0, 0, 0, 4, 0,         // value offset 0, length 4
                                'k', 'O', 0, 'K', 0,      // blobs
                                107, 0, 1, 0, 0, 0,       // bucket of "k", one id
                                0, 0, 0, 0,               // id 0
                                0, 0, 0, 0});             // no extra part
  Dictionary dictionary;
  ReadInto(dictionary, file);
  EXPECT_TRUE(dictionary.IsValid());
  EXPECT_EQ(dictionary.Kind(), Dictionary::kFastArrayStore);
  EXPECT_EQ(dictionary.NumKeys(), 1);
  EXPECT_EQ(TextOf(dictionary, "k"), u"OK");
  EXPECT_EQ(dictionary.HeaderText(), std::string("hi"));
}

const std::vector<Entry> kSample = {
    {"/app/Title", u"Glimmet"},
    {"0123456789", u"first of a shared bucket"},
    {"0x2x4x6x8x", u"second of a shared bucket"},
    {"", u"empty key"},
    {"/app/Empty", u""},
    {"/app/Wide", u"\u263A \u00E9 \u4E2D"},
};

TEST(pembraBinaryVersion2, BothByteOrdersAndHostOrderGiveTheSameAnswers) {
  Version2Options little, big, host;
  big.bigEndian = true;
  host.minor = 0;  // no endian byte: host order
  for (auto* options : {&little, &big, &host}) options->extras = {u"kept", u"unused"};
  const std::string littleFile = Version2(kSample, little);
  const std::string bigFile = Version2(kSample, big);
  ASSERT_NE(littleFile, bigFile);
  for (const std::string& file : {littleFile, bigFile, Version2(kSample, host)}) {
    Dictionary dictionary;
    ReadInto(dictionary, file);
    EXPECT_TRUE(dictionary.IsValid());
    EXPECT_EQ(dictionary.NumKeys(), static_cast<int>(kSample.size()));
    for (const Entry& entry : kSample) {
      // An entry whose key is empty counts, but is no valid id: it is never found.
      const auto expected = entry.key.empty() ? std::nullopt : std::optional<std::u16string>(entry.value);
      EXPECT_EQ(TextOf(dictionary, entry.key), expected) << entry.key;
    }
    EXPECT_EQ(TextOf(dictionary, "/app/Missing"), std::nullopt);
  }
}

TEST(pembraBinaryVersion2, ValidIdIsAnIdWhoseKeyIsNotEmpty) {
  FastArray store;
  ReadBody(store, Version2({{"k", u"first"}, {"", u"empty key"}}));
  ReadBody(store, Version2({{"k", u"second"}, {"n", u"new"}}));  // ids 2 ("k", dropped) and 3
  ASSERT_EQ(store.TotalIds(), 4u);
  const struct {
    std::int64_t id;
    bool valid;
    std::u16string value;
  } cases[] = {
      {-1, false, u""}, {0, true, u"second"}, {1, false, u""}, {2, false, u""}, {3, true, u"new"}, {4, false, u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(store.ValidId(c.id), c.valid) << c.id;
    EXPECT_EQ(std::u16string(store.GetValue(c.id).view()), c.value) << c.id;
  }
  EXPECT_EQ(store.FindId(""), 1);
  EXPECT_EQ(store.FindId("n"), 3);

  // An entry added with an empty key counts, and is no more valid than one read.
  EXPECT_EQ(store.Add("", pembra_private::UnicodeRun(u"added")), 1);
  EXPECT_FALSE(store.ValidId(1));
  FastArray added;
  EXPECT_EQ(added.Add("", pembra_private::UnicodeRun(u"added")), 0);
  EXPECT_FALSE(added.ValidId(0));
  EXPECT_EQ(added.NumKeys(), 1u);
}

TEST(pembraBinaryVersion2, EveryTruncationLeavesTheDictionaryAsItWasAndValid) {
  for (bool bigEndian : {false, true}) {
    Version2Options options;
    options.bigEndian = bigEndian;
    options.extras = {u"x"};
    const std::string file = Version2(kSample, options);
    for (std::size_t length = 21; length < file.size(); ++length) {
      const std::vector<std::uint8_t> prefix(file.begin(), file.begin() + length);
      Dictionary dictionary;
      ReadInto(dictionary, "/text=kept\n");
      dictionary.ReadBytes(prefix.data(), prefix.size());
      // Only a header cut before its value encoding byte is a failed read.
      EXPECT_EQ(dictionary.IsValid(), length >= 24) << "cut at " << length;
      EXPECT_EQ(dictionary.Kind(), Dictionary::kHashTableStore) << "cut at " << length;
      EXPECT_EQ(dictionary.NumKeys(), 1) << "cut at " << length;
      EXPECT_EQ(TextOf(dictionary, "/text"), u"kept") << "cut at " << length;
      EXPECT_EQ(dictionary.HeaderText(), std::nullopt) << "cut at " << length;
    }
  }
}

void Patch32(std::string& file, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) file[at + i] = static_cast<char>(value >> (8 * i));
}
void Patch16(std::string& file, std::size_t at, std::uint16_t value) {
  file[at] = static_cast<char>(value & 0xFF);
  file[at + 1] = static_cast<char>(value >> 8);
}

TEST(pembraBinaryVersion2, CorruptSegmentLeavesTheStoreAsItWasAndTheDictionaryValid) {
  // Little-endian file of one entry "k" -> "OK" with header text "fixture":
  // header length at 25; body at 36: id base, flag 40, entries 41, live 45,
  // records 49, key blob size 53, value blob size 57, key offset 61, key length
  // 65, value offset 67, value length 71, blobs 73, bucket 78, id count 80, id
  // 84, extra count 88.
  const std::string good = Version2({{"k", u"OK"}});
  ASSERT_EQ(good.size(), 92u);
  const struct {
    const char* name;
    std::size_t at;
    std::uint32_t value;
    bool sixteenBits;
  } cases[] = {
      {"4 GB header text", 25, 0xFFFFFFF0, false},
      {"2 G entries", 41, 0x7FFFFFFF, false},
      {"more live than entries", 45, 2, false},
      {"4 GB key blob", 53, 0xFFFFFFFF, false},
      {"4 GB value blob", 57, 0xFFFFFFFF, false},
      {"key past its blob", 61, 1, false},
      {"value at an odd offset", 67, 1, false},
      {"value past its blob", 71, 6, true},
      {"bucket 1021", 78, 1021, true},
      {"1 G ids", 80, 0x40000000, false},
      {"id outside the segment", 84, 1, false},
      {"256 M extra items", 88, 0x10000000, false},
  };
  Version2Options first;
  first.headerText = "first file";
  for (const auto& c : cases) {
    std::string bad = good;
    c.sixteenBits ? Patch16(bad, c.at, static_cast<std::uint16_t>(c.value)) : Patch32(bad, c.at, c.value);
    Dictionary dictionary;
    ReadInto(dictionary, Version2({{"k", u"first"}, {"a", u"A"}}, first));
    ReadInto(dictionary, bad);
    EXPECT_TRUE(dictionary.IsValid()) << c.name;
    // The merge that the segment would have made is not made either.
    EXPECT_EQ(TextOf(dictionary, "k"), u"first") << c.name;
    EXPECT_EQ(TextOf(dictionary, "a"), u"A") << c.name;
    EXPECT_EQ(dictionary.NumKeys(), 2) << c.name;
    EXPECT_EQ(dictionary.HeaderText(), std::string("first file")) << c.name;
  }
}

TEST(pembraBinaryVersion2, MergedFileReplacesValuesAndCountsRepeatedKeysOnce) {
  Dictionary dictionary;
  ReadInto(dictionary, Version2({{"k", u"first"}, {"a", u"A"}}));
  ReadInto(dictionary, Version2({{"k", u"second"}, {"n", u"new"}}));
  EXPECT_TRUE(dictionary.IsValid());
  EXPECT_EQ(TextOf(dictionary, "k"), u"second");
  EXPECT_EQ(TextOf(dictionary, "a"), u"A");
  EXPECT_EQ(TextOf(dictionary, "n"), u"new");
  EXPECT_EQ(dictionary.NumKeys(), 3);
}

TEST(pembraBinaryVersion2, MergeOfOnlyRepeatedKeysKeepsItsValuesAlive) {
  FastArray store;
  ASSERT_EQ(ReadBody(store, Version2({{"a", u"1"}, {"b", u"2"}})), FastArray::ReadResult::kAdded);
  {
    const std::string second = Version2({{"a", u"one"}, {"b", u"two"}});
    EXPECT_EQ(ReadBody(store, second), FastArray::ReadResult::kMerged);
  }
  EXPECT_EQ(store.NumSegments(), 1u);
  EXPECT_EQ(store.NumKeys(), 2u);
  EXPECT_EQ(ValueOf(store, "a"), u"one");
  EXPECT_EQ(ValueOf(store, "b"), u"two");
}

TEST(pembraBinaryVersion2, SegmentLeftWithNothingLiveAddsNoIds) {
  // The second file counts one live entry; its one repeat uses it up, so the
  // segment is dropped, and its other key must not be left in the accelerator.
  FastArray store;
  ReadBody(store, Version2({{"a", u"1"}}));
  Version2Options options;
  options.liveCount = 1;
  EXPECT_EQ(ReadBody(store, Version2({{"a", u"one"}, {"z", u"zed"}}, options)), FastArray::ReadResult::kMerged);
  EXPECT_EQ(ValueOf(store, "a"), u"one");
  EXPECT_EQ(store.TotalIds(), 1u);
  EXPECT_EQ(store.FindId("z"), -1);
  EXPECT_EQ(store.Add("new", pembra_private::UnicodeRun(u"added")), 1);
  EXPECT_EQ(ValueOf(store, "new"), u"added");
  EXPECT_EQ(store.FindId("z"), -1);
}

TEST(pembraBinaryVersion2, IdBaseDecidesWhetherASecondFileJoins) {
  FastArray store;
  ReadBody(store, Version2({{"a", u"1"}, {"b", u"2"}}));

  Version2Options extending;
  extending.idBase = 2;  // the store's total ids: appended, ids run on
  EXPECT_EQ(ReadBody(store, Version2({{"c", u"3"}}, extending)), FastArray::ReadResult::kAdded);
  EXPECT_EQ(store.FindId("c"), 2);
  EXPECT_EQ(store.NumKeys(), 3u);

  Version2Options foreign;
  foreign.idBase = 7;
  EXPECT_EQ(ReadBody(store, Version2({{"d", u"4"}}, foreign)), FastArray::ReadResult::kRejectedIdBase);
  EXPECT_EQ(store.FindId("d"), -1);
  EXPECT_EQ(store.TotalIds(), 3u);

  // Through the dictionary a foreign file is not an error: it was not meant for this store.
  Dictionary dictionary;
  ReadInto(dictionary, Version2({{"a", u"1"}}));
  ReadInto(dictionary, Version2({{"d", u"4"}}, foreign));
  EXPECT_TRUE(dictionary.IsValid());
  EXPECT_EQ(dictionary.NumKeys(), 1);
}

TEST(pembraBinaryVersion2, SegmentWithNoLiveEntriesAddsNothing) {
  Version2Options options;
  options.liveCount = 0;
  Dictionary dictionary;
  ReadInto(dictionary, Version2(kSample, options));
  EXPECT_TRUE(dictionary.IsValid());
  EXPECT_EQ(dictionary.NumKeys(), 0);
  EXPECT_EQ(TextOf(dictionary, "/app/Title"), std::nullopt);

  // Entries read before stay in the store that holds them.
  ReadInto(dictionary, "/text=kept\n");
  ReadInto(dictionary, Version2(kSample, options));
  EXPECT_EQ(dictionary.Kind(), Dictionary::kHashTableStore);
  EXPECT_EQ(TextOf(dictionary, "/text"), u"kept");
}

TEST(pembraBinaryVersion2, ValuesOnlyFileCountsEntriesNoKeyReaches) {
  Version2Options options;
  options.keys = false;
  FastArray store;
  EXPECT_EQ(ReadBody(store, Version2(kSample, options)), FastArray::ReadResult::kAdded);
  EXPECT_EQ(store.NumKeys(), kSample.size());
  for (const Entry& entry : kSample) EXPECT_EQ(store.FindId(entry.key), -1) << entry.key;
  EXPECT_EQ(std::u16string(store.GetValue(0).view()), u"Glimmet");
  EXPECT_TRUE(store.GetValue(static_cast<std::int64_t>(kSample.size())).empty());
}

TEST(pembraBinaryVersion2, TextEntriesAfterAFileGoToTheStore) {
  Dictionary dictionary;
  ReadInto(dictionary, Version2({{"/a", u"file"}}));
  ReadInto(dictionary, "/a=replaced\n/b=added\n");
  EXPECT_EQ(TextOf(dictionary, "/a"), u"replaced");
  EXPECT_EQ(TextOf(dictionary, "/b"), u"added");
  EXPECT_EQ(dictionary.NumKeys(), 2);

  // A file that extends the store lands after the added entries; entries added
  // after it must get ids of their own, not ids inside that file's range.
  Version2Options extending;
  extending.idBase = 2;
  ReadInto(dictionary, Version2({{"/c", u"second file"}, {"/d", u"too"}}, extending));
  ReadInto(dictionary, "/e=added later\n");
  EXPECT_TRUE(dictionary.IsValid());
  EXPECT_EQ(TextOf(dictionary, "/c"), u"second file");
  EXPECT_EQ(TextOf(dictionary, "/d"), u"too");
  EXPECT_EQ(TextOf(dictionary, "/e"), u"added later");
  EXPECT_EQ(dictionary.NumKeys(), 5);
}

TEST(pembraBinaryVersion2, ManyAddedEntriesSpanSeveralSegments) {
  FastArray store;
  for (int i = 0; i < 250; ++i) {
    const std::string key = "/k" + std::to_string(i);
    EXPECT_EQ(store.Add(key, pembra_private::UnicodeRun(std::u16string(1, u'a' + i % 26))), i);
  }
  EXPECT_EQ(store.NumSegments(), 3u);
  for (int i = 0; i < 250; ++i) EXPECT_EQ(ValueOf(store, "/k" + std::to_string(i)), std::u16string(1, u'a' + i % 26));
}

}  // namespace
