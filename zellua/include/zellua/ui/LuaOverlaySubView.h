#pragma once
// A sub view laid over others: it lets every mouse event through to what lies below, and scripts
// draw its children themselves, in child order.
#include <cstdint>

#include "zellua/ui/LuaControlWrapper.h"
#include "zelui/ui/UI_SubView.h"

namespace zellua::ui {

class LuaOverlaySubView : public zelui::ui::UI_SubView {
 public:
  // The node state flag an overlay carries from its start.
  static constexpr std::uint32_t kOverlayStateFlag = 16;

  LuaOverlaySubView();

  // Handles nothing, so that the event goes on to the views below.
  bool UI_DoMouseEvent(UI_Node* target, const zelui::ui::MouseEvent& event) override;
  // Draws each child into the context, in child order.
  virtual void MyDispatchDrawToChildren(::limner::Limner& context);

 protected:
  ~LuaOverlaySubView() override;
};

// "zelOverlaySubView": the sub view's methods and DispatchDrawToChildren(context).
ZELLUA_CONTROL_WRAPPER(LuaOverlaySubViewWrapper, LuaUI_SubViewWrapper)

}  // namespace zellua::ui
