// The running language chosen at start-up from the installed dictionaries, the locale files an
// installer left and the system's preferred languages; the preferences start empty every time.
#include <gtest/gtest.h>

#include "HostRun.h"
#include "LanguageTestSupport.h"
#include "os/testing.h"
#include "zelcore/Locale.h"
#include "zelcore/Localizer.h"
#include "zelcore/testing.h"

using namespace glimmet::testing;

namespace {

using Codes = std::vector<std::string>;
using Prefs = std::map<std::string, std::string>;

struct Row {
  const char* name;
  Codes mapped;      // codes in the language map
  Codes installed;   // codes with a dictionary
  Codes localeFiles; // "<code>.dat" files in the installer's locale folder
  Codes preferred;   // the system's preferred languages
  std::string running;  // the running language, which the start stores as the default and the choice
  // The common files folder, inside the temporary folder; the locale folder is under it.
  const char* commonFiles = "Common Files";
};

const Codes kBoth = {"de_DE", "en_US"};

}  // namespace

TEST(LanguageChoice, Table) {
  const Row rows[] = {
      {"first run: the first preferred language with a dictionary", kBoth, kBoth, {}, {"fr", "de"}, "de_DE"},
      {"preferred languages beyond the second are not consulted", kBoth, kBoth, {}, {"fr", "it", "de"}, "en_US"},
      {"a mapped locale without dictionary is not chosen", {"de_DE", "en_US", "fr_FR"}, kBoth, {}, {"fr", "de"},
       "de_DE"},
      {"a locale file makes its locale the default", kBoth, kBoth, {"en_US"}, {"de"}, "en_US"},
      {"a locale file of a locale without dictionary is ignored", {"de_DE", "en_US", "fr_FR"}, kBoth, {"fr_FR"}, {"fr"},
       "en_US"},
      {"several locale files: the first installed locale", kBoth, kBoth, {"en_US", "de_DE"}, {}, "de_DE"},
      {"the locale folder counts from /Library/Application Support on", kBoth, kBoth, {"en_US"}, {"de"}, "de_DE",
       "Library/Application Support/Common Files"},
      {"a language code matches the locales it begins", {"en_GB", "en_US"}, {"en_GB", "en_US"}, {}, {"en"}, "en_GB"},
      {"a language with region written with a hyphen", kBoth, kBoth, {}, {"de-DE"}, "de_DE"},
      {"an empty preferred language matches nothing", kBoth, kBoth, {}, {"", "de"}, "de_DE"},
      {"nothing matches: en_US", kBoth, kBoth, {}, {"ja"}, "en_US"},
      {"nothing matches and en_US is not installed: still en_US", {"de_DE"}, {"de_DE"}, {}, {}, "en_US"},
      {"no language map: en_US", {}, kBoth, {}, {"de"}, "en_US"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    TempBundle bundle;
    bundle.WriteBootstrap("");
    if (!row.mapped.empty()) WriteLanguageMap(bundle, row.mapped);
    InstallDictionaries(bundle, row.installed);
    const std::filesystem::path common = bundle.CommonFilesDir().parent_path() / row.commonFiles;
    zelcore::testing::SetCommonFilesDir(common);
    for (const std::string& code : row.localeFiles)
      bundle.WriteFile(common / "Quorvin" / "Glimmet" / "1.0" / (code + ".dat"), "");
    os::testing::SetPreferredLanguages(row.preferred);

    HostRun run;
    ASSERT_TRUE(run.Start());
    EXPECT_EQ(zelcore::UTF16to8(run.App().GetUILanguage()), row.running);
    EXPECT_EQ(zelcore::UTF16to8(zelcore::Locale::ApplicationLangauge()), row.running);
    EXPECT_EQ(Preferences(run.App()), (Prefs{{"default_locale", row.running}, {"current_locale", row.running}}));
    std::string current;
    EXPECT_TRUE(fennick::App::GetCurrentLocale(current));
    EXPECT_EQ(current, row.running);
  }
}

TEST(LanguageChoice, TheRunningLanguagesDictionaryIsLoaded) {
  TempBundle bundle;
  bundle.WriteBootstrap("");
  WriteLanguageMap(bundle, kBoth);
  InstallDictionaries(bundle, kBoth);
  os::testing::SetPreferredLanguages({"de"});
  HostRun run;
  ASSERT_TRUE(run.Start());
  EXPECT_EQ(zelcore::UTF16to8(zelcore::config::Localizer::Get()->GetLocalizedString("$$$/lang/name=none")),
            "de_DE dictionary");
  EXPECT_EQ(run.App().GetInstalledLocales(), (std::vector<zelcore::UTF16String>{u"de_DE", u"en_US"}));
}
