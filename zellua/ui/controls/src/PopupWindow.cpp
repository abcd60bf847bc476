// The popup window for scripts and its two methods.
#include "zellua/ui/LuaPopupWindow.h"

#include <string>

#include "os/Window.h"
#include "ui/src/ControlsInternal.h"
#include "zelcore/Strings.h"
#include "zellua/binding/StackGuard.h"
#include "zellua/ui/LuaEvents.h"

namespace zellua::ui {

using zelui::ui::OS_Window;

LuaPopupWindow::LuaPopupWindow(lua_State* L, ::limner::SupplierInterface* supplier, bool floating)
    : LuaBindery(L), mFloating(floating), mSupplier(supplier) {
  const int level = os::CGWindowLevelForKey(floating ? os::kCGFloatingWindowLevelKey : os::kCGPopUpMenuWindowLevelKey);
  UI_CreateWindow(zelui::ui::RectF{100.0f, 100.0f, 320.0f, 240.0f}, 0, level, 0, "ZELMacPanelWindow");
  os::Window* window = GetPlatformWindow();
  window->SetHasShadow(true);
  if (window->RespondsToSetWorksWhenModal()) window->SetWorksWhenModal(true);
}

LuaPopupWindow::~LuaPopupWindow() = default;

void LuaPopupWindow::UI_Show(bool show) {
  os::Window* window = GetPlatformWindow();
  if (show) {
    if (UI_Window* owner = GetOwner()) owner->GetPlatformWindow()->AddChildWindow(window, os::NSWindowAbove);
  } else if (os::Window* parent = window->ParentWindow()) {
    parent->RemoveChildWindow(window);
  }
  OS_Window::UI_Show(show);
}

namespace {

// Calls the function pushed on top with the arguments pushArgs pushes and one result; the truth
// the judge finds in the result, false when the call failed and failedIs is false. The stack is
// left as found.
template <class PushArgs, class Judge>
bool CallBound(lua_State* L, int pushedTop, PushArgs&& pushArgs, Judge&& judge, bool failedIs) {
  const int arguments = pushArgs(L);
  const bool ran = lua_pcall(L, arguments, 1, 0) == 0;
  const bool result = ran ? judge(L) : failedIs;
  lua_settop(L, pushedTop);
  return result;
}

}  // namespace

bool LuaPopupWindow::UI_CloseIfPopup() {
  lua_State* L = LiveState();
  if (L == nullptr) return false;
  binding::StackGuard guard(L);
  if (!pushBoundFxn("OnCloseIfPopup")) return false;
  return CallBound(
      L, guard.Top(), [](lua_State*) { return 0; },
      [](lua_State* L) { return lua_isboolean(L, -1) && lua_toboolean(L, -1); }, false);
}

bool LuaPopupWindow::DoHandleCommand(int commandId) {
  lua_State* L = LiveState();
  if (L == nullptr) return false;
  binding::StackGuard guard(L);
  if (!pushBoundFxn("cmdHandler")) return false;
  return CallBound(
      L, guard.Top(),
      [commandId](lua_State* L) {
        lua_pushinteger(L, commandId);
        return 1;
      },
      [](lua_State* L) { return lua_isboolean(L, -1) && lua_toboolean(L, -1); }, false);
}

// A table result answers: "isHandled", then when handled "isEnabled", "isChecked" and a
// "newDisplayString" that replaces the text. Anything else leaves the outputs and answers false.
bool LuaPopupWindow::DoCommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String& menuText) {
  lua_State* L = LiveState();
  if (L == nullptr) return false;
  binding::StackGuard guard(L);
  if (!pushBoundFxn("cmdEnablement")) return false;
  return CallBound(
      L, guard.Top(),
      [commandId](lua_State* L) {
        lua_pushinteger(L, commandId);
        return 1;
      },
      [&](lua_State* L) {
        if (!lua_istable(L, -1)) return false;
        lua_getfield(L, -1, "isHandled");
        const bool handled = lua_toboolean(L, -1) != 0;
        lua_pop(L, 1);
        if (!handled) return false;
        lua_getfield(L, -1, "isEnabled");
        enabled = lua_toboolean(L, -1) != 0;
        lua_getfield(L, -2, "isChecked");
        checked = lua_toboolean(L, -1) != 0;
        lua_getfield(L, -3, "newDisplayString");
        if (lua_isstring(L, -1)) {
          std::size_t length = 0;
          const char* text = lua_tolstring(L, -1, &length);
          menuText = zelcore::UTF8to16(std::string(text, length));
        }
        lua_pop(L, 3);
        return true;
      },
      false);
}

// The result's truth decides; a failed call leaves its message, which counts as handled.
bool LuaPopupWindow::UI_DoKeyboardEvent(UI_Node* target, const zelui::ui::KeyboardEvent& event) {
  if (lua_State* L = LiveState()) {
    binding::StackGuard guard(L);
    if (pushBoundFxn("uiKeyboardEvent")) {
      const bool handled = CallBound(
          L, guard.Top(),
          [target, &event](lua_State* L) {
            PushNodeOrNil(L, target);
            PushKeyboardEventToLua(L, event);
            return 2;
          },
          [](lua_State* L) { return lua_toboolean(L, -1) != 0; }, true);
      if (handled) return true;
    }
  }
  return OS_Window::UI_DoKeyboardEvent(target, event);
}

void LuaPopupWindow::UI_ActivationChanged(zelui::ui::WindowActivation activation) {
  lua_State* L = LiveState();
  if (L == nullptr) return;
  binding::StackGuard guard(L);
  if (!pushBoundFxn("UI_ActivationChanged")) return;
  lua_pushnumber(L, static_cast<lua_Number>(activation));
  lua_pcall(L, 1, 0, 0);
}

namespace {

// BindPopupWindowOperation(name, function): files the function under the name; no results.
int BindPopupWindowOperation(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  luaL_checkstring(L, 2);
  luaL_checktype(L, 3, LUA_TFUNCTION);
  if (node == nullptr) return 0;
  zelcore::utility::NonOptionalDynamicCast<LuaPopupWindow>(node)->BindZELOperation(L);
  return 0;
}

int SetAsCommandHandler(lua_State* L) {
  if (auto* window = NodeAs<LuaPopupWindow>(L, 1)) arx::uisupport::CommandHandlerBase::SetCurrentCommandHandler(window);
  return 0;
}

}  // namespace

void SetPopupWindowFields(lua_State* L) {
  const struct {
    const char* name;
    const char* value;
  } names[] = {{"kUIKeyboardEvent", "uiKeyboardEvent"},
               {"kUI_ActivationChanged", "UI_ActivationChanged"},
               {"kOnCloseIfPopup", "OnCloseIfPopup"},
               {"kDuringClose", "duringClose"}};
  for (const auto& field : names) {
    lua_pushstring(L, field.value);
    lua_setfield(L, -2, field.name);
  }
  const struct {
    const char* name;
    int value;
  } numbers[] = {{"kWindowActivation_ACTIVATED", zelui::ui::kWindowActivation_ACTIVATED},
                 {"kWindowActivation_CLICK_ACTIVATED", zelui::ui::kWindowActivation_CLICK_ACTIVATED},
                 {"kWindowActivation_DEACTIVATED", zelui::ui::kWindowActivation_DEACTIVATED}};
  for (const auto& field : numbers) {
    lua_pushinteger(L, field.value);
    lua_setfield(L, -2, field.name);
  }
}

const luaL_Reg LuaPopupWindowWrapper::methods[] = {{"BindPopupWindowOperation", BindPopupWindowOperation},
                                                   {"SetAsCommandHandler", SetAsCommandHandler},
                                                   {nullptr, nullptr}};

}  // namespace zellua::ui
