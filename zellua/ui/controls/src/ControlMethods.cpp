// The own method tables that hold nothing: the divider has no methods of its own, and the other
// classes' methods are not written yet, so their wrappers have their ancestors' methods only.
#include "zellua/ui/LuaControlWrapper.h"

namespace zellua::ui {

#define ZELLUA_NO_OWN_METHODS(Class) const luaL_Reg Class::methods[] = {{nullptr, nullptr}};

ZELLUA_NO_OWN_METHODS(LuaTextControlBaseWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_SubViewWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_ButtonWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_TextButtonWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_DisclosureButtonWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_PictureButtonWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_PopupWrapper)
ZELLUA_NO_OWN_METHODS(LuaCheckboxWrapper)
ZELLUA_NO_OWN_METHODS(LuaRadioButtonWrapper)
ZELLUA_NO_OWN_METHODS(LuaRadioGroupWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_HotTextButtonWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_HotTextNumberWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_KnobWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_SliderWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_ScrollBarWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_ScrollViewWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_SearchBoxWrapper)
ZELLUA_NO_OWN_METHODS(LuaTextEditWrapper)
ZELLUA_NO_OWN_METHODS(LuaStaticTextWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_StaticImageWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_ListBoxWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_ListBoxItemWrapper)
ZELLUA_NO_OWN_METHODS(LuaDividerWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_SplitterViewWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_ArrangementViewWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_SectionViewWrapper)
ZELLUA_NO_OWN_METHODS(LuaUI_TabWellWrapper)
ZELLUA_NO_OWN_METHODS(LuaOS_WindowWrapper)
ZELLUA_NO_OWN_METHODS(LuaDialogWrapper)

#undef ZELLUA_NO_OWN_METHODS

}  // namespace zellua::ui
