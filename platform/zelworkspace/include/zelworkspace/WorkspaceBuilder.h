#pragma once
// Describes a workspace to be laid out: its top-level windows with their frames and the tabs in
// each frame, or a property list that holds the whole description.
#include <vector>

#include "zelcore/PropList.h"
#include "zelworkspace/MonitorInfo.h"

namespace zelworkspace {

class Workspace;

// One frame of a window, with the tab types it shows.
class FrameBuilder {
 public:
  const std::vector<zelcore::UTF16String>& Tabs() const { return mTabs; }

 private:
  std::vector<zelcore::UTF16String> mTabs;
};

struct WindowBuilder {
  Rect bounds;
  FrameBuilder frame;
  zelcore::UTF16String title;
};

class WorkspaceBuilder {
 public:
  // builtIn: the workspace comes with the application; described: its layout is a property list
  // (read into GetPropList) rather than windows added one by one.
  WorkspaceBuilder(Workspace* workspace, bool builtIn, bool described);

  Workspace* GetWorkspace() const { return mWorkspace; }
  bool IsBuiltIn() const { return mBuiltIn; }
  bool IsDescribed() const { return mDescribed; }

  zelcore::proplist::PropList& GetPropList() { return *mPropList; }
  void AddWindow(const Rect& bounds, const FrameBuilder& frame, const zelcore::UTF16String& title) {
    mWindows.push_back({bounds, frame, title});
  }
  const std::vector<WindowBuilder>& Windows() const { return mWindows; }

 private:
  Workspace* mWorkspace;
  bool mBuiltIn, mDescribed;
  zelcore::proplist::PropListRef mPropList;
  std::vector<WindowBuilder> mWindows;
};

}  // namespace zelworkspace
