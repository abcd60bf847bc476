// The overlay sub view and its one method.
#include "zellua/ui/LuaOverlaySubView.h"

#include "ui/src/ControlsInternal.h"
#include "zellua/limner/LimnerLua.h"

namespace zellua::ui {

LuaOverlaySubView::LuaOverlaySubView() { UI_SetStateFlags(kOverlayStateFlag); }
LuaOverlaySubView::~LuaOverlaySubView() = default;

bool LuaOverlaySubView::UI_DoMouseEvent(UI_Node*, const zelui::ui::MouseEvent&) { return false; }

void LuaOverlaySubView::MyDispatchDrawToChildren(::limner::Limner& context) {
  // Held, so that a child's drawing that removes children leaves the count behind it.
  const UI_NodeP self(this);
  const zelui::ui::UI_NodeContainer& children = UI_GetContainer();
  for (std::ptrdiff_t index = 0; index < children.ChildSize(); ++index)
    UI_DispatchDrawToChild(children.ChildGet(index), context);
}

namespace {

// DispatchDrawToChildren(context): nothing for a context out of scope.
int DispatchDrawToChildren(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  limner::LimnerProxy* context = limner::zellua_checkLimner(L, 2);
  if (node == nullptr || context->object == nullptr) return 0;
  zelcore::utility::NonOptionalDynamicCast<LuaOverlaySubView>(node)->MyDispatchDrawToChildren(*context->object);
  return 0;
}

}  // namespace

const luaL_Reg LuaOverlaySubViewWrapper::methods[] = {{"DispatchDrawToChildren", DispatchDrawToChildren},
                                                      {nullptr, nullptr}};

}  // namespace zellua::ui
