// The core framework stand-in's folder values.
#include <gtest/gtest.h>

#include "zelcore/Files.h"

namespace {
std::string Path(const zelcore::Dir& dir) { return zelcore::UTF16to8(dir.FullPath()); }
}  // namespace

TEST(Folders, JoiningOntoAnUnsetFolderStaysUnset) {
  const zelcore::Dir unset;
  EXPECT_TRUE(zelcore::Dir(unset, u"bootstrap.lua").FullPath().empty());
  EXPECT_TRUE(zelcore::File(unset, u"bootstrap.lua").FullPath().empty());
  EXPECT_FALSE(zelcore::File(unset, u"").Exists());
  EXPECT_EQ(zelcore::UTF16to8(zelcore::File(zelcore::Dir("/a/b/"), u"").FullPath()), "/a/b/");
  EXPECT_EQ(Path(zelcore::Dir(zelcore::Dir("/a"), u"b")), "/a/b");
}
