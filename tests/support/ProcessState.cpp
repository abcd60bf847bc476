#include "ProcessState.h"

#include "arx/testing.h"
#include "arx/uisupport/CommandRegistry.h"
#include "arx/uisupport/SyntheticCmdMgr.h"
#include "kqkernel/testing.h"
#include "os/testing.h"
#include "ulmlib/testing.h"
#include "zelcore/ConsoleCommand.h"
#include "zelcore/Locale.h"
#include "zelcore/testing.h"
#include "zelcore/xml/DocParserFactory.h"
#include "zelpelltova/testing.h"
#include "zellua/ScriptDirs.h"
#include "zellua/uisupport/AlertSilence.h"
#include "zellua/workspace/LuaWorkspace.h"
#include "zelui/Theme.h"
#include "zelui/testing.h"
#include "zelwebview/testing.h"
#include "zelworkspace/testing.h"

namespace glimmet::testing {

// The binding library keeps the script folders it found for the life of the process. An
// override is lifted here; the folders found from the application's own folder stay right from
// test to test because every temporary bundle of a process lies at the same place (TempBundle).
void ResetProcessState() {
  // The binding library's workspace and alert switch (setting the switch flags an assertion,
  // forgotten below).
  zellua::workspace::TerminateWorkspace();
  if (zellua::uisupport::GetAlertsAreSilent()) zellua::uisupport::SetAlertsAreSilent(false);

  // The core framework.
  zelcore::testing::ResetFolders();
  zelcore::testing::ResetTrace();
  zelcore::testing::ResetAssertions();
  zelcore::testing::ClearModules();
  zelcore::testing::ResetKeychain();
  zelcore::Locale::Initialize(u"en_US");
  zelcore::xml::SetParserFactory(nullptr);
  zelcore::console::CommandRegistry::Get().Clear();
  zel::lua::utility::SetLuaScriptsDirOverride(zelcore::Dir());

  // The application framework.
  arx::testing::ClearResources();
  zelui::testing::ClearUIResources();
  zelui::testing::ResetCursors();
  zelui::testing::SetIconType(0);
  arx::testing::SetIdleTurnLimit(-1);
  arx::testing::ResetChainedCommands();
  arx::testing::ResetAlerts();
  arx::uisupport::CommandRegistry::Get() = arx::uisupport::CommandRegistry();
  arx::uisupport::SyntheticCmdMgr::InitSyntheticCmdMgr(0);

  // The UI and workspace frameworks.
  zelui::testing::ResetRevealedFiles();
  zelui::testing::ResetDialogs();
  // Before the run loop's timers go: the manager stops the ones it started.
  zelui::testing::ResetNodeManager();
  zelui::testing::ResetFileDialogs();
  zelpelltova::testing::ResetTova();
  zelui::testing::ResetMenus();
  zelui::testing::ResetInputBoxes();
  zelui::Theme::Get() = zelui::Theme();
  zelworkspace::testing::SetMonitors({});

  // The web view library: the engine was never started.
  zelwebview::testing::ResetEngineStart();

  // The OS layer.
  os::testing::ResetNetServices();
  os::testing::ResetReachability();
  os::testing::ResetMachineName();
  os::testing::ResetPreferredLanguages();
  os::testing::ResetStatusBar();
  os::testing::ResetAlerts();
  os::testing::ResetTimers();
  os::testing::ResetApplications();

  // The Lua kernel and the identity library.
  kqkernel::testing::SetStateOpenedHook(nullptr);
  kqkernel::testing::SetCaptureCodeHook(nullptr);
  ulmlib::testing::Reset();
}

}  // namespace glimmet::testing
