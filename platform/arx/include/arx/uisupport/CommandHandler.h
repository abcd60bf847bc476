#pragma once
// Command handlers: objects that handle and enable application commands, in a chain from the
// current handler to the application's own, with attachments that see commands first.
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

// An attachment that answers running a command and its enablement in one function.
class UnifiedDispatchCmdAttachment : public CommandAttachment {
 public:
  // What an enablement answer sets.
  struct EnableState {
    bool enabled = false;
    bool checked = false;
    zelcore::UTF16String displayString;
  };

  bool HandleCommand(int commandId) final;
  // The state handed to UnifiedDispatch starts as the caller's values, and is copied back only
  // when the command is handled.
  bool CommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String& menuText) final;

 protected:
  // Runs the command (state null) or answers its enablement into the state; true when handled.
  virtual bool UnifiedDispatch(int commandId, EnableState* state) = 0;
};

class CommandHandlerBase {
 public:
  virtual ~CommandHandlerBase();
  static CommandHandlerBase* GetCurrentCommandHandler();
  static void SetCurrentCommandHandler(CommandHandlerBase* handler);
  // Offers the command to the current handler, then, unless it handled it, to the application's
  // own; true when handled. A handler that is a UI node is held while it works, so that it may
  // close itself.
  static bool CallCommandChain(int commandId);
  // Asks the same chain whether the command is enabled; the first handler that answers sets the
  // outs. False, with the command disabled and unchecked, when none answers.
  static bool CallEnablementChain(int commandId, bool& enabled, bool& checked, zelcore::UTF16String& menuText);
};

class CommandHandler : public CommandHandlerBase {
 public:
  CommandHandler() = default;
  CommandHandler(const CommandHandler&) = delete;
  CommandHandler& operator=(const CommandHandler&) = delete;
  ~CommandHandler() override;

  virtual void SetAsCurrentCommandHandler(bool notify);
  // Runs the command through the attachments, in the order added, then this handler; true when
  // handled.
  bool HandleCommand(int commandId);
  bool CommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String& menuText);

  // Takes ownership of the attachment.
  void AddAttachment(std::unique_ptr<CommandAttachment> attachment);
  // Removes and destroys the attachment, if it is one of this handler's. While the handler
  // dispatches, the attachment is taken out at once and destroyed when the dispatch is over.
  void RemoveAttachment(CommandAttachment* attachment);
  std::size_t AttachmentCount() const;

 protected:
  virtual bool DoHandleCommand(int commandId) { (void)commandId; return false; }
  virtual bool DoCommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String& menuText) {
    (void)commandId, (void)enabled, (void)checked, (void)menuText;
    return false;
  }

 private:
  class Dispatching;

  // Slots of attachments removed during a dispatch are null until it is over.
  std::vector<std::unique_ptr<CommandAttachment>> mAttachments;
  std::vector<std::unique_ptr<CommandAttachment>> mRemoved;
  int mDispatching = 0;
};

}  // namespace arx::uisupport
