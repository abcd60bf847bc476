#include "zellua/uisupport/AlertSilence.h"

#include "zellua/binding/Assert.h"

namespace zellua::uisupport {

namespace {

bool gAlertsAreSilent = false;

// Reports a call of the setter: silencing alerts is meant for automated runs only.
void ReportSilencing() { ZELLUA_CHECK(0); }

}  // namespace

bool GetAlertsAreSilent() { return gAlertsAreSilent; }

void SetAlertsAreSilent(bool silent) {
  ReportSilencing();
  gAlertsAreSilent = silent;
}

}  // namespace zellua::uisupport
