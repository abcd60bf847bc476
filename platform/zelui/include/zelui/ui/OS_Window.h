#pragma once
// Windows: an OS window is the root node of a platform window's tree, with the window part
// (UI_Window) that owner windows and dialogs know it by. A dialog is an OS window shown over its
// parent. Windows start hidden.
#include "zelcore/Strings.h"
#include "zelui/ui/Geometry.h"
#include "zelui/ui/UI_Node.h"

namespace limner {
class SupplierInterface;
}

namespace zelui::ui {

class UI_Window {
 public:
  UI_Window() = default;
  UI_Window(const UI_Window&) = delete;
  UI_Window& operator=(const UI_Window&) = delete;
  virtual ~UI_Window();
};

class OS_Window : public UI_Node, public UI_Window {
 public:
  explicit OS_Window(zelcore::UTF16String title = {});

  const zelcore::UTF16String& GetTitle() const { return mTitle; }
  // The whole window's rectangle on the screen, frame included.
  void UI_SetGlobalStructureRect(const Rect32& rect) { mStructureRect = rect; }
  Rect32 UI_GetGlobalStructureRect() const { return mStructureRect; }
  // The supplier the window's nodes are drawn with; none: the node manager's default.
  virtual limner::SupplierInterface* UI_GetWindowDrawSupplier() const { return nullptr; }

 protected:
  ~OS_Window() override;

 private:
  zelcore::UTF16String mTitle;
  Rect32 mStructureRect;
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

 protected:
  ~UI_Dialog() override;

 private:
  limner::SupplierInterface* mSupplier;
  UI_NodeP mParentWindow;
  PointF mOrigin, mExtent;
  int mFlags;
};

}  // namespace zelui::ui
