// The command chain: the current command handler, else the application's own.
#include "arx/app/App.h"
#include "arx/testing.h"
#include "arx/uisupport/CommandHandler.h"

namespace arx::uisupport {

namespace {
std::vector<testing::ChainedCommand>& Chained() {
  static std::vector<testing::ChainedCommand> commands;
  return commands;
}
}  // namespace

bool CommandHandlerBase::CallCommandChain(int commandId) {
  auto* handler = dynamic_cast<CommandHandler*>(GetCurrentCommandHandler());
  if (handler == nullptr) handler = dynamic_cast<CommandHandler*>(app::App::GetApp());
  const bool handled = handler != nullptr && handler->HandleCommand(commandId);
  Chained().push_back({commandId, handled});
  return handled;
}

}  // namespace arx::uisupport

namespace arx::testing {

const std::vector<ChainedCommand>& ChainedCommands() { return uisupport::Chained(); }
void ResetChainedCommands() { uisupport::Chained().clear(); }

}  // namespace arx::testing
