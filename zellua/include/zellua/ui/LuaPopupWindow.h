#pragma once
// A popup panel made by scripts: closing, keyboard, activation and menu commands go to Lua
// functions filed by operation name; while shown it is a child window of its owner.
#include "arx/uisupport/CommandHandler.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zellua/utility/LuaBindery.h"
#include "zelui/ui/OS_Window.h"

namespace zellua::ui {

class LuaPopupWindow : public zelui::ui::OS_Window,
                       public zellua::utility::LuaBindery,
                       public arx::uisupport::CommandHandler {
 public:
  // A floating window sits at the floating level, any other at the pop-up menu level.
  LuaPopupWindow(lua_State* L, ::limner::SupplierInterface* supplier, bool floating);

  bool IsFloating() const { return mFloating; }

  void UI_Show(bool show) override;
  bool UI_SupportsLimner() const override { return true; }
  ::limner::SupplierInterface* UI_GetWindowDrawSupplier() const override { return mSupplier; }
  bool UI_DoKeyboardEvent(UI_Node* target, const zelui::ui::KeyboardEvent& event) override;
  bool UI_WantsKeyboardFocus() const override { return true; }
  void UI_ActivationChanged(zelui::ui::WindowActivation activation) override;
  bool UI_CloseIfPopup() override;
  void UI_DuringClose() override {}

 protected:
  ~LuaPopupWindow() override;
  bool DoHandleCommand(int commandId) override;
  bool DoCommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String& menuText) override;

 private:
  bool mFloating;
  ::limner::SupplierInterface* mSupplier;
};

// "zelLuaPopupWindow": the OS window's methods, BindPopupWindowOperation and SetAsCommandHandler.
ZELLUA_CONTROL_WRAPPER(LuaPopupWindowWrapper, LuaControlWrapperBase)

// Sets the integer and name fields of "zelLuaPopupWindow" into the table on top of the stack.
void SetPopupWindowFields(lua_State* L);

}  // namespace zellua::ui
