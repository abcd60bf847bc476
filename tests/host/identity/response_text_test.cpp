// The bridge's result texts and the user-id scan of the account data.
#include <gtest/gtest.h>

#include <string>

#include "ResponseFormatter.h"
#include "UlmLibUtils.h"

namespace {

using ulmliblua::ResponseFormatter;
using ulmliblua::UlmLibUtils;

TEST(ResponseFormatter, CodeCommaMessage) {
  const struct {
    int code;
    const char* message;
    const char* text;
  } cases[] = {{0, "", "0,"}, {5, "a, b", "5,a, b"}, {-3, "x", "-3,x"}, {2147483647, "m", "2147483647,m"}};
  for (const auto& c : cases)
    EXPECT_EQ(ResponseFormatter::GetFormattedResponse(c.code, c.message), c.text) << c.code;
}

TEST(ExtractDataFromXML, TextBetweenTagsAndWhereTheCloseTagBegins) {
  const std::string xml = "<a><userId>one</userId><userId></userId><userId>two";
  std::size_t position = 0;
  EXPECT_EQ(UlmLibUtils::ExtractDataFromXML(xml, "<userId>", "</userId>", position), "one");
  EXPECT_EQ(position, xml.find("</userId>"));
  EXPECT_EQ(UlmLibUtils::ExtractDataFromXML(xml, "<userId>", "</userId>", position), "");
  EXPECT_EQ(position, xml.find("</userId>", xml.find("one") + 4));
  // The last open tag has no close tag.
  EXPECT_EQ(UlmLibUtils::ExtractDataFromXML(xml, "<userId>", "</userId>", position), "");
  EXPECT_EQ(position, std::string::npos);
}

TEST(ExtractDataFromXML, MissingOpenTagOrPositionPastTheEnd) {
  std::size_t position = 0;
  EXPECT_EQ(UlmLibUtils::ExtractDataFromXML("no tags", "<userId>", "</userId>", position), "");
  EXPECT_EQ(position, std::string::npos);
  position = 100;
  EXPECT_EQ(UlmLibUtils::ExtractDataFromXML("<userId>x</userId>", "<userId>", "</userId>", position), "");
  EXPECT_EQ(position, std::string::npos);
}

}  // namespace
