#pragma once
// The switch that silences the scripts' alerts and the dialogs that check it. Exported for native
// callers; nothing in the program sets it.
namespace zellua::uisupport {

bool GetAlertsAreSilent();
// Flags the call in the assertion dialog, then sets the switch.
void SetAlertsAreSilent(bool silent);

}  // namespace zellua::uisupport
