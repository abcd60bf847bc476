// The language dialog: its contents, the scripted answers, and the choice it stores.
#include <gtest/gtest.h>

#include "HostRun.h"
#include "LanguageChange.h"
#include "LanguageTestSupport.h"
#include "arx/testing.h"
#include "os/testing.h"
#include "zelcore/Locale.h"
#include "zelcore/Localizer.h"
#include "zelui/testing.h"
#include "zelworkspace/Workspace.h"

using namespace glimmet::testing;
using zelui::testing::DialogAnswer;

namespace {

struct LanguageDialogFixture : ::testing::Test {
  void SetUp() override {
    bundle.WriteBootstrap("");
    WriteLanguageMap(bundle, {"de_DE", "en_US", "fr_FR"});
    InstallDictionaries(bundle, {"de_DE", "en_US"});
    std::filesystem::copy_file(std::filesystem::path(GLIMMET_SOURCE_RESOURCES) / "SelectLocaleDlog.xml",
                               bundle.Resources() / "SelectLocaleDlog.xml");
    os::testing::SetPreferredLanguages({"en"});
  }
  static DialogAnswer Choose(const char16_t* language) { return DialogAnswer{true, {{u"LocalePopup", language}}}; }

  TempBundle bundle;
};

}  // namespace

TEST_F(LanguageDialogFixture, ShowsTheInstalledLanguagesAndStoresTheChoiceForThisRun) {
  {
    HostRun run;
    ASSERT_TRUE(run.Start());
    ASSERT_EQ(run.App().GetUILanguage(), u"en_US");

    zelui::testing::QueueDialogAnswer(Choose(u"Deutsch"));
    EXPECT_TRUE(fennick::ChangeLanguage());

    ASSERT_EQ(zelui::testing::ModalDialogs().size(), 1u);
    const auto& shown = zelui::testing::ModalDialogs()[0];
    EXPECT_EQ(shown.resourceName, u"SelectLocaleDlog");
    EXPECT_EQ(shown.title, u"Change Language");
    EXPECT_EQ(shown.parent, run.App().GetWorkspace()->GetMainTopLevelWindow());
    EXPECT_EQ(shown.supplier, run.App().GetWorkspace()->GetDrawSupplier());
    EXPECT_EQ(shown.okButton, u"ok_btn");
    EXPECT_EQ(shown.cancelButton, u"cancel_btn");
    // The buttons traded places: OK stands where the resource put Cancel.
    const zelui::ui::RectF resourceOK{160, 84, 84, 24}, resourceCancel{256, 84, 84, 24};
    EXPECT_EQ(shown.rects.at(u"ok_btn"), resourceCancel);
    EXPECT_EQ(shown.rects.at(u"cancel_btn"), resourceOK);
    // French is mapped but has no dictionary.
    EXPECT_EQ(shown.popupItems.at(u"LocalePopup"), (std::vector<zelcore::UTF16String>{u"Deutsch", u"English"}));
    EXPECT_EQ(shown.popupValues.at(u"LocalePopup"), u"English");

    // The running language stays; the choice is stored at once.
    EXPECT_EQ(run.App().GetUILanguage(), u"en_US");
    EXPECT_EQ(zelcore::Locale::ApplicationLangauge(), u"en_US");
    std::string current;
    EXPECT_TRUE(fennick::App::GetCurrentLocale(current));
    EXPECT_EQ(current, "de_DE");
    EXPECT_EQ(fennick::GetCurrentLocalePreference(), "de_DE");

    // The dialog now shows the stored choice.
    EXPECT_FALSE(fennick::ChangeLanguage());
    EXPECT_EQ(zelui::testing::ModalDialogs().back().popupValues.at(u"LocalePopup"), u"Deutsch");
  }
  EXPECT_FALSE(std::filesystem::exists(bundle.PreferencesDir() / "AppPrefs.xml")) << "kept in memory only";

  // The preferences start empty at the next start: the language is chosen afresh.
  HostRun second;
  ASSERT_TRUE(second.Start());
  EXPECT_EQ(second.App().GetUILanguage(), u"en_US");
  EXPECT_EQ(fennick::GetCurrentLocalePreference(), "en_US");
}

TEST_F(LanguageDialogFixture, AnswersThatStoreNothing) {
  HostRun run;
  ASSERT_TRUE(run.Start());
  struct Row {
    const char* name;
    bool queued;
    DialogAnswer answer;
    zelui::ui::ModalResult result;
  };
  const Row rows[] = {
      {"no answer queued: cancelled", false, {}, zelui::ui::kModalCancel},
      {"cancel after choosing", true, DialogAnswer{false, {{u"LocalePopup", u"Deutsch"}}}, zelui::ui::kModalCancel},
      {"OK on the current language", true, Choose(u"English"), zelui::ui::kModalOK},
      {"OK on a name the popup does not offer", true, Choose(u"Francais"), zelui::ui::kModalOK},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    if (row.queued) zelui::testing::QueueDialogAnswer(row.answer);
    EXPECT_FALSE(fennick::ChangeLanguage());
    EXPECT_EQ(zelui::testing::ModalDialogs().back().result, row.result);
    std::string current;
    fennick::App::GetCurrentLocale(current);
    EXPECT_EQ(current, "en_US");
  }
}

TEST_F(LanguageDialogFixture, WithoutTheDialogResourceNothingIsShown) {
  std::filesystem::remove(bundle.Resources() / "SelectLocaleDlog.xml");
  HostRun run;
  ASSERT_TRUE(run.Start());
  zelui::testing::QueueDialogAnswer(Choose(u"Deutsch"));
  EXPECT_FALSE(fennick::ChangeLanguage());
  EXPECT_TRUE(zelui::testing::ModalDialogs().empty());
  // A dialog without its buttons can only be cancelled.
  arx::testing::SetResource(u"SelectLocaleDlog", u"xml",
                            "<dialog><control name='LocalePopup' class='popup' rect='0 0 10 10'/></dialog>");
  EXPECT_FALSE(fennick::ChangeLanguage());
  ASSERT_EQ(zelui::testing::ModalDialogs().size(), 1u);
  EXPECT_EQ(zelui::testing::ModalDialogs()[0].result, zelui::ui::kModalCancel);
}
