#include <gtest/gtest.h>

#include <string>

#include "DictionaryFixtures.h"
#include "KeyHash.h"

namespace {

using pembra_private::HashFunc;

TEST(pembraKeyHash, BucketsOfKnownKeys) {
  // Expected buckets worked out by hand from the sampling rule.
  const struct {
    std::string key;
    unsigned bucket;
  } cases[] = {
      {"", 0},
      {"a", 97},
      {"ab", 139},
      {"abc", 463},
      {"abcd", 622},
      {"abcde", 606},
      {"123456789", 748},  // 9 bytes: every byte
      {"0123456789", 25},  // 10 bytes: positions 0, 2, 4, 6, 8
      {"/zelcore/utility/Error/InvalidTypeConversion", 38},
      {"\xFF\xFE", 246},  // bytes are unsigned
  };
  for (const auto& c : cases) EXPECT_EQ(HashFunc(c.key), c.bucket) << '"' << c.key << '"';
}

TEST(pembraKeyHash, LongKeysHashOnlySampledBytes) {
  EXPECT_EQ(HashFunc("0123456789"), HashFunc("0x2x4x6x8x"));
  EXPECT_NE(HashFunc("012345678"), HashFunc("0x2x4x6x8"));
}

TEST(pembraKeyHash, AgreesWithTheFixtureWriters) {
  for (const auto& entry : fixtures::ManyEntries(200)) {
    EXPECT_EQ(HashFunc(entry.key), fixtures::BucketOf(entry.key)) << entry.key;
  }
}

}  // namespace
