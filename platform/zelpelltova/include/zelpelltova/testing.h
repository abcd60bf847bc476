#pragma once
// What only tests do with the layout-description library: the actions each dialog run replays,
// what each run showed and how it closed, and the roots alive.
#include <string>
#include <vector>

#include "zelcore/Strings.h"
#include "zelpelltova/Tova.h"

namespace zelpelltova::testing {

// One action the user takes in a dialog: its name and value, as a button would send it.
struct TovaAction {
  std::string action;
  any_regular_t value;
};
// The actions of the next dialog run, in order; each run takes one list, and a run with none
// left closes cancelled at once.
void QueueTovaActions(std::vector<TovaAction> actions);

// A control as the script described it.
struct TovaControl {
  std::string kind, name, label, action;
};
// What a dialog run showed and how it ended.
struct TovaRun {
  // The dialog's title when it closed.
  zelcore::UTF16String title;
  std::vector<TovaControl> controls;
  // Every action the handler was given while the dialog ran, in order: queued ones and those
  // sent by buttons.
  std::vector<std::string> actionsDelivered;
  // 1 closed accepted, 0 closed cancelled.
  int response = -1;
  // True when the run closed the dialog itself because no action was left.
  bool closedWhenDry = false;
  // How often the layout was evaluated by then.
  int evaluations = 0;
};
const std::vector<TovaRun>& TovaRuns();
// Forgets the runs and the actions not used.
void ResetTova();

// Layout roots alive.
int LiveLayoutRoots();

}  // namespace zelpelltova::testing
