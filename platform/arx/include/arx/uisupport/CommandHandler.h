#pragma once
// Command handlers: objects that handle and enable application commands, in a chain from the
// current handler outwards, with attachments that see commands first.
#include <memory>
#include <vector>

#include "zelcore/Strings.h"

namespace arx::uisupport {

class CommandAttachment {
 public:
  virtual ~CommandAttachment() = default;
  virtual bool HandleCommand(int commandId) = 0;
  virtual bool CommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String& menuText) = 0;
};

class CommandHandlerBase {
 public:
  virtual ~CommandHandlerBase();
  static CommandHandlerBase* GetCurrentCommandHandler();
  static void SetCurrentCommandHandler(CommandHandlerBase* handler);
  // Offers the command to the current handler, else to the application's own; true when handled.
  static bool CallCommandChain(int commandId);
};

class CommandHandler : public CommandHandlerBase {
 public:
  ~CommandHandler() override;

  virtual void SetAsCurrentCommandHandler(bool notify);
  // Runs the command through the attachments, then this handler; true when handled.
  bool HandleCommand(int commandId);
  bool CommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String& menuText);

  // Takes ownership of the attachment.
  void AddAttachment(std::unique_ptr<CommandAttachment> attachment);
  // Removes and destroys the attachment, if it is one of this handler's.
  void RemoveAttachment(CommandAttachment* attachment);

 protected:
  virtual bool DoHandleCommand(int commandId) { (void)commandId; return false; }
  virtual bool DoCommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String& menuText) {
    (void)commandId, (void)enabled, (void)checked, (void)menuText;
    return false;
  }

 private:
  std::vector<std::unique_ptr<CommandAttachment>> mAttachments;
};

}  // namespace arx::uisupport
