#pragma once
// What only tests do with the application object's settings, commands and activation.
#include <vector>

#include "arx/app/App.h"

namespace arx::testing {

// Sends the activation message with this status to the application's listeners.
void SendAppActivation(app::AppBase& app, int status);

// Commands offered through the command chain, in order, and whether a handler took each.
struct ChainedCommand {
  int id;
  bool handled;
};
const std::vector<ChainedCommand>& ChainedCommands();
void ResetChainedCommands();

// How often the application's settings were saved.
int AppSettingsSaveCount();

}  // namespace arx::testing
