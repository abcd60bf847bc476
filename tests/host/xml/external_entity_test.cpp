// External entities are never read, whatever form names them.
#include <gtest/gtest.h>
#include <libxml/parser.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "RecordingHandler.h"
#include "TempFile.h"
#include "zelxml/LibXML2ParseHandler.h"

namespace {

using Events = std::vector<std::string>;

const char kSecret[] = "TOPSECRET";

struct ExternalCase {
  const char* name;
  std::string (*document)(const std::string& url);
  // A skipped external entity leaves a well-formed document; a parameter
  // entity that is not read leaves &leak; undeclared.
  int result;
};

// The secret file is both an entity's text and a DTD that declares &leak;.
const std::string kSecretContent =
    std::string(kSecret) + "<!ENTITY leak \"" + kSecret + "\">";

const ExternalCase kExternalCases[] = {
    {"GeneralEntity",
     [](const std::string& url) {
       return "<!DOCTYPE r [<!ENTITY x SYSTEM \"" + url + "\">]><r>&x;</r>";
     },
     zelcore::xml::kParseSucceeded},
    {"ParameterEntity",
     [](const std::string& url) {
       return "<!DOCTYPE r [<!ENTITY % p SYSTEM \"" + url + "\"> %p;]><r>&leak;</r>";
     },
     zelcore::xml::kParseFailed},
    {"ExternalSubset",
     [](const std::string& url) { return "<!DOCTYPE r SYSTEM \"" + url + "\"><r>&leak;</r>"; },
     zelcore::xml::kParseSucceeded},
    {"PublicIdentifier",
     [](const std::string& url) {
       return "<!DOCTYPE r [<!ENTITY x PUBLIC \"-//X//Y\" \"" + url + "\">]><r>&x;</r>";
     },
     zelcore::xml::kParseSucceeded},
};

void PrintTo(const ExternalCase& c, std::ostream* os) { *os << c.name; }

class xmlExternalEntities : public ::testing::TestWithParam<ExternalCase> {};

TEST_P(xmlExternalEntities, FileContentNeverReachesTheHandler) {
  TempFile secret("secret", kSecretContent);
  Events events;
  std::unique_ptr<zelcore::xml::AbstractParseHandler> handler =
      std::make_unique<RecordingHandler>(events);
  zelcore::xml::LibXML2ParseHandler parser(handler);

  EXPECT_EQ(parser.ParseBuffer(GetParam().document("file://" + secret.path())),
            GetParam().result);

  for (const std::string& event : events) EXPECT_EQ(event.find(kSecret), std::string::npos) << event;
}

INSTANTIATE_TEST_SUITE_P(Forms, xmlExternalEntities, ::testing::ValuesIn(kExternalCases),
                         [](const ::testing::TestParamInfo<ExternalCase>& info) {
                           return std::string(info.param.name);
                         });

// The refusal covers our parses only: other libxml2 users in the process
// keep the loader they had.
TEST(xmlExternalEntityLoader, OtherLibxml2UsersStillLoadEntities) {
  TempFile secret("shared", kSecret);
  Events events;
  std::unique_ptr<zelcore::xml::AbstractParseHandler> handler =
      std::make_unique<RecordingHandler>(events);
  zelcore::xml::LibXML2ParseHandler parser(handler);
  ASSERT_EQ(parser.ParseBuffer("<r/>"), zelcore::xml::kParseSucceeded);

  const std::string document =
      "<!DOCTYPE r [<!ENTITY x SYSTEM \"file://" + secret.path() + "\">]><r>&x;</r>";
  xmlDocPtr doc = xmlReadMemory(document.data(), static_cast<int>(document.size()), nullptr,
                                nullptr, XML_PARSE_NOENT | XML_PARSE_NOERROR);
  ASSERT_NE(doc, nullptr);
  xmlChar* text = xmlNodeGetContent(xmlDocGetRootElement(doc));
  EXPECT_STREQ(reinterpret_cast<const char*>(text), kSecret);
  xmlFree(text);
  xmlFreeDoc(doc);
}

}  // namespace
