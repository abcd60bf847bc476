#pragma once
// Console commands of the framework: named commands a developer types in the console panel.
#include <map>
#include <memory>

#include "zelcore/Strings.h"

namespace zelcore::console {

class Command {
 public:
  Command(const UTF16String& name, const UTF16String& description)
      : mName(name), mDescription(description) {}
  virtual ~Command() = default;

  // Runs the command on the text typed after its name; output may be appended to.
  virtual void Execute(const UTF16String& text, UTF16String& output) = 0;

  const UTF16String& Name() const { return mName; }
  const UTF16String& Description() const { return mDescription; }

 private:
  UTF16String mName;
  UTF16String mDescription;
};

class CommandRegistry {
 public:
  static CommandRegistry& Get();

  // Takes ownership; a command of the same name replaces the earlier one.
  void Register(std::unique_ptr<Command> command);
  Command* Find(const UTF16String& name) const;
  // Runs the named command; false when no command has that name.
  bool Run(const UTF16String& name, const UTF16String& text, UTF16String& output);
  void Clear();

 private:
  std::map<UTF16String, std::unique_ptr<Command>> mCommands;
};

}  // namespace zelcore::console
