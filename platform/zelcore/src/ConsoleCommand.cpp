#include "zelcore/ConsoleCommand.h"

namespace zelcore::console {

CommandRegistry& CommandRegistry::Get() {
  static CommandRegistry registry;
  return registry;
}

void CommandRegistry::Register(std::unique_ptr<Command> command) {
  if (!command) return;
  const UTF16String name = command->Name();
  mCommands[name] = std::move(command);
}

Command* CommandRegistry::Find(const UTF16String& name) const {
  const auto it = mCommands.find(name);
  return it == mCommands.end() ? nullptr : it->second.get();
}

bool CommandRegistry::Run(const UTF16String& name, const UTF16String& text, UTF16String& output) {
  Command* command = Find(name);
  if (command == nullptr) return false;
  command->Execute(text, output);
  return true;
}

void CommandRegistry::Clear() { mCommands.clear(); }

}  // namespace zelcore::console
