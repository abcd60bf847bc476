// The test side of the workspace framework stand-in (zelworkspace/testing.h).
#include "os/Window.h"
#include "zelui/testing.h"
#include "zelworkspace/testing.h"

namespace zelworkspace::testing {

namespace {

// A recording surface that may refuse every rectangle it is asked about.
class TestSurface : public limner::SurfaceInterface {
 public:
  TestSurface(int width, int height, bool refuse) : SurfaceInterface(width, height), mRefuse(refuse) {}
  bool IsWithinClipBounds(const limner::Rect32& rect) const override {
    return !mRefuse && SurfaceInterface::IsWithinClipBounds(rect);
  }

 private:
  bool mRefuse;
};

}  // namespace

std::vector<LivePanel> LivePanels() {
  std::vector<LivePanel> panels;
  for (const TabPanel* panel : LiveTabPanels()) {
    const Workspace* workspace = panel->GetWorkspace();
    const bool held = workspace != nullptr && workspace->FindTabFromTabPanelID(panel->GetID()) == panel;
    panels.push_back({panel->GetID(), panel->GetTabType(), workspace, held,
                      held && workspace->IsTabPanelShown(panel)});
  }
  return panels;
}

bool FireMouseEvent(TabPanel& panel, const zelui::ui::MouseEvent& event) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(&panel);
  if (Workspace* workspace = panel.GetWorkspace()) workspace->TouchTabPanel(&panel);
  return zelui::testing::InjectMouseEvent(panel, event);
}

void FireSizeChanged(TabPanel& panel, const zelui::ui::RectF& rect) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(&panel);
  panel.SetPanelRect(rect);
}

bool FireTimer(TabPanel& panel, int timerId) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(&panel);
  return panel.UI_DoTimerNotify(timerId);
}

void FireOrientationChanged(TabPanel& panel, bool vertical) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(&panel);
  panel.NotifyOrientationChanged(vertical);
}

zelui::utility::OS_MenuP FirePopulateFlyout(TabPanel& panel) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(&panel);
  zelui::utility::OS_MenuP menu = zelui::utility::CreateOSMenu();
  panel.PopulateFlyoutMenu(menu);
  return menu;
}

void FireFlyoutCommand(TabPanel& panel, int itemId) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(&panel);
  panel.DoFlyoutMenuCommand(itemId);
}

std::vector<zelcore::PointT<int>> SnapSizes(TabPanel& panel) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(&panel);
  std::vector<zelcore::PointT<int>> sizes;
  panel.DoGetSnapSizes(sizes);
  return sizes;
}

PanelDrawing DrawTabPanel(TabPanel& panel, const PanelDrawRequest& request) {
  const zelui::ui::UI_NodeP hold = zelui::ui::HoldDuringDispatch(&panel);
  limner::SupplierInterface supplier;
  const limner::SurfaceP surface(new TestSurface(request.width, request.height, request.refuse));
  if (request.clip) {
    const limner::PathP path = supplier.CreatePath();
    path->AddRect(*request.clip);
    surface->Clip(path, true);
  }
  const std::size_t logStart = zelui::testing::DrawingLog().size();
  const int drawsBefore = zelui::testing::Record(panel).draws;
  PanelDrawing drawing;
  {
    limner::Limner context(&supplier, surface.get());
    panel.UI_DoDraw(context);
    drawing.contextLog = context.Log();
  }
  drawing.ownDraws = zelui::testing::Record(panel).draws - drawsBefore;
  const std::string prefix = "#" + std::to_string(surface->Number()) + " ";
  const auto& log = zelui::testing::DrawingLog();
  for (std::size_t i = logStart; i < log.size(); ++i)
    if (log[i].compare(0, prefix.size(), prefix) == 0) drawing.surfaceLog.push_back(log[i].substr(prefix.size()));
  return drawing;
}

std::vector<ToolButtonState> ToolButtons(const sharedui::ToolsTab& tab) {
  std::vector<ToolButtonState> states;
  for (const zelui::ui::UI_NodeP& item : tab.GetToolItems()) {
    ToolButtonState state;
    state.rect = item->UI_GetLocalRectF(false);
    state.disabled = item->UI_IsDisabled();
    if (const auto* button = dynamic_cast<const sharedui::ToolPictureButton*>(item.get())) {
      state.toolId = button->GetToolID();
      if (const sharedui::Tool* tool = button->GetTool()) {
        state.label = zelcore::UTF16to8(tool->GetLabel());
        state.image = tool->GetImageName();
      }
      state.active = button->IsActive();
    } else {
      state.separator = true;
    }
    states.push_back(std::move(state));
  }
  return states;
}

WorkspacePopupState WorkspacePopup(const sharedui::ToolsTab& tab) {
  const zelui::controls::UI_Popup* popup = tab.GetWorkspacePopup();
  WorkspacePopupState state;
  state.width = tab.GetWorkSpacePopupWidth();
  state.shown = popup->UI_IsShown();
  state.disabled = popup->UI_IsDisabled();
  state.items = popup->GetItems();
  state.chosen = popup->GetValueString();
  return state;
}

void SetMainWindowOnActiveSpace(Workspace& workspace, std::optional<bool> onActiveSpace) {
  if (TopLevelWindow* window = workspace.GetMainTopLevelWindow())
    window->GetPlatformWindow()->SetOnActiveSpace(onActiveSpace);
}

}  // namespace zelworkspace::testing
