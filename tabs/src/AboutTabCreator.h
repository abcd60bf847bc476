#pragma once
// Makes the About tab.
#include "AboutTab.h"

namespace fennick {

class AboutTabCreator : public zelworkspace::TabCreator {
 public:
  AboutTabCreator() : TabCreator(AboutTab::kTabType) {}

  zelworkspace::TabPanelP CreateTabPanel(zelworkspace::Workspace* workspace,
                                         zelworkspace::WorkspaceFrameBase* frame) override {
    return zelworkspace::TabPanelP(new AboutTab(workspace, frame));
  }
};

}  // namespace fennick
