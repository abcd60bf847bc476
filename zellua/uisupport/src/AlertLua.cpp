// "zellua.uisupport.Alert": modal alerts over the workspace's main window and a one-line text
// input box, all of which say nothing while alerts are silenced.
#include <string>

#include "arx/app/App.h"
#include "arx/uisupport/Alert.h"
#include "zelui/NodeManager.h"
#include "zelui/dialogs/SimpleInputBox.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/binding/Protected.h"
#include "zellua/uisupport/AlertSilence.h"
#include "zelworkspace/Workspace.h"

namespace zellua::uisupport {

namespace {

using ::arx::uisupport::Alert;

// A text argument: a string or a number as its text; any other value reads as empty.
zelcore::UTF16String TextArgument(lua_State* L, int index) {
  size_t length = 0;
  const char* text = lua_tolstring(L, index, &length);
  return text != nullptr ? zelcore::UTF8to16(std::string(text, length)) : zelcore::UTF16String();
}

zelui::ui::OS_Window* AlertParent() {
  ::arx::app::App* app = ::arx::app::App::GetApp();
  if (app == nullptr || app->GetWorkspace() == nullptr) return nullptr;
  return app->GetWorkspace()->GetMainTopLevelWindow();
}

// Whether the alert may be shown with these arguments.
bool MayShow(lua_State* L, int arguments) { return !GetAlertsAreSilent() && lua_gettop(L) == arguments; }

template <void (*Show)(const zelcore::UTF16String&, const zelcore::UTF16String&, zelui::ui::OS_Window*)>
int ShowSimple(lua_State* L) {
  if (!MayShow(L, 2)) return 0;
  Show(TextArgument(L, 1), TextArgument(L, 2), AlertParent());
  lua_pushboolean(L, 1);
  return 1;
}

int ShowAlert(lua_State* L) {
  if (!MayShow(L, 4)) return 0;
  const int type = binding::CheckInteger<int>(L, 1);
  const int icon = binding::CheckInteger<int>(L, 2);
  lua_pushinteger(L, Alert::Show(type, icon, TextArgument(L, 3), TextArgument(L, 4), AlertParent()));
  return 1;
}

int SimpleInputBox(lua_State* L) {
  if (!MayShow(L, 3)) return 0;
  zelcore::UTF16String value = TextArgument(L, 3);
  zelui::ui::UI_NodeManager* manager = zelui::ui::UI_NodeManager::Get(false);
  const bool accepted =
      zelui::dialogs::SimpleInputBox(manager != nullptr ? manager->GetDefaultSupplier() : nullptr, TextArgument(L, 1),
                                     TextArgument(L, 2), value, true, nullptr, true, 0.0f, 0.0f, 1, 2048);
  lua_pushboolean(L, accepted);
  if (!accepted) return 1;
  const std::string text = zelcore::UTF16to8(value);
  lua_pushlstring(L, text.data(), text.size());
  return 2;
}

const luaL_Reg kFunctions[] = {{"ShowNote", ShowSimple<Alert::ShowNote>},
                               {"ShowStop", ShowSimple<Alert::ShowStop>},
                               {"ShowCaution", ShowSimple<Alert::ShowCaution>},
                               {"Show", ShowAlert},
                               {"SimpleInputBox", SimpleInputBox},
                               {nullptr, nullptr}};

const binding::IntConstant kConstants[] = {
    {"IconNone", Alert::kIconNone},
    {"IconStop", Alert::kIconStop},
    {"IconQuestion", Alert::kIconQuestion},
    {"IconCaution", Alert::kIconCaution},
    {"IconNote", Alert::kIconNote},
    {"TypeOk", Alert::kTypeOk},
    {"TypeOkCancel", Alert::kTypeOkCancel},
    {"TypeAbortRetryIgnore", Alert::kTypeAbortRetryIgnore},
    {"TypeYesNoCancel", Alert::kTypeYesNoCancel},
    {"TypeYesNo", Alert::kTypeYesNo},
    {"TypeRetryCancel", Alert::kTypeRetryCancel},
    {"TypeRetryQuit", Alert::kTypeRetryQuit},
    {"ResponseOk", Alert::kResponseOk},
    {"ResponseCancel", Alert::kResponseCancel},
    {"ResponseAbort", Alert::kResponseAbort},
    {"ResponseIgnore", Alert::kResponseIgnore},
    {"ResponseYes", Alert::kResponseYes},
    {"ResponseNo", Alert::kResponseNo},
    {"ResponseRetry", Alert::kResponseRetry},
    {nullptr, 0}};

const luaL_Reg kNoMethods[] = {{nullptr, nullptr}};

int OpenAlert(lua_State* L) {
  binding::ModuleSpec spec;
  spec.metaTableName = "zellua.uisupport.Alert";
  spec.methods[0] = kNoMethods;
  spec.className = "Alert";
  spec.functions = kFunctions;
  spec.constants = kConstants;
  return binding::OpenModule(L, spec);
}

}  // namespace

}  // namespace zellua::uisupport

extern "C" int luaopen_zellua_uisupport_Alert(lua_State* L) {
  return zellua::binding::Protected<zellua::uisupport::OpenAlert>(L);
}
