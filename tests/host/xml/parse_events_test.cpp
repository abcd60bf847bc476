// Documents and the handler events they produce.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "RecordingHandler.h"
#include "zelxml/LibXML2ParseHandler.h"

namespace {

using zelcore::xml::kParseFailed;
using zelcore::xml::kParseSucceeded;
using Events = std::vector<std::string>;

struct EventCase {
  const char* name;
  std::string document;
  int result;
  Events events;  // for a failure: what the handler has seen at least
};

void PrintTo(const EventCase& c, std::ostream* os) { *os << c.name; }

int Parse(const std::string& document, Events& events) {
  std::unique_ptr<zelcore::xml::AbstractParseHandler> handler =
      std::make_unique<RecordingHandler>(events);
  zelcore::xml::LibXML2ParseHandler parser(handler);
  return parser.ParseBuffer(document);
}

class xmlParseEvents : public ::testing::TestWithParam<EventCase> {};

TEST_P(xmlParseEvents, ReportsTheDocument) {
  const EventCase& c = GetParam();
  Events events;
  EXPECT_EQ(Parse(c.document, events), c.result);
  if (c.result == kParseSucceeded) {
    EXPECT_EQ(events, c.events);
  } else {
    ASSERT_GE(events.size(), c.events.size());
    EXPECT_EQ(Events(events.begin(), events.begin() + c.events.size()), c.events);
  }
}

const EventCase kCases[] = {
    {"Attributes",
     R"(<r a="1" b="x &amp; y" c=""/>)",
     kParseSucceeded,
     {"startDocument", "start{}r a=1 b=x & y c=", "end{}r", "endDocument"}},
    {"NamespacesAndPrefixMappings",
     R"(<p:r xmlns:p="urn:p" xmlns="urn:d" p:x="1" y="2"><c/><q:c xmlns:q="urn:q"/><c/></p:r>)",
     kParseSucceeded,
     {"startDocument", "map p=urn:p", "map =urn:d", "start{urn:p}p:r {urn:p}p:x=1 y=2",
      "start{urn:d}c", "end{urn:d}c", "map q=urn:q", "start{urn:q}q:c", "end{urn:q}q:c",
      "unmap q", "start{urn:d}c", "end{urn:d}c", "end{urn:p}p:r", "unmap ", "unmap p",
      "endDocument"}},
    {"PrefixesEndInAscendingOrder",
     R"(<r xmlns:z="urn:z" xmlns:b="urn:b" xmlns:m="urn:m"/>)",
     kParseSucceeded,
     {"startDocument", "map z=urn:z", "map b=urn:b", "map m=urn:m", "start{}r", "end{}r",
      "unmap b", "unmap m", "unmap z", "endDocument"}},
    {"DefaultNamespaceUndeclared",
     R"(<r xmlns="urn:d"><c xmlns=""/></r>)",
     kParseSucceeded,
     {"startDocument", "map =urn:d", "start{urn:d}r", "map =", "start{}c", "end{}c", "unmap ",
      "end{urn:d}r", "unmap ", "endDocument"}},
    {"CharacterDataJoinedWithReferences",
     "<r>1 &lt; 2 &amp;&#x41;&#233; \n <e/>tail</r>",
     kParseSucceeded,
     {"startDocument", "start{}r", "text:1 < 2 &A\xC3\xA9 \n ", "start{}e", "end{}e", "text:tail",
      "end{}r", "endDocument"}},
    {"Utf8NamesAndText",
     "<r \xC3\xA9=\"\xC3\xBC\">\xE6\x97\xA5\xE6\x9C\xAC\xF0\x9F\x98\x80</r>",
     kParseSucceeded,
     {"startDocument", "start{}r \xC3\xA9=\xC3\xBC", "text:\xE6\x97\xA5\xE6\x9C\xAC\xF0\x9F\x98\x80",
      "end{}r", "endDocument"}},
    {"DeclaredEncodingConverted",
     "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r a=\"\xE9\">\xFC</r>",
     kParseSucceeded,
     {"startDocument", "start{}r a=\xC3\xA9", "text:\xC3\xBC", "end{}r", "endDocument"}},
    {"CData",
     "<r>x<![CDATA[<a>&amp;]]>y<![CDATA[]]></r>",
     kParseSucceeded,
     {"startDocument", "start{}r", "text:x", "cdata{", "text:<a>&amp;", "}cdata", "text:y",
      "cdata{", "text:", "}cdata", "end{}r", "endDocument"}},
    {"Comments",
     "<!-- before --><r><!--inside--></r><!--after-->",
     kParseSucceeded,
     {"startDocument", "comment: before ", "start{}r", "comment:inside", "end{}r", "comment:after",
      "endDocument"}},
    {"InternalEntitiesSubstituted",
     R"(<!DOCTYPE r [<!ENTITY who "world"><!ENTITY m "<b>&who;</b>">]><r a="&who;">hello &who;&m;&m;</r>)",
     kParseSucceeded,
     {"startDocument", "start{}r a=world", "text:hello world", "start{}b", "text:world",
      "end{}b", "start{}b", "text:world", "end{}b", "end{}r", "endDocument"}},
    {"TextEndsAtFirstNul",
     std::string("<r>a</r>\0<broken", 17),
     kParseSucceeded,
     {"startDocument", "start{}r", "text:a", "end{}r", "endDocument"}},
    {"EmptyBuffer", "", kParseFailed, {}},
    {"NulAtStart", std::string("\0<r/>", 5), kParseFailed, {}},
    {"Malformed", "<r><a></r>", kParseFailed, {"startDocument", "start{}r", "start{}a"}},
    {"TrailingContent", "<r/><s/>", kParseFailed, {"startDocument", "start{}r", "end{}r"}},
    {"MalformedDoctypeAfterEntities",
     R"(<!DOCTYPE r [<!ENTITY e "x"><!BOGUS>]><r>&e;</r>)",
     kParseFailed,
     {"startDocument"}},
    {"UndeclaredEntity", "<r>&nope;</r>", kParseFailed, {"startDocument", "start{}r"}},
};

INSTANTIATE_TEST_SUITE_P(Documents, xmlParseEvents, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<EventCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
