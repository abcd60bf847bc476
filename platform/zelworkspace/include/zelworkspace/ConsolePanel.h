#pragma once
// The console panel: where a developer types console commands and reads their output.
#include <string>

#include "zelworkspace/Workspace.h"

namespace zelworkspace {

class ConsolePanel : public TabPanel {
 public:
  static constexpr const char* kTabType = "ConsolePanel";

  // A panel of no workspace, or of the workspace and frame.
  ConsolePanel() : ConsolePanel(nullptr, nullptr) {}
  ConsolePanel(Workspace* workspace, WorkspaceFrameBase* frame);

  // The open console panel, or null when none is open.
  static ConsolePanel* GetInstance();

  // Brings the panel forward for output.
  void Out();
  // Appends UTF-8 text to the panel's output.
  void PostBuffer(const std::string& utf8);

  const std::string& Output() const { return mOutput; }
  int OutCalls() const { return mOutCalls; }

 protected:
  ~ConsolePanel() override;

 private:
  std::string mOutput;
  int mOutCalls = 0;
};

class ConsolePanelTabCreator : public TabCreator {
 public:
  ConsolePanelTabCreator() : TabCreator(ConsolePanel::kTabType) {}
  TabPanelP CreateTabPanel(Workspace* workspace, WorkspaceFrameBase* frame) override {
    return TabPanelP(new ConsolePanel(workspace, frame));
  }
};

}  // namespace zelworkspace
