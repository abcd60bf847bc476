#pragma once
// A top-level window of the workspace: the counted window node that holds frames of tab panels,
// with its bounds on the screen, the supplier its contents are drawn with, and the static
// elements it shows.
#include "zelcore/Strings.h"
#include "zelui/ui/OS_Window.h"

namespace limner {
class SupplierInterface;
}

namespace zelworkspace {

class TopLevelWindow : public zelui::ui::OS_Window {
 public:
  // The kinds of static element a window may show (0 to kStaticElementKinds - 1).
  static constexpr int kStaticElementKinds = 4;

  // Drawn through the supplier, which is not owned (null: none).
  TopLevelWindow(limner::SupplierInterface* supplier, const zelcore::UTF16String& title);

  limner::SupplierInterface* GetDrawSupplier() const { return mSupplier; }
  void SetDrawSupplier(limner::SupplierInterface* supplier) { mSupplier = supplier; }
  // The window's rectangle on the screen, frame included.
  zelui::ui::Rect32 GetBounds() const { return UI_GetGlobalStructureRect(); }
  void SetBounds(const zelui::ui::Rect32& bounds) { UI_SetGlobalStructureRect(bounds); }

  // Whether the window shows a static element of the kind; a window starts with none, and a kind
  // outside the range is never shown (set changes nothing for it).
  bool HasStaticElement(int kind) const;
  void SetHasStaticElement(int kind, bool has);

 protected:
  ~TopLevelWindow() override;

 private:
  limner::SupplierInterface* mSupplier;
  bool mStaticElements[kStaticElementKinds] = {};
};

using TopLevelWindowP = boost::intrusive_ptr<TopLevelWindow>;

}  // namespace zelworkspace
