#include "LanguageTestSupport.h"

#include <fstream>
#include <sstream>

#include "PreferencesFile.h"
#include "zelcore/xml/DocParserFactory.h"
#include "zelxml/LibXML2ParserFactory.h"

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

void WritePreferences(const std::filesystem::path& folder, const std::map<std::string, std::string>& values) {
  zelcore::proplist::PropList list;
  for (const auto& [key, value] : values) list.SetStringValue(key, value);
  std::filesystem::create_directories(folder);
  fennick::WritePreferencesFile(zelcore::File(folder / "AppPrefs.xml"), list);
}

std::map<std::string, std::string> ReadPreferences(const std::filesystem::path& folder) {
  zelcore::xml::SetParserFactory(std::make_unique<zelcore::xml::LibXML2ParserFactory>());
  zelcore::proplist::PropList list;
  fennick::ReadPreferencesFile(zelcore::File(folder / "AppPrefs.xml"), list);
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
