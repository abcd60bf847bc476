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

// Counts the characters it is given.
class CountingHandler : public zelcore::xml::AbstractParseHandler {
 public:
  explicit CountingHandler(size_t& count) : count_(count) {}
  void Characters(const zelcore::UTF16String& text) override { count_ += text.size(); }

 private:
  size_t& count_;
};

// A document of `references` references to one entity of `entitySize` characters.
std::string RepeatedEntity(size_t entitySize, size_t references) {
  std::string document = "<!DOCTYPE r [<!ENTITY e \"" + std::string(entitySize, 'x') + "\">]><r>";
  for (size_t i = 0; i < references; ++i) document += "&e;";
  return document + "</r>";
}

TEST(xmlParseFailure, EntitiesThatMultiplyTheTextStopTheParse) {
  using zelcore::xml::LibXML2ParseHandler;
  const struct {
    const char* name;
    std::string document;
    int result;
  } cases[] = {
      // 160 KB that would hand over 1.6 billion characters.
      {"40,000 references to 40 KB", RepeatedEntity(40000, 40000), kParseFailed},
      {"within the allowance", RepeatedEntity(1000, 900), kParseSucceeded},
  };
  for (const auto& c : cases) {
    size_t count = 0;
    std::unique_ptr<zelcore::xml::AbstractParseHandler> handler = std::make_unique<CountingHandler>(count);
    LibXML2ParseHandler parser(handler);
    EXPECT_EQ(parser.ParseBuffer(c.document), c.result) << c.name;
    EXPECT_LE(count, LibXML2ParseHandler::kTextPerDocumentByte * c.document.size() +
                         LibXML2ParseHandler::kTextAllowance)
        << c.name;
    EXPECT_GT(count, 0u) << c.name;
  }
}

TEST(xmlParseFailure, ParserWithoutHandlerFails) {
  std::unique_ptr<zelcore::xml::AbstractParseHandler> none;
  zelcore::xml::LibXML2ParseHandler parser(none);
  EXPECT_EQ(parser.ParseBuffer("<r/>"), kParseFailed);
}

}  // namespace
