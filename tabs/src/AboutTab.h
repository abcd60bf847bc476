#pragma once
// The About tab: shows the application's about image, cannot be closed, and handles no command.
#include "arx/uisupport/CommandHandler.h"
#include "zelworkspace/Workspace.h"

namespace fennick {

class AboutTab : public zelworkspace::TabPanel, public arx::uisupport::CommandHandler {
 public:
  static constexpr const char* kTabType = "Vt/AboutTab";
  static constexpr const char16_t* kTitle = u"About";

  AboutTab(zelworkspace::Workspace* workspace, zelworkspace::WorkspaceFrameBase* frame)
      : TabPanel(workspace, frame, kTabType, kTitle) {}

  // Draws the image "veyra_about" at the top-left corner, unscaled.
  void UI_Draw(limner::Limner& context) override;
  bool UI_SupportsLimner() const override { return true; }
  void UI_Show(bool show) override { TabPanel::UI_Show(show); }

  bool AllowClose() const override { return false; }
  bool AllowTabless() const override { return true; }
  bool IsLockable() const override { return true; }

 protected:
  bool DoHandleCommand(int) override { return false; }
  bool DoCommandEnabled(int, bool&, bool&, zelcore::UTF16String&) override { return false; }
};

}  // namespace fennick
