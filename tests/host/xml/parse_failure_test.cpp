// A failing handler, and a parser used again after a failure.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "RecordingHandler.h"
#include "zelxml/LibXML2ParseHandler.h"

namespace {

using zelcore::xml::kParseFailed;
using zelcore::xml::kParseSucceeded;
using Events = std::vector<std::string>;

// Every kind of event, one of them from inside entity replacement text.
const std::string kDocument =
    R"(<!DOCTYPE r [<!ENTITY e "<b>in entity</b>"><!--dtd-->]>)"
    R"(<r xmlns:n="urn:n"><!--c--><![CDATA[d]]>t&e;<n:b/></r>)";

const Events kFullEvents = {"startDocument", "comment:dtd", "map n=urn:n", "start{}r", "comment:c", "cdata{",
                            "text:d", "}cdata", "text:t", "start{}b", "text:in entity",
                            "end{}b", "start{urn:n}n:b", "end{urn:n}n:b", "end{}r", "unmap n",
                            "endDocument"};

class xmlThrowingHandler : public ::testing::TestWithParam<const char*> {};

TEST_P(xmlThrowingHandler, FailsAndReportsNothingAfterTheThrow) {
  const std::string throwOn = GetParam();
  Events events;
  std::unique_ptr<zelcore::xml::AbstractParseHandler> handler =
      std::make_unique<RecordingHandler>(events, throwOn);
  zelcore::xml::LibXML2ParseHandler parser(handler);

  EXPECT_EQ(parser.ParseBuffer(kDocument), kParseFailed);
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().rfind(throwOn, 0), 0u) << "events after the throw: " << events.back();
  size_t firstMatch = 0;
  while (kFullEvents[firstMatch].rfind(throwOn, 0) != 0) ++firstMatch;
  EXPECT_EQ(events, Events(kFullEvents.begin(), kFullEvents.begin() + firstMatch + 1));

  // The handler throws only once: the same parser now reads the whole
  // document, with no scope left over from the failed parse.
  events.clear();
  EXPECT_EQ(parser.ParseBuffer(kDocument), kParseSucceeded);
  EXPECT_EQ(events, kFullEvents);
}

INSTANTIATE_TEST_SUITE_P(Events, xmlThrowingHandler,
                         ::testing::Values("startDocument", "comment:dtd", "map", "start{}r", "comment",
                                           "cdata{", "text:d", "}cdata", "start{}b",
                                           "text:in entity", "end{}b", "end{}r", "unmap",
                                           "endDocument"));

// A handler that starts a second parse of its own parser from inside a parse.
class ReentrantHandler : public RecordingHandler {
 public:
  ReentrantHandler(Events& events, int& nestedResult)
      : RecordingHandler(events), nestedResult_(nestedResult) {}
  void StartDocument() override {
    RecordingHandler::StartDocument();
    nestedResult_ = parser->ParseBuffer("<nested/>");
  }
  zelcore::xml::AbstractDocParser* parser = nullptr;

 private:
  int& nestedResult_;
};

TEST(xmlParseFailure, NestedParseOfTheSameParserFailsAndLeavesTheOuterOneIntact) {
  Events events;
  int nestedResult = -1;
  auto owned = std::make_unique<ReentrantHandler>(events, nestedResult);
  ReentrantHandler* reentrant = owned.get();
  std::unique_ptr<zelcore::xml::AbstractParseHandler> handler = std::move(owned);
  zelcore::xml::LibXML2ParseHandler parser(handler);
  reentrant->parser = &parser;

  EXPECT_EQ(parser.ParseBuffer("<r/>"), kParseSucceeded);
  EXPECT_EQ(nestedResult, kParseFailed);
  EXPECT_EQ(events, (Events{"startDocument", "start{}r", "end{}r", "endDocument"}));
}

TEST(xmlParseFailure, ParserWithoutHandlerFails) {
  std::unique_ptr<zelcore::xml::AbstractParseHandler> none;
  zelcore::xml::LibXML2ParseHandler parser(none);
  EXPECT_EQ(parser.ParseBuffer("<r/>"), kParseFailed);
}

}  // namespace
