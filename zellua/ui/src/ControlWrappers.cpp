// The wrapper classes: each one's metatable and chain of method tables, the list of metatables
// the controls' opener makes, and the factory's table of node classes.
#include "ControlsInternal.h"
#include "zellua/ui/LuaMultiColumnTree.h"
#include "zellua/ui/LuaWebView.h"
#include "zelui/controls/Controls.h"
#include "zellua/ui/LuaOverlaySubView.h"
#include "zellua/ui/LuaPopupWindow.h"
#include "zellua/ui/LuaUI_TabWell.h"
#include "zellua/ui/LuaHotTextTimecode.h"
#include "zelui/ui/OS_Window.h"
#include "zelwebview/ZELWebView.h"

namespace zellua::ui {

namespace {

using namespace zelui::controls;
using zelui::ui::OS_Window;
using zelui::ui::UI_Dialog;
using zelui::ui::UI_SubView;

}  // namespace

LuaUI_NodeWrapper::~LuaUI_NodeWrapper() = default;
const char* LuaUI_NodeWrapper::GetMetatableName() { return "zelUINode"; }
binding::MethodChain LuaUI_NodeWrapper::Methods() { return ChainOf<>(methods); }
void LuaUI_NodeWrapper::RegisterMethods(lua_State* L) { binding::RegisterMethodChain(L, Methods()); }

ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_SubViewWrapper, "zelSubView", LuaUI_NodeWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaControlViewWrapper, "zelControlView", LuaUI_SubViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaInteractiveControlViewWrapper, "zelInteractiveControlView", LuaControlViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_ButtonWrapper, "zelButton", LuaInteractiveControlViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_TextButtonWrapper, "zelUI_TextButton", LuaUI_ButtonWrapper,
                              LuaTextControlBaseWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_DisclosureButtonWrapper, "zelUI_DisclosureTriangleButton",
                              LuaUI_TextButtonWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_PictureButtonWrapper, "zelUI_PictureButton", LuaUI_ButtonWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_PopupWrapper, "zelUI_Popup", LuaUI_ButtonWrapper,
                              LuaInteractiveControlViewWrapper, LuaTextControlBaseWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaCheckboxWrapper, "zelCheckbox", LuaInteractiveControlViewWrapper,
                              LuaTextControlBaseWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaRadioButtonWrapper, "zelRadioButton", LuaInteractiveControlViewWrapper,
                              LuaTextControlBaseWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaRadioGroupWrapper, "zelRadioGroup", LuaControlViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_HotTextButtonWrapper, "zelHotTextButton", LuaInteractiveControlViewWrapper,
                              LuaTextControlBaseWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_HotTextNumberWrapper, "zelHotTextNumber", LuaInteractiveControlViewWrapper,
                              LuaTextControlBaseWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_HotTextTimecodeWrapper, "zelHotTextTimecode", LuaUI_HotTextNumberWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_KnobWrapper, "zelKnob", LuaInteractiveControlViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_SliderWrapper, "zelUI_Slider", LuaInteractiveControlViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_ScrollBarWrapper, "zelUI_ScrollBar", LuaInteractiveControlViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_ScrollViewWrapper, "zelScrollView", LuaInteractiveControlViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_SearchBoxWrapper, "zelSearchBox", LuaInteractiveControlViewWrapper,
                              LuaTextControlBaseWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaTextEditWrapper, "zelEditText", LuaInteractiveControlViewWrapper,
                              LuaTextControlBaseWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaStaticTextWrapper, "zelStaticText", LuaControlViewWrapper,
                              LuaTextControlBaseWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_StaticImageWrapper, "zelUI_StaticImage", LuaControlViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_ListBoxWrapper, "zelListBox", LuaInteractiveControlViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_ListBoxItemWrapper, "zelUI_ListBoxItem", LuaInteractiveControlViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaDividerWrapper, "zelDivider", LuaControlViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_SplitterViewWrapper, "zelSplitterView", LuaUI_SubViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_ArrangementViewWrapper, "zelArrangementView", LuaUI_SubViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_SectionViewWrapper, "zelSectionView", LuaUI_SubViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_TabWellWrapper, "zelTabWell", LuaUI_SubViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaOS_WindowWrapper, "zelOS_Window", LuaUI_NodeWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaDialogWrapper, "zelLuaDialog", LuaOS_WindowWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaOverlaySubViewWrapper, "zelOverlaySubView", LuaUI_SubViewWrapper)
ZELLUA_DEFINE_CONTROL_WRAPPER(LuaPopupWindowWrapper, "zelLuaPopupWindow", LuaOS_WindowWrapper)

namespace {

// Every wrapper class with a metatable, in the order they are made.
struct WrapperMetatable {
  const char* (*name)();
  binding::MethodChain (*methods)();
};

template <class W>
constexpr WrapperMetatable MetatableOf() {
  return {&W::GetMetatableName, &W::Methods};
}

constexpr WrapperMetatable kMetatables[] = {
    MetatableOf<LuaUI_NodeWrapper>(),
    MetatableOf<LuaUI_SubViewWrapper>(),
    MetatableOf<LuaControlViewWrapper>(),
    MetatableOf<LuaInteractiveControlViewWrapper>(),
    MetatableOf<LuaUI_ButtonWrapper>(),
    MetatableOf<LuaUI_TextButtonWrapper>(),
    MetatableOf<LuaUI_DisclosureButtonWrapper>(),
    MetatableOf<LuaUI_PictureButtonWrapper>(),
    MetatableOf<LuaUI_PopupWrapper>(),
    MetatableOf<LuaCheckboxWrapper>(),
    MetatableOf<LuaRadioButtonWrapper>(),
    MetatableOf<LuaRadioGroupWrapper>(),
    MetatableOf<LuaUI_HotTextButtonWrapper>(),
    MetatableOf<LuaUI_HotTextNumberWrapper>(),
    MetatableOf<LuaUI_HotTextTimecodeWrapper>(),
    MetatableOf<LuaUI_KnobWrapper>(),
    MetatableOf<LuaUI_SliderWrapper>(),
    MetatableOf<LuaUI_ScrollBarWrapper>(),
    MetatableOf<LuaUI_ScrollViewWrapper>(),
    MetatableOf<LuaUI_SearchBoxWrapper>(),
    MetatableOf<LuaTextEditWrapper>(),
    MetatableOf<LuaStaticTextWrapper>(),
    MetatableOf<LuaUI_StaticImageWrapper>(),
    MetatableOf<LuaUI_ListBoxWrapper>(),
    MetatableOf<LuaUI_ListBoxItemWrapper>(),
    MetatableOf<LuaDividerWrapper>(),
    MetatableOf<LuaUI_SplitterViewWrapper>(),
    MetatableOf<LuaUI_ArrangementViewWrapper>(),
    MetatableOf<LuaUI_SectionViewWrapper>(),
    MetatableOf<LuaUI_TabWellWrapper>(),
    MetatableOf<LuaOS_WindowWrapper>(),
    MetatableOf<LuaDialogWrapper>(),
    MetatableOf<LuaOverlaySubViewWrapper>(),
    MetatableOf<LuaPopupWindowWrapper>(),
    MetatableOf<LuaUI_WebViewWrapper>(),
};

// The factory's table: the first row whose node class the node is of decides its wrapper. A
// class comes before every listed class it derives from; otherwise the rows keep their order,
// so of two unrelated listed bases of a node the earlier row wins.
struct FactoryRow {
  bool (*matches)(UI_Node* node);
  LuaControlWrapperBase* (*push)(lua_State* L, const UI_NodeP& node);
};

template <class NodeClass, class W>
constexpr FactoryRow RowOf() {
  return {[](UI_Node* node) { return dynamic_cast<NodeClass*>(node) != nullptr; },
          [](lua_State* L, const UI_NodeP& node) -> LuaControlWrapperBase* {
            return CreateAndPushControlWrapper<W>(L, node);
          }};
}

constexpr FactoryRow kFactoryRows[] = {
    RowOf<UI_StaticText, LuaStaticTextWrapper>(),
    RowOf<UI_Dialog, LuaDialogWrapper>(),
    RowOf<LuaPopupWindow, LuaPopupWindowWrapper>(),
    RowOf<zelwebview::ZELWebView, LuaUI_WebViewWrapper>(),
    RowOf<OS_Window, LuaOS_WindowWrapper>(),
    RowOf<controls::UI_HotTextTimecode, LuaUI_HotTextTimecodeWrapper>(),
    RowOf<UI_HotTextNumber, LuaUI_HotTextNumberWrapper>(),
    RowOf<UI_Knob, LuaUI_KnobWrapper>(),
    RowOf<UI_ScrollBar, LuaUI_ScrollBarWrapper>(),
    RowOf<UI_Slider, LuaUI_SliderWrapper>(),
    RowOf<UI_Popup, LuaUI_PopupWrapper>(),
    RowOf<LuaMultiColumnTree, LuaMultiColumnTreeWrapper>(),
    RowOf<UI_Checkbox, LuaCheckboxWrapper>(),
    RowOf<UI_RadioButton, LuaRadioButtonWrapper>(),
    RowOf<UI_RadioGroup, LuaRadioGroupWrapper>(),
    RowOf<UI_SearchBox, LuaUI_SearchBoxWrapper>(),
    RowOf<UI_StaticImage, LuaUI_StaticImageWrapper>(),
    RowOf<UI_TextEdit, LuaTextEditWrapper>(),
    RowOf<UI_PictureButton, LuaUI_PictureButtonWrapper>(),
    RowOf<UI_DisclosureTriangleButton, LuaUI_DisclosureButtonWrapper>(),
    RowOf<UI_TextButton, LuaUI_TextButtonWrapper>(),
    RowOf<UI_Button, LuaUI_ButtonWrapper>(),
    RowOf<UI_ScrollView, LuaUI_ScrollViewWrapper>(),
    RowOf<UI_HotTextButton, LuaUI_HotTextButtonWrapper>(),
    RowOf<UI_ListBox, LuaUI_ListBoxWrapper>(),
    RowOf<UI_ListBoxItem, LuaUI_ListBoxItemWrapper>(),
    RowOf<UI_InteractiveControlView, LuaInteractiveControlViewWrapper>(),
    RowOf<UI_Divider, LuaDividerWrapper>(),
    RowOf<UI_ControlView, LuaControlViewWrapper>(),
    RowOf<UI_SplitterView, LuaUI_SplitterViewWrapper>(),
    RowOf<UI_ArrangementView, LuaUI_ArrangementViewWrapper>(),
    RowOf<UI_SectionView, LuaUI_SectionViewWrapper>(),
    RowOf<UI_TabWell, LuaUI_TabWellWrapper>(),
    RowOf<LuaOverlaySubView, LuaOverlaySubViewWrapper>(),
    RowOf<UI_SubView, LuaUI_SubViewWrapper>(),
};

}  // namespace

void RegisterWrapperMetatables(lua_State* L) {
  for (const WrapperMetatable& metatable : kMetatables) {
    luaL_checkstack(L, 2, kControlsStackMessage);
    binding::OpenMetatable(L, metatable.name(), metatable.methods());
  }
  luaL_getmetatable(L, LuaUI_TabWellWrapper::GetMetatableName());
  SetTabWellFields(L);
  lua_pop(L, 1);
  luaL_getmetatable(L, LuaPopupWindowWrapper::GetMetatableName());
  SetPopupWindowFields(L);
  lua_pop(L, 1);
}

LuaControlWrapperBase* LuaControlWrapperFactory(const UI_NodeP& node, lua_State* L) {
  if (!node) return nullptr;
  for (const FactoryRow& row : kFactoryRows)
    if (row.matches(node.get())) return row.push(L, node);
  return CreateAndPushControlWrapper<LuaUI_NodeWrapper>(L, node);
}

}  // namespace zellua::ui
