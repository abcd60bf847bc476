// Getting a parser through the installed factory, the plain element forms,
// and parsing files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <string>
#include <vector>

#include "RecordingHandler.h"
#include "TempFile.h"
#include "zelcore/xml/DocParserFactory.h"
#include "zelxml/LibXML2ParserFactory.h"

namespace {

using zelcore::utility::UTF8to16;
using zelcore::xml::AbstractParseHandler;
using zelcore::xml::kParseFailed;
using zelcore::xml::kParseSucceeded;
using Events = std::vector<std::string>;

class xmlParserFactory : public ::testing::Test {
 protected:
  void SetUp() override {
    zelcore::xml::SetParserFactory(std::make_unique<zelcore::xml::LibXML2ParserFactory>());
  }
};

TEST(xmlNoParserFactory, IsNullAndLeavesTheHandlerWithTheCaller) {
  zelcore::xml::SetParserFactory(nullptr);
  Events events;
  std::unique_ptr<AbstractParseHandler> handler = std::make_unique<RecordingHandler>(events);
  EXPECT_EQ(zelcore::xml::GetParser(handler), nullptr);
  EXPECT_NE(handler, nullptr);
  EXPECT_EQ(zelcore::xml::GetParser(std::make_unique<RecordingHandler>(events)), nullptr);
}

TEST_F(xmlParserFactory, ParserTakesTheHandlerOverAndUsesNamespaceForms) {
  Events events;
  std::unique_ptr<AbstractParseHandler> handler = std::make_unique<RecordingHandler>(events);
  AbstractParseHandler* const given = handler.get();

  std::unique_ptr<zelcore::xml::AbstractDocParser> parser = zelcore::xml::GetParser(handler);
  ASSERT_NE(parser, nullptr);
  EXPECT_EQ(handler, nullptr);
  EXPECT_EQ(parser->Handler(), given);
  EXPECT_TRUE(parser->HasNamespaceSupport());

  EXPECT_EQ(parser->ParseBuffer(R"(<r xmlns="urn:d"/>)"), kParseSucceeded);
  EXPECT_EQ(events,
            (Events{"startDocument", "map =urn:d", "start{urn:d}r", "end{urn:d}r", "unmap ",
                    "endDocument"}));
}

TEST_F(xmlParserFactory, HandlerWithOnlyPlainFormsGetsEveryElementWithItsAttributes) {
  Events events;
  auto parser = zelcore::xml::GetParser(std::make_unique<PlainElementHandler>(events));
  ASSERT_NE(parser, nullptr);

  EXPECT_EQ(parser->ParseBuffer(
                R"(<p:r xmlns:p="urn:p" z="3" p:a="1" b="2"><c/><p:d xmlns="urn:x" e="&lt;"/></p:r>)"),
            kParseSucceeded);
  EXPECT_EQ(events, (Events{"Start p:r b=2 p:a=1 z=3", "Start c", "End c", "Start p:d e=<",
                            "End p:d", "End p:r"}));
}

TEST_F(xmlParserFactory, ParseDocumentReadsTheFile) {
  TempFile file("doc-\xC3\xBC", "<?xml version=\"1.0\"?>\n<r a=\"1\">text</r>\n");
  Events events;
  auto parser = zelcore::xml::GetParser(std::make_unique<RecordingHandler>(events));
  ASSERT_NE(parser, nullptr);

  EXPECT_EQ(parser->ParseDocument(UTF8to16(file.path())), kParseSucceeded);
  EXPECT_EQ(events,
            (Events{"startDocument", "start{}r a=1", "text:text", "end{}r", "endDocument"}));
}

TEST_F(xmlParserFactory, ParseDocumentFailsForMissingFileOrFolder) {
  Events events;
  auto parser = zelcore::xml::GetParser(std::make_unique<RecordingHandler>(events));
  ASSERT_NE(parser, nullptr);

  EXPECT_EQ(parser->ParseDocument(u"/nonexistent/glimmet/missing.xml"), kParseFailed);
  EXPECT_EQ(parser->ParseDocument(u"/tmp"), kParseFailed);
  EXPECT_EQ(parser->ParseDocument(u""), kParseFailed);
  EXPECT_TRUE(events.empty());
}

TEST_F(xmlParserFactory, ParseDocumentReadsOnlyRegularFilesOfASaneSizeAndNeverWaits) {
  TempFile pipe("pipe", "");
  ASSERT_EQ(::unlink(pipe.path().c_str()), 0);
  ASSERT_EQ(::mkfifo(pipe.path().c_str(), 0600), 0);  // no writer: a plain open would wait
  TempFile device("zeros", "");
  ASSERT_EQ(::unlink(device.path().c_str()), 0);
  ASSERT_EQ(::symlink("/dev/zero", device.path().c_str()), 0);
  TempFile large("large", "<r/>");
  ASSERT_EQ(::truncate(large.path().c_str(), (off_t{64} << 20) + 1), 0);  // sparse

  Events events;
  auto parser = zelcore::xml::GetParser(std::make_unique<RecordingHandler>(events));
  ASSERT_NE(parser, nullptr);
  for (const TempFile* file : {&pipe, &device, &large}) {
    EXPECT_EQ(parser->ParseDocument(UTF8to16(file->path())), kParseFailed) << file->path();
  }
  EXPECT_TRUE(events.empty());
}

}  // namespace
