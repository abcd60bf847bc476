#include "LanguageTestSupport.h"

#include <fstream>
#include <sstream>


namespace glimmet::testing {

std::string DisplayName(const std::string& code) {
  static const std::map<std::string, std::string> names = {
      {"de_DE", "Deutsch"}, {"en_US", "English"}, {"fr_FR", "Francais"}, {"en_GB", "British"}};
  const auto it = names.find(code);
  return it == names.end() ? code : it->second;
}

void WriteLanguageMap(const TempBundle& bundle, const std::vector<std::string>& codes) {
  std::string xml = "<?xml version='1.0' encoding='UTF-8'?>\n<locale.list>\n";
  for (const std::string& code : codes) xml += "  <locale langcode='" + code + "'>" + DisplayName(code) + "</locale>\n";
  bundle.WriteFile(bundle.Resources() / "LangMapping.xml", xml + "</locale.list>\n");
}

void InstallDictionaries(const TempBundle& bundle, const std::vector<std::string>& codes) {
  for (const std::string& code : codes)
    bundle.WriteFile(bundle.Resources() / code / "quillet" / "veyra_dictionary.dat", "/lang/name=" + code + " dictionary\n");
}

std::map<std::string, std::string> Preferences(const fennick::App& app) {
  const zelcore::proplist::PropList& list = app.GetPreferences();
  std::map<std::string, std::string> values;
  for (const std::string& key : list.GetPropertyNames()) list.GetStringValue(key, values[key]);
  return values;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace glimmet::testing
