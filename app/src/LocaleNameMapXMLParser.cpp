#include "LocaleNameMapXMLParser.h"

#include <sstream>
#include <thread>

#include "zelcore/Trace.h"
#include "zelcore/xml/DocParserFactory.h"

namespace fennick {

const zelcore::UTF16String sLangMapFileName = u"LangMapping.xml";

namespace {

zelcore::UTF16String Trim(const zelcore::UTF16String& text) {
  const char16_t* blanks = u" \t\n\r";
  const auto first = text.find_first_not_of(blanks);
  if (first == zelcore::UTF16String::npos) return {};
  const auto last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

class LocaleMapParseHandler : public zelcore::xml::AbstractParseHandler {
 public:
  explicit LocaleMapParseHandler(LanguageMap* map) : mMap(map) {}

  void StartElement(const zelcore::UTF16String& name, const zelcore::xml::AttributeMap& attributes) override {
    if (name == u"locale") {
      const auto it = attributes.find(u"langcode");
      const zelcore::UTF16String code = it == attributes.end() ? zelcore::UTF16String() : Trim(it->second);
      if (!code.empty()) mCode = code;
    } else if (name == u"locale.list") {
      mPending.clear();
    }
  }

  void Characters(const zelcore::UTF16String& text) override {
    if (!mCode.empty()) mText += text;
  }

  void EndElement(const zelcore::UTF16String& name) override {
    if (name == u"locale") {
      mText = Trim(mText);
      if (!mText.empty() && !mCode.empty()) {
        mPending.emplace(mCode, mText);  // the first name for a code stays
        mCode.clear();
        mText.clear();
      }
    } else if (name == u"locale.list") {
      if (mMap != nullptr) mMap->insert(mPending.begin(), mPending.end());  // entries already there stay
      mPending.clear();
    }
  }

  void EndDocument() override {}

 private:
  zelcore::UTF16String mCode;
  zelcore::UTF16String mText;
  LanguageMap* mMap;
  LanguageMap mPending;
};

void TraceParseResult(bool failed) {
  const char* const kCategory = "LocaleNameMapXMLParser";
  if (!zelcore::trace::IsEnabled(kCategory, 1)) return;
  std::ostringstream line;
  line << "<" << std::this_thread::get_id() << "> <" << kCategory << "> <" << 1 << "> "
       << (failed ? "ERROR: XML Lang mapping file parse error." : "Info: Lang Map XML file parse success.") << "\n";
  zelcore::trace::Write(line.str());
}

}  // namespace

LocaleNameMapXMLParser::LocaleNameMapXMLParser(const zelcore::UTF16String& path, LanguageMap* map) {
  auto parser = zelcore::xml::GetParser(std::make_unique<LocaleMapParseHandler>(map));
  const bool failed = parser == nullptr || parser->ParseDocument(path) != 0;
  TraceParseResult(failed);
}

zelcore::UTF16String LocaleNameMapXMLParser::GetLangNameByLocale(const zelcore::UTF16String& code,
                                                                const LanguageMap& map) {
  const auto it = map.find(code);
  return it == map.end() ? zelcore::UTF16String() : it->second;
}

zelcore::UTF16String LocaleNameMapXMLParser::GetLocaleCodeByLang(const zelcore::UTF16String& name,
                                                                const LanguageMap& map) {
  zelcore::UTF16String code;
  for (const auto& [entryCode, entryName] : map)
    if (entryName == name) code = entryCode;
  return code;
}

}  // namespace fennick
