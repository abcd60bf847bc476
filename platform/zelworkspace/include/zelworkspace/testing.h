#pragma once
// What only tests do with the workspace framework stand-in: set the monitors, list the panels
// alive, fire a panel's hooks as the workspace and the platform would, draw a panel on a
// recording surface, read a tools tab, and set what the main window's platform window answers.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "zelcore/Geometry.h"
#include "zelui/OSMenu.h"
#include "zelui/ui/Events.h"
#include "zelworkspace/MonitorInfo.h"
#include "zelworkspace/ToolsTab.h"
#include "zelworkspace/Workspace.h"

namespace zelworkspace::testing {

// Replaces the monitors (the first is monitor 0); an empty list restores the one default monitor.
void SetMonitors(const std::vector<Rect>& rects);

// Every panel alive in the process, oldest first: its id and type, the workspace it was made for
// (null once that workspace went), and whether that workspace holds it and shows it.
struct LivePanel {
  std::int32_t id;
  std::string tabType;
  const Workspace* workspace;
  bool held;
  bool shown;
};
std::vector<LivePanel> LivePanels();

// A panel's hooks, called as the workspace and the platform call them; the panel is held for the
// call. A mouse event first makes the panel the last touched one of its workspace; the answer is
// the panel's dispatch's. A timer goes to the panel's timer notification (installed or not). The
// flyout menu is a new empty menu the panel may fill; the filled menu is returned.
bool FireMouseEvent(TabPanel& panel, const zelui::ui::MouseEvent& event);
void FireSizeChanged(TabPanel& panel, const zelui::ui::RectF& rect);
bool FireTimer(TabPanel& panel, int timerId);
void FireOrientationChanged(TabPanel& panel, bool vertical);
zelui::utility::OS_MenuP FirePopulateFlyout(TabPanel& panel);
void FireFlyoutCommand(TabPanel& panel, int itemId);
std::vector<zelcore::PointT<int>> SnapSizes(TabPanel& panel);

// Draws the panel once on a fresh recording surface of the size, whose clip is narrowed to the
// clip rectangle when one is given. A refusing surface answers no to every "is this rectangle
// to be drawn" (IsWithinClipBounds).
struct PanelDrawRequest {
  int width = 100;
  int height = 100;
  std::optional<zelcore::RectF32> clip;
  bool refuse = false;
};
// What the drawing did: the surface's lines of the drawing log (without the "#n " in front), the
// drawing context's own lines (images), and how often the panel's own node drawing ran.
struct PanelDrawing {
  std::vector<std::string> surfaceLog;
  std::vector<std::string> contextLog;
  int ownDraws = 0;
};
PanelDrawing DrawTabPanel(TabPanel& panel, const PanelDrawRequest& request = {});

// A tools tab's column, in order: for each button its tool id, label and image name (UTF-8),
// whether it is disabled and active, and where it lies; separators carry only the flag.
struct ToolButtonState {
  bool separator = false;
  int toolId = 0;
  std::string label, image;
  bool disabled = false;
  bool active = false;
  zelcore::RectF32 rect;
};
std::vector<ToolButtonState> ToolButtons(const sharedui::ToolsTab& tab);
// A tools tab's workspace popup.
struct WorkspacePopupState {
  float width = 0;
  bool shown = false;
  bool disabled = false;
  std::vector<zelcore::UTF16String> items;
  zelcore::UTF16String chosen;
};
WorkspacePopupState WorkspacePopup(const sharedui::ToolsTab& tab);

// Whether the main window's platform window answers isOnActiveSpace (nullopt: it does not
// answer), and its answer. Nothing happens without a main window.
void SetMainWindowOnActiveSpace(Workspace& workspace, std::optional<bool> onActiveSpace);

}  // namespace zelworkspace::testing
