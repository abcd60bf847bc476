#include "zelcore/Assert.h"

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <string>
#include <vector>

#include "zelcore/testing.h"

namespace zelcore {

namespace {

std::vector<testing::AssertionRecord>& Records() {
  static std::vector<testing::AssertionRecord> records;
  return records;
}

std::deque<testing::AssertAnswer>& Answers() {
  static std::deque<testing::AssertAnswer> answers;
  return answers;
}

}  // namespace

bool BreakAfterAssertDialog(bool& siteFlag, const char* condition, const char* message,
                            const char* file, int line, const char* function) {
  if (siteFlag) return false;
  auto text = [](const char* s) { return std::string(s ? s : ""); };
  Records().push_back({text(condition), text(message), text(file), line, text(function)});
  std::fprintf(stderr, "assertion: %s (%s) at %s:%d in %s\n", text(condition).c_str(),
               text(message).c_str(), text(file).c_str(), line, text(function).c_str());
  testing::AssertAnswer answer = testing::AssertAnswer::kContinue;
  if (!Answers().empty()) {
    answer = Answers().front();
    Answers().pop_front();
  }
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

const std::vector<AssertionRecord>& Assertions() { return Records(); }
void ResetAssertions() {
  Records().clear();
  Answers().clear();
}
void QueueAssertAnswer(AssertAnswer answer) { Answers().push_back(answer); }

}  // namespace testing

}  // namespace zelcore
