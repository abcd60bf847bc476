#include "LuaAppWorkspace.h"

#include "arx/uisupport/CommandHandler.h"

namespace fennick {

void LuaAppWorkspace::OnTabPanelGainedFocus(zelworkspace::TabPanel* panel) {
  if (auto* handler = dynamic_cast<arx::uisupport::CommandHandler*>(panel))
    handler->SetAsCurrentCommandHandler(false);
  else
    arx::uisupport::CommandHandlerBase::SetCurrentCommandHandler(nullptr);
}

}  // namespace fennick
