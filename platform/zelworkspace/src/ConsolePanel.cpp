#include "zelworkspace/ConsolePanel.h"

namespace zelworkspace {

namespace {
ConsolePanel* gInstance = nullptr;
}

ConsolePanel::ConsolePanel(Workspace* workspace, WorkspaceFrameBase* frame)
    : TabPanel(workspace, frame, kTabType, u"Console") {
  if (gInstance == nullptr) gInstance = this;
}

ConsolePanel::~ConsolePanel() {
  if (gInstance == this) gInstance = nullptr;
}

ConsolePanel* ConsolePanel::GetInstance() { return gInstance; }

void ConsolePanel::Out() { ++mOutCalls; }

void ConsolePanel::PostBuffer(const std::string& utf8) { mOutput += utf8; }

}  // namespace zelworkspace
