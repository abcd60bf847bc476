#pragma once
// What only tests do with the web engine stand-in.

namespace engine::testing {

// Whether the engine runs (started and not shut down since), and how often it was shut down.
bool IsRunning();
int ShutdownCount();

}  // namespace engine::testing
