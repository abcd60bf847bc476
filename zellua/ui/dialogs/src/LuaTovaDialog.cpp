// "TovaDialog": modal dialogs described by layout files, answered by Lua handlers. A dialog lives
// for one doTovaDialog call. The handler table is held by a registry reference for that call, so
// a handler run from inside another native frame still finds it. The dialog userdata handed to
// handlers ("Tova.TovaDialog") is one pointer, not owned by Lua; the dialog empties every one it
// handed out when it goes, and an empty or foreign value gives no values.
#include "zellua/ui/dialogs/LuaTovaDialog.h"

#include <filesystem>
#include <fstream>
#include <string>

#include "arx/app/App.h"
#include "zelcore/Files.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/StackGuard.h"
#include "zellua/binding/Userdata.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zellua/uisupport/AlertSilence.h"
#include "zelworkspace/TopLevelWindow.h"
#include "zelworkspace/Workspace.h"
#include "utility/src/LuaText.h"

namespace zel::lua::tova {

const char* const LUA_TOVADIALOGLIBNAME = "TovaDialog";

namespace {

const char* const kTovaDialogMetaTableName = "Tova.TovaDialog";

struct DialogBlock {
  LuaTovaDialog* dialog;
};

zelworkspace::DrawSupplier* SupplierOf(zelworkspace::Workspace* workspace) {
  return workspace ? workspace->GetDrawSupplier() : nullptr;
}

zelui::ui::UI_Node* ParentOf(zelworkspace::Workspace* workspace) {
  return workspace ? workspace->GetMainTopLevelWindow() : nullptr;
}

// The dialog of the userdata at index: null for a value that is not a dialog userdata or one
// emptied when its dialog went.
LuaTovaDialog* DialogAt(lua_State* L, int index) {
  if (index < 1 || !lua_isuserdata(L, index) || !lua_getmetatable(L, index)) return nullptr;
  luaL_getmetatable(L, kTovaDialogMetaTableName);
  const bool isDialog = lua_rawequal(L, -1, -2) != 0;
  lua_pop(L, 2);
  return isDialog ? static_cast<DialogBlock*>(lua_touserdata(L, index))->dialog : nullptr;
}

// dialog:setTitle(title): the two topmost values, the dialog below the title.
int SetTitle(lua_State* L) {
  const int top = lua_gettop(L);
  if (top < 2) return 0;
  const char* title = luaL_checkstring(L, top);
  LuaTovaDialog* dialog = DialogAt(L, top - 1);
  if (dialog == nullptr) return 0;
  dialog->SetTitle(zellua::utility::WideText(title));
  return 0;
}

// dialog:getControl(name) -> the control's wrapper, or nothing.
int GetControl(lua_State* L) {
  const int top = lua_gettop(L);
  if (top < 2) return 0;
  const char* name = luaL_checkstring(L, top);
  LuaTovaDialog* dialog = DialogAt(L, top - 1);
  if (dialog == nullptr) return 0;
  const zelui::ui::UI_NodeP node(dialog->GetUINodePtr(name));
  return zellua::ui::LuaControlWrapperFactory(node, L) != nullptr ? 1 : 0;
}

// doTovaDialog(path [, handlers])
int DoTovaDialog(lua_State* L) {
  if (zellua::uisupport::GetAlertsAreSilent()) return 0;
  const char* path = luaL_checkstring(L, 1);
  const int handlerIndex = lua_gettop(L) >= 2 ? 2 : 0;
  std::error_code error;
  const std::filesystem::path file(std::string{path});
  if (!std::filesystem::is_regular_file(file, error)) return 0;
  const zelcore::UTF16String fullPath = zelcore::File(std::filesystem::absolute(file, error)).FullPath();
  arx::app::App* app = arx::app::App::GetApp();
  const boost::intrusive_ptr<LuaTovaDialog> dialog(
      new LuaTovaDialog(fullPath, app ? app->GetWorkspace() : nullptr, L, handlerIndex));
  dialog->DoModal(L);
  return 0;
}

const luaL_Reg kMethods[] = {{"setTitle", SetTitle}, {"getControl", GetControl}, {nullptr, nullptr}};

const luaL_Reg kFunctions[] = {{"doTovaDialog", DoTovaDialog}, {nullptr, nullptr}};

}  // namespace

TovaDialog::TovaDialog(const zelcore::UTF16String& layoutPath, zelworkspace::Workspace* workspace)
    : UI_Tova(SupplierOf(workspace), ParentOf(workspace)), mLayoutPath(layoutPath) {}

TovaDialog::~TovaDialog() {
  UI_Tova::Release(mRoot);
  mRoot = nullptr;
}

std::unique_ptr<std::istream> TovaDialog::GetLayoutStream(const zelcore::UTF16String&) { return nullptr; }

bool TovaDialog::Initialize() {
  InitControls();
  ConnectControls();
  return true;
}

bool TovaDialog::LaunchFromConfigFile() {
  UI_Tova::Release(mRoot);
  mRoot = nullptr;
  std::ifstream stream(zelcore::UTF16to8(mLayoutPath), std::ios::binary);
  SetActionHandler([this](const zelpelltova::name_t& action, const zelpelltova::any_regular_t& value) {
    HandleActionCallback(action, value);
  });
  mSheet = std::make_shared<zelpelltova::sheet_t>();
  mRoot = ParseTovaScript(stream, mSheet);
  if (mRoot == nullptr || mRoot->GetLayout() == nullptr) return false;
  // The run may release the root (a handler that launches again): it stays until the run is over.
  const boost::intrusive_ptr<zelpelltova::tova_root_t> root(mRoot);
  if (const auto dialog = GetParentDialog(); dialog && !mTitle.empty()) dialog->SetTitle(mTitle);
  InitDialog();
  root->GetLayout()->evaluate(zelpelltova::evaluate_options_t::defaults, 0, 0);
  root->Run();
  return true;
}

void TovaDialog::SetTitle(const zelcore::UTF16String& title) {
  mTitle = title;
  if (mRoot == nullptr || title.empty()) return;
  if (const auto dialog = GetParentDialog()) {
    dialog->SetTitle(title);
    ReEvaluateLayout();
  }
}

void TovaDialog::OnOK() {
  if (ValidateAndCommit()) Close(1);
}

void TovaDialog::OnCancel() { Close(0); }

void TovaDialog::CloseOK() { Close(1); }

void TovaDialog::CloseCancel() { Close(0); }

void TovaDialog::Close(int result) {
  mResult = result;
  const auto dialog = GetParentDialog();
  if (!dialog) return;
  if (result == 1)
    dialog->DefaultCloseOk();
  else
    dialog->DefaultCloseCancel();
}

void TovaDialog::HandleActionCallback(const zelpelltova::name_t& action, const zelpelltova::any_regular_t&) {
  if (action.str() == "do_ok")
    OnOK();
  else if (action.str() == "do_cancel")
    OnCancel();
  else if (action.str() == "do_help")
    OnHelp();
}

void TovaDialog::ReEvaluateLayout() {
  if (mRoot && mRoot->GetLayout()) mRoot->GetLayout()->evaluate(zelpelltova::evaluate_options_t::defaults, 0, 0);
}

boost::intrusive_ptr<zelui::ui::UI_Dialog> TovaDialog::GetParentDialog() const {
  return mRoot ? dynamic_cast<zelui::ui::UI_Dialog*>(mRoot->GetNode()) : nullptr;
}

boost::intrusive_ptr<zelui::ui::UI_Dialog> TovaDialog::GetDialogNode() const {
  zelui::ui::UI_Node* container = mRoot ? mRoot->GetContainer() : nullptr;
  return container ? dynamic_cast<zelui::ui::UI_Dialog*>(container->UI_GetParentNode()) : nullptr;
}

LuaTovaDialog::LuaTovaDialog(const zelcore::UTF16String& layoutPath, zelworkspace::Workspace* workspace,
                             lua_State* L, int handlerIndex)
    : TovaDialog(layoutPath, workspace), mToken(L) {
  mLuaStates.push_back(L);
  if (handlerIndex != 0 && lua_istable(L, handlerIndex)) mHandlers = zellua::binding::LuaRef(L, handlerIndex);
}

LuaTovaDialog::~LuaTovaDialog() {
  if (!mToken.IsOpen()) return;
  for (const zellua::binding::LuaRef& ref : mUserdata) {
    lua_State* L = ref.State();
    if (!ref.Push()) continue;
    static_cast<DialogBlock*>(lua_touserdata(L, -1))->dialog = nullptr;
    lua_pop(L, 1);
  }
}

void LuaTovaDialog::PopLua() {
  if (!mLuaStates.empty()) mLuaStates.pop_back();
}

bool LuaTovaDialog::DoModal(lua_State* L) {
  PushLua(L);
  LaunchFromConfigFile();
  PopLua();
  return true;
}

bool LuaTovaDialog::PushCallback(const char* handlerName) {
  lua_State* L = CurrentState();
  if (L == nullptr || !mHandlers.IsValid() || !lua_checkstack(L, 3)) return false;
  // The table is pushed on the running state, which may be a coroutine of the reference's state.
  lua_rawgeti(L, LUA_REGISTRYINDEX, mHandlers.Id());
  lua_getfield(L, -1, handlerName);
  lua_remove(L, -2);
  if (!lua_isfunction(L, -1)) {
    // A value that is neither nil nor a function counts as no handler.
    lua_pop(L, 1);
    return false;
  }
  auto* block = zellua::binding::PushEmptyBlock<DialogBlock>(L, kTovaDialogMetaTableName);
  mUserdata.emplace_back(L, -1);
  block->dialog = this;
  return true;
}

bool LuaTovaDialog::InitControls() {
  lua_State* L = CurrentState();
  if (L == nullptr) return true;
  const zellua::binding::StackGuard guard(L);
  if (PushCallback("initialize")) lua_pcall(L, 1, 0, 0);
  return true;
}

void LuaTovaDialog::HandleActionCallback(const zelpelltova::name_t& action, const zelpelltova::any_regular_t& value) {
  lua_State* L = CurrentState();
  bool runBase = true;
  if (L != nullptr) {
    const zellua::binding::StackGuard guard(L);
    const std::string handler = "on_" + action.str();
    if (PushCallback(handler.c_str())) {
      lua_pushlstring(L, action.str().data(), action.str().size());
      // A handler that raises leaves its message as the result, which counts as true.
      lua_pcall(L, 2, 1, 0);
      runBase = lua_toboolean(L, -1) != 0;
    }
  }
  if (runBase) TovaDialog::HandleActionCallback(action, value);
}

void LuaTovaDialog::OnOK() {
  ValidateAndCommit();
  CloseOK();
}

void LuaTovaDialog::OnCancel() { CloseCancel(); }

int LuaTovaDialog::InitLua(lua_State* L) {
  luaL_checkstack(L, 4, "Cannot grow stack for the layout dialogs");
  zellua::binding::OpenMetatable(L, kTovaDialogMetaTableName, {kMethods});
  zellua::binding::OpenModule(L, LUA_TOVADIALOGLIBNAME, kFunctions);
  lua_pop(L, 1);
  return zellua::ui::luaopen_LuaControls(L);
}

}  // namespace zel::lua::tova
