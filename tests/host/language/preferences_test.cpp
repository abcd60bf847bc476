// "AppPrefs.xml": copied once from the earlier product, and otherwise left to the component it
// belongs to.
#include <gtest/gtest.h>

#include "App.h"
#include "HostRun.h"
#include "LanguageChange.h"
#include "LanguageTestSupport.h"
#include "zelui/testing.h"

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

TEST(PreferencesMigration, TheCopyIsLeftAsItWasAndNotRead) {
  for (const bool own : {false, true}) {
    SCOPED_TRACE(own ? "own file" : "no own file");
    TempBundle bundle;
    bundle.WriteBootstrap("");
    WriteLanguageMap(bundle, {"de_DE", "en_US"});
    InstallDictionaries(bundle, {"de_DE", "en_US"});
    std::filesystem::copy_file(std::filesystem::path(GLIMMET_SOURCE_RESOURCES) / "SelectLocaleDlog.xml",
                               bundle.Resources() / "SelectLocaleDlog.xml");
    bundle.WriteFile(bundle.EarlierPreferencesDir() / "AppPrefs.xml", kEarlier);
    if (own) bundle.WriteFile(bundle.PreferencesDir() / "AppPrefs.xml", kOwn);
    HostRun run;
    ASSERT_TRUE(run.Start());
    // The earlier product's choice, de_DE, is not read: the language is chosen afresh.
    EXPECT_EQ(run.App().GetUILanguage(), u"en_US");
    // The dialog shows the language that runs; the choice made there stays in memory.
    zelui::testing::QueueDialogAnswer(zelui::testing::DialogAnswer{true, {{u"LocalePopup", u"Deutsch"}}});
    EXPECT_TRUE(fennick::ChangeLanguage());
    EXPECT_EQ(zelui::testing::ModalDialogs().back().popupValues.at(u"LocalePopup"), u"English");
    run.Stop();
    EXPECT_EQ(ReadFile(bundle.PreferencesDir() / "AppPrefs.xml"), own ? kOwn : kEarlier);
  }
}
