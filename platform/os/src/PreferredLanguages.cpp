#include "os/PreferredLanguages.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

#include "os/testing.h"

namespace os {

namespace {

std::optional<std::vector<std::string>>& ScriptedLanguages() {
  static std::optional<std::vector<std::string>> languages;
  return languages;
}

// "de_DE.UTF-8@euro" names the language "de_DE"; "C" and "POSIX" name none.
std::string LanguageOfLocaleName(const std::string& name) {
  const std::string language = name.substr(0, name.find_first_of(".@"));
  return language == "C" || language == "POSIX" ? std::string() : language;
}

void AppendLanguages(const std::string& list, std::vector<std::string>& languages) {
  size_t start = 0;
  while (start <= list.size()) {
    const size_t end = std::min(list.find(':', start), list.size());
    const std::string language = LanguageOfLocaleName(list.substr(start, end - start));
    if (!language.empty()) languages.push_back(language);
    start = end + 1;
  }
}

const char* Setting(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

}  // namespace

std::vector<std::string> CFLocaleCopyPreferredLanguages() {
  if (ScriptedLanguages()) return *ScriptedLanguages();
  std::vector<std::string> languages;
  // LANGUAGE is a list in order of preference; the others name one locale, LC_ALL first.
  if (const char* list = Setting("LANGUAGE")) AppendLanguages(list, languages);
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    if (const char* value = Setting(name)) {
      const std::string language = LanguageOfLocaleName(value);
      if (!language.empty()) languages.push_back(language);
      break;
    }
  }
  return languages;
}

namespace testing {

void SetPreferredLanguages(std::vector<std::string> languages) { ScriptedLanguages() = std::move(languages); }
void ResetPreferredLanguages() { ScriptedLanguages().reset(); }

}  // namespace testing

}  // namespace os
