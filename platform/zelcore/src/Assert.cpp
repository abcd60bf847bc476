#include "zelcore/Assert.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "zelcore/RecordAndAnswer.h"
#include "zelcore/testing.h"

namespace zelcore {

namespace {

// A dialog the user closes without choosing lets the program continue.
testing::RecordAndAnswer<testing::AssertionRecord, testing::AssertAnswer>& Dialogs() {
  static testing::RecordAndAnswer<testing::AssertionRecord, testing::AssertAnswer> dialogs(
      testing::AssertAnswer::kContinue);
  return dialogs;
}

}  // namespace

bool BreakAfterAssertDialog(bool& siteFlag, const char* condition, const char* message,
                            const char* file, int line, const char* function) {
  if (siteFlag) return false;
  auto text = [](const char* s) { return std::string(s ? s : ""); };
  std::fprintf(stderr, "assertion: %s (%s) at %s:%d in %s\n", text(condition).c_str(),
               text(message).c_str(), text(file).c_str(), line, text(function).c_str());
  const testing::AssertAnswer answer =
      Dialogs().Ask({text(condition), text(message), text(file), line, text(function)});
  if (answer == testing::AssertAnswer::kIgnoreSite) siteFlag = true;
  return answer == testing::AssertAnswer::kBreak;
}

// A process is being debugged when it has a tracer.
bool IsDebuggerAttached() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("TracerPid:", 0) == 0) return std::strtol(line.c_str() + 10, nullptr, 10) != 0;
  return false;
}

namespace testing {

const std::vector<AssertionRecord>& Assertions() { return Dialogs().Requests(); }
void ResetAssertions() { Dialogs().Reset(); }
void QueueAssertAnswer(AssertAnswer answer) { Dialogs().Queue(answer); }

}  // namespace testing

}  // namespace zelcore
