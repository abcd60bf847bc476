#include "zelcore/Trace.h"

#include <cstdio>
#include <map>
#include <vector>

#include "zelcore/testing.h"

namespace zelcore::trace {

namespace {

struct TraceState {
  std::map<std::string, int> levels;  // label -> highest enabled level
  unsigned generation = 1;
  std::vector<std::string> log;
};

TraceState& State() {
  static TraceState state;
  return state;
}

}  // namespace

bool IsEnabled(const std::string& label, int level) {
  const auto& levels = State().levels;
  const auto it = levels.find(label);
  return it != levels.end() && level <= it->second;
}

unsigned SettingsGeneration() { return State().generation; }

// Lines go to the process's standard error as well, the log a developer reads.
void Write(const std::string& line) {
  State().log.push_back(line);
  std::fputs(line.c_str(), stderr);
  if (line.empty() || line.back() != '\n') std::fputc('\n', stderr);
}

}  // namespace zelcore::trace

namespace zelcore::testing {

void EnableTrace(const std::string& label, int level) {
  auto& s = trace::State();
  s.levels[label] = level;
  ++s.generation;
}

void ResetTrace() {
  auto& s = trace::State();
  s.levels.clear();
  s.log.clear();
  ++s.generation;
}

const std::vector<std::string>& TraceLog() { return trace::State().log; }

}  // namespace zelcore::testing
