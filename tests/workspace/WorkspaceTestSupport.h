#pragma once
// Panels and creators for the workspace tests: a panel that records what reached it and what it
// saw when it died, a creator that may act while it creates, and a workspace that records focus.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "zelworkspace/Workspace.h"

namespace workspacetest {

using zelworkspace::TabPanel;
using zelworkspace::TabPanelP;
using zelworkspace::Workspace;
using zelworkspace::WorkspaceFrameBase;

// What a probe panel saw when it died.
struct Death {
  std::int32_t id;
  const Workspace* workspace;
  const WorkspaceFrameBase* frame;
};
inline std::vector<Death>& Deaths() {
  static std::vector<Death> deaths;
  return deaths;
}

class ProbePanel : public TabPanel {
 public:
  using TabPanel::TabPanel;

  std::vector<zelui::ui::RectF> sizes;
  // Runs after each size change is recorded.
  std::function<void(ProbePanel&)> onSizeChanged;

  void UI_SizeChanged(const zelui::ui::RectF& rect) override {
    sizes.push_back(rect);
    if (onSizeChanged) onSizeChanged(*this);
  }

 protected:
  ~ProbePanel() override { Deaths().push_back({GetID(), GetWorkspace(), GetFrame()}); }
};

class ProbeCreator : public zelworkspace::TabCreator {
 public:
  // While it creates, during runs first; alive turns false when the creator dies.
  ProbeCreator(std::string tabType, bool hides = false, std::function<void(Workspace*)> during = nullptr,
               std::shared_ptr<bool> alive = nullptr)
      : TabCreator(std::move(tabType)), mHides(hides), mDuring(std::move(during)), mAlive(std::move(alive)) {
    if (mAlive) *mAlive = true;
  }
  ~ProbeCreator() override {
    if (mAlive) *mAlive = false;
  }

  TabPanelP CreateTabPanel(Workspace* workspace, WorkspaceFrameBase* frame) override {
    if (mDuring) mDuring(workspace);
    ++mMade;
    // The type and the count are read after the creator's own code ran.
    return TabPanelP(new ProbePanel(workspace, frame, TabType(), u"Probe " + zelcore::UTF8to16(std::to_string(mMade))));
  }
  bool HideWhenClosed() const override { return mHides; }
  int Made() const { return mMade; }

 private:
  bool mHides;
  std::function<void(Workspace*)> mDuring;
  std::shared_ptr<bool> mAlive;
  int mMade = 0;
};

class FocusWorkspace : public Workspace {
 public:
  std::vector<TabPanel*> gained;
  void OnTabPanelGainedFocus(TabPanel* panel) override { gained.push_back(panel); }
};

inline ProbePanel* Probe(TabPanel* panel) { return dynamic_cast<ProbePanel*>(panel); }

}  // namespace workspacetest
