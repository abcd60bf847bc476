#include "arx/uisupport/Alert.h"

#include <deque>
#include <vector>

#include "arx/testing.h"

namespace arx::uisupport {

namespace {

struct Alerts {
  std::deque<int> answers;
  std::vector<testing::ShownAlert> shown;
};

Alerts& State() {
  static Alerts alerts;
  return alerts;
}

}  // namespace

int Alert::Show(int alertType, int alertIcon, const zelcore::UTF16String& message,
                const zelcore::UTF16String& detail, zelworkspace::Workspace* parent) {
  auto& state = State();
  state.shown.push_back({alertType, alertIcon, zelcore::UTF16to8(message), zelcore::UTF16to8(detail), parent});
  if (state.answers.empty()) return kCancelled;
  const int answer = state.answers.front();
  state.answers.pop_front();
  return answer;
}

}  // namespace arx::uisupport

namespace arx::testing {

void QueueAlertAnswer(int answer) { uisupport::State().answers.push_back(answer); }
const std::vector<ShownAlert>& ShownAlerts() { return uisupport::State().shown; }
void ResetAlerts() { uisupport::State() = uisupport::Alerts{}; }

}  // namespace arx::testing
