// The command chain: the current command handler, then the application's own.
#include <vector>

#include "arx/app/App.h"
#include "arx/testing.h"
#include "arx/uisupport/CommandHandler.h"
#include "zelui/ui/UI_Node.h"
#include "zelworkspace/TabPanel.h"

namespace arx::uisupport {

namespace {

std::vector<testing::ChainedCommand>& Chained() {
  static std::vector<testing::ChainedCommand> commands;
  return commands;
}

// The handlers the chain offers a command to, in order: the current one, then the
// application's, each once.
std::vector<CommandHandler*> ChainHandlers() {
  std::vector<CommandHandler*> handlers;
  if (auto* current = dynamic_cast<CommandHandler*>(CommandHandlerBase::GetCurrentCommandHandler()))
    handlers.push_back(current);
  auto* application = dynamic_cast<CommandHandler*>(app::App::GetApp());
  if (application != nullptr && (handlers.empty() || handlers.front() != application))
    handlers.push_back(application);
  return handlers;
}

// Asks each handler of the chain until one answers; a handler that is a UI node (a tab panel)
// is held while it works.
template <typename Ask>
bool WalkChain(Ask ask) {
  for (CommandHandler* handler : ChainHandlers()) {
    const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(dynamic_cast<zelui::ui::UI_Node*>(handler));
    if (ask(*handler)) return true;
  }
  return false;
}

}  // namespace

bool CommandHandlerBase::CallCommandChain(int commandId) {
  const bool handled = WalkChain([commandId](CommandHandler& handler) { return handler.HandleCommand(commandId); });
  Chained().push_back({commandId, handled});
  return handled;
}

bool CommandHandlerBase::CallEnablementChain(int commandId, bool& enabled, bool& checked,
                                             zelcore::UTF16String& menuText) {
  if (WalkChain([&](CommandHandler& handler) { return handler.CommandEnabled(commandId, enabled, checked, menuText); }))
    return true;
  enabled = false;
  checked = false;
  return false;
}

}  // namespace arx::uisupport

namespace arx::testing {

const std::vector<ChainedCommand>& ChainedCommands() { return uisupport::Chained(); }
void ResetChainedCommands() { uisupport::Chained().clear(); }

CommandEnablement AskCommandEnabled(uisupport::CommandHandler& handler, int commandId, const CommandEnablement& start) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(dynamic_cast<zelui::ui::UI_Node*>(&handler));
  CommandEnablement answer = start;
  answer.handled = handler.CommandEnabled(commandId, answer.enabled, answer.checked, answer.text);
  return answer;
}

CommandEnablement AskPanelCommandEnabled(zelworkspace::TabPanel& panel, int commandId,
                                         const CommandEnablement& start) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(&panel);
  auto* handler = dynamic_cast<uisupport::CommandHandler*>(&panel);
  if (handler == nullptr) {
    CommandEnablement answer = start;
    answer.handled = false;
    return answer;
  }
  return AskCommandEnabled(*handler, commandId, start);
}

bool AskPanelHandleCommand(zelworkspace::TabPanel& panel, int commandId) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(&panel);
  auto* handler = dynamic_cast<uisupport::CommandHandler*>(&panel);
  return handler != nullptr && handler->HandleCommand(commandId);
}

CommandEnablement AskChainCommandEnabled(int commandId, const CommandEnablement& start) {
  CommandEnablement answer = start;
  answer.handled =
      uisupport::CommandHandlerBase::CallEnablementChain(commandId, answer.enabled, answer.checked, answer.text);
  return answer;
}

}  // namespace arx::testing
