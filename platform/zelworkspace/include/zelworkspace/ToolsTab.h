#pragma once
// Tools tabs: tab panels that show a column of tool buttons, one of them the active tool, below a
// workspace popup (the workspaces of the workspace manager) and above an optional view of the
// tools' options. Buttons are added through a tool map, which finds them again by tool id.
#include <map>
#include <string>
#include <vector>

#include <boost/intrusive_ptr.hpp>

#include "zelcore/utility/RefCountedObject.h"
#include "zelui/resources/Resources.h"
#include "zelui/controls/Controls.h"
#include "zelworkspace/Workspace.h"

namespace zelworkspace {
class Manager;
}

namespace zelworkspace::sharedui {

class ToolsTab;

// One tool: its id, the label of its button and the name of its image resource (UTF-8).
class Tool : public zelcore::utility::RefCountedObject {
 public:
  Tool(int id, const zelcore::UTF16String& label, const std::string& imageName)
      : mID(id), mLabel(label), mImageName(imageName) {}

  int GetID() const { return mID; }
  const zelcore::UTF16String& GetLabel() const { return mLabel; }
  const std::string& GetImageName() const { return mImageName; }

 protected:
  ~Tool() override;

 private:
  int mID;
  zelcore::UTF16String mLabel;
  std::string mImageName;
};

using ToolP = boost::intrusive_ptr<Tool>;

// The button of a tool: drawn from the tool's image, which the image cache makes from the
// resources; its value is set while its tool is the active tool of its tools tab. A click on an
// enabled button activates it.
class ToolPictureButton : public zelui::controls::UI_PictureButton {
 public:
  // The resources and the image cache are not owned (either may be null: no image). The option
  // is the framework's and is kept as given.
  ToolPictureButton(int toolId, ToolP tool, const zelui::resources::ResourceManager* resources,
                    zelui::resources::LimnerImageResourceCache* images, bool option);

  int GetToolID() const { return mToolID; }
  Tool* GetTool() const { return mTool.get(); }
  bool GetOption() const { return mOption; }
  void SetDisabled(bool disabled) { UI_SetDisabled(disabled); }
  bool IsActive() const { return GetValue(); }
  // Makes the button's tool the active tool of its tools tab (every other button of the tab goes
  // inactive), then sends the button's change message, also when it was active already.
  void ActivateButton();

 protected:
  ~ToolPictureButton() override;
  // Draws the tool's image at the button's top-left corner, unscaled; nothing without an image.
  void UI_Draw(limner::Limner& context) override;
  bool UI_HandleMouseEvent(zelui::ui::UI_Node* target, const zelui::ui::MouseEvent& event) override;

 private:
  int mToolID;
  ToolP mTool;
  const zelui::resources::ResourceManager* mResources;
  zelui::resources::LimnerImageResourceCache* mImages;
  bool mOption;
};

using ToolPictureButtonP = boost::intrusive_ptr<ToolPictureButton>;

class ToolsTab : public TabPanel {
 public:
  // The id of the active tool while none is.
  static constexpr int kNoTool = -1;
  static constexpr float kDefaultWorkspacePopupWidth = 100.0f;
  static constexpr float kDefaultToolSize = 32.0f;

  // The popup lists the workspaces of the manager (none without one) with the current one chosen;
  // the manager is not kept.
  // The two options are the framework's and are kept as given. A control view, when given, is
  // the first options view, as wide as the tab.
  ToolsTab(Manager* workspaceManager, Workspace* workspace, WorkspaceFrameBase* frame, bool firstOption,
           const std::string& tabType, const zelcore::UTF16String& name, OSEventCallback osEventCallback,
           bool secondOption, zelui::ui::UI_SubView* controlView);

  // The column: tool buttons and separators, in the order added.
  void AddSeparator();
  void AddToolButton(ToolPictureButton* button);
  // The buttons and separators (UI_Divider) of the column, in order.
  const std::vector<zelui::ui::UI_NodeP>& GetToolItems() const { return mItems; }
  int GetActiveToolID() const { return mActiveToolID; }
  // The tool that was active before the active one; kNoTool until the active tool changed twice.
  int GetPreviouslyActiveToolID() const { return mPreviousToolID; }
  // The size of every tool button.
  void SetToolWidthHeight(float width, float height);
  float GetToolWidth() const { return mToolWidth; }
  float GetToolHeight() const { return mToolHeight; }

  // The view of the tools' options, below the column, the width given (negative: as wide as the
  // tab); null takes it away.
  void SetToolOptionsView(zelui::ui::UI_SubView* view, float width);
  zelui::ui::UI_SubView* GetToolOptionsView() const { return mOptionsView.get(); }
  float GetToolOptionsViewWidth() const { return mOptionsViewWidth; }

  // The workspace popup, at the top of the tab; shown at first.
  zelui::controls::UI_Popup* GetWorkspacePopup() const { return mWorkspacePopup.get(); }
  void ShowWorkspacePopup(bool show);
  float GetWorkSpacePopupWidth() const { return mWorkspacePopupWidth; }
  void SetWorkspacePopupWidth(float width);

  // The tab's own answers: drawn through the drawing context, laid out anew when its size
  // changes, and snapping to the column of its tools.
  bool UI_SupportsLimner() const override { return true; }
  void UI_SizeChanged(const zelui::ui::RectF& rect) override;
  void DoGetSnapSizes(std::vector<zelcore::PointT<int>>& sizes) override;

 protected:
  ~ToolsTab() override;
  // Draws the popup (when shown), the column and the options view, in that order.
  void UI_Draw(limner::Limner& context) override;

 private:
  friend class ToolPictureButton;
  void ToolActivated(ToolPictureButton* button);
  // Places the popup, the column and the options view from the top down.
  void Layout();

  boost::intrusive_ptr<zelui::controls::UI_Popup> mWorkspacePopup;
  float mWorkspacePopupWidth = kDefaultWorkspacePopupWidth;
  std::vector<zelui::ui::UI_NodeP> mItems;
  int mActiveToolID = kNoTool;
  int mPreviousToolID = kNoTool;
  float mToolWidth = kDefaultToolSize;
  float mToolHeight = kDefaultToolSize;
  boost::intrusive_ptr<zelui::ui::UI_SubView> mOptionsView;
  float mOptionsViewWidth = -1.0f;
};

// Tool buttons by tool id: adding one files it under its id (replacing the button filed before
// under that id, which stays in its tab) and appends it to the tab's column.
class ToolMap {
 public:
  void AddButtonToToolTab(const ToolPictureButtonP& button, ToolsTab* tab);
  ToolPictureButton* GetToolButtonFromToolID(int toolId) const;

 private:
  std::map<int, ToolPictureButtonP> mButtons;
};

}  // namespace zelworkspace::sharedui
