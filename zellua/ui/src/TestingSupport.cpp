// "UINodeManager": mouse input capture and mouse-event filter nodes of the process's node
// manager. "luaTestingSupport": change messages of controls, sent as user input sends them.
// Released wrappers and collected captures reach nothing.
#include "ui/src/ControlsInternal.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/ui/LuaEvents.h"
#include "zellua/ui/LuaTestingSupport.h"
#include "zelui/NodeManager.h"
#include "zelui/controls/UI_ControlView.h"

namespace zellua::ui {

namespace {

using zelui::controls::UI_ControlView;
using zelui::controls::UI_InteractiveControlView;
using zelui::ui::UI_NodeManager;

// The node manager's library.

int BeginInputCapture(lua_State* L) {
  if (LuaInputCapture* capture = zellua_checkInputCapture(L, 1))
    UI_NodeManager::Get()->BeginInputCapture(zelui::ui::InputCaptureP(capture));
  return 0;
}

int EndInputCapture(lua_State* L) {
  UI_NodeManager::Get()->EndInputCapture(lua_isboolean(L, 1) && lua_toboolean(L, 1));
  return 0;
}

int HasInputCapture(lua_State* L) {
  lua_pushboolean(L, UI_NodeManager::Get()->HasInputCapture());
  return 1;
}

int AddMouseEventFilterNode(lua_State* L) {
  if (UI_Node* node = GetControlNode(L, 1)) UI_NodeManager::Get()->AddMouseEventFilterNode(node);
  return 0;
}

int RemoveMouseEventFilterNode(lua_State* L) {
  if (UI_Node* node = GetControlNode(L, 1)) UI_NodeManager::Get()->RemoveMouseEventFilterNode(node);
  return 0;
}

const luaL_Reg kNodeManagerFunctions[] = {{"BeginInputCapture", BeginInputCapture},
                                          {"EndInputCapture", EndInputCapture},
                                          {"HasInputCapture", HasInputCapture},
                                          {"AddMouseEventFilterNode", AddMouseEventFilterNode},
                                          {"RemoveMouseEventFilterNode", RemoveMouseEventFilterNode},
                                          {nullptr, nullptr}};

// The testing library.

int SendControlValueChangeMessage(lua_State* L) {
  if (auto* control = NodeAs<UI_ControlView>(L, 1)) control->SendValueChangedMessage();
  return 0;
}

int SimulateBeginInteractiveChange(lua_State* L) {
  if (auto* control = NodeAs<UI_InteractiveControlView>(L, 1)) control->BeginInteractiveChange();
  return 0;
}

// The flags are checked even when the wrapper was released; their low eight bits are the
// modifier keys.
int SimulateContinueInteractiveChange(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const int flags = binding::CheckInteger<int>(L, 2);
  if (node == nullptr) return 0;
  zelcore::utility::NonOptionalDynamicCast<UI_InteractiveControlView>(node)->ContinueInteractiveChange(
      static_cast<zelui::ui::ModifierFlags>(flags & 0xFF));
  return 0;
}

int SimulateFinishInteractiveChange(lua_State* L) {
  if (auto* control = NodeAs<UI_InteractiveControlView>(L, 1)) control->FinishInteractiveChange();
  return 0;
}

const luaL_Reg kTestingFunctions[] = {{"SendControlValueChangeMessage", SendControlValueChangeMessage},
                                      {"SimulateBeginInteractiveChange", SimulateBeginInteractiveChange},
                                      {"SimulateContinueInteractiveChange", SimulateContinueInteractiveChange},
                                      {"SimulateFinishInteractiveChange", SimulateFinishInteractiveChange},
                                      {nullptr, nullptr}};

}  // namespace

int LuaTestingSupport::InitLua(lua_State* L) {
  return binding::OpenModule(L, "luaTestingSupport", kTestingFunctions);
}

}  // namespace zellua::ui

extern "C" int luaopen_zellua_UINodeManager(lua_State* L) {
  return zellua::binding::OpenModule(L, "UINodeManager", zellua::ui::kNodeManagerFunctions);
}

extern "C" int luaopen_zellua_luaTestingSupport(lua_State* L) { return zellua::ui::LuaTestingSupport::InitLua(L); }
