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

CommandHandler::~CommandHandler() = default;

void CommandHandler::SetAsCurrentCommandHandler(bool) { SetCurrentCommandHandler(this); }

bool CommandHandler::HandleCommand(int commandId) {
  for (auto& a : mAttachments)
    if (a->HandleCommand(commandId)) return true;
  return DoHandleCommand(commandId);
}

bool CommandHandler::CommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String& menuText) {
  for (auto& a : mAttachments)
    if (a->CommandEnabled(commandId, enabled, checked, menuText)) return true;
  return DoCommandEnabled(commandId, enabled, checked, menuText);
}

void CommandHandler::AddAttachment(std::unique_ptr<CommandAttachment> attachment) {
  if (attachment) mAttachments.push_back(std::move(attachment));
}

void CommandHandler::RemoveAttachment(CommandAttachment* attachment) {
  mAttachments.erase(std::remove_if(mAttachments.begin(), mAttachments.end(),
                                    [&](const auto& a) { return a.get() == attachment; }),
                     mAttachments.end());
}

}  // namespace arx::uisupport
