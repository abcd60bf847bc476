#pragma once
// Tab panels: the views a workspace shows in the frames of its windows, each made by the creator
// of its tab type (Workspace.h). A panel is a counted UI node with an id of its own, fixed when
// it is made and never given to another panel of the process. The workspace holds the panels it
// shows or keeps hidden; whoever else holds one keeps it alive, but a panel forgets its workspace
// and frame when the workspace goes.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include <boost/intrusive_ptr.hpp>

#include "zelcore/Geometry.h"
#include "zelcore/Strings.h"
#include "zelui/OSMenu.h"
#include "zelui/OSView.h"

namespace os {
struct Event;
}

namespace zelworkspace {

class Workspace;
class TopLevelWindow;

// A frame of a workspace: the place tab panels are shown in, inside a top-level window.
class WorkspaceFrameBase {
 public:
  explicit WorkspaceFrameBase(TopLevelWindow* window = nullptr) : mWindow(window) {}
  WorkspaceFrameBase(const WorkspaceFrameBase&) = delete;
  WorkspaceFrameBase& operator=(const WorkspaceFrameBase&) = delete;
  virtual ~WorkspaceFrameBase() = default;

  // The window the frame lies in; null for a frame in no window (or whose window closed).
  TopLevelWindow* GetTopLevelWindow() const { return mWindow; }
  void SetTopLevelWindow(TopLevelWindow* window) { mWindow = window; }

 private:
  TopLevelWindow* mWindow;
};

class TabPanel : public zelui::ui::OS_View {
 public:
  // Told of the platform events that reach the panel's window; none is called in this framework.
  using OSEventCallback = std::function<bool(const os::Event& event)>;

  // A panel of that workspace and frame (either may be null), with its tab type (UTF-8) and the
  // name its tab shows. The two options are the framework's and are kept as given.
  TabPanel(Workspace* workspace, WorkspaceFrameBase* frame, const std::string& tabType,
           const zelcore::UTF16String& name, bool firstOption = true, bool secondOption = true,
           OSEventCallback osEventCallback = nullptr);

  std::int32_t GetID() const { return mID; }
  Workspace* GetWorkspace() const { return mWorkspace; }
  WorkspaceFrameBase* GetFrame() const { return mFrame; }
  const std::string& GetTabType() const { return mTabType; }
  const zelcore::UTF16String& GetName() const { return mName; }
  bool GetFirstOption() const { return mFirstOption; }
  bool GetSecondOption() const { return mSecondOption; }

  // Sets the panel's local rectangle; when its size changed, UI_SizeChanged (the node's) is told.
  void SetPanelRect(const zelui::ui::RectF& rect);

  // What the workspace asks of a panel, with the framework's own answers.
  // Whether the user may close the tab, show the panel without a tab of its own, lock it.
  virtual bool AllowClose() const { return true; }
  virtual bool AllowTabless() const { return false; }
  virtual bool IsLockable() const { return false; }
  // The frame holding the panel turned (vertical true) or back; nothing happens here.
  virtual void NotifyOrientationChanged(bool vertical) { (void)vertical; }
  // The tab's flyout menu is about to be shown: the panel may add its items. Adds nothing here.
  virtual void PopulateFlyoutMenu(const zelui::utility::OS_MenuP& menu) { (void)menu; }
  // The user chose an item of the flyout menu; nothing happens here.
  virtual void DoFlyoutMenuCommand(int itemId) { (void)itemId; }
  // Appends the sizes the panel's frame snaps to; none here.
  virtual void DoGetSnapSizes(std::vector<zelcore::PointT<int>>& sizes) { (void)sizes; }

 protected:
  ~TabPanel() override;

 private:
  friend class Workspace;

  std::int32_t mID;
  Workspace* mWorkspace;
  WorkspaceFrameBase* mFrame;
  std::string mTabType;
  zelcore::UTF16String mName;
  bool mFirstOption, mSecondOption;
  OSEventCallback mOSEventCallback;
};

using TabPanelP = boost::intrusive_ptr<TabPanel>;

// Every panel alive in the process, oldest first (tests read them through testing.h).
std::vector<TabPanel*> LiveTabPanels();

}  // namespace zelworkspace
