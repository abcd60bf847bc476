// The OS window's methods ("zelOS_Window") and the tab well's ("zelTabWell").
#include "ui/src/ControlsInternal.h"
#include "ui/src/MethodRows.h"
#include "zellua/binding/Module.h"
#include "zellua/limner/Converters.h"
#include "zellua/ui/LuaUI_TabWell.h"
#include "zelui/ui/OS_Window.h"

namespace zellua::ui {

using zelui::controls::UI_TabWell;
using zelui::ui::OS_Window;
using zelui::ui::Rect32;

LuaUI_TabWell::LuaUI_TabWell()
    : UI_TabWell([this](int action, std::ptrdiff_t index, const Rect32* rect) { TabItemActionHook(action, index, rect); },
                 false) {}

LuaUI_TabWell::~LuaUI_TabWell() = default;

void LuaUI_TabWell::TabItemActionHook(int action, std::ptrdiff_t index, const Rect32* rect) {
  mAction.Call([action, index, rect](lua_State* L) {
    lua_pushinteger(L, action);
    lua_pushinteger(L, static_cast<lua_Integer>(index));
    if (rect == nullptr) return 2;
    limner::PushRect32ToLua(L, *rect);
    return 3;
  });
}

namespace {

using namespace rows;

const binding::IntConstant kTabWellFields[] = {{"kTabItemAction_Click", 0},
                                               {"kTabItemFrameDrag_Click", 2},
                                               {"kTabItemAction_Close", 3},
                                               {"kTabItemAction_MultipanedPopup", 4},
                                               {"kTabItemAction_FlyoutMenu", 5},
                                               {"kTabItemAction_FrameDrag", 6},
                                               {"kTabItemAction_BecomeFrontmost", 7},
                                               {"kTabItemAction_BecomeNonFrontmost", 8},
                                               {"kTabItemAction_ToggleLock", 9},
                                               {"kTabItemAction_ContextMenu", 10},
                                               {"kTabItemAction_WheelScroll", 11},
                                               {nullptr, 0}};

// OS windows.

int SetGlobalStructureRect(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  luaL_checktype(L, 2, LUA_TTABLE);
  Rect32 rect{};
  limner::GetRect32FromLua(L, 2, rect);
  if (node != nullptr) zelcore::utility::NonOptionalDynamicCast<OS_Window>(node)->UI_SetGlobalStructureRect(rect);
  return 0;
}

int GetGlobalStructureRect(lua_State* L) {
  auto* window = NodeAs<OS_Window>(L, 1);
  return window != nullptr ? limner::PushRect32ToLua(L, window->UI_GetGlobalStructureRect()) : 0;
}

// SetOwner(owner): a wrapper's window becomes the owner; anything that is no userdata clears it.
// The owner is weak, and a window that would own itself, directly or further up, keeps its owner.
int SetOwner(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const bool clears = !lua_isuserdata(L, 2);
  UI_Node* ownerNode = clears ? nullptr : GetControlNode(L, 2);
  if (node == nullptr || (!clears && ownerNode == nullptr)) return 0;
  auto* window = zelcore::utility::NonOptionalDynamicCast<OS_Window>(node);
  window->SetOwner(clears ? nullptr : zelcore::utility::NonOptionalDynamicCast<zelui::ui::UI_Window>(ownerNode));
  return 0;
}

// Tab wells.

int AddTab(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const lua_Number index = luaL_checknumber(L, 2);
  const TextRaw text = Text::Check(L, 3);
  if (node == nullptr) return 0;
  zelcore::utility::NonOptionalDynamicCast<UI_TabWell>(node)->AddTab(
      binding::ClampToInteger<std::ptrdiff_t>(index), Text::Convert(text), lua_toboolean(L, 4) != 0,
      lua_toboolean(L, 5) != 0, false);
  return 0;
}

// SetFrontmost(index): only for a tab the tabs container holds.
int SetFrontmost(lua_State* L) {
  auto* well = NodeAs<UI_TabWell>(L, 1);
  const auto index = binding::CheckInteger<std::ptrdiff_t>(L, 2);
  if (well == nullptr) return 0;
  const zelui::ui::UI_SubView* tabs = well->GetTabsContainer();
  if (tabs != nullptr && index >= 0 && index < tabs->UI_GetContainer().ChildSize()) well->SetFrontmost(index);
  return 0;
}

int GetTabItemText(lua_State* L) {
  auto* well = NodeAs<UI_TabWell>(L, 1);
  const auto index = binding::CheckInteger<std::ptrdiff_t>(L, 2);
  if (well == nullptr) return 0;
  const zelui::controls::UI_TabItem* item = well->GetTabItem(index);
  return item != nullptr ? TextResult::Push(L, item->GetText()) : 0;
}

int SetTabItemActionFunction(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  luaL_checktype(L, 2, LUA_TFUNCTION);
  binding::LuaRef function(L, 2);
  if (node == nullptr) return 0;
  zelcore::utility::NonOptionalDynamicCast<LuaUI_TabWell>(node)->SetTabItemActionFunction(std::move(function));
  return 0;
}

}  // namespace

void SetTabWellFields(lua_State* L) {
  for (const binding::IntConstant* field = kTabWellFields; field->name != nullptr; ++field) {
    lua_pushinteger(L, field->value);
    lua_setfield(L, -2, field->name);
  }
}

const luaL_Reg LuaOS_WindowWrapper::methods[] = {{"UI_SetGlobalStructureRect", SetGlobalStructureRect},
                                                 {"UI_GetGlobalStructureRect", GetGlobalStructureRect},
                                                 {"SetOwner", SetOwner},
                                                 {"UI_Activate", Set<OS_Window, &OS_Window::UI_Activate>},
                                                 {nullptr, nullptr}};

const luaL_Reg LuaUI_TabWellWrapper::methods[] = {
    {"AddTab", AddTab},
    {"RemoveTab", Set<UI_TabWell, &UI_TabWell::RemoveTab, Int>},
    {"SetFrontmost", SetFrontmost},
    {"SetShowTabsOnly", Set<UI_TabWell, &UI_TabWell::SetShowTabsOnly, Flag>},
    {"GetTabItemText", GetTabItemText},
    {"SetTabItemActionFunction", SetTabItemActionFunction},
    {nullptr, nullptr}};

}  // namespace zellua::ui
