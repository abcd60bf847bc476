// Refuses to run beside another copy of this application or beside the earlier product.
#include <string>

#include "App.h"
#include "os/Alert.h"
#include "os/Application.h"
#include "zelcore/Localizer.h"

namespace fennick {

namespace {

constexpr const char* kEarlierProductBundleId = "com.quorvin.Veyra.application";
constexpr const char* kEarlierProductName = "Veyra";

std::string Localized(const char* literal) { return zelcore::UTF16to8(zelcore::config::Localize(literal)); }

// Replaces each "%@" of the format with the next argument, in order.
std::string Format(const std::string& format, std::initializer_list<std::string> arguments) {
  std::string out;
  auto next = arguments.begin();
  for (std::size_t i = 0; i < format.size(); ++i) {
    if (format.compare(i, 2, "%@") == 0 && next != arguments.end()) {
      out += *next++;
      ++i;
    } else {
      out += format[i];
    }
  }
  return out;
}

}  // namespace

bool App::deduplicateRunningInstances() {
  std::string name;
  if (!os::RunningApplicationsWithBundleIdentifier(kEarlierProductBundleId).empty()) {
    name = kEarlierProductName;
  } else {
    const os::Bundle& bundle = os::Bundle::Main();
    if (os::RunningApplicationsWithBundleIdentifier(bundle.BundleIdentifier()).size() < 2) return false;
    if (!bundle.InfoValue("CFBundleName", name)) return false;
  }
  const std::string alreadyRunning = Localized("$$$/Glimmet/alreadyRunning=is already running.");
  const std::string willQuit = Localized("$$$/Glimmet/willQuit=This copy will now quit.");
  auto alert = os::Alert::AlertWithMessageText(Format("Quorvin %@ %@", {name, alreadyRunning}), "", "", "",
                                               Format("%@", {willQuit}));
  alert->RunModal();
  return true;
}

}  // namespace fennick
