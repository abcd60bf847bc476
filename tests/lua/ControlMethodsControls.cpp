// Test controls for the per-control methods: what the user does to lists and splitters, and the
// answers of dialogs' modal runs.
#include <cstddef>
#include <string>

#include "TestControls.h"
#include "arx/uisupport/CommandHandler.h"
#include "os/Window.h"
#include "zelcore/Strings.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zelui/controls/Controls.h"
#include "zelui/ui/Events.h"
#include "zelui/ui/OS_Window.h"
#include "zelui/testing.h"

namespace {

namespace zt = zelui::testing;
using zelui::ui::UI_Node;

template <class T>
T& NodeOf(lua_State* L, int index) {
  UI_Node* node = zellua::ui::GetControlNode(L, index);
  auto* object = dynamic_cast<T*>(node);
  if (object == nullptr) luaL_error(L, "argument %d is not the control asked for", index);
  return *object;
}

// userSelectListItem(list, row0 [, modifiers]) → whether a row lay there.
int userSelectListItem(lua_State* L) {
  auto& list = NodeOf<zelui::controls::UI_ListBox>(L, 1);
  const auto row = static_cast<std::ptrdiff_t>(luaL_checknumber(L, 2));
  const auto modifiers = static_cast<zelui::ui::ModifierFlags>(luaL_optnumber(L, 3, 0));
  lua_pushboolean(L, zt::UserSelectListItem(list, row, modifiers));
  return 1;
}

// userClickItemCheckbox(list, row0) → whether a row lay there.
int userClickItemCheckbox(lua_State* L) {
  auto& list = NodeOf<zelui::controls::UI_ListBox>(L, 1);
  lua_pushboolean(L, zt::UserClickItemCheckbox(list, static_cast<std::ptrdiff_t>(luaL_checknumber(L, 2))));
  return 1;
}

// dragSplitter(splitter, proposed) → the split set.
int dragSplitter(lua_State* L) {
  auto& splitter = NodeOf<zelui::controls::UI_SplitterView>(L, 1);
  lua_pushnumber(L, zt::DragSplitter(splitter, static_cast<float>(luaL_checknumber(L, 2))));
  return 1;
}

// queueModalAnswer("ok" | "cancel" | "advance" [, seconds]).
int queueModalAnswer(lua_State* L) {
  const std::string kind = luaL_checkstring(L, 1);
  if (kind == "ok") {
    zt::QueueModalAnswer(zt::ModalAnswer::Ok());
  } else if (kind == "cancel") {
    zt::QueueModalAnswer(zt::ModalAnswer::Cancel());
  } else {
    zt::QueueModalAnswer(zt::ModalAnswer::AdvanceClock(luaL_checknumber(L, 2)));
  }
  return 0;
}

// modalRuns() → how many runs there were, then the last one's response and modal depth.
int modalRuns(lua_State* L) {
  const auto& runs = zt::ModalRuns();
  lua_pushinteger(L, static_cast<lua_Integer>(runs.size()));
  if (runs.empty()) return 1;
  lua_pushinteger(L, runs.back().response);
  lua_pushinteger(L, static_cast<lua_Integer>(runs.back().modalDepth));
  return 3;
}

// scrollRequests(scrollBar) → the DoScroll requests as "first,second,amount" texts.
int scrollRequests(lua_State* L) {
  auto& bar = NodeOf<zelui::controls::UI_ScrollBar>(L, 1);
  lua_newtable(L);
  int index = 0;
  for (const auto& request : bar.GetScrollRequests()) {
    lua_pushfstring(L, "%s,%s,%d", request.first ? "true" : "false", request.second ? "true" : "false",
                    request.amount);
    lua_rawseti(L, -2, ++index);
  }
  return 1;
}

// listScrolledTo(list) → the 0-based row scrolled into view last, or -1.
int listScrolledTo(lua_State* L) {
  lua_pushnumber(L, static_cast<lua_Number>(NodeOf<zelui::controls::UI_ListBox>(L, 1).GetScrolledToItem()));
  return 1;
}

// hotTextAlignment(number) → its alignment code.
int hotTextAlignment(lua_State* L) {
  lua_pushinteger(L, NodeOf<zelui::controls::UI_HotTextNumber>(L, 1).GetAlignment());
  return 1;
}

// stateFlags(node) → the node's state flags.
int stateFlags(lua_State* L) {
  lua_pushnumber(L, static_cast<lua_Number>(NodeOf<UI_Node>(L, 1).UI_GetStateFlags()));
  return 1;
}

// handlesMouseDown(node) → whether the node's mouse handling took a button press at 1,1.
int handlesMouseDown(lua_State* L) {
  UI_Node& node = NodeOf<UI_Node>(L, 1);
  zelui::ui::MouseEvent event;
  event.action = zelui::ui::kMouseDown;
  event.clickCount = 1;
  event.position = {1, 1};
  lua_pushboolean(L, node.UI_DoMouseEvent(&node, event));
  return 1;
}

// injectTabAction(well, action, index [, {left, top, width, height}]).
int injectTabAction(lua_State* L) {
  auto& well = NodeOf<zelui::controls::UI_TabWell>(L, 1);
  const int action = static_cast<int>(luaL_checknumber(L, 2));
  const auto index = static_cast<std::ptrdiff_t>(luaL_checknumber(L, 3));
  zelui::ui::Rect32 rect{};
  const bool withRect = lua_istable(L, 4);
  if (withRect) {
    lua_rawgeti(L, 4, 1);
    lua_rawgeti(L, 4, 2);
    lua_rawgeti(L, 4, 3);
    lua_rawgeti(L, 4, 4);
    rect = {static_cast<int>(lua_tonumber(L, -4)), static_cast<int>(lua_tonumber(L, -3)),
            static_cast<int>(lua_tonumber(L, -2)), static_cast<int>(lua_tonumber(L, -1))};
    lua_pop(L, 4);
  }
  const int top = lua_gettop(L);
  zt::InjectTabItemAction(well, action, index, withRect ? &rect : nullptr);
  if (lua_gettop(L) != top) return luaL_error(L, "the stack changed");
  return 0;
}

// windowInfo(window [, other]) → its activation count, whether other (nil: none) is its owner,
// and the frontmost tab of a tab well given as other.
int windowInfo(lua_State* L) {
  auto& window = NodeOf<zelui::ui::OS_Window>(L, 1);
  UI_Node* other = lua_isnoneornil(L, 2) ? nullptr : zellua::ui::GetControlNode(L, 2);
  lua_pushinteger(L, window.GetActivationCount());
  lua_pushboolean(L, window.GetOwner() == dynamic_cast<zelui::ui::UI_Window*>(other));
  return 2;
}

// tabWellFrontmost(well) → the frontmost tab's 0-based position, or -1.
int tabWellFrontmost(lua_State* L) {
  lua_pushnumber(L, static_cast<lua_Number>(NodeOf<zelui::controls::UI_TabWell>(L, 1).GetFrontmost()));
  return 1;
}

// popupWindowInfo(window) → its platform window's level, class, shadow, works-when-modal flag and
// whether it is a child window of its owner's platform window.
int popupWindowInfo(lua_State* L) {
  auto& window = NodeOf<zelui::ui::OS_Window>(L, 1);
  const os::Window* platform = window.GetPlatformWindow();
  lua_newtable(L);
  lua_pushinteger(L, platform->Level());
  lua_setfield(L, -2, "level");
  lua_pushstring(L, platform->ClassName().c_str());
  lua_setfield(L, -2, "class");
  lua_pushboolean(L, platform->HasShadow());
  lua_setfield(L, -2, "shadow");
  lua_pushboolean(L, platform->WorksWhenModal());
  lua_setfield(L, -2, "worksWhenModal");
  const zelui::ui::UI_Window* owner = window.GetOwner();
  lua_pushboolean(L, owner != nullptr && platform->ParentWindow() == owner->GetPlatformWindow());
  lua_setfield(L, -2, "childOfOwner");
  lua_pushinteger(L, os::CGWindowLevelForKey(os::kCGFloatingWindowLevelKey));
  lua_setfield(L, -2, "floatingLevel");
  lua_pushinteger(L, os::CGWindowLevelForKey(os::kCGPopUpMenuWindowLevelKey));
  lua_setfield(L, -2, "popUpLevel");
  return 1;
}

// windowCommand(window, id) → whether the window's command handler handled the command.
int windowCommand(lua_State* L) {
  auto& handler = NodeOf<arx::uisupport::CommandHandler>(L, 1);
  lua_pushboolean(L, handler.HandleCommand(static_cast<int>(luaL_checknumber(L, 2))));
  return 1;
}

// windowEnablement(window, id) → handled, enabled, checked and the text, starting from true,
// true and "before".
int windowEnablement(lua_State* L) {
  auto& handler = NodeOf<arx::uisupport::CommandHandler>(L, 1);
  bool enabled = true, checked = true;
  zelcore::UTF16String text = u"before";
  const bool handled = handler.CommandEnabled(static_cast<int>(luaL_checknumber(L, 2)), enabled, checked, text);
  lua_pushboolean(L, handled);
  lua_pushboolean(L, enabled);
  lua_pushboolean(L, checked);
  const std::string utf8 = zelcore::UTF16to8(text);
  lua_pushlstring(L, utf8.data(), utf8.size());
  return 4;
}

// windowKey(window, target or nil) → whether the window handled a key typing "k".
int windowKey(lua_State* L) {
  auto& window = NodeOf<zelui::ui::OS_Window>(L, 1);
  UI_Node* target = lua_isnoneornil(L, 2) ? nullptr : zellua::ui::GetControlNode(L, 2);
  const int top = lua_gettop(L);
  const bool handled = zt::InjectWindowKeyboardEvent(window, target, zelui::ui::KeyboardEvent(0, u"k", 40, 0, false));
  if (lua_gettop(L) != top) return luaL_error(L, "the stack changed");
  lua_pushboolean(L, handled);
  return 1;
}

// windowActivation(window, activation) and windowCloseIfPopup(window) → the window's answer.
int windowActivation(lua_State* L) {
  auto& window = NodeOf<zelui::ui::OS_Window>(L, 1);
  zt::InjectActivation(window, static_cast<zelui::ui::WindowActivation>(luaL_checkinteger(L, 2)));
  return 0;
}

int windowCloseIfPopup(lua_State* L) {
  auto& window = NodeOf<zelui::ui::OS_Window>(L, 1);
  const int top = lua_gettop(L);
  const bool closed = zt::InjectCloseIfPopup(window);
  if (lua_gettop(L) != top) return luaL_error(L, "the stack changed");
  lua_pushboolean(L, closed);
  return 1;
}

// currentHandlerIs(window) → whether the window is the current command handler.
int currentHandlerIs(lua_State* L) {
  auto& handler = NodeOf<arx::uisupport::CommandHandler>(L, 1);
  lua_pushboolean(L, arx::uisupport::CommandHandlerBase::GetCurrentCommandHandler() == &handler);
  return 1;
}

const luaL_Reg kFunctions[] = {{"stateFlags", stateFlags},
                               {"popupWindowInfo", popupWindowInfo},
                               {"windowCommand", windowCommand},
                               {"windowEnablement", windowEnablement},
                               {"windowKey", windowKey},
                               {"windowActivation", windowActivation},
                               {"windowCloseIfPopup", windowCloseIfPopup},
                               {"currentHandlerIs", currentHandlerIs},
                               {"injectTabAction", injectTabAction},
                               {"windowInfo", windowInfo},
                               {"tabWellFrontmost", tabWellFrontmost},
                               {"handlesMouseDown", handlesMouseDown},
                               {"userSelectListItem", userSelectListItem},
                               {"userClickItemCheckbox", userClickItemCheckbox},
                               {"dragSplitter", dragSplitter},
                               {"queueModalAnswer", queueModalAnswer},
                               {"modalRuns", modalRuns},
                               {"scrollRequests", scrollRequests},
                               {"listScrolledTo", listScrolledTo},
                               {"hotTextAlignment", hotTextAlignment},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace
