#pragma once
// Windows: an OS window is the root node of a platform window's tree, with the window part
// (UI_Window) that owner windows and dialogs know it by. A dialog is an OS window shown over its
// parent. Windows start hidden.
#include <memory>
#include <string>
#include <vector>

#include "zelcore/Strings.h"
#include "zelui/ui/Geometry.h"
#include "zelui/ui/UI_Node.h"

namespace limner {
class SupplierInterface;
}
namespace os {
class Window;
}
namespace zelui::controls {
class UI_Button;
}

namespace zelui::ui {

// How a window's activation changed.
enum WindowActivation { kWindowActivation_ACTIVATED = 0, kWindowActivation_CLICK_ACTIVATED = 1,
                        kWindowActivation_DEACTIVATED = 2 };

// The window part: its platform window and its owner. The owner is weak: a window forgets an
// owner that dies.
class UI_Window {
 public:
  UI_Window();
  UI_Window(const UI_Window&) = delete;
  UI_Window& operator=(const UI_Window&) = delete;
  virtual ~UI_Window();

  // Null clears the owner. A window never becomes its own owner, nor the owner of a window that
  // owns it, directly or further up: such a call changes nothing and answers false.
  bool SetOwner(UI_Window* owner);
  UI_Window* GetOwner() const { return mOwner; }

  // Makes a new platform window for this one (the old one goes): the rectangle {left, top, width,
  // height} on the screen, the style, the level, the flags and the platform window class. The
  // framework's panel class is "ZELMacPanelWindow".
  void UI_CreateWindow(const RectF& rect, int style, int level, int flags, const std::string& className);
  // Never null: a window starts with a platform window of the default class at the normal level.
  os::Window* GetPlatformWindow() const { return mPlatformWindow.get(); }
  int GetWindowStyle() const { return mStyle; }
  int GetWindowFlags() const { return mFlags; }

 protected:
  // Told when UI_CreateWindow placed a new platform window.
  virtual void PlatformWindowCreated(const RectF& rect) { (void)rect; }

 private:
  UI_Window* mOwner = nullptr;
  std::vector<UI_Window*> mOwned;
  std::unique_ptr<os::Window> mPlatformWindow;
  int mStyle = 0;
  int mFlags = 0;
};

class OS_Window : public UI_Node, public UI_Window {
 public:
  explicit OS_Window(zelcore::UTF16String title = {});

  const zelcore::UTF16String& GetTitle() const { return mTitle; }
  void SetTitle(const zelcore::UTF16String& title) { mTitle = title; }
  // The whole window's rectangle on the screen, frame included.
  void UI_SetGlobalStructureRect(const Rect32& rect) { mStructureRect = rect; }
  Rect32 UI_GetGlobalStructureRect() const { return mStructureRect; }
  // The supplier the window's nodes are drawn with; none: the node manager's default.
  virtual limner::SupplierInterface* UI_GetWindowDrawSupplier() const { return nullptr; }

  // Shows or hides the node and its platform window.
  void UI_Show(bool show) override;
  // Brings the window to the front and makes it the key window; counted for tests.
  void UI_Activate() { ++mActivations; }
  int GetActivationCount() const { return mActivations; }

  // What the platform asks of a window. The framework's own answers: no drawing with limner,
  // activation changes and closing ignored, and a window that is no popup does not close as one.
  virtual bool UI_SupportsLimner() const { return false; }
  virtual void UI_ActivationChanged(WindowActivation activation) { (void)activation; }
  // Asked when a click elsewhere would close a popup; true when the window closed itself.
  virtual bool UI_CloseIfPopup() { return false; }
  virtual void UI_DuringClose() {}

 protected:
  ~OS_Window() override;
  void PlatformWindowCreated(const RectF& rect) override;

 private:
  zelcore::UTF16String mTitle;
  Rect32 mStructureRect;
  int mActivations = 0;
};

// Makes the view container of a dialog's content; without one the dialog makes its own.
class UI_ViewContainerFactory;

class UI_Dialog : public OS_Window {
 public:
  // Drawn through the supplier, titled, at the origin with the extent (screen coordinates), over
  // the parent node (none: a free dialog), which the dialog keeps alive. The other options are the
  // platform window's; only the flags are kept here.
  UI_Dialog(limner::SupplierInterface* supplier, const zelcore::UTF16String& title, PointF origin,
            const PointF& extent, bool resizable, UI_Node* parent, bool hasCloseBox, bool floating,
            bool movable, bool centerOverParent, int windowLevel, int flags,
            UI_ViewContainerFactory* containerFactory);

  limner::SupplierInterface* GetSupplier() const { return mSupplier; }
  limner::SupplierInterface* UI_GetWindowDrawSupplier() const override { return mSupplier; }
  UI_Node* GetParentWindow() const { return mParentWindow.get(); }
  PointF GetOrigin() const { return mOrigin; }
  PointF GetExtent() const { return mExtent; }
  int GetFlags() const { return mFlags; }

  // The view that holds the dialog's content, its first child.
  UI_Node* GetContainer() const { return mContainer.get(); }
  // The buttons that end the dialog with OK and with cancel, and the node focused when it runs;
  // each is kept alive by the dialog until replaced (null clears).
  void SetOkButton(controls::UI_Button* button);
  void SetCancelButton(controls::UI_Button* button);
  controls::UI_Button* GetOkButton() const;
  controls::UI_Button* GetCancelButton() const;
  void SetInitialFocus(UI_Node* node) { mInitialFocus = node; }
  UI_Node* GetInitialFocus() const { return mInitialFocus.get(); }

  // Shows the dialog on top of the modal stack until it closes, then hides it and takes it off
  // the stack. How the user ends it comes from the answers tests queue (zelui/testing.h); with
  // none queued the dialog is cancelled. A dialog already running is not run again.
  void RunModal();
  bool IsRunningModal() const { return mRunningModal; }
  // The response is 1 after OK, 0 after cancel, and -1 until either; SetResponse keeps any value.
  int GetResponse() const { return mResponse; }
  void SetResponse(int response) { mResponse = response; }
  // End the dialog (or, when it does not run, hide it) with the response 1 or 0.
  void DefaultCloseOk() { DefaultClose(1); }
  void DefaultCloseCancel() { DefaultClose(0); }

 protected:
  ~UI_Dialog() override;

 private:
  void DefaultClose(int response);

  limner::SupplierInterface* mSupplier;
  UI_NodeP mParentWindow;
  PointF mOrigin, mExtent;
  int mFlags;
  UI_NodeP mContainer;
  UI_NodeP mOkButton, mCancelButton, mInitialFocus;
  int mResponse = -1;
  bool mRunningModal = false;
  bool mClosed = false;
};

}  // namespace zelui::ui
