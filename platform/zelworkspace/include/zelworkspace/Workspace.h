#pragma once
// The workspace: the main top-level window holding tab panels made by registered creators.
#include <map>
#include <memory>
#include <vector>

#include "zelui/Window.h"
#include "zelcore/Strings.h"

namespace zelworkspace {

class TabPanel {
 public:
  virtual ~TabPanel() = default;
};

// Makes the tab panels of one tab type.
class TabCreator {
 public:
  explicit TabCreator(const zelcore::UTF16String& tabType) : mTabType(tabType) {}
  virtual ~TabCreator() = default;
  const zelcore::UTF16String& TabType() const { return mTabType; }
  virtual std::unique_ptr<TabPanel> NewTabPanel() = 0;

 private:
  zelcore::UTF16String mTabType;
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
  zelui::ui::OS_Window* GetMainTopLevelWindow() { return &mMainWindow; }

  virtual void OnTabPanelGainedFocus(TabPanel* panel) { (void)panel; }

  // Takes ownership of the creator.
  void RegisterTabCreator(std::unique_ptr<TabCreator> creator);
  const std::vector<std::unique_ptr<TabCreator>>& TabCreators() const { return mCreators; }

  // Shows a tab of the type (made by its creator) or closes the one shown; false when no
  // creator makes that type.
  bool ToggleTab(const zelcore::UTF16String& tabType);
  bool IsTabShown(const zelcore::UTF16String& tabType) const { return mShown.count(tabType) != 0; }

 private:
  std::unique_ptr<DrawSupplier> mDrawSupplier;
  zelui::ui::OS_Window mMainWindow;
  std::vector<std::unique_ptr<TabCreator>> mCreators;
  std::map<zelcore::UTF16String, std::unique_ptr<TabPanel>> mShown;
};

struct WorkspaceUtils {
  static bool ToggleTabState(Workspace* workspace, const zelcore::UTF16String& tabType, bool animate);
  static bool TabIsShown(const Workspace* workspace, const zelcore::UTF16String& tabType);
};

}  // namespace zelworkspace
