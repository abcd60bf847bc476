#pragma once
// The workspace: the main top-level window and its frame, the tab creators by tab type, and the
// tab panels they made, kept by id and shown or hidden, with the focused panel and the panel last
// touched. Tab types are UTF-8 names. Several panels of one type may live at once.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "zelcore/Strings.h"
#include "zelui/limner/Limner.h"
#include "zelworkspace/MonitorInfo.h"
#include "zelworkspace/TabPanel.h"
#include "zelworkspace/TopLevelWindow.h"

namespace zelworkspace {

// Makes the tab panels of one tab type.
class TabCreator {
 public:
  explicit TabCreator(std::string tabType) : mTabType(std::move(tabType)) {}
  TabCreator(const TabCreator&) = delete;
  TabCreator& operator=(const TabCreator&) = delete;
  virtual ~TabCreator() = default;

  const std::string& TabType() const { return mTabType; }
  // A new panel of this type for the workspace and frame, or null when none could be made.
  virtual TabPanelP CreateTabPanel(Workspace* workspace, WorkspaceFrameBase* frame) = 0;
  // Whether a closed panel is only hidden (and shown again by the next CreateOrReanimateTab of
  // its type), destroyed for good, and its state kept when destroyed. The framework's answers are
  // false; only the first changes what the workspace does.
  virtual bool HideWhenClosed() const { return false; }
  virtual bool ObliterateWhenClosed() const { return false; }
  virtual bool SaveStateWhenObliterated() const { return false; }

 private:
  std::string mTabType;
};

// Visits tabs one by one; VisitTab returns false to stop.
class TabVisitor {
 public:
  virtual ~TabVisitor() = default;
  virtual bool VisitTab(TabPanel* panel) = 0;
};

// What the workspace's windows are drawn with: a drawing supplier that may follow the colour
// theme's changes.
class DrawSupplier : public limner::SupplierInterface {
 public:
  void SetFollowsTheme(bool follows) { mFollowsTheme = follows; }
  bool FollowsTheme() const { return mFollowsTheme; }

 private:
  bool mFollowsTheme = false;
};

class Workspace {
 public:
  // Without a supplier of its own the workspace makes its default one.
  explicit Workspace(std::unique_ptr<DrawSupplier> supplier = nullptr);
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;
  // Panels go first (each forgets the workspace and its frame before it is let go), then the
  // creators, then the main window.
  virtual ~Workspace();

  DrawSupplier* GetDrawSupplier() const { return mDrawSupplier.get(); }
  // The window the workspace shows its tabs in; dialogs of the application open over it. Null
  // once it was closed (zelworkspace/testing.h).
  TopLevelWindow* GetMainTopLevelWindow() const { return mMainWindow.get(); }
  WorkspaceFrameBase* GetMainFrame() { return &mMainFrame; }
  const MonitorInfo& GetMonitorInfo() const { return MonitorInfo::Get(); }

  // Creators. Registering a creator for a type that has one replaces it. A creator unregistered
  // or replaced while a panel is being created lives until that creation is over.
  void RegisterTabCreator(std::unique_ptr<TabCreator> creator);
  TabCreator* FindCreator(const std::string& tabType) const;
  void UnregisterTabCreator(const std::string& tabType);

  // Shows a panel of the type: the oldest one kept hidden, else a new one from the type's creator
  // (in the main frame, as a child of the main window). With a rectangle the panel takes it. The
  // panel shown takes the focus unless takeFocus is false. Null when no creator makes the type.
  TabPanel* CreateOrReanimateTab(const std::string& tabType, const zelui::ui::Rect32* rect = nullptr,
                                 bool takeFocus = true);
  // Closes the panel: hidden when its type's creator hides closed panels, else let go (it dies
  // unless someone else holds it). False for a panel this workspace does not hold.
  bool CloseTab(TabPanel* panel);
  // Closes the oldest shown panel of the type, or, when none is shown, shows one as above. False
  // when nothing changed: no creator for the type, or the panel shown does not allow closing.
  bool ToggleTab(const std::string& tabType, bool takeFocus = true);

  // Whether a panel of the type is shown; hidden tells whether one is kept hidden.
  bool IsTabShown(const std::string& tabType, bool* hidden = nullptr) const;
  bool IsTabPanelShown(const TabPanel* panel) const;
  TabPanel* FindTabFromTabPanelID(std::int32_t id) const;
  // The oldest panel of the type, shown or hidden, in the frame when one is given.
  TabPanel* FindFirstTabOfType(const std::string& tabType, const WorkspaceFrameBase* frame = nullptr) const;
  // Every panel the workspace holds, shown or hidden, oldest first.
  std::vector<TabPanel*> GetTabPanels() const;
  // Visits every shown tab until the visitor says stop.
  void VisitTabs(TabVisitor& visitor) const;

  // Focus: one shown panel of the workspace at a time. Setting it (again) tells
  // OnTabPanelGainedFocus and makes the panel the last touched one; null clears the focus and
  // tells OnTabPanelGainedFocus with null. A panel the workspace does not show is ignored. A
  // focused panel that is closed takes the focus with it.
  TabPanel* GetFocusedTabPanel() const;
  void SetFocusedTabPanel(TabPanel* panel);
  virtual void OnTabPanelGainedFocus(TabPanel* panel) { (void)panel; }
  // The panel the user last clicked or focused, while the workspace holds it.
  TabPanel* GetLastTouchedTabPanel() const;
  void TouchTabPanel(TabPanel* panel);

  // Closes the main window: the main frame is then in no window.
  void CloseMainTopLevelWindow();

 private:
  struct Entry {
    TabPanelP panel;
    bool shown;
  };

  // Takes a new panel from the creator, which is kept while it works.
  TabPanelP MakePanel(TabCreator& creator);
  void Retire(std::unique_ptr<TabCreator> creator);
  // Shows the panel held under the id; its own code may close it meanwhile.
  void Show(std::int32_t id, const zelui::ui::Rect32* rect, bool takeFocus);
  const Entry* Find(const TabPanel* panel) const;

  std::unique_ptr<DrawSupplier> mDrawSupplier;
  TopLevelWindowP mMainWindow;
  WorkspaceFrameBase mMainFrame;
  std::map<std::string, std::unique_ptr<TabCreator>> mCreators;
  // Creators replaced while a panel was being made, and how many creations run.
  std::vector<std::unique_ptr<TabCreator>> mRetiredCreators;
  int mCreating = 0;
  // By id, so oldest first.
  std::map<std::int32_t, Entry> mPanels;
  std::int32_t mFocused = 0;
  std::int32_t mLastTouched = 0;
};

struct WorkspaceUtils {
  // Toggles a tab of the type (Workspace::ToggleTab); the flag would animate the change.
  static bool ToggleTabState(Workspace* workspace, const std::string& tabType, bool animate);
  // The same for a toolbar tab, which does not take the focus when shown.
  static bool ToggleToolbarTabState(Workspace* workspace, const std::string& tabType);
  static TabPanel* CreateOrReanimateTab(Workspace* workspace, const std::string& tabType,
                                        const zelui::ui::Rect32* rect = nullptr);
  static bool CloseTab(Workspace* workspace, TabPanel* panel);
  static bool TabIsShown(const Workspace* workspace, const std::string& tabType, bool* hidden = nullptr);
  static TabPanel* FindFirstTabOfType(const Workspace* workspace, const std::string& tabType,
                                      const WorkspaceFrameBase* frame = nullptr);
  static TabPanel* FindTabFromTabPanelID(const Workspace* workspace, std::int32_t id);
  static void VisitEachTab(const Workspace* workspace, TabVisitor& visitor);
};

// The workspace proper, under the namespace the framework gives it.
namespace workspace {
using zelworkspace::TabCreator;
using zelworkspace::TabPanel;
using zelworkspace::TabPanelP;
using zelworkspace::TabVisitor;
using zelworkspace::TopLevelWindow;
using zelworkspace::Workspace;
using zelworkspace::WorkspaceFrameBase;
using zelworkspace::WorkspaceUtils;
}  // namespace workspace

}  // namespace zelworkspace
