// Test controls for the UI nodes: nodes of every toolkit class, input delivered as the platform
// would (through the node manager's capture and filter nodes), drawing, the run loop's clock,
// what users and measuring decide (mouse-over, recommended size), and what a node keeps.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "TestControls.h"
#include "arx/app/App.h"
#include "os/testing.h"
#include "zelcore/Strings.h"
#include "zellua/limner/LimnerLua.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zellua/ui/LuaEvents.h"
#include "zelui/NodeManager.h"
#include "zelui/controls/Controls.h"
#include "zelui/testing.h"
#include "zelui/ui/OS_Window.h"
#include "zelworkspace/Workspace.h"

namespace {

namespace ui = zelui::ui;
namespace controls = zelui::controls;
namespace zt = zelui::testing;
using ui::UI_Node;
using ui::UI_NodeP;

// A class derived from a listed toolkit class, which the factory does not list.
class HotTextButtonSubclass : public controls::UI_HotTextButton {
 protected:
  ~HotTextButtonSubclass() override = default;
};

// A bare node that takes the keyboard focus.
class FocusNode : public UI_Node {
 public:
  bool UI_WantsKeyboardFocus() const override { return true; }

 protected:
  ~FocusNode() override = default;
};

const std::map<std::string, std::function<UI_Node*()>>& NodeMakers() {
  using namespace controls;
  static const std::map<std::string, std::function<UI_Node*()>> makers = {
      {"UI_Node", [] { return new UI_Node(); }},
      {"FocusNode", [] { return new FocusNode(); }},
      {"UI_SubView", [] { return new ui::UI_SubView(); }},
      {"OS_PopupViewContainer", [] { return new ui::OS_PopupViewContainer(true); }},
      {"UI_ControlView", [] { return new UI_ControlView(); }},
      {"UI_InteractiveControlView", [] { return new UI_InteractiveControlView(); }},
      {"UI_Button", [] { return new UI_Button(); }},
      {"UI_TextButton", [] { return new UI_TextButton(); }},
      {"UI_DisclosureTriangleButton", [] { return new UI_DisclosureTriangleButton(); }},
      {"UI_PictureButton", [] { return new UI_PictureButton(); }},
      {"UI_Popup", [] { return new UI_Popup(0, false); }},
      {"UI_Checkbox", [] { return new UI_Checkbox(); }},
      {"UI_RadioButton", [] { return new UI_RadioButton(); }},
      {"UI_RadioGroup", [] { return new UI_RadioGroup(); }},
      {"UI_HotTextButton", [] { return new UI_HotTextButton(); }},
      {"HotTextButtonSubclass", [] { return new HotTextButtonSubclass(); }},
      {"UI_HotTextNumber", [] { return new UI_HotTextNumber(); }},
      {"UI_Knob", [] { return new UI_Knob(); }},
      {"UI_Slider", [] { return new UI_Slider(); }},
      {"UI_ScrollBar", [] { return new UI_ScrollBar(); }},
      {"UI_ScrollView", [] { return new UI_ScrollView(0, nullptr); }},
      {"UI_SearchBox", [] { return new UI_SearchBox(false, false); }},
      {"UI_TextEdit", [] { return new UI_TextEdit(0, 0); }},
      {"UI_StaticText", [] { return new UI_StaticText(); }},
      {"UI_StaticImage", [] { return new UI_StaticImage(); }},
      {"UI_Divider", [] { return new UI_Divider(); }},
      {"UI_ListBox", [] { return new UI_ListBox(false, false, false, false); }},
      {"UI_ListBoxItem", [] { return new UI_ListBoxItem(); }},
      {"UI_SplitterView", [] { return new UI_SplitterView(0, 0.5f, 6.0f); }},
      {"UI_ArrangementView", [] { return new UI_ArrangementView(); }},
      {"UI_SectionView", [] { return new UI_SectionView(u"", true); }},
      {"UI_TabWell", [] { return new UI_TabWell(); }},
      {"OS_Window", [] { return new ui::OS_Window(); }},
  };
  return makers;
}

// The node of the wrapper at the index; a Lua error for a released one.
UI_Node& Node(lua_State* L, int index) {
  UI_Node* node = zellua::ui::GetControlNode(L, index);
  if (node == nullptr) luaL_error(L, "the wrapper was released");
  return *node;
}

// Runs a delivery; a Lua error when it left the Lua stack other than it found it.
template <typename Deliver>
auto Balanced(lua_State* L, Deliver&& deliver) {
  const int top = lua_gettop(L);
  const auto result = deliver();
  if (lua_gettop(L) != top) luaL_error(L, "the stack changed by %d", lua_gettop(L) - top);
  return result;
}

void PushUTF8(lua_State* L, const zelcore::UTF16String& text) {
  const std::string utf8 = zelcore::UTF16to8(text);
  lua_pushlstring(L, utf8.data(), utf8.size());
}

// newNode(class) → a wrapper of a new node of the toolkit class (or of a test class).
int newNode(lua_State* L) {
  const char* name = luaL_checkstring(L, 1);
  const auto maker = NodeMakers().find(name);
  if (maker == NodeMakers().end()) return luaL_error(L, "no node class %s", name);
  zellua::ui::LuaControlWrapperFactory(UI_NodeP(maker->second()), L);
  return 1;
}

// The inject functions and advanceClock raise an error when what they delivered left the Lua
// stack changed.

// injectMouse(node, event) → handled.
int injectMouse(lua_State* L) {
  UI_Node& node = Node(L, 1);
  ui::MouseEvent event;
  zellua::ui::ReadMouseEventFromLua(L, 2, event);
  lua_pushboolean(L, Balanced(L, [&] { return zt::InjectMouseEvent(node, event); }));
  return 1;
}

// injectKeyboard(node, action, text, keyCode, modifiers, isRepeat) → handled.
int injectKeyboard(lua_State* L) {
  UI_Node& node = Node(L, 1);
  const auto action = static_cast<unsigned>(luaL_checkinteger(L, 2));
  const char* text = luaL_checkstring(L, 3);
  const int keyCode = static_cast<int>(luaL_checkinteger(L, 4));
  const auto modifiers = static_cast<ui::ModifierFlags>(luaL_optinteger(L, 5, 0));
  const bool isRepeat = lua_toboolean(L, 6) != 0;
  const ui::KeyboardEvent event(action, zelcore::UTF8to16(text), keyCode, modifiers, isRepeat);
  lua_pushboolean(L, Balanced(L, [&] { return zt::InjectKeyboardEvent(node, event); }));
  return 1;
}

// injectCursor(node, x, y, modifiers) → handled.
int injectCursor(lua_State* L) {
  UI_Node& node = Node(L, 1);
  const ui::PointF where{static_cast<float>(luaL_checknumber(L, 2)), static_cast<float>(luaL_checknumber(L, 3))};
  const auto modifiers = static_cast<ui::ModifierFlags>(luaL_optinteger(L, 4, 0));
  lua_pushboolean(L, Balanced(L, [&] { return zt::InjectCursor(node, where, modifiers); }));
  return 1;
}

// injectDraw(node) → whether the node's custom drawing drew, and the drawing log lines of the
// draw (the lent surface written "#s").
int injectDraw(lua_State* L) {
  UI_Node& node = Node(L, 1);
  std::vector<std::string> lines;
  bool drew = false;
  {
    zt::LendableContext lent;
    const size_t first = zt::DrawingLog().size();
    drew = Balanced(L, [&] { return zt::InjectDraw(node, lent.Context()); });
    const std::string number = "#" + std::to_string(lent.Surface().Number()) + " ";
    const auto& log = zt::DrawingLog();
    for (size_t i = first; i < log.size(); ++i) {
      std::string line = log[i];
      if (line.rfind(number, 0) == 0) line = "#s " + line.substr(number.size());
      lines.push_back(line);
    }
  }
  lua_pushboolean(L, drew);
  lua_createtable(L, static_cast<int>(lines.size()), 0);
  for (size_t i = 0; i < lines.size(); ++i) {
    lua_pushlstring(L, lines[i].data(), lines[i].size());
    lua_rawseti(L, -2, static_cast<int>(i + 1));
  }
  return 2;
}

// advanceClock(seconds) → how many run-loop timers fired.
int advanceClock(lua_State* L) {
  const lua_Number seconds = luaL_checknumber(L, 1);
  lua_pushinteger(L, Balanced(L, [seconds] { return os::testing::AdvanceRunLoopClock(seconds); }));
  return 1;
}

int pendingTimers(lua_State* L) {
  lua_pushinteger(L, os::testing::PendingTimers());
  return 1;
}

int setMouseOver(lua_State* L) {
  zt::SetMouseOver(Node(L, 1), lua_toboolean(L, 2) != 0);
  return 0;
}

int setRecommendedSize(lua_State* L) {
  UI_Node& node = Node(L, 1);
  zt::SetRecommendedSize(node, {static_cast<float>(luaL_checknumber(L, 2)), static_cast<float>(luaL_checknumber(L, 3))});
  return 0;
}

// nodeState(node) → what the node keeps that no node method reads back.
int nodeState(lua_State* L) {
  UI_Node& node = Node(L, 1);
  const zt::NodeRecord& record = zt::Record(node);
  lua_newtable(L);
  PushUTF8(L, node.UI_GetToolTip());
  lua_setfield(L, -2, "toolTip");
  lua_pushnumber(L, node.UI_GetToolTipWidth());
  lua_setfield(L, -2, "toolTipWidth");
  lua_pushinteger(L, node.UI_GetDrawCachePolicy());
  lua_setfield(L, -2, "drawCachePolicy");
  PushUTF8(L, node.UI_GetContainer().GetThemeName());
  lua_setfield(L, -2, "themeName");
  lua_pushinteger(L, record.invalidations);
  lua_setfield(L, -2, "invalidations");
  if (record.lastInvalidRect) {
    const ui::Rect32& r = *record.lastInvalidRect;
    lua_pushfstring(L, "%d,%d,%d,%d", r.left, r.top, r.width, r.height);
    lua_setfield(L, -2, "invalidRect");
  }
  lua_pushinteger(L, record.lastInvalidFlags);
  lua_setfield(L, -2, "invalidFlags");
  lua_pushinteger(L, record.updates);
  lua_setfield(L, -2, "updates");
  lua_pushnumber(L, record.lastUpdateFlags);
  lua_setfield(L, -2, "updateFlags");
  lua_pushinteger(L, record.ownMouseEvents);
  lua_setfield(L, -2, "ownMouseEvents");
  lua_pushinteger(L, record.ownKeyboardEvents);
  lua_setfield(L, -2, "ownKeyboardEvents");
  lua_pushinteger(L, record.ownCursorCalls);
  lua_setfield(L, -2, "ownCursorCalls");
  lua_pushinteger(L, record.draws);
  lua_setfield(L, -2, "draws");
  lua_pushinteger(L, static_cast<lua_Integer>(node.UI_GetTimers().size()));
  lua_setfield(L, -2, "timers");
  return 1;
}

// Nodes held here, as a window or a parent would hold them.
std::vector<UI_NodeP>& HeldNodes() {
  static std::vector<UI_NodeP> held;
  return held;
}

int hold(lua_State* L) {
  HeldNodes().push_back(UI_NodeP(&Node(L, 1)));
  return 0;
}

int releaseHeld(lua_State*) {
  HeldNodes().clear();
  return 0;
}

// Which nodes still live: a watch is a notify function the node keeps, whose sentinel goes with it.
struct Sentinel {};
std::vector<std::weak_ptr<Sentinel>>& Watches() {
  static std::vector<std::weak_ptr<Sentinel>> watches;
  return watches;
}

// watch(node) → a number for alive().
int watch(lua_State* L) {
  UI_Node& node = Node(L, 1);
  auto sentinel = std::make_shared<Sentinel>();
  Watches().push_back(sentinel);
  node.UI_InstallTimerNotifyFunction(
      std::make_shared<UI_Node::TimerNotifyFunction>([sentinel](int) { return false; }));
  lua_pushinteger(L, static_cast<lua_Integer>(Watches().size()));
  return 1;
}

int alive(lua_State* L) {
  const auto index = static_cast<size_t>(luaL_checkinteger(L, 1));
  if (index < 1 || index > Watches().size()) return luaL_error(L, "no such watch");
  lua_pushboolean(L, !Watches()[index - 1].expired());
  return 1;
}

// The node manager's lists.
int filterNodeCount(lua_State* L) {
  lua_pushinteger(L, static_cast<lua_Integer>(ui::UI_NodeManager::Get()->GetMouseEventFilterNodes().size()));
  return 1;
}

int lastEndCaptureFlag(lua_State* L) {
  lua_pushboolean(L, zt::LastEndInputCaptureFlag());
  return 1;
}

// dialogInfo(dialog) → title, origin and extent, flags, the parent ("main", "none" or "other")
// and whether its supplier is the node manager's default.
int dialogInfo(lua_State* L) {
  auto* dialog = dynamic_cast<ui::UI_Dialog*>(&Node(L, 1));
  if (dialog == nullptr) return luaL_error(L, "not a dialog");
  lua_newtable(L);
  PushUTF8(L, dialog->GetTitle());
  lua_setfield(L, -2, "title");
  lua_pushfstring(L, "%f,%f %f,%f", dialog->GetOrigin().x, dialog->GetOrigin().y, dialog->GetExtent().x,
                  dialog->GetExtent().y);
  lua_setfield(L, -2, "frame");
  lua_pushinteger(L, dialog->GetFlags());
  lua_setfield(L, -2, "flags");
  UI_Node* parent = dialog->GetParentWindow();
  auto* app = arx::app::App::GetApp();
  const UI_Node* main = app && app->GetWorkspace() ? app->GetWorkspace()->GetMainTopLevelWindow() : nullptr;
  lua_pushstring(L, parent == nullptr ? "none" : parent == main ? "main" : "other");
  lua_setfield(L, -2, "parent");
  lua_pushboolean(L, dialog->GetSupplier() == ui::UI_NodeManager::Get()->GetDefaultSupplier());
  lua_setfield(L, -2, "defaultSupplier");
  return 1;
}

// isDefaultSupplier(supplier) → whether the supplier userdata is the node manager's default.
int isDefaultSupplier(lua_State* L) {
  lua_pushboolean(L, zellua::limner::zellua_checkSupplier(L, 1) == ui::UI_NodeManager::Get()->GetDefaultSupplier());
  return 1;
}

// setUserData(node, text) and userData(node) → the text, or the type the user data holds.
int setUserData(lua_State* L) {
  UI_Node& node = Node(L, 1);
  node.SetUserData(std::string(luaL_checkstring(L, 2)));
  return 0;
}

int userData(lua_State* L) {
  const boost::any& data = Node(L, 1).GetUserData();
  if (const auto* text = boost::any_cast<std::string>(&data)) {
    lua_pushlstring(L, text->data(), text->size());
  } else {
    lua_pushstring(L, data.empty() ? "empty" : "other");
  }
  return 1;
}

const luaL_Reg kFunctions[] = {{"newNode", newNode},
                               {"injectMouse", injectMouse},
                               {"injectKeyboard", injectKeyboard},
                               {"injectCursor", injectCursor},
                               {"injectDraw", injectDraw},
                               {"advanceClock", advanceClock},
                               {"pendingTimers", pendingTimers},
                               {"setMouseOver", setMouseOver},
                               {"setRecommendedSize", setRecommendedSize},
                               {"nodeState", nodeState},
                               {"hold", hold},
                               {"releaseHeld", releaseHeld},
                               {"watch", watch},
                               {"alive", alive},
                               {"filterNodeCount", filterNodeCount},
                               {"lastEndCaptureFlag", lastEndCaptureFlag},
                               {"dialogInfo", dialogInfo},
                               {"isDefaultSupplier", isDefaultSupplier},
                               {"setUserData", setUserData},
                               {"userData", userData},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace
