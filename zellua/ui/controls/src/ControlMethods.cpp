// The method tables of the control wrappers, each row a Lua method over one toolkit member (see
// ui/src/MethodRows.h); by hand only the methods that do more than one plain call: list-box
// positions, callbacks kept as Lua references, checkbox states, alignments, responses, the radio
// group's selection, drawing children and the dialog's modal methods.
#include <cmath>
#include <cstddef>
#include <memory>

#include "ui/src/ControlsInternal.h"
#include "ui/src/MethodRows.h"
#include "zellua/binding/LuaRef.h"
#include "zellua/binding/StackGuard.h"
#include "zellua/limner/LimnerLua.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zelui/NodeManager.h"
#include "zelui/controls/Controls.h"
#include "zelui/ui/OS_Window.h"
#include "zelui/ui/UI_SubView.h"

namespace zellua::ui {

namespace {

using namespace rows;
using namespace zelui::controls;
using zelui::ui::UI_Dialog;
using zelui::ui::UI_SubView;

// A Lua function kept by a toolkit callback; callbacks are copied, the reference is shared.
using SharedRef = std::shared_ptr<const binding::LuaRef>;

SharedRef CheckFunction(lua_State* L, int index) {
  luaL_checktype(L, index, LUA_TFUNCTION);
  return std::make_shared<const binding::LuaRef>(L, index);
}

// List box. Positions are 1-based; one below 1 or past the last row reaches nothing (InsertItem
// also takes the place after the last row).

// The 0-based row for a 1-based position, or -1 when there is no such row. `extra` admits the
// place right after the last row.
std::ptrdiff_t RowOf(const UI_ListBox& list, lua_Number position, std::ptrdiff_t extra = 0) {
  const auto row = binding::ClampToInteger<std::ptrdiff_t>(position, 0) - 1;
  return row >= 0 && row < list.CountItems() + extra ? row : -1;
}

int InsertItem(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const lua_Number position = luaL_checknumber(L, 2);
  const TextRaw text = Text::Check(L, 3);
  if (node == nullptr) return 0;
  auto* list = zelcore::utility::NonOptionalDynamicCast<UI_ListBox>(node);
  const std::ptrdiff_t row = RowOf(*list, position, 1);
  if (row < 0) return 0;
  list->InsertItem(row, Text::Convert(text));
  return 0;
}

int GetSelectedItems(lua_State* L) {
  auto* list = NodeAs<UI_ListBox>(L, 1);
  if (list == nullptr) return 0;
  const auto selected = list->GetSelectedItems();
  lua_createtable(L, static_cast<int>(selected.size()), 0);
  int index = 0;
  for (const std::ptrdiff_t row : selected) {
    lua_pushnumber(L, static_cast<lua_Number>(row + 1));
    lua_rawseti(L, -2, ++index);
  }
  return 1;
}

int GetItem(lua_State* L) {
  auto* list = NodeAs<UI_ListBox>(L, 1);
  const lua_Number position = luaL_checknumber(L, 2);
  if (list == nullptr) return 0;
  const std::ptrdiff_t row = RowOf(*list, position);
  return row < 0 ? 0 : Node::Push(L, list->GetItem(row));
}

// SelectItem(position [, exclusive [, scrollIntoView]]): each flag true unless given.
int SelectItem(lua_State* L) {
  auto* list = NodeAs<UI_ListBox>(L, 1);
  const lua_Number position = luaL_checknumber(L, 2);
  if (list == nullptr) return 0;
  const std::ptrdiff_t row = RowOf(*list, position);
  if (row >= 0) list->SelectItem(row, FlagDefaultTrue(L, 3), FlagDefaultTrue(L, 4));
  return 0;
}

// SetCheckboxState(position, state): 0 unchecked, 1 checked, anything else mixed.
int SetCheckboxState(lua_State* L) {
  auto* list = NodeAs<UI_ListBox>(L, 1);
  const lua_Number position = luaL_checknumber(L, 2);
  const lua_Number state = luaL_checknumber(L, 3);
  if (list == nullptr) return 0;
  const std::ptrdiff_t row = RowOf(*list, position);
  if (row < 0) return 0;
  const auto code = binding::ClampToInteger<int>(state, -1);
  list->SetCheckboxState(row, code == 0 ? kCheckboxUnchecked : code == 1 ? kCheckboxChecked : kCheckboxMixed);
  return 0;
}

int GetCheckboxState(lua_State* L) {
  auto* list = NodeAs<UI_ListBox>(L, 1);
  const lua_Number position = luaL_checknumber(L, 2);
  if (list == nullptr) return 0;
  const std::ptrdiff_t row = RowOf(*list, position);
  if (row < 0) return 0;
  return Bool::Push(L, list->GetCheckboxState(row) != kCheckboxUnchecked);
}

// The function is called without arguments after the user changed the selection.
int SetItemSelectedCallback(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  SharedRef function = CheckFunction(L, 2);
  if (node == nullptr) return 0;
  zelcore::utility::NonOptionalDynamicCast<UI_ListBox>(node)->SetItemSelectedCallback(
      [function](UI_ListBox*, zelui::ui::ModifierFlags) { function->Call(); });
  return 0;
}

// The function is called without arguments when the row's checkbox asks for notification.
int SetRequestCheckboxNotify(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  SharedRef function = CheckFunction(L, 2);
  if (node == nullptr) return 0;
  zelcore::utility::NonOptionalDynamicCast<UI_ListBoxItem>(node)->SetRequestCheckboxNotify(
      [function](UI_ListBoxItem*, CheckboxState) { function->Call(); });
  return 0;
}

// Other controls.

// SetAlignment(name): "right" 2, "center" 1, anything else 0.
int SetAlignment(lua_State* L) {
  auto* number = NodeAs<UI_HotTextNumber>(L, 1);
  const char* name = luaL_checkstring(L, 2);
  if (number == nullptr) return 0;
  const std::string alignment(name);
  number->SetAlignment(alignment == "right" ? 2 : alignment == "center" ? 1 : 0);
  return 0;
}

// SetValueString(text): chosen with notification.
int SetValueString(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const TextRaw text = Text::Check(L, 2);
  if (node == nullptr) return 0;
  zelcore::utility::NonOptionalDynamicCast<UI_Popup>(node)->SetValueString(Text::Convert(text), true);
  return 0;
}

// A new radio-button wrapper for the selected button; nothing when none is selected.
int GetSelectedRadioButton(lua_State* L) {
  auto* group = NodeAs<UI_RadioGroup>(L, 1);
  if (group == nullptr) return 0;
  UI_RadioButton* button = group->GetSelectedRadioButton();
  if (button == nullptr) return 0;
  CreateAndPushControlWrapper<LuaRadioButtonWrapper>(L, UI_NodeP(button));
  return 1;
}

// Each change of the opened state calls the function with a new wrapper of the section.
int AddOpenedStateChangedCallback(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  SharedRef function = CheckFunction(L, 2);
  if (node == nullptr) return 0;
  zelcore::utility::NonOptionalDynamicCast<UI_SectionView>(node)->AddOpenedStateChangedCallback(
      [function](UI_SectionView* section) {
        function->Call([section](lua_State* state) {
          CreateAndPushControlWrapper<LuaUI_SectionViewWrapper>(state, UI_NodeP(section));
          return 1;
        });
      });
  return 0;
}

// The function sees each proposed split and returns the one to use; a failed call or a result
// that is no number (a numeric string neither) or is NaN leaves the proposed split.
int SetSplitValidationFunction(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  SharedRef function = CheckFunction(L, 2);
  if (node == nullptr) return 0;
  zelcore::utility::NonOptionalDynamicCast<UI_SplitterView>(node)->SetSplitValidationFunction(
      [function](float proposed) {
        if (!function->IsValid()) return proposed;
        lua_State* state = function->State();
        binding::StackGuard guard(state);
        const bool ran = function->Call(
            [proposed](lua_State* on) {
              lua_pushnumber(on, proposed);
              return 1;
            },
            1);
        if (!ran || lua_type(state, -1) != LUA_TNUMBER) return proposed;
        const lua_Number result = lua_tonumber(state, -1);
        return std::isnan(result) ? proposed : static_cast<float>(result);
      });
  return 0;
}

// UI_DispatchDrawToChild(child, context): nothing for a context out of scope.
int DispatchDrawToChild(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  UI_Node* child = GetControlNode(L, 2);
  limner::LimnerProxy* context = limner::zellua_checkLimner(L, 3);
  if (node == nullptr || context->object == nullptr) return 0;
  zelcore::utility::NonOptionalDynamicCast<UI_SubView>(node)->UI_DispatchDrawToChild(child, *context->object);
  return 0;
}

int LayoutChildren(lua_State* L) {
  if (auto* view = NodeAs<UI_ArrangementView>(L, 1)) view->UI_LayoutChildren(0, 0, 0, 0);
  return 0;
}

// Dialogs.

// SetButtons(ok, cancel): both must be wrappers.
int SetButtons(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  UI_Node* ok = GetControlNode(L, 2);
  UI_Node* cancel = GetControlNode(L, 3);
  if (node == nullptr) return 0;
  auto* dialog = zelcore::utility::NonOptionalDynamicCast<UI_Dialog>(node);
  dialog->SetOkButton(ok != nullptr ? zelcore::utility::NonOptionalDynamicCast<UI_Button>(ok) : nullptr);
  dialog->SetCancelButton(cancel != nullptr ? zelcore::utility::NonOptionalDynamicCast<UI_Button>(cancel) : nullptr);
  return 0;
}

// SetResponse(code): 1 and 0 stand, anything else is -1.
int SetResponse(lua_State* L) {
  auto* dialog = NodeAs<UI_Dialog>(L, 1);
  const lua_Number response = luaL_checknumber(L, 2);
  if (dialog == nullptr) return 0;
  const auto code = binding::ClampToInteger<int>(response, -1);
  dialog->SetResponse(code == 1 || code == 0 ? code : -1);
  return 0;
}

int PushModalWindow(lua_State* L) {
  if (auto* dialog = NodeAs<UI_Dialog>(L, 1)) zelui::ui::UI_NodeManager::Get()->PushModalWindow(dialog);
  return 0;
}

int PopModalWindow(lua_State* L) {
  if (auto* dialog = NodeAs<UI_Dialog>(L, 1)) zelui::ui::UI_NodeManager::Get()->PopModalWindow(dialog);
  return 0;
}

}  // namespace

const luaL_Reg LuaTextControlBaseWrapper::methods[] = {
    {"SetLabelText", Set<UI_TextControlBase, &UI_TextControlBase::SetLabelText, Text>},
    {"GetLabelText", Get<UI_TextControlBase, &UI_TextControlBase::GetLabelText, TextResult>},
    {"SetFontSizeId", Set<UI_TextControlBase, &UI_TextControlBase::SetFontSizeId, Int>},
    {"GetLabelTextRect", Get<UI_TextControlBase, &UI_TextControlBase::GetLabelTextRect, RectResult>},
    {"SetTextAlignment", Set<UI_TextControlBase, &UI_TextControlBase::SetTextAlignment, Int>},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_ButtonWrapper::methods[] = {
    {"SetValue", Set<UI_Button, &UI_Button::SetValue, FlagTrue>},
    {"GetValue", Get<UI_Button, &UI_Button::GetValue, Bool>},
    {"SetDisplayContainerNever", Set<UI_Button, &UI_Button::SetDisplayContainerNever, FlagTrue>},
    {"ShouldDisplayContainerNever", Get<UI_Button, &UI_Button::ShouldDisplayContainerNever, Bool>},
    {"SetDisplayContainerAlways", Set<UI_Button, &UI_Button::SetDisplayContainerAlways, FlagTrue>},
    {"ShouldDisplayContainerAlways", Get<UI_Button, &UI_Button::ShouldDisplayContainerAlways, Bool>},
    {"SetDisplayBorderNever", Set<UI_Button, &UI_Button::SetDisplayBorderNever, FlagTrue>},
    {"ShouldDisplayBorderNever", Get<UI_Button, &UI_Button::ShouldDisplayBorderNever, Bool>},
    {"SetDisplayBorderAlways", Set<UI_Button, &UI_Button::SetDisplayBorderAlways, FlagTrue>},
    {"ShouldDisplayBorderAlways", Get<UI_Button, &UI_Button::ShouldDisplayBorderAlways, Bool>},
    {"SetDisplayChromelessNormalState", Set<UI_Button, &UI_Button::SetDisplayChromelessNormalState, FlagTrue>},
    {"ShouldDisplayChromelessNormalState", Get<UI_Button, &UI_Button::ShouldDisplayChromelessNormalState, Bool>},
    {"SetInsetUndrawnSpace", Set<UI_Button, &UI_Button::SetInsetUndrawnSpace, FlagTrue>},
    {"ShouldInsetUndrawnSpace", Get<UI_Button, &UI_Button::ShouldInsetUndrawnSpace, Bool>},
    {"SetDrawInnerBevelOutline", Set<UI_Button, &UI_Button::SetDrawInnerBevelOutline, FlagTrue>},
    {"ShouldDrawInnerBevelOutline", Get<UI_Button, &UI_Button::ShouldDrawInnerBevelOutline, Bool>},
    {"SetChangeFocusOnClick", Set<UI_Button, &UI_Button::SetChangeFocusOnClick, FlagTrue>},
    {"GetChangeFocusOnClick", Get<UI_Button, &UI_Button::GetChangeFocusOnClick, Bool>},
    {"SetNotificationOnMouseDown", Set<UI_Button, &UI_Button::SetNotificationOnMouseDown, FlagTrue>},
    {"GetNotificationOnMouseDown", Get<UI_Button, &UI_Button::GetNotificationOnMouseDown, Bool>},
    {"SetSpringLoaded", Set<UI_Button, &UI_Button::SetSpringLoaded, FlagTrue>},
    {"SetContentOffset", Set<UI_Button, &UI_Button::SetContentOffset, Point>},
    {"SetCornerRadius", Set<UI_Button, &UI_Button::SetCornerRadius, Float>},
    {"GetCornerRadius", Get<UI_Button, &UI_Button::GetCornerRadius, Number>},
    {"SetStrokeSizes", Set<UI_Button, &UI_Button::SetStrokeSizes, Float, Float>},
    {"GetStrokeSizes", Get<UI_Button, &UI_Button::GetStrokeSizes, Pair>},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_TextButtonWrapper::methods[] = {
    {"SetTextIndent", Set<UI_TextButton, &UI_TextButton::SetTextIndent, Float>}, {nullptr, nullptr}};

const luaL_Reg LuaUI_DisclosureButtonWrapper::methods[] = {
    {"SetTwirlDuration", Set<UI_DisclosureTriangleButton, &UI_DisclosureTriangleButton::SetTwirlDuration, Float>},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_PictureButtonWrapper::methods[] = {
    {"SetImageBaseName", Set<UI_PictureButton, &UI_PictureButton::SetImageBaseName, Name>}, {nullptr, nullptr}};

const luaL_Reg LuaCheckboxWrapper::methods[] = {{"IsChecked", Get<UI_Checkbox, &UI_Checkbox::IsChecked, Bool>},
                                                {"SetChecked", Set<UI_Checkbox, &UI_Checkbox::SetChecked, FlagTrue>},
                                                {nullptr, nullptr}};

const luaL_Reg LuaRadioButtonWrapper::methods[] = {
    {"SetValue", Set<UI_RadioButton, &UI_RadioButton::SetValue, FlagTrue>},
    {"GetValue", Get<UI_RadioButton, &UI_RadioButton::GetValue, Bool>},
    {nullptr, nullptr}};

const luaL_Reg LuaRadioGroupWrapper::methods[] = {{"GetSelectedRadioButton", GetSelectedRadioButton},
                                                  {nullptr, nullptr}};

const luaL_Reg LuaUI_HotTextButtonWrapper::methods[] = {
    {"SetText", Set<UI_HotTextButton, &UI_HotTextButton::SetText, Text>},
    {"SetCustomFontSize", Set<UI_HotTextButton, &UI_HotTextButton::SetCustomFontSize, Float>},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_HotTextNumberWrapper::methods[] = {
    {"GetNumericValue", Get<UI_HotTextNumber, &UI_HotTextNumber::GetValue, Number>},
    {"SetNumericValue", Set<UI_HotTextNumber, &UI_HotTextNumber::SetValue, Double>},
    {"SetMinValue", Set<UI_HotTextNumber, &UI_HotTextNumber::SetMinValue, Double>},
    {"SetMaxValue", Set<UI_HotTextNumber, &UI_HotTextNumber::SetMaxValue, Double>},
    {"SetNumericInput", Set<UI_HotTextNumber, &UI_HotTextNumber::SetNumericInput, FlagTrue>},
    {"GetNumericInput", Get<UI_HotTextNumber, &UI_HotTextNumber::GetNumericInput, Bool>},
    {"SetDecimalPlaces", Set<UI_HotTextNumber, &UI_HotTextNumber::SetDecimalPlaces, Int>},
    {"GetIncrement", Get<UI_HotTextNumber, &UI_HotTextNumber::GetIncrement, Number>},
    {"SetIncrement", Set<UI_HotTextNumber, &UI_HotTextNumber::SetIncrement, Double>},
    {"SetAlignment", SetAlignment},
    {"SetCustomFontSize", Set<UI_HotTextNumber, &UI_HotTextNumber::SetCustomFontSize, Float>},
    {"IsEditingInPlace", Get<UI_HotTextNumber, &UI_HotTextNumber::IsEditingInPlace, Bool>},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_KnobWrapper::methods[] = {
    {"GetNumericValue", Get<UI_Knob, &UI_Knob::GetNumericValue, Number>},
    {"SetNumericValue", Set<UI_Knob, &UI_Knob::SetNumericValue, Float>},
    {"SetMinValue", Set<UI_Knob, &UI_Knob::SetMinValue, Float>},
    {"SetMaxValue", Set<UI_Knob, &UI_Knob::SetMaxValue, Float>},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_SliderWrapper::methods[] = {
    {"GetNumericValue", Get<UI_Slider, &UI_Slider::GetNumericValue, Number>},
    {"SetNumericValue", Set<UI_Slider, &UI_Slider::SetNumericValue, Float>},
    {"GetExtent", Get<UI_Slider, &UI_Slider::GetExtent, Pair>},
    {"SetExtent", Set<UI_Slider, &UI_Slider::SetExtent, Float, Float>},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_ScrollBarWrapper::methods[] = {
    {"GetValueRange", Get<UI_ScrollBar, &UI_ScrollBar::GetValueRange, Pair>},
    {"GetNumericValuePair", Get<UI_ScrollBar, &UI_ScrollBar::GetNumericValuePair, Pair>},
    {"SetNumericValuePair", Set<UI_ScrollBar, &UI_ScrollBar::SetNumericValuePair, Float, Float>},
    {"GetExtent", Get<UI_ScrollBar, &UI_ScrollBar::GetExtent, Pair>},
    {"SetExtent", Set<UI_ScrollBar, &UI_ScrollBar::SetExtent, Float, Float>},
    {"DoScroll", Set<UI_ScrollBar, &UI_ScrollBar::DoScroll, Flag, Flag, Int>},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_ScrollViewWrapper::methods[] = {
    {"GetContentView", Get<UI_ScrollView, &UI_ScrollView::GetContentView, Node>},
    {"GetContentRectF", Get<UI_ScrollView, &UI_ScrollView::GetContentRectF, RectResult>},
    {"SetContentRectF", Set<UI_ScrollView, &UI_ScrollView::SetContentRectF, Rect>},
    {"GetViewableRectF", Get<UI_ScrollView, &UI_ScrollView::GetViewableRectF, RectResult>},
    {"GetViewedContentRectF", Get<UI_ScrollView, &UI_ScrollView::GetViewedContentRectF, RectResult>},
    {"ScrollIntoView", Set<UI_ScrollView, &UI_ScrollView::ScrollIntoView, Rect, FlagTrue>},
    {"GetScale", Get<UI_ScrollView, &UI_ScrollView::GetScale, Number>},
    {"SetScale", Set<UI_ScrollView, &UI_ScrollView::SetScale, Float>},
    {"GetScrollBarX", Get<UI_ScrollView, &UI_ScrollView::GetScrollBarX, Node>},
    {"GetScrollBarY", Get<UI_ScrollView, &UI_ScrollView::GetScrollBarY, Node>},
    {"GetScrollBarSize", Get<UI_ScrollView, &UI_ScrollView::GetScrollBarSize, Number>},
    {"SetScrollBarSize", Set<UI_ScrollView, &UI_ScrollView::SetScrollBarSize, Float>},
    {"Update", Set<UI_ScrollView, &UI_ScrollView::Update>},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_SearchBoxWrapper::methods[] = {
    {"SetStringValue", Set<UI_SearchBox, &UI_SearchBox::SetStringValue, Text>},
    {"GetStringValue", Get<UI_SearchBox, &UI_SearchBox::GetStringValue, TextResult>},
    {"SetGhostText", Set<UI_SearchBox, &UI_SearchBox::SetGhostText, Text>},
    {"SetSearchHistoryMaxSize", Set<UI_SearchBox, &UI_SearchBox::SetSearchHistoryMaxSize, Int>},
    {"GetSearchHistoryMaxSize", Get<UI_SearchBox, &UI_SearchBox::GetSearchHistoryMaxSize, Number>},
    {"SetSavedSearchMaxSize", Set<UI_SearchBox, &UI_SearchBox::SetSavedSearchMaxSize, Int>},
    {"GetSavedSearchMaxSize", Get<UI_SearchBox, &UI_SearchBox::GetSavedSearchMaxSize, Number>},
    {"SetSearchHistoryDisplayMaxSize", Set<UI_SearchBox, &UI_SearchBox::SetSearchHistoryDisplayMaxSize, Int>},
    {"GetSearchHistoryDisplayMaxSize", Get<UI_SearchBox, &UI_SearchBox::GetSearchHistoryDisplayMaxSize, Number>},
    {nullptr, nullptr}};

const luaL_Reg LuaTextEditWrapper::methods[] = {
    {"SelectAll", Set<UI_TextEdit, &UI_TextEdit::SelectAll>},
    {"SetStringValue", Set<UI_TextEdit, &UI_TextEdit::SetStringValue, Text>},
    {"GetStringValue", Get<UI_TextEdit, &UI_TextEdit::GetStringValue, TextResult>},
    {"SetCustomFontSize", Set<UI_TextEdit, &UI_TextEdit::SetCustomFontSize, Float>},
    {nullptr, nullptr}};

const luaL_Reg LuaStaticTextWrapper::methods[] = {
    {"SetStringValue", Set<UI_StaticText, &UI_StaticText::SetStringValue, Text>},
    {"GetStringValue", Get<UI_StaticText, &UI_StaticText::GetStringValue, TextResult>},
    {"SetCustomTextColor", Set<UI_StaticText, &UI_StaticText::SetCustomTextColor, Colour>},
    {"SetCustomFontSize", Set<UI_StaticText, &UI_StaticText::SetCustomFontSize, Float>},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_StaticImageWrapper::methods[] = {
    {"SetImageName", Set<UI_StaticImage, &UI_StaticImage::SetImageName, Name>},
    {"GetAlpha", Get<UI_StaticImage, &UI_StaticImage::GetAlpha, Number>},
    {"SetAlpha", Set<UI_StaticImage, &UI_StaticImage::SetAlpha, Float>},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_PopupWrapper::methods[] = {
    {"AddItem", Set<UI_Popup, &UI_Popup::AddItem, Text>},
    {"DeleteAllItems", Set<UI_Popup, &UI_Popup::DeleteAllItems>},
    {"GetValueString", Get<UI_Popup, &UI_Popup::GetValueString, TextResult>},
    {"SetValueString", SetValueString},
    {"GetTightMargins", Get<UI_Popup, &UI_Popup::GetTightMargins, Bool>},
    {"SetTightMargins", Set<UI_Popup, &UI_Popup::SetTightMargins, FlagTrue>},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_SubViewWrapper::methods[] = {
    {"GetLayoutsChildren", Get<UI_SubView, &UI_SubView::GetLayoutsChildren, Bool>},
    {"SetLayoutsChildren", Set<UI_SubView, &UI_SubView::SetLayoutsChildren, FlagTrue>},
    {"GetLayoutBinding", Get<UI_SubView, &UI_SubView::GetLayoutBinding, Number>},
    {"SetLayoutBinding", Set<UI_SubView, &UI_SubView::SetLayoutBinding, Int>},
    {"UI_DispatchDrawToChild", DispatchDrawToChild},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_ArrangementViewWrapper::methods[] = {{"UI_LayoutChildren", LayoutChildren},
                                                          {nullptr, nullptr}};

const luaL_Reg LuaUI_SectionViewWrapper::methods[] = {
    {"SetOpened", Set<UI_SectionView, &UI_SectionView::SetOpened, FlagTrue>},
    {"GetOpened", Get<UI_SectionView, &UI_SectionView::GetOpened, Bool>},
    {"SetDrawGradientHeader", Set<UI_SectionView, &UI_SectionView::SetDrawGradientHeader, FlagTrue>},
    {"GetDrawGradientHeader", Get<UI_SectionView, &UI_SectionView::GetDrawGradientHeader, Bool>},
    {"SetShowCustomLabelView", Set<UI_SectionView, &UI_SectionView::SetShowCustomLabelView, FlagTrue>},
    {"IsCustomLabelViewShown", Get<UI_SectionView, &UI_SectionView::IsCustomLabelViewShown, Bool>},
    {"SetHeaderHeight", Set<UI_SectionView, &UI_SectionView::SetHeaderHeight, Float>},
    {"GetHeaderHeight", Get<UI_SectionView, &UI_SectionView::GetHeaderHeight, Number>},
    {"GetCustomLabelView", Get<UI_SectionView, &UI_SectionView::GetCustomLabelView, Node>},
    {"AddOpenedStateChangedCallback", AddOpenedStateChangedCallback},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_SplitterViewWrapper::methods[] = {
    {"SetSplitDirection", Set<UI_SplitterView, &UI_SplitterView::SetSplitDirection, Int>},
    {"GetSplitDirection", Get<UI_SplitterView, &UI_SplitterView::GetSplitDirection, Number>},
    {"SetSplitPercentage", Set<UI_SplitterView, &UI_SplitterView::SetSplitPercentage, Float>},
    {"GetSplitPercentage", Get<UI_SplitterView, &UI_SplitterView::GetSplitPercentage, Number>},
    {"SetTopLeftView", Set<UI_SplitterView, &UI_SplitterView::SetTopLeftView, Wrapper>},
    {"SetBottomRightView", Set<UI_SplitterView, &UI_SplitterView::SetBottomRightView, Wrapper>},
    {"SetSplitValidationFunction", SetSplitValidationFunction},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_ListBoxWrapper::methods[] = {
    {"ClearItems", Set<UI_ListBox, &UI_ListBox::ClearItems>},
    {"InsertItem", InsertItem},
    {"AppendItem", Set<UI_ListBox, &UI_ListBox::AppendItem, Text>},
    {"CountItems", Get<UI_ListBox, &UI_ListBox::CountItems, Number>},
    {"GetSelectedItems", GetSelectedItems},
    {"GetItem", GetItem},
    {"SelectItem", SelectItem},
    {"DeselectAllItems", Set<UI_ListBox, &UI_ListBox::DeselectAllItems>},
    {"SetSupportNoneSelected", Set<UI_ListBox, &UI_ListBox::SetSupportNoneSelected, Flag>},
    {"SetIndicateFocus", Set<UI_ListBox, &UI_ListBox::SetIndicateFocus, FlagTrue>},
    {"SetDisplayBorder", Set<UI_ListBox, &UI_ListBox::SetDisplayBorder, FlagTrue>},
    {"SetItemSelectedCallback", SetItemSelectedCallback},
    {"SetCheckboxState", SetCheckboxState},
    {"GetCheckboxState", GetCheckboxState},
    {"SetShowCheckbox", Set<UI_ListBox, &UI_ListBox::SetShowCheckbox, Flag>},
    {"GetShowCheckbox", Get<UI_ListBox, &UI_ListBox::GetShowCheckbox, Bool>},
    {"SetRowHeight", Set<UI_ListBox, &UI_ListBox::SetRowHeight, Float>},
    {"GetDisplaysDivider", Get<UI_ListBox, &UI_ListBox::GetDisplaysDivider, Bool>},
    {"SetDisplaysDivider", Set<UI_ListBox, &UI_ListBox::SetDisplaysDivider, Flag>},
    {"SetSelectionColor", Set<UI_ListBox, &UI_ListBox::SetSelectionColor, Int>},
    {nullptr, nullptr}};

const luaL_Reg LuaUI_ListBoxItemWrapper::methods[] = {
    {"Init", Set<UI_ListBoxItem, &UI_ListBoxItem::Init, Text>},
    {"GetItemLabel", Get<UI_ListBoxItem, &UI_ListBoxItem::GetItemLabel, Node>},
    {"IsSelected", Get<UI_ListBoxItem, &UI_ListBoxItem::IsSelected, Bool>},
    {"SetRequestCheckboxNotify", SetRequestCheckboxNotify},
    {nullptr, nullptr}};

const luaL_Reg LuaDialogWrapper::methods[] = {
    {"GetContainer", Get<UI_Dialog, &UI_Dialog::GetContainer, Node>},
    {"SetButtons", SetButtons},
    {"SetInitialFocus", Set<UI_Dialog, &UI_Dialog::SetInitialFocus, Wrapper>},
    {"PushModalWindow", PushModalWindow},
    {"PopModalWindow", PopModalWindow},
    {"RunModal", Set<UI_Dialog, &UI_Dialog::RunModal>},
    {"GetResponse", Get<UI_Dialog, &UI_Dialog::GetResponse, Number>},
    {"SetResponse", SetResponse},
    {"DefaultCloseOk", Set<UI_Dialog, &UI_Dialog::DefaultCloseOk>},
    {"DefaultCloseCancel", Set<UI_Dialog, &UI_Dialog::DefaultCloseCancel>},
    {nullptr, nullptr}};

// The divider has no methods of its own.
const luaL_Reg LuaDividerWrapper::methods[] = {{nullptr, nullptr}};

}  // namespace zellua::ui
