#include "arx/uisupport/CommandHandler.h"

#include <algorithm>

namespace arx::uisupport {

namespace {
CommandHandlerBase* gCurrent = nullptr;
}

CommandHandlerBase::~CommandHandlerBase() {
  if (gCurrent == this) gCurrent = nullptr;
}

CommandHandlerBase* CommandHandlerBase::GetCurrentCommandHandler() { return gCurrent; }
void CommandHandlerBase::SetCurrentCommandHandler(CommandHandlerBase* handler) { gCurrent = handler; }

// An attachment may remove itself, or another, while it works: removed attachments wait in
// mRemoved until the outermost dispatch is over.
class CommandHandler::Dispatching {
 public:
  explicit Dispatching(CommandHandler& handler) : mHandler(handler) { ++mHandler.mDispatching; }
  ~Dispatching() {
    if (--mHandler.mDispatching > 0) return;
    auto& attachments = mHandler.mAttachments;
    attachments.erase(std::remove(attachments.begin(), attachments.end(), nullptr), attachments.end());
    std::vector<std::unique_ptr<CommandAttachment>> removed;
    removed.swap(mHandler.mRemoved);
  }
  Dispatching(const Dispatching&) = delete;
  Dispatching& operator=(const Dispatching&) = delete;

 private:
  CommandHandler& mHandler;
};

CommandHandler::~CommandHandler() = default;

void CommandHandler::SetAsCurrentCommandHandler(bool) { SetCurrentCommandHandler(this); }

bool CommandHandler::HandleCommand(int commandId) {
  const Dispatching dispatching(*this);
  for (std::size_t i = 0; i < mAttachments.size(); ++i)
    if (CommandAttachment* attachment = mAttachments[i].get(); attachment && attachment->HandleCommand(commandId))
      return true;
  return DoHandleCommand(commandId);
}

bool CommandHandler::CommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String& menuText) {
  const Dispatching dispatching(*this);
  for (std::size_t i = 0; i < mAttachments.size(); ++i)
    if (CommandAttachment* attachment = mAttachments[i].get();
        attachment && attachment->CommandEnabled(commandId, enabled, checked, menuText))
      return true;
  return DoCommandEnabled(commandId, enabled, checked, menuText);
}

void CommandHandler::AddAttachment(std::unique_ptr<CommandAttachment> attachment) {
  if (attachment) mAttachments.push_back(std::move(attachment));
}

void CommandHandler::RemoveAttachment(CommandAttachment* attachment) {
  if (attachment == nullptr) return;
  const auto it = std::find_if(mAttachments.begin(), mAttachments.end(),
                               [&](const auto& a) { return a.get() == attachment; });
  if (it == mAttachments.end()) return;
  if (mDispatching > 0) {
    mRemoved.push_back(std::move(*it));
  } else {
    const std::unique_ptr<CommandAttachment> removed = std::move(*it);
    mAttachments.erase(it);
  }
}

std::size_t CommandHandler::AttachmentCount() const {
  return static_cast<std::size_t>(std::count_if(mAttachments.begin(), mAttachments.end(),
                                                [](const auto& a) { return a != nullptr; }));
}

bool UnifiedDispatchCmdAttachment::HandleCommand(int commandId) { return UnifiedDispatch(commandId, nullptr); }

bool UnifiedDispatchCmdAttachment::CommandEnabled(int commandId, bool& enabled, bool& checked,
                                                  zelcore::UTF16String& menuText) {
  EnableState state{enabled, checked, menuText};
  if (!UnifiedDispatch(commandId, &state)) return false;
  enabled = state.enabled;
  checked = state.checked;
  menuText = std::move(state.displayString);
  return true;
}

}  // namespace arx::uisupport
