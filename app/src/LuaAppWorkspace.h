#pragma once
#include "zelworkspace/Workspace.h"

namespace fennick {

// The application's workspace: a tab panel that gains focus becomes the current command handler.
class LuaAppWorkspace : public zelworkspace::Workspace {
 public:
  void OnTabPanelGainedFocus(zelworkspace::TabPanel* panel) override;
};

}  // namespace fennick
