// "AppPrefs.xml": the migration from the earlier product, and the file's reading and writing.
#include <gtest/gtest.h>

#include "App.h"
#include "HostRun.h"
#include "LanguageTestSupport.h"
#include "PreferencesFile.h"
#include "zelcore/xml/DocParserFactory.h"
#include "zelxml/LibXML2ParserFactory.h"

using namespace glimmet::testing;

namespace {

const char kEarlier[] = "<preferences><string key='current_locale'>de_DE</string></preferences>";
const char kOwn[] = "<preferences><string key='current_locale'>en_US</string></preferences>";

}  // namespace

TEST(PreferencesMigration, CopiesOnceAndNeverOverwrites) {
  struct Row {
    const char* name;
    bool earlier, own, preferencesFolder;
    const char* expected;  // the own file afterwards; null when there is none
  };
  const Row rows[] = {
      {"copied from the earlier product", true, false, true, kEarlier},
      {"copied into a preferences folder not made yet", true, false, false, kEarlier},
      {"an existing file is never overwritten", true, true, true, kOwn},
      {"no earlier file: nothing", false, false, true, nullptr},
      {"no earlier file, own file kept", false, true, true, kOwn},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempBundle bundle;
    if (row.earlier) bundle.WriteFile(bundle.EarlierPreferencesDir() / "AppPrefs.xml", kEarlier);
    if (row.own) bundle.WriteFile(bundle.PreferencesDir() / "AppPrefs.xml", kOwn);
    if (row.preferencesFolder) std::filesystem::create_directories(bundle.PreferencesDir());
    fennick::App app;
    app.MigratePreferences();
    const auto target = bundle.PreferencesDir() / "AppPrefs.xml";
    EXPECT_EQ(std::filesystem::exists(target), row.expected != nullptr);
    if (row.expected) {
      EXPECT_EQ(ReadFile(target), row.expected);
    }
    // Once copied, the earlier file is not read again.
    if (row.earlier) bundle.WriteFile(bundle.EarlierPreferencesDir() / "AppPrefs.xml", "changed");
    app.MigratePreferences();
    if (row.expected) {
      EXPECT_EQ(ReadFile(target), row.expected);
    }
  }
}

TEST(PreferencesMigration, TheMigratedChoiceRunsAndTheOwnFileIsLeftAsItWas) {
  for (const bool own : {false, true}) {
    SCOPED_TRACE(own ? "own file" : "no own file");
    TempBundle bundle;
    bundle.WriteBootstrap("");
    WriteLanguageMap(bundle, {"de_DE", "en_US"});
    InstallDictionaries(bundle, {"de_DE", "en_US"});
    bundle.WriteFile(bundle.EarlierPreferencesDir() / "AppPrefs.xml", kEarlier);
    if (own) bundle.WriteFile(bundle.PreferencesDir() / "AppPrefs.xml", kOwn);
    HostRun run;
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(run.App().GetUILanguage(), own ? u"en_US" : u"de_DE");
    // A stored, installed choice is run without storing anything.
    EXPECT_EQ(ReadFile(bundle.PreferencesDir() / "AppPrefs.xml"), own ? kOwn : kEarlier);
  }
}

namespace {

struct PreferencesFileFixture : ::testing::Test {
  void SetUp() override { zelcore::xml::SetParserFactory(std::make_unique<zelcore::xml::LibXML2ParserFactory>()); }
  zelcore::File File() const { return zelcore::File(bundle.PreferencesDir() / "AppPrefs.xml"); }
  TempBundle bundle;
};

}  // namespace

TEST_F(PreferencesFileFixture, WhatIsWrittenReadsBackTheSame) {
  zelcore::proplist::PropList written;
  const std::string awkward = "a & b <c> \"d\" 'e'\n\tline\r\ncaf\xC3\xA9 \xE2\x98\xBA  ";
  written.SetStringValue("current_locale", "de_DE");
  written.SetStringValue(awkward, awkward);
  written.SetStringValue("empty", "");
  written.SetFloatValue("width", 640.25f);
  zelcore::proplist::PropList* window = written.NewSubList("window");
  window->SetStringValue("title", "Main");
  window->NewSubList("inner")->SetFloatValue("x", -1.5f);
  ASSERT_TRUE(fennick::WritePreferencesFile(File(), written));

  zelcore::proplist::PropList read;
  read.SetStringValue("stale", "gone after the read");
  ASSERT_TRUE(fennick::ReadPreferencesFile(File(), read));
  EXPECT_EQ(read.GetPropertyNames(), written.GetPropertyNames());
  std::string text;
  EXPECT_TRUE(read.GetStringValue(awkward, text));
  EXPECT_EQ(text, awkward);
  EXPECT_TRUE(read.GetStringValue("empty", text));
  EXPECT_EQ(text, "");
  float number = 0;
  EXPECT_TRUE(read.GetFloatValue("width", number));
  EXPECT_EQ(number, 640.25f);
  ASSERT_NE(read.GetSubList("window"), nullptr);
  EXPECT_TRUE(read.GetSubList("window")->GetStringValue("title", text));
  EXPECT_EQ(text, "Main");
  ASSERT_NE(read.GetSubList("window")->GetSubList("inner"), nullptr);
  EXPECT_TRUE(read.GetSubList("window")->GetSubList("inner")->GetFloatValue("x", number));
  EXPECT_EQ(number, -1.5f);
  // Nothing is left beside the file.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(bundle.PreferencesDir()), {}), 1);
}

TEST_F(PreferencesFileFixture, MissingOrUnreadableFilesGiveAnEmptyList) {
  struct Row {
    const char* name;
    const char* content;  // null: no file
    bool read;
    std::vector<std::string> names;
  };
  const Row rows[] = {
      {"no file", nullptr, false, {}},
      {"not XML", "\x01\x02 binary", false, {}},
      {"cut off after a good entry", "<preferences><string key='a'>1</string><string key='b'>", false, {}},
      {"another root", "<settings><string key='a'>1</string></settings>", true, {}},
      {"unknown elements and entries without key are skipped",
       "<preferences><colour key='c'><string key='x'>1</string></colour><string>no key</string>"
       "<number key='n'>not a number</number><string key='a'>1</string></preferences>",
       true, {"a"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    std::filesystem::remove(File().Path());
    if (row.content) bundle.WriteFile(File().Path(), row.content);
    zelcore::proplist::PropList list;
    list.SetStringValue("stale", "x");
    EXPECT_EQ(fennick::ReadPreferencesFile(File(), list), row.read);
    EXPECT_EQ(list.GetPropertyNames(), row.names);
  }
}

TEST_F(PreferencesFileFixture, AnUnreadableFileStartsWithNoPreferences) {
  bundle.WriteBootstrap("");
  WriteLanguageMap(bundle, {"de_DE", "en_US"});
  InstallDictionaries(bundle, {"de_DE", "en_US"});
  bundle.WriteFile(File().Path(), "<preferences><string key='current_locale'>de_DE</string>");
  HostRun run;
  ASSERT_TRUE(run.Start());
  EXPECT_EQ(run.App().GetUILanguage(), u"en_US");
  // The first run's choice replaces the broken file.
  EXPECT_EQ(ReadPreferences(bundle.PreferencesDir())["current_locale"], "en_US");
}
