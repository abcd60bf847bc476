#pragma once
// The language map "LangMapping.xml": locale codes and the names the language dialog shows.
#include <map>

#include "zelcore/Strings.h"

namespace fennick {

using LanguageMap = std::map<zelcore::UTF16String, zelcore::UTF16String>;

extern const zelcore::UTF16String sLangMapFileName;

class LocaleNameMapXMLParser {
 public:
  // Parses the file into the map; entries already in the map are kept.
  LocaleNameMapXMLParser(const zelcore::UTF16String& path, LanguageMap* map);

  static zelcore::UTF16String GetLangNameByLocale(const zelcore::UTF16String& code, const LanguageMap& map);
  // The greatest code whose name is the given one; empty when none.
  static zelcore::UTF16String GetLocaleCodeByLang(const zelcore::UTF16String& name, const LanguageMap& map);
};

}  // namespace fennick
