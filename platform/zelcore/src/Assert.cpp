#include "zelcore/Assert.h"

#include <cstdio>
#include <string>
#include <vector>

#include "zelcore/testing.h"

namespace zelcore {

namespace {

std::vector<testing::AssertionRecord>& Records() {
  static std::vector<testing::AssertionRecord> records;
  return records;
}

}  // namespace

bool BreakAfterAssertDialog(bool& siteFlag, const char* condition, const char* message,
                            const char* file, int line, const char* function) {
  if (siteFlag) return false;
  auto text = [](const char* s) { return std::string(s ? s : ""); };
  Records().push_back({text(condition), text(message), text(file), line, text(function)});
  std::fprintf(stderr, "assertion: %s (%s) at %s:%d in %s\n", text(condition).c_str(),
               text(message).c_str(), text(file).c_str(), line, text(function).c_str());
  // Nobody answers the dialog here: never break.
  return false;
}

bool IsDebuggerAttached() { return false; }

namespace testing {

const std::vector<AssertionRecord>& Assertions() { return Records(); }
void ResetAssertions() { Records().clear(); }

}  // namespace testing

}  // namespace zelcore
