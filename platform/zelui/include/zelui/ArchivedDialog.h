#pragma once
// Dialogs built from an application resource: the resource lists the dialog's controls by name,
// class and place; the dialog runs modally and ends with OK or cancel.
#include <memory>
#include <vector>

#include "zelcore/Strings.h"
#include "zelui/ui/Geometry.h"

namespace zelworkspace {
class DrawSupplier;
}

namespace zelui::resources {
class ResourceManager;
}

namespace zelui::ui {

class OS_Window;

// A named control of a dialog.
class UI_Control {
 public:
  explicit UI_Control(zelcore::UTF16String name) : mName(std::move(name)) {}
  virtual ~UI_Control() = default;
  UI_Control(const UI_Control&) = delete;
  UI_Control& operator=(const UI_Control&) = delete;

  const zelcore::UTF16String& GetName() const { return mName; }
  // The rectangle in the parent's coordinates; the flag asks for the drawn area and is ignored.
  RectF UI_GetLocalRectF(bool drawn) const {
    (void)drawn;
    return mLocalRect;
  }
  void UI_SetLocalRectF(const RectF& rect) { mLocalRect = rect; }

 private:
  zelcore::UTF16String mName;
  RectF mLocalRect;
};

class UI_Button : public UI_Control {
 public:
  using UI_Control::UI_Control;
};

// A popup menu of texts; its value is the text of the chosen item, empty while none is chosen.
class UI_Popup : public UI_Control {
 public:
  using UI_Control::UI_Control;

  void AddItem(const zelcore::UTF16String& text) { mItems.push_back(text); }
  const std::vector<zelcore::UTF16String>& GetItems() const { return mItems; }
  zelcore::UTF16String GetValueString() const { return mValue; }
  // Chooses the item with this text; a text that is no item leaves the choice as it was.
  void SetValueString(const zelcore::UTF16String& text, bool notify);

 private:
  std::vector<zelcore::UTF16String> mItems;
  zelcore::UTF16String mValue;
};

enum ModalResult { kModalCancel = 0, kModalOK = 1 };

class UI_ArchivedDialog {
 public:
  // Builds the dialog described by the resource of this name and type "xml": its element
  // <control name="..." class="button|popup" rect="left top width height"/> make the controls.
  // A missing or unreadable resource gives a dialog without controls.
  UI_ArchivedDialog(const zelcore::UTF16String& resourceName, const resources::ResourceManager& resources,
                    zelworkspace::DrawSupplier* supplier, const zelcore::UTF16String& title, OS_Window* parent);
  ~UI_ArchivedDialog();
  UI_ArchivedDialog(const UI_ArchivedDialog&) = delete;
  UI_ArchivedDialog& operator=(const UI_ArchivedDialog&) = delete;

  // The control of that name, or null; the dialog owns it.
  UI_Control* FindControlByName(const zelcore::UTF16String& name) const;
  void SetCancelButton(UI_Button* button) { mCancelButton = button; }
  void SetOKButton(UI_Button* button) { mOKButton = button; }

  // Shows the dialog until the user ends it; the answer comes from the answers tests queued.
  ModalResult RunModal();

  const zelcore::UTF16String& GetTitle() const { return mTitle; }

 private:
  zelcore::UTF16String mResourceName;
  zelworkspace::DrawSupplier* mSupplier;
  zelcore::UTF16String mTitle;
  OS_Window* mParent;
  std::vector<std::unique_ptr<UI_Control>> mControls;
  UI_Button* mCancelButton = nullptr;
  UI_Button* mOKButton = nullptr;
};

}  // namespace zelui::ui
