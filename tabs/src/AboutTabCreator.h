#pragma once
// Makes the About tab.
#include "AboutTab.h"

namespace fennick {

class AboutTabCreator : public zelworkspace::TabCreator {
 public:
  AboutTabCreator() : TabCreator(AboutTab::kTabType) {}

  std::unique_ptr<zelworkspace::TabPanel> CreateTabPanel(zelworkspace::Workspace* workspace,
                                                         zelworkspace::WorkspaceFrame* frame) override {
    return std::make_unique<AboutTab>(workspace, frame);
  }
};

}  // namespace fennick
