#pragma once
// A view of the UI framework: a sub view that the platform places in a window, drawn either by the
// platform or through the drawing context (UI_SupportsLimner). Views are counted nodes.
#include "zelui/ui/UI_SubView.h"

namespace zelui::ui {

class OS_View : public UI_SubView {
 public:
  OS_View() = default;

  // Whether the view draws through the drawing context rather than the platform's own drawing.
  virtual bool UI_SupportsLimner() const { return false; }
  // The local rectangle in whole units: the smallest integer rectangle that covers the float one
  // (values beyond the integer range clamp). The flag asks for the drawn area, which is the local
  // rectangle here.
  Rect32 UI_GetLocalRect(bool drawnArea = false) const;
  // Keeps the platform's own controls inside the view out of the drawing that follows; counted
  // for tests.
  void UI_ClipOSControls() { ++mClipOSControlsCalls; }
  int ClipOSControlsCalls() const { return mClipOSControlsCalls; }

 protected:
  ~OS_View() override;

 private:
  int mClipOSControlsCalls = 0;
};

}  // namespace zelui::ui
