// The application's localiser over a temporary bundle, and the language map.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "HostRun.h"
#include "LocaleNameMapXMLParser.h"
#include "Localizer.h"
#include "TempBundle.h"
#include "os/TextEncoding.h"
#include "os/testing.h"
#include "zelcore/Locale.h"
#include "zelcore/testing.h"
#include "zelcore/xml/DocParserFactory.h"
#include "zelxml/LibXML2ParserFactory.h"

using namespace glimmet::testing;

namespace {

std::string Localized(const char* literal) {
  return zelcore::UTF16to8(zelcore::config::Localizer::Get()->GetLocalizedString(literal));
}

void WriteDictionary(const TempBundle& bundle, const char* locale, const std::string& text) {
  bundle.WriteFile(bundle.Resources() / locale / "quillet" / "veyra_dictionary.dat", text);
}

}  // namespace

TEST(Localizer, RunningLanguagesDictionaryThenDefaults) {
  TempBundle bundle;
  bundle.WriteBootstrap("");
  WriteDictionary(bundle, "en_US", "/A/B=Hello from the dictionary\n/Empty=\n");
  WriteDictionary(bundle, "de_DE", "/A/B=Hallo\n");
  bundle.WriteFile(bundle.Resources() / "LangMapping.xml",
                   "<locale.list><locale langcode='en_US'>English</locale><locale langcode='de_DE'>Deutsch</locale>"
                   "</locale.list>");
  os::testing::SetPreferredLanguages({"de"});
  HostRun run;
  ASSERT_TRUE(run.Start());
  ASSERT_EQ(zelcore::config::Localizer::Get(), run.App().GetLocalizer());
  struct Row {
    const char* literal;
    const char* text;
  };
  for (const Row& row : {
           Row{"$$$/A/B=Hello", "Hallo"},
           Row{"($$$/A/B=Hello)", "Hallo"},
           Row{"($$$/A/Missing=Default text)", "Default text"},
           Row{"($$$/A/NoDefault)", "($$$/A/NoDefault)"},
           Row{"plain text", "plain text"},
           Row{"$$$/A/Cafe=caf\xC3\xA9 \xE2\x98\xBA", "caf\xC3\xA9 \xE2\x98\xBA"},
       })
    EXPECT_EQ(Localized(row.literal), row.text) << row.literal;
}

TEST(Localizer, EmptyDictionaryTextFallsBackToTheDefault) {
  TempBundle bundle;
  bundle.WriteBootstrap("");
  WriteDictionary(bundle, "en_US", "/Empty=\n");
  HostRun run;
  ASSERT_TRUE(run.Start());
  EXPECT_EQ(Localized("$$$/Empty=Shown"), "Shown");
}

TEST(Localizer, NoDictionaryOrAnInvalidOneGivesDefaults) {
  TempBundle bundle;
  fennick::Localizer localizer;
  EXPECT_FALSE(localizer.LoadQuilletDictionary(zelcore::UTF8to16(bundle.Contents().string())));
  EXPECT_EQ(zelcore::UTF16to8(localizer.GetLocalizedString("$$$/A/B=Hello")), "Hello");

  // The file opens and holds the key, but a rejected line made it invalid: it is not consulted.
  bundle.WriteFile(bundle.Contents() / "rejected.dat", "/A/B=From the dictionary\n$$/bad=line\n");
  EXPECT_TRUE(localizer.LoadDictionary(zelcore::UTF8to16((bundle.Contents() / "rejected.dat").string())));
  EXPECT_EQ(zelcore::UTF16to8(localizer.GetLocalizedString("$$$/A/B=Hello")), "Hello");
  EXPECT_FALSE(localizer.LoadDictionary(u"/no/such/file.dat"));
}

TEST(Localizer, DictionaryThatCannotBeConvertedLeavesStartUpOnDefaults) {
  // 0x8E is no character of ASCII: the second line cannot be converted.
  os::SetApplicationTextEncoding("ANSI_X3.4-1968");
  TempBundle bundle;
  bundle.WriteBootstrap("");
  WriteDictionary(bundle, "en_US", "/A/B=From the dictionary\n/C=caf\x8E\n");
  {
    HostRun run;
    EXPECT_TRUE(run.Start());
    EXPECT_EQ(Localized("$$$/A/B=Hello"), "Hello");
  }
  os::SetApplicationTextEncoding(os::kMacRomanEncoding);
}

TEST(Localizer, DictionaryPathThatIsNoRegularFileIsPassedOver) {
  // A pipe without a writer would hold a plain open up for ever; a device would feed it without end.
  for (const char* kind : {"pipe", "device"}) {
    TempBundle bundle;
    bundle.WriteBootstrap("");
    WriteDictionary(bundle, "en_US", "");
    const std::filesystem::path path = bundle.Resources() / "en_US" / "quillet" / "veyra_dictionary.dat";
    std::filesystem::remove(path);
    if (std::string(kind) == "pipe") {
      ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    } else {
      std::filesystem::create_symlink("/dev/zero", path);
    }
    HostRun run;
    ASSERT_TRUE(run.Start()) << kind;
    EXPECT_EQ(run.Idle(1), 1) << kind;
    EXPECT_EQ(Localized("$$$/A/B=Hello"), "Hello") << kind;
    run.Stop();
  }
}

namespace {

struct LanguageMapFixture : ::testing::Test {
  void SetUp() override { zelcore::xml::SetParserFactory(std::make_unique<zelcore::xml::LibXML2ParserFactory>()); }

  fennick::LanguageMap Parse(const std::string& xml, fennick::LanguageMap map = {}) {
    bundle.WriteFile(bundle.Resources() / "LangMapping.xml", xml);
    fennick::LocaleNameMapXMLParser(zelcore::UTF8to16((bundle.Resources() / "LangMapping.xml").string()), &map);
    return map;
  }
  TempBundle bundle;
};

}  // namespace

TEST_F(LanguageMapFixture, Rules) {
  struct Row {
    const char* name;
    std::string xml;
    fennick::LanguageMap expected;
  };
  const Row rows[] = {
      {"codes and trimmed names",
       "<locale.list><locale langcode=' en_US '>\n English \n</locale><locale langcode='fr_FR'>Fran\xC3\xA7" "ais</locale></locale.list>",
       {{u"en_US", u"English"}, {u"fr_FR", u"Fran\u00E7ais"}}},
      {"the first name of a code stays",
       "<locale.list><locale langcode='de_DE'>Deutsch</locale><locale langcode='de_DE'>German</locale></locale.list>",
       {{u"de_DE", u"Deutsch"}}},
      {"a blank code keeps the code of an element that stored nothing",
       "<locale.list><locale langcode='it_IT'></locale><locale langcode='  '>Italiano</locale></locale.list>",
       {{u"it_IT", u"Italiano"}}},
      {"a missing code after a stored element is ignored",
       "<locale.list><locale langcode='ja_JP'>Japanese</locale><locale>Orphan</locale></locale.list>",
       {{u"ja_JP", u"Japanese"}}},
      {"other elements and case-different names are ignored",
       "<locale.list><Locale langcode='xx'>No</Locale><other langcode='yy'>No</other></locale.list>", {}},
      {"a complete list before a malformed part is kept",
       "<root><locale.list><locale langcode='es_ES'>Espa\xC3\xB1ol</locale></locale.list><locale.list><locale langcode='pt'>",
       {{u"es_ES", u"Espa\u00F1ol"}}},
  };
  for (const Row& row : rows) EXPECT_EQ(Parse(row.xml), row.expected) << row.name;
}

TEST_F(LanguageMapFixture, EntriesAlreadyInTheMapWinAndAMissingFileLeavesIt) {
  const fennick::LanguageMap before = {{u"en_US", u"Kept"}};
  EXPECT_EQ(Parse("<locale.list><locale langcode='en_US'>English</locale></locale.list>", before), before);

  zelcore::testing::EnableTrace("LocaleNameMapXMLParser", 1);
  fennick::LanguageMap map = before;
  fennick::LocaleNameMapXMLParser(u"/no/such/LangMapping.xml", &map);
  EXPECT_EQ(map, before);
  ASSERT_FALSE(zelcore::testing::TraceLog().empty());
  EXPECT_NE(zelcore::testing::TraceLog().back().find("<LocaleNameMapXMLParser> <1> ERROR: XML Lang mapping file parse error."),
            std::string::npos);
  Parse("<locale.list/>");
  EXPECT_NE(zelcore::testing::TraceLog().back().find("Info: Lang Map XML file parse success."), std::string::npos);
}

TEST(LanguageMap, Lookups) {
  const fennick::LanguageMap map = {{u"en_GB", u"English"}, {u"en_US", u"English"}, {u"fr_FR", u"French"}};
  EXPECT_EQ(fennick::LocaleNameMapXMLParser::GetLocaleCodeByLang(u"English", map), u"en_US") << "the greater code";
  EXPECT_EQ(fennick::LocaleNameMapXMLParser::GetLocaleCodeByLang(u"German", map), u"");
  EXPECT_EQ(fennick::LocaleNameMapXMLParser::GetLangNameByLocale(u"fr_FR", map), u"French");
  EXPECT_EQ(fennick::LocaleNameMapXMLParser::GetLangNameByLocale(u"de_DE", map), u"");
}

TEST(LanguageMap, ReadAtStartUp) {
  TempBundle bundle;
  bundle.WriteBootstrap("");
  bundle.WriteFile(bundle.Resources() / "LangMapping.xml",
                   "<locale.list><locale langcode='en_US'>English</locale></locale.list>");
  HostRun run;
  ASSERT_TRUE(run.Start());
  EXPECT_EQ(run.App().GetLanguageMap(), (fennick::LanguageMap{{u"en_US", u"English"}}));
}
