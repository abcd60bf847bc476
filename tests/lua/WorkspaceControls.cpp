// Test controls for the workspace, menus, alerts and command attachments: fire a panel's hooks as
// the workspace would, draw it, ask its command answers, read tools tabs and live panels, queue
// menu choices, alert answers and input boxes, and take the workspace away from the scripts.
#include <optional>
#include <string>

#include "TestControls.h"
#include "arx/app/App.h"
#include "arx/testing.h"
#include "zelui/testing.h"
#include "zelui/ui/PopupTesting.h"
#include "zellua/uisupport/AlertSilence.h"
#include "zellua/workspace/LuaWorkspace.h"
#include "zelworkspace/testing.h"

namespace {

namespace wt = zelworkspace::testing;

zelworkspace::TabPanel* CheckPanel(lua_State* L) {
  const auto id = static_cast<std::int32_t>(luaL_checkinteger(L, 1));
  for (zelworkspace::TabPanel* panel : zelworkspace::LiveTabPanels())
    if (panel->GetID() == id) return panel;
  luaL_error(L, "no live panel %d", id);
  return nullptr;
}

void PushUTF8(lua_State* L, const std::string& text) { lua_pushlstring(L, text.data(), text.size()); }

// firePanel(id, hook, ...): "mouse" -> handled; "size", left, top, width, height; "timer", id ->
// handled; "orientation", flag; "flyout" -> the menu's size; "flyoutCommand", item;
// "snapSizes" -> "x,y x,y".
int firePanel(lua_State* L) {
  zelworkspace::TabPanel& panel = *CheckPanel(L);
  const std::string hook = luaL_checkstring(L, 2);
  if (hook == "mouse") {
    lua_pushboolean(L, wt::FireMouseEvent(panel, zelui::ui::MouseEvent()));
    return 1;
  }
  if (hook == "size") {
    wt::FireSizeChanged(panel, zelcore::RectF32{static_cast<float>(luaL_checknumber(L, 3)),
                                                static_cast<float>(luaL_checknumber(L, 4)),
                                                static_cast<float>(luaL_checknumber(L, 5)),
                                                static_cast<float>(luaL_checknumber(L, 6))});
    return 0;
  }
  if (hook == "timer") {
    lua_pushboolean(L, wt::FireTimer(panel, static_cast<int>(luaL_checkinteger(L, 3))));
    return 1;
  }
  if (hook == "orientation") {
    wt::FireOrientationChanged(panel, lua_toboolean(L, 3) != 0);
    return 0;
  }
  if (hook == "flyout") {
    lua_pushinteger(L, wt::FirePopulateFlyout(panel)->Size());
    return 1;
  }
  if (hook == "flyoutCommand") {
    wt::FireFlyoutCommand(panel, static_cast<int>(luaL_checkinteger(L, 3)));
    return 0;
  }
  if (hook == "snapSizes") {
    std::string text;
    for (const auto& size : wt::SnapSizes(panel))
      text += (text.empty() ? "" : " ") + std::to_string(size.x) + "," + std::to_string(size.y);
    PushUTF8(L, text);
    return 1;
  }
  return luaL_error(L, "unknown hook %s", hook.c_str());
}

// panelCommand(id, command) -> handled
int panelCommand(lua_State* L) {
  zelworkspace::TabPanel& panel = *CheckPanel(L);
  lua_pushboolean(L, arx::testing::AskPanelHandleCommand(panel, static_cast<int>(luaL_checkinteger(L, 2))));
  return 1;
}

void PushEnablement(lua_State* L, const arx::testing::CommandEnablement& answer) {
  lua_createtable(L, 0, 4);
  lua_pushboolean(L, answer.handled);
  lua_setfield(L, -2, "handled");
  lua_pushboolean(L, answer.enabled);
  lua_setfield(L, -2, "enabled");
  lua_pushboolean(L, answer.checked);
  lua_setfield(L, -2, "checked");
  PushUTF8(L, zelcore::UTF16to8(answer.text));
  lua_setfield(L, -2, "text");
}

// The start values of an enablement question: every out set, the text "start".
arx::testing::CommandEnablement Start() {
  arx::testing::CommandEnablement start;
  start.enabled = true;
  start.checked = true;
  start.text = u"start";
  return start;
}

// panelEnablement(id, command) -> { handled, enabled, checked, text }, starting from enabled,
// checked and the text "start".
int panelEnablement(lua_State* L) {
  zelworkspace::TabPanel& panel = *CheckPanel(L);
  PushEnablement(L, arx::testing::AskPanelCommandEnabled(panel, static_cast<int>(luaL_checkinteger(L, 2)), Start()));
  return 1;
}

// appEnablement(command): the application's command handler answers (its attachments first).
int appEnablement(lua_State* L) {
  auto* handler = dynamic_cast<arx::uisupport::CommandHandler*>(arx::app::App::GetApp());
  if (handler == nullptr) return luaL_error(L, "no application handler");
  PushEnablement(L, arx::testing::AskCommandEnabled(*handler, static_cast<int>(luaL_checkinteger(L, 1)), Start()));
  return 1;
}

// drawPanel(id [, { refuse = bool, clip = { left, top, width, height } }]) -> the surface's log
// lines joined by "\n", and how often the panel's own node drawing ran.
int drawPanel(lua_State* L) {
  zelworkspace::TabPanel& panel = *CheckPanel(L);
  wt::PanelDrawRequest request;
  if (lua_istable(L, 2)) {
    lua_getfield(L, 2, "refuse");
    request.refuse = lua_toboolean(L, -1) != 0;
    lua_getfield(L, 2, "clip");
    if (lua_istable(L, -1)) {
      zelcore::RectF32 clip;
      float* fields[] = {&clip.left, &clip.top, &clip.width, &clip.height};
      for (int i = 0; i < 4; ++i) {
        lua_rawgeti(L, -1, i + 1);
        *fields[i] = static_cast<float>(lua_tonumber(L, -1));
        lua_pop(L, 1);
      }
      request.clip = clip;
    }
    lua_pop(L, 2);
  }
  const wt::PanelDrawing drawing = wt::DrawTabPanel(panel, request);
  std::string log;
  for (const std::string& line : drawing.surfaceLog) log += (log.empty() ? "" : "\n") + line;
  PushUTF8(L, log);
  lua_pushinteger(L, drawing.ownDraws);
  return 2;
}

// livePanels() -> { { id, tabType, held, shown }, ... }, oldest first.
int livePanels(lua_State* L) {
  const auto panels = wt::LivePanels();
  lua_createtable(L, static_cast<int>(panels.size()), 0);
  for (std::size_t i = 0; i < panels.size(); ++i) {
    lua_createtable(L, 0, 4);
    lua_pushinteger(L, panels[i].id);
    lua_setfield(L, -2, "id");
    PushUTF8(L, panels[i].tabType);
    lua_setfield(L, -2, "tabType");
    lua_pushboolean(L, panels[i].held);
    lua_setfield(L, -2, "held");
    lua_pushboolean(L, panels[i].shown);
    lua_setfield(L, -2, "shown");
    lua_rawseti(L, -2, static_cast<int>(i + 1));
  }
  return 1;
}

const zelworkspace::sharedui::ToolsTab& CheckToolsTab(lua_State* L) {
  auto* tab = dynamic_cast<zelworkspace::sharedui::ToolsTab*>(CheckPanel(L));
  if (tab == nullptr) luaL_error(L, "not a tools tab");
  return *tab;
}

// toolButtons(id) -> "id[d][a] ..." per button ("|" for a separator): d disabled, a active.
int toolButtons(lua_State* L) {
  std::string text;
  for (const auto& button : wt::ToolButtons(CheckToolsTab(L))) {
    if (!text.empty()) text += " ";
    if (button.separator) {
      text += "|";
      continue;
    }
    text += std::to_string(button.toolId) + (button.disabled ? "d" : "") + (button.active ? "a" : "");
  }
  PushUTF8(L, text);
  return 1;
}

// workspacePopup(id) -> width, shown, disabled
int workspacePopup(lua_State* L) {
  const wt::WorkspacePopupState popup = wt::WorkspacePopup(CheckToolsTab(L));
  lua_pushnumber(L, popup.width);
  lua_pushboolean(L, popup.shown);
  lua_pushboolean(L, popup.disabled);
  return 3;
}

// resetAlerts(): forgets the alerts, input boxes and menus shown (and what was queued).
int resetAlerts(lua_State*) {
  arx::testing::ResetAlerts();
  zelui::testing::ResetInputBoxes();
  zelui::testing::ResetMenus();
  return 0;
}

// queueInputBox(accepted, text)
int queueInputBox(lua_State* L) {
  zelui::testing::InputBoxAnswer answer;
  answer.accepted = lua_toboolean(L, 1) != 0;
  answer.text = zelcore::UTF8to16(luaL_optstring(L, 2, ""));
  zelui::testing::QueueInputBoxAnswer(answer);
  return 0;
}

// shownInputBoxes() -> { "title/prompt/initial", ... }
int shownInputBoxes(lua_State* L) {
  const auto& boxes = zelui::testing::ShownInputBoxes();
  lua_createtable(L, static_cast<int>(boxes.size()), 0);
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    PushUTF8(L, zelcore::UTF16to8(boxes[i].title) + "/" + zelcore::UTF16to8(boxes[i].prompt) + "/" +
                    zelcore::UTF16to8(boxes[i].initialValue));
    lua_rawseti(L, -2, static_cast<int>(i + 1));
  }
  return 1;
}

int queueMenuChoice(lua_State* L) {
  zelui::testing::QueueMenuChoice(static_cast<int>(luaL_checkinteger(L, 1)));
  return 0;
}

// shownMenus() -> { "popup|context items... -> result", ... }
int shownMenus(lua_State* L) {
  const auto& menus = zelui::testing::ShownMenus();
  lua_createtable(L, static_cast<int>(menus.size()), 0);
  for (std::size_t i = 0; i < menus.size(); ++i) {
    std::string text = menus[i].kind == zelui::testing::ShownMenu::kPopup ? "popup" : "context";
    for (const std::string& item : menus[i].items) text += " [" + item + "]";
    PushUTF8(L, text + " -> " + std::to_string(menus[i].result));
    lua_rawseti(L, -2, static_cast<int>(i + 1));
  }
  return 1;
}

// forgetWorkspace(): the library loses its workspace, as at termination; restoreWorkspace() gives
// it the application's again.
int forgetWorkspace(lua_State*) {
  zellua::workspace::TerminateWorkspace();
  return 0;
}

int restoreWorkspace(lua_State* L) {
  zellua::workspace::luaopen_zelluaWorkspace(L, arx::app::App::GetApp()->GetWorkspace());
  lua_pop(L, 1);
  return 0;
}

// silenceAlerts(flag): the scripts' alerts say nothing while set.
int silenceAlerts(lua_State* L) {
  zellua::uisupport::SetAlertsAreSilent(lua_toboolean(L, 1) != 0);
  return 0;
}

// setOnActiveSpace(nil | bool): what the main window's platform window answers.
int setOnActiveSpace(lua_State* L) {
  std::optional<bool> answer;
  if (!lua_isnoneornil(L, 1)) answer = lua_toboolean(L, 1) != 0;
  wt::SetMainWindowOnActiveSpace(*arx::app::App::GetApp()->GetWorkspace(), answer);
  return 0;
}

const luaL_Reg kFunctions[] = {{"firePanel", firePanel},
                               {"panelCommand", panelCommand},
                               {"panelEnablement", panelEnablement},
                               {"appEnablement", appEnablement},
                               {"drawPanel", drawPanel},
                               {"livePanels", livePanels},
                               {"toolButtons", toolButtons},
                               {"workspacePopup", workspacePopup},
                               {"resetAlerts", resetAlerts},
                               {"queueInputBox", queueInputBox},
                               {"shownInputBoxes", shownInputBoxes},
                               {"queueMenuChoice", queueMenuChoice},
                               {"shownMenus", shownMenus},
                               {"forgetWorkspace", forgetWorkspace},
                               {"restoreWorkspace", restoreWorkspace},
                               {"setOnActiveSpace", setOnActiveSpace},
                               {"silenceAlerts", silenceAlerts},
                               {nullptr, nullptr}};

const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace
