#pragma once
// What only tests do with the application framework stand-in.
#include <string>
#include <vector>

#include "arx/app/App.h"
#include "arx/trackview/TrackViewTesting.h"
#include "arx/uisupport/CommandHandler.h"
#include "zelcore/Strings.h"

namespace zelui::ui {
class OS_Window;
}
namespace zelworkspace {
class TabPanel;
}

namespace arx::testing {

// Resources held in memory; they take precedence over files in the Resources folder.
void SetResource(const zelcore::UTF16String& name, const zelcore::UTF16String& type, const std::string& bytes);
void ClearResources();

// Ends every later event loop after this many turns (negative: no limit), so that a test whose
// script never ends the loop cannot hang.
void SetIdleTurnLimit(long turns);
// Runs up to this many turns of the event loop; returns how many ran before the loop ended.
int RunIdleTurns(app::App& app, int turns);

// Sends the activation message with this status to the application's listeners.
void SendAppActivation(app::AppBase& app, int status);

// Commands offered through the command chain, in order, and whether a handler took each.
struct ChainedCommand {
  int id;
  bool handled;
};
const std::vector<ChainedCommand>& ChainedCommands();
void ResetChainedCommands();

// A command's enablement as a handler answers it: whether one answered, and the outs, which start
// as the values given in start (its handled field aside).
struct CommandEnablement {
  bool handled = false;
  bool enabled = false;
  bool checked = false;
  zelcore::UTF16String text;
};
// The handler's answer (its attachments first, then its own).
CommandEnablement AskCommandEnabled(uisupport::CommandHandler& handler, int commandId,
                                    const CommandEnablement& start = {});
// The answer of a panel's command-handler part; not handled by a panel that is no command
// handler. The panel is held while it answers, and while it runs the command.
CommandEnablement AskPanelCommandEnabled(zelworkspace::TabPanel& panel, int commandId,
                                         const CommandEnablement& start = {});
bool AskPanelHandleCommand(zelworkspace::TabPanel& panel, int commandId);
// The answer of the command chain: the current handler, then the application's.
CommandEnablement AskChainCommandEnabled(int commandId, const CommandEnablement& start = {});

// How often the application's settings were saved.
int AppSettingsSaveCount();

// Alerts: the answers the next alerts give, in order (once they run out, an alert is cancelled),
// and every alert shown so far with its texts in UTF-8.
void QueueAlertAnswer(int answer);
struct ShownAlert {
  int type;
  int icon;
  std::string message, detail;
  const zelui::ui::OS_Window* parent;
};
const std::vector<ShownAlert>& ShownAlerts();
void ResetAlerts();

}  // namespace arx::testing
