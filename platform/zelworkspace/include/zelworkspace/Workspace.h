#pragma once
// The workspace: the main top-level window holding tab panels made by registered creators.
#include <map>
#include <memory>
#include <vector>

#include "zelui/Window.h"
#include "zelcore/Strings.h"
#include "zelui/OSView.h"
#include "zelworkspace/MonitorInfo.h"

namespace zelworkspace {

class Workspace;

// A frame of a workspace window: the place tab panels are shown in.
class WorkspaceFrame {};

class TabPanel : public zelui::ui::OS_View {
 public:
  TabPanel() = default;
  // A panel of that workspace and frame, with its tab type and title.
  TabPanel(Workspace* workspace, WorkspaceFrame* frame, const zelcore::UTF16String& tabType,
           const zelcore::UTF16String& title)
      : mWorkspace(workspace), mFrame(frame), mTabType(tabType), mTitle(title) {}

  Workspace* GetWorkspace() const { return mWorkspace; }
  WorkspaceFrame* GetFrame() const { return mFrame; }
  const zelcore::UTF16String& GetTabType() const { return mTabType; }
  const zelcore::UTF16String& GetTitle() const { return mTitle; }

  void UI_Show(bool show) override { OS_View::UI_Show(show); }
  // Whether the user may close the tab.
  virtual bool AllowClose() const { return true; }
  // Whether the panel may be shown without a tab of its own.
  virtual bool AllowTabless() const { return false; }
  // Whether the panel may be locked in place.
  virtual bool IsLockable() const { return false; }

 private:
  Workspace* mWorkspace = nullptr;
  WorkspaceFrame* mFrame = nullptr;
  zelcore::UTF16String mTabType, mTitle;
};

// Makes the tab panels of one tab type.
class TabCreator {
 public:
  explicit TabCreator(const zelcore::UTF16String& tabType) : mTabType(tabType) {}
  virtual ~TabCreator() = default;
  const zelcore::UTF16String& TabType() const { return mTabType; }
  // A new panel of this type for the workspace and frame; the caller owns it.
  virtual std::unique_ptr<TabPanel> CreateTabPanel(Workspace* workspace, WorkspaceFrame* frame) = 0;
  // Whether a closed panel is only hidden, destroyed for good, and its state kept when destroyed.
  virtual bool HideWhenClosed() const { return false; }
  virtual bool ObliterateWhenClosed() const { return false; }
  virtual bool SaveStateWhenObliterated() const { return false; }

 private:
  zelcore::UTF16String mTabType;
};

// Visits tabs one by one; VisitTab returns false to stop.
class TabVisitor {
 public:
  virtual ~TabVisitor() = default;
  virtual bool VisitTab(TabPanel* panel) = 0;
};

// What the workspace draws its frame with.
class DrawSupplier {
 public:
  // Whether the workspace's drawing follows the colour theme's changes.
  void SetFollowsTheme(bool follows) { mFollowsTheme = follows; }
  bool FollowsTheme() const { return mFollowsTheme; }

 private:
  bool mFollowsTheme = false;
};

class Workspace {
 public:
  // Without a supplier of its own the workspace makes its default one.
  explicit Workspace(std::unique_ptr<DrawSupplier> supplier = nullptr)
      : mDrawSupplier(supplier ? std::move(supplier) : std::make_unique<DrawSupplier>()) {}
  virtual ~Workspace();

  DrawSupplier* GetDrawSupplier() const { return mDrawSupplier.get(); }
  // The window the workspace shows its tabs in; dialogs of the application open over it.
  zelui::ui::OS_Window* GetMainTopLevelWindow() { return mMainWindow.get(); }

  virtual void OnTabPanelGainedFocus(TabPanel* panel) { (void)panel; }

  // Takes ownership of the creator.
  void RegisterTabCreator(std::unique_ptr<TabCreator> creator);

  // Shows a tab of the type (made by its creator) or closes the one shown; false when no
  // creator makes that type, or when the tab shown does not allow closing.
  bool ToggleTab(const zelcore::UTF16String& tabType);
  bool IsTabShown(const zelcore::UTF16String& tabType) const { return mShown.count(tabType) != 0; }
  // Visits every shown tab until the visitor says stop.
  void VisitTabs(TabVisitor& visitor) const;

  WorkspaceFrame* GetMainFrame() { return &mMainFrame; }
  const MonitorInfo& GetMonitorInfo() const { return MonitorInfo::Get(); }

 private:
  WorkspaceFrame mMainFrame;
  std::unique_ptr<DrawSupplier> mDrawSupplier;
  boost::intrusive_ptr<zelui::ui::OS_Window> mMainWindow{new zelui::ui::OS_Window()};
  std::vector<std::unique_ptr<TabCreator>> mCreators;
  std::map<zelcore::UTF16String, std::unique_ptr<TabPanel>> mShown;
};

struct WorkspaceUtils {
  static bool ToggleTabState(Workspace* workspace, const zelcore::UTF16String& tabType, bool animate);
  static bool TabIsShown(const Workspace* workspace, const zelcore::UTF16String& tabType);
  static void VisitEachTab(const Workspace* workspace, TabVisitor& visitor);
};

}  // namespace zelworkspace
