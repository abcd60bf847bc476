#include "zelworkspace/TabPanel.h"

#include <algorithm>
#include <limits>

#include "zelui/ui/UI_Node.h"

namespace zelworkspace {

namespace {

std::vector<TabPanel*>& Live() {
  static std::vector<TabPanel*> panels;
  return panels;
}

// Ids run from 1 up and start again at 1 past the largest; an id still in use is skipped.
std::int32_t NextID() {
  static std::int32_t last = 0;
  for (;;) {
    last = last == std::numeric_limits<std::int32_t>::max() ? 1 : last + 1;
    const auto& live = Live();
    if (std::none_of(live.begin(), live.end(), [](const TabPanel* p) { return p->GetID() == last; })) return last;
  }
}

}  // namespace

TabPanel::TabPanel(Workspace* workspace, WorkspaceFrameBase* frame, const std::string& tabType,
                   const zelcore::UTF16String& name, bool firstOption, bool secondOption,
                   OSEventCallback osEventCallback)
    : mID(NextID()),
      mWorkspace(workspace),
      mFrame(frame),
      mTabType(tabType),
      mName(name),
      mFirstOption(firstOption),
      mSecondOption(secondOption),
      mOSEventCallback(std::move(osEventCallback)) {
  Live().push_back(this);
}

TabPanel::~TabPanel() {
  auto& live = Live();
  live.erase(std::find(live.begin(), live.end(), this));
}

void TabPanel::SetPanelRect(const zelui::ui::RectF& rect) {
  UI_SetLocalRectF(rect);
}

std::vector<TabPanel*> LiveTabPanels() { return Live(); }

}  // namespace zelworkspace
