#pragma once
// What only tests do with the OS layer stand-in.
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "os/Alert.h"
#include "os/NetService.h"
#include "os/Reachability.h"
#include "os/RunLoop.h"
#include "os/Screen.h"
#include "os/StatusBar.h"

namespace os::testing {

// Net services.
// The next NetServiceRegister returns false with this error (in the net-services domain).
void RefuseNextRegistration(std::int32_t error);
// The next registration starts, and then reports this error through the client callback on the
// run loop.
void FailNextRegistration(std::int32_t error, long domain = kStreamErrorDomainNetServices);
struct PublishedService {
  std::string domain, type, name;
  std::int32_t port = 0;
  Data txt;
};
// The services registered and not yet released, oldest first.
std::vector<PublishedService> PublishedServices();
// Services made and not yet released, registered or not.
int LiveNetServices();
// Forgets scripted registration outcomes.
void ResetNetServices();

// Reachability: the flags every reference reads (nullopt: they cannot be read) in place of the
// machine's real network state, which answers until a test sets flags and again after
// ResetReachability; whether references can be made at all, the host of the last reference made,
// and how many references are alive.
void SetReachabilityFlags(std::optional<SCNetworkReachabilityFlags> flags);
void RefuseReachabilityReferences(bool refuse);
std::string LastReachabilityHost();
int LiveReachabilityReferences();
void ResetReachability();

// The computer's user-visible name, in place of the host name.
void SetMachineName(const std::u16string& name);
void ResetMachineName();

// Preferred languages: these, most preferred first, in place of the environment's locale
// settings until ResetPreferredLanguages.
void SetPreferredLanguages(std::vector<std::string> languages);
void ResetPreferredLanguages();

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

// The main run loop's clock. Taken over, it stands still until AdvanceRunLoopClock moves it: the
// event loop's passes then fire only what is due at the clock's reading, and no longer wait for
// timers. AdvanceRunLoopClock takes the clock over when a test has not yet, moves it on by the
// seconds and fires every timer of the mode that falls due on the way, in time order, each with
// the clock at its fire date; returns how many fired.
void TakeOverRunLoopClock();
int AdvanceRunLoopClock(double seconds, const RunLoopMode& mode = kCFRunLoopDefaultMode);
// Timers and observers the run loop holds, in any mode.
int PendingTimers();
int RunLoopObservers();
// Drops every timer and observer of the run loop and gives its clock back to real time.
void ResetTimers();

// Views and autorelease pools alive.
int LiveViews();
int LiveAutoreleasePools();

// Whether the application answers isMouseKeyboardCaptured (it does not until set), and its
// answer.
void SetAnswersMouseKeyboardCapture(bool answers);
void SetMouseKeyboardCaptured(bool captured);

// Running applications: replaces the list of bundle identifiers of every running application
// (this one included). Until set, only this application runs.
void SetRunningApplications(const std::vector<std::string>& bundleIdentifiers);
// The main bundle's identifier and information dictionary.
void SetMainBundle(const std::string& identifier, const std::map<std::string, std::string>& info);
// One value of the main bundle's information dictionary, set or removed.
void SetMainBundleInfoValue(const std::string& key, const std::string& value);
void RemoveMainBundleInfoValue(const std::string& key);
// Back to the defaults: only this application runs, with the program's own bundle identity.
void ResetApplications();
int ActivationCount();

// Screens: replaces the displays (the main one first); an empty list restores the one default
// screen.
void SetScreens(const std::vector<Screen>& screens);

// URLs opened in the default browser, oldest first, and forgetting them; platform strings and
// URLs alive.
const std::vector<std::string>& OpenedURLs();
void ResetOpenedURLs();
int LiveCFObjects();

}  // namespace os::testing
