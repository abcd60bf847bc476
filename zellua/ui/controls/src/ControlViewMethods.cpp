// The methods of control views ("zelControlView") and interactive control views
// ("zelInteractiveControlView"), below every control's own. Each converts the node with the
// framework's checked conversion; a released wrapper gives no values (the change methods: false).
#include "ui/src/ControlsInternal.h"
#include "zellua/ui/LuaBinder.h"
#include "zelui/controls/UI_ControlView.h"

namespace zellua::ui {

namespace {

using zelui::controls::UI_ControlView;
using zelui::controls::UI_InteractiveControlView;

int SetEnabled(lua_State* L) {
  if (auto* control = NodeAs<UI_ControlView>(L, 1)) control->UI_SetDisabled(!FlagDefaultTrue(L, 2));
  return 0;
}

int GetEnabled(lua_State* L) {
  auto* control = NodeAs<UI_ControlView>(L, 1);
  if (control == nullptr) return 0;
  lua_pushboolean(L, !control->UI_IsDisabled());
  return 1;
}

int SetValueUnknown(lua_State* L) {
  if (auto* control = NodeAs<UI_ControlView>(L, 1)) control->SetValueUnknown();
  return 0;
}

int IsValueUnknown(lua_State* L) {
  auto* control = NodeAs<UI_ControlView>(L, 1);
  if (control == nullptr) return 0;
  lua_pushboolean(L, control->IsValueUnknown());
  return 1;
}

int GetSuppressFocusDrawing(lua_State* L) {
  auto* control = NodeAs<UI_ControlView>(L, 1);
  if (control == nullptr) return 0;
  lua_pushboolean(L, control->GetSuppressFocusDrawing());
  return 1;
}

int SetSuppressFocusDrawing(lua_State* L) {
  if (auto* control = NodeAs<UI_ControlView>(L, 1)) control->SetSuppressFocusDrawing(FlagDefaultTrue(L, 2));
  return 0;
}

// NotifyWhenChanged(function) and NotifyWhenChangedInteractively(function): the function is
// kept before the control is looked at, and let go again when nothing files it.
int NotifyWhenChanged(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  luaL_checktype(L, 2, LUA_TFUNCTION);
  binding::LuaRef function(L, 2);
  auto* control = node != nullptr ? zelcore::utility::NonOptionalDynamicCast<UI_ControlView>(node) : nullptr;
  lua_pushboolean(L, LuaNotifyWhenChanged(L, control, std::move(function)));
  return 1;
}

int NotifyWhenChangedInteractively(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  luaL_checktype(L, 2, LUA_TFUNCTION);
  binding::LuaRef function(L, 2);
  auto* control =
      node != nullptr ? zelcore::utility::NonOptionalDynamicCast<UI_InteractiveControlView>(node) : nullptr;
  lua_pushboolean(L, LuaNotifyWhenInteractivelyChanged(L, control, std::move(function)));
  return 1;
}

}  // namespace

const luaL_Reg LuaControlViewWrapper::methods[] = {{"SetEnabled", SetEnabled},
                                                   {"GetEnabled", GetEnabled},
                                                   {"SetValueUnknown", SetValueUnknown},
                                                   {"IsValueUnknown", IsValueUnknown},
                                                   {"NotifyWhenChanged", NotifyWhenChanged},
                                                   {"GetSuppressFocusDrawing", GetSuppressFocusDrawing},
                                                   {"SetSuppressFocusDrawing", SetSuppressFocusDrawing},
                                                   {nullptr, nullptr}};

const luaL_Reg LuaInteractiveControlViewWrapper::methods[] = {
    {"NotifyWhenChangedInteractively", NotifyWhenChangedInteractively}, {nullptr, nullptr}};

}  // namespace zellua::ui
