// "zelcontrols": constructors of the toolkit's controls and views, each pushing the wrapper the
// factory picks for the new node; and the opener of the control bindings.
#include <memory>
#include <string>

#include "ControlsInternal.h"
#include "arx/app/App.h"
#include "zelcore/Strings.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/limner/Converters.h"
#include "zellua/limner/LimnerLua.h"
#include "zellua/ui/ImageProvider.h"
#include "zellua/ui/LuaBinder.h"
#include "zellua/ui/LuaHotTextTimecode.h"
#include "zellua/ui/LuaMultiColumnTree.h"
#include "zellua/ui/LuaOverlaySubView.h"
#include "zellua/ui/LuaPopupWindow.h"
#include "zellua/ui/LuaUI_TabWell.h"
#include "zellua/ui/LuaViewsFromXml.h"
#include "zelui/controls/Controls.h"
#include "zelui/ui/OS_Window.h"
#include "zelwebview/ZELWebView.h"
#include "zelworkspace/Workspace.h"

namespace zellua::ui {

namespace {

using namespace zelui::controls;
using zelui::ui::OS_PopupViewContainer;
using zelui::ui::UI_Dialog;
using zelui::ui::UI_SubView;

const char* const kZelControlsClassName = "zelcontrols";

// Pushes the wrapper of the new node; 1 when one was pushed, else 0.
int PushNew(lua_State* L, UI_Node* node) { return LuaControlWrapperFactory(UI_NodeP(node), L) != nullptr ? 1 : 0; }

// NewPictureButton([name]) and NewStaticImage([name]): with an argument, it must be a string.
std::string OptionalName(lua_State* L) {
  if (lua_gettop(L) < 1) return std::string();
  size_t length = 0;
  const char* name = luaL_checklstring(L, 1, &length);
  return std::string(name, length);
}

int NewPictureButton(lua_State* L) {
  const std::string name = OptionalName(L);
  const boost::intrusive_ptr<UI_PictureButton> button(new UI_PictureButton());
  if (!PushNew(L, button.get())) return 0;
  button->SetImageBaseName(name);
  button->SetImageSupplyFunction(uit::ThemeImageSupply());
  return 1;
}

int NewStaticImage(lua_State* L) {
  const std::string name = OptionalName(L);
  const boost::intrusive_ptr<UI_StaticImage> image(new UI_StaticImage());
  if (!PushNew(L, image.get())) return 0;
  image->SetImageName(name);
  image->SetImageSupplyFunction(uit::ThemeImageSupply());
  return 1;
}

// NewSearchBox([option1 [, option2]]): the box starts with empty search lists of its own.
int NewSearchBox(lua_State* L) {
  const bool first = lua_toboolean(L, 1) != 0;
  const bool second = lua_toboolean(L, 2) != 0;
  const boost::intrusive_ptr<UI_SearchBox> box(new UI_SearchBox(first, second));
  box->SetSearchHistory(std::make_shared<UI_SearchBox::SearchHistory>());
  box->SetSearchToolTip();
  box->SetSavedSearches(std::make_shared<UI_SearchBox::SavedSearches>());
  box->SetSearchToolTip();
  return PushNew(L, box.get());
}

int NewListBox(lua_State* L) { return PushNew(L, new UI_ListBox(false, false, false, false)); }

int NewPopupViewContainer(lua_State* L) { return PushNew(L, new OS_PopupViewContainer(true)); }

// NewScrollView([flags [, content]]): the content view is the second argument's node when it is a
// sub view (none when it is not, or when that wrapper was released).
int NewScrollView(lua_State* L) {
  const int flags = binding::OptInteger<int>(L, 1, 0);
  UI_SubView* content = nullptr;
  if (lua_gettop(L) >= 2) content = dynamic_cast<UI_SubView*>(GetControlNode(L, 2));
  return PushNew(L, new UI_ScrollView(flags, content));
}

int NewPopup(lua_State* L) { return PushNew(L, new UI_Popup(0, false)); }

int NewSplitterView(lua_State* L) { return PushNew(L, new UI_SplitterView(0, 0.5f, 6.0f)); }

int NewSectionView(lua_State* L) { return PushNew(L, new UI_SectionView(zelcore::UTF16String(), true)); }

// NewTextEdit([flags [, alignment [, fontSize]]]): a font size above 0 becomes the custom size.
int NewTextEdit(lua_State* L) {
  const int flags = binding::OptInteger<int>(L, 1, 0);
  const int alignment = binding::OptInteger<int>(L, 2, 0);
  const float fontSize = lua_gettop(L) >= 3 ? static_cast<float>(lua_tonumber(L, 3)) : 0.0f;
  const boost::intrusive_ptr<UI_TextEdit> edit(new UI_TextEdit(flags, alignment));
  if (fontSize > 0) edit->SetCustomFontSize(fontSize);
  return PushNew(L, edit.get());
}

// The platform window of the workspace's main window, when there is one.
UI_Node* MainWindow() {
  arx::app::App* app = arx::app::App::GetApp();
  zelworkspace::Workspace* workspace = app != nullptr ? app->GetWorkspace() : nullptr;
  return workspace != nullptr ? workspace->GetMainTopLevelWindow() : nullptr;
}

// The point table at the index. The reader skips a table when the stack's top is nil, which the
// usual nil parent after the points would be: it reads a copy on top.
zelcore::PointF32 PointArgument(lua_State* L, int index) {
  luaL_checktype(L, index, LUA_TTABLE);
  lua_pushvalue(L, index);
  zelcore::PointF32 point;
  limner::GetPointF32FromLua(L, lua_gettop(L), point);
  lua_pop(L, 1);
  return point;
}

// NewDialog(supplier, title, origin, extent, parent): a nil parent means the workspace's main
// window (none without one); any other value, an absent one included, must be a wrapper.
int NewDialog(lua_State* L) {
  ::limner::SupplierInterface* supplier = limner::zellua_checkSupplier(L, 1);
  size_t titleLength = 0;
  const char* title = luaL_checklstring(L, 2, &titleLength);
  const zelcore::PointF32 origin = PointArgument(L, 3);
  const zelcore::PointF32 extent = PointArgument(L, 4);
  UI_Node* parent = lua_type(L, 5) == LUA_TNIL ? MainWindow() : GetControlNode(L, 5);
  return PushNew(L, new UI_Dialog(supplier, zelcore::UTF8to16(std::string(title, titleLength)), origin, extent, false,
                                  parent, true, false, true, true, 0, 1, nullptr));
}

// NewPopupWindow(supplier [, floating]): the window's structure rectangle starts at 0, 0, 100, 100.
int NewPopupWindow(lua_State* L) {
  ::limner::SupplierInterface* supplier = limner::zellua_checkSupplier(L, 1);
  const bool floating = lua_gettop(L) >= 2 && lua_toboolean(L, 2) != 0;
  boost::intrusive_ptr<LuaPopupWindow> window(new LuaPopupWindow(L, supplier, floating));
  window->UI_SetGlobalStructureRect(zelui::ui::Rect32{0, 0, 100, 100});
  return PushNew(L, window.get());
}

// NewWebView(): a web view drawn by the engine into its own platform view.
int NewWebView(lua_State* L) { return PushNew(L, new zelwebview::ZELWebView(zelwebview::kRenderingModel_Windowed)); }

const luaL_Reg kFunctions[] = {
    {"NewCheckbox", controlNew<UI_Checkbox>},
    {"NewRadioButton", controlNew<UI_RadioButton>},
    {"NewPictureButton", NewPictureButton},
    {"NewSearchBox", NewSearchBox},
    {"NewMultiColumnTree", controlNew<LuaMultiColumnTree>},
    {"NewHotTextButton", controlNew<UI_HotTextButton>},
    {"NewHotTextNumber", controlNew<UI_HotTextNumber>},
    {"NewHotTextTimecode", controlNew<zellua::controls::UI_HotTextTimecode>},
    {"NewKnob", controlNew<UI_Knob>},
    {"NewListBox", NewListBox},
    {"NewStaticText", controlNew<UI_StaticText>},
    {"NewTextButton", controlNew<UI_TextButton>},
    {"NewDisclosureTriangleButton", controlNew<UI_DisclosureTriangleButton>},
    {"NewSubView", controlNew<UI_SubView>},
    {"NewPopupViewContainer", NewPopupViewContainer},
    {"NewScrollView", NewScrollView},
    {"NewPopup", NewPopup},
    {"NewSplitterView", NewSplitterView},
    {"NewArrangementView", controlNew<UI_ArrangementView>},
    {"NewSectionView", NewSectionView},
    {"NewDialog", NewDialog},
    {"NewStaticImage", NewStaticImage},
    {"NewTextEdit", NewTextEdit},
    {"NewDivider", controlNew<UI_Divider>},
    {"NewOverlaySubView", controlNew<LuaOverlaySubView>},
    {"NewTabWell", controlNew<LuaUI_TabWell>},
    {"NewPopupWindow", NewPopupWindow},
    {"NewWebView", NewWebView},
    {"LoadControlsFromXml", LoadControlsFromXml},
    {nullptr, nullptr}};

}  // namespace

int luaopen_LuaControls(lua_State* L) {
  luaL_checkstack(L, 3, kControlsStackMessage);
  luaL_getmetatable(L, LuaUI_NodeWrapper::GetMetatableName());
  const bool opened = !lua_isnil(L, -1);
  lua_pop(L, 1);
  if (opened) return binding::OpenModule(L, kZelControlsClassName, binding::kNoFunctions);
  RegisterWrapperMetatables(L);
  RegisterMultiColumnTreeMetatables(L);
  InitZelControls(L);
  return binding::OpenModule(L, kZelControlsClassName, kFunctions);
}

}  // namespace zellua::ui

extern "C" int luaopen_zellua_zelcontrols(lua_State* L) { return zellua::ui::luaopen_LuaControls(L); }
