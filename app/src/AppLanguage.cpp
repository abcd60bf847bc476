// The application object's preferences and the choice of the user-interface language.
#include <algorithm>
#include <system_error>

#include "App.h"
#include "os/PreferredLanguages.h"
#include "zelcore/FileUtils.h"
#include "zelcore/Files.h"

namespace fennick {

namespace {

const char kCurrentLocaleKey[] = "current_locale";
const char kDefaultLocaleKey[] = "default_locale";
const char kFallbackLocale[] = "en_US";
const char16_t kAppPrefsFileName[] = u"AppPrefs.xml";
// How many of the system's preferred languages are consulted.
constexpr size_t kPreferredLanguagesConsulted = 2;

// The folder where an installer leaves "<locale>.dat" to name the language of the first run:
// the common files folder from its "/Library/Application Support" on (the whole folder when its
// path holds none), then company, application and "1.0".
zelcore::Dir LocaleFileFolder(const zelcore::UTF16String& company, const zelcore::UTF16String& application) {
  const std::string common = zelcore::UTF16to8(zelcore::Dir::CommonFilesDir().FullPath());
  if (common.empty()) return {};
  const size_t at = common.find("/Library/Application Support");
  const zelcore::Dir base{std::filesystem::path(at == std::string::npos ? common : common.substr(at))};
  return zelcore::Dir(zelcore::Dir(zelcore::Dir(base, company), application), u"1.0");
}

}  // namespace

void App::MigratePreferences() {
  const zelcore::Dir preferences = zelcore::Dir::PreferencesDir();
  const zelcore::File target(preferences, kAppPrefsFileName);
  if (preferences.IsEmpty() || target.Exists()) return;
  const zelcore::Dir earlier(zelcore::Dir(preferences.Parent().Parent(), u"Veyra"), u"1.0");
  const zelcore::File source(earlier, kAppPrefsFileName);
  if (!source.Exists()) return;
  // On a first run the preferences folder may not be there yet.
  std::error_code ec;
  std::filesystem::create_directories(preferences.Path(), ec);
  // A failed copy leaves this application without earlier preferences; nothing more to do.
  zelcore::FileUtils::Copy(source, target);
}

void App::ChooseUILanguage() {
  mSupportedLocales.clear();
  for (const auto& entry : mLanguageMap) mSupportedLocales.push_back(entry.first);
  UpdateSupportLocales();
  if (!mUILanguage.empty()) return;

  zelcore::UTF8String code;
  if (!CheckIsFirstTimeRun() && GetCurrentLocale(code) && !code.empty()) SetRunningLocale(code);
  if (!mUILanguage.empty()) return;

  GetLocaleToRun(code);
  if (!CheckLocaleValid(code)) GetDefaultLocale(code);
  SetRunningLocale(code);
}

bool App::CheckIsFirstTimeRun() {
  zelcore::UTF8String value;
  if (mPreferences.GetStringValue(kCurrentLocaleKey, value)) {
    mUILanguage = zelcore::UTF8to16(value);
    return false;
  }
  return !(mPreferences.GetStringValue(kDefaultLocaleKey, value) && !value.empty());
}

void App::UpdateSupportLocales() {
  mInstalledLocales.clear();
  const zelcore::Dir resources(zelcore::Dir::AppDir(), u"Resources");
  for (const zelcore::UTF16String& locale : mSupportedLocales) {
    const zelcore::File dictionary(zelcore::Dir(zelcore::Dir(resources, locale), u"quillet"), u"veyra_dictionary.dat");
    if (dictionary.Exists()) mInstalledLocales.push_back(locale);
  }
}

void App::GetDefaultLocale(zelcore::UTF8String& code) const {
  code = kFallbackLocale;

  const zelcore::Dir localeFiles = LocaleFileFolder(GetAppCompany(), GetAppName());
  for (const zelcore::UTF16String& locale : mInstalledLocales) {
    if (zelcore::File(localeFiles, locale + u".dat").Exists()) {
      code = zelcore::UTF16to8(locale);
      return;
    }
  }

  const std::vector<std::string> languages = os::CFLocaleCopyPreferredLanguages();
  const size_t consulted = std::min(languages.size(), kPreferredLanguagesConsulted);
  for (size_t i = 0; i < consulted; ++i) {
    // "de-DE" names the locale "de_DE"; an empty code names no language.
    std::string language = languages[i];
    std::replace(language.begin(), language.end(), '-', '_');
    if (language.empty()) continue;
    for (const zelcore::UTF16String& locale : mInstalledLocales) {
      const std::string installed = zelcore::UTF16to8(locale);
      if (installed.compare(0, language.size(), language) == 0) {
        code = installed;
        return;
      }
    }
  }
}

void App::GetLocaleToRun(zelcore::UTF8String& code) {
  if (!mPreferences.GetStringValue(kDefaultLocaleKey, code) || code.empty()) {
    GetDefaultLocale(code);
    mPreferences.SetStringValue(kDefaultLocaleKey, code);
  }
  mPreferences.SetStringValue(kCurrentLocaleKey, code);
}

bool App::CheckLocaleValid(const zelcore::UTF8String& code) const {
  return std::any_of(mInstalledLocales.begin(), mInstalledLocales.end(),
                     [&](const zelcore::UTF16String& locale) { return zelcore::UTF16to8(locale) == code; });
}

bool App::SetRunningLocale(const zelcore::UTF8String& code) {
  App* app = GetFennickApp();
  if (app == nullptr || code.empty()) return false;
  app->mUILanguage = zelcore::UTF8to16(code);
  return true;
}

bool App::GetCurrentLocale(zelcore::UTF8String& code) {
  App* app = GetFennickApp();
  return app != nullptr && app->mPreferences.GetStringValue(kCurrentLocaleKey, code);
}

bool App::SetCurrentLocale(const zelcore::UTF8String& code) {
  App* app = GetFennickApp();
  if (app == nullptr || code.empty()) return false;
  app->mPreferences.SetStringValue(kCurrentLocaleKey, code);
  return true;
}

}  // namespace fennick
