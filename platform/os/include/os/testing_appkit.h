#pragma once
// What only tests do with the OS layer's status bar, menus, alerts, timers, running
// applications and main bundle.
#include <map>
#include <string>
#include <vector>

#include "os/Alert.h"
#include "os/StatusBar.h"

namespace os::testing {

// Status bar: its thickness, and forgetting every item and popped-up menu.
void SetStatusBarThickness(double thickness);
void ResetStatusBar();
// Every menu popped up from a status item so far, as DescribeMenu lines at the moment of the
// pop-up.
const std::vector<std::vector<std::string>>& PoppedUpMenus();

// Alerts shown so far, and the answers the next ones give (an empty queue answers the
// alternate, cancelling button).
struct ShownAlert {
  std::string message, informative, defaultButton;
};
const std::vector<ShownAlert>& ShownAlerts();
void QueueAlertAnswer(int answer);
void ResetAlerts();

// Main run loop timers: advances the virtual clock and fires every timer that falls due, in time
// order; returns how many fired.
int AdvanceRunLoopClock(double seconds);
int PendingTimers();
void ResetTimers();

// Running applications: replaces the list of bundle identifiers of every running application
// (this one included). Until set, only this application runs.
void SetRunningApplications(const std::vector<std::string>& bundleIdentifiers);
// The main bundle's identifier and information dictionary.
void SetMainBundle(const std::string& identifier, const std::map<std::string, std::string>& info);
// Back to the defaults: only this application runs, with the program's own bundle identity.
void ResetApplications();
int ActivationCount();

}  // namespace os::testing
