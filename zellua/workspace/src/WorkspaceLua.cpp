// "zelWorkspace", "zelTabPanel" and "zelToolBar": tab and toolbar creators, the workspace's tabs
// and main window, and the proxies through which scripts drive the panels the workspace owns.
#include <cmath>
#include <new>
#include <string>

#include "LivePanels.h"
#include "arx/app/App.h"
#include "zelcore/Localizer.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/binding/Protected.h"
#include "zellua/binding/Userdata.h"
#include "zellua/limner/Converters.h"
#include "zellua/limner/LimnerLua.h"
#include "zellua/ui/LuaBinder.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zellua/uisupport/UISupport.h"
#include "os/Window.h"
#include "zellua/workspace/LuaWorkspace.h"

namespace zellua::workspace {

namespace {

const char* const kTabPanelMetaTableName = "zellua.zelTabPanel";
const char* const kToolBarMetaTableName = "zellua.zelToolBar";

Workspace* sWorkspace = nullptr;

// The operation names, in the order of their values 1..9.
const char* const kBindOps[] = {"uiDraw",     "uiSizeChanged",      "uiMouseEvent",   "cmdEnablement",  "cmdHandler",
                                "tabDestroyed", "orientationChanged", "populateFlyout", "doFlyoutCommand"};

std::string CheckString(lua_State* L, int index) {
  size_t length = 0;
  const char* text = luaL_checklstring(L, index, &length);
  return std::string(text, length);
}

int PushProxy(lua_State* L, const TabPanelProxy& value, const char* metaTableName, TabPanelProxy** out) {
  auto* block = static_cast<TabPanelProxy*>(lua_newuserdata(L, sizeof(TabPanelProxy)));
  new (block) TabPanelProxy(value);
  luaL_getmetatable(L, metaTableName);
  lua_setmetatable(L, -2);
  if (out != nullptr) *out = block;
  return 1;
}

// A proxy that Lua keeps: it finds its panel by id.
int PushKeptProxy(lua_State* L, TabPanel* panel) {
  if (panel == nullptr) return 0;
  TabPanelProxy* proxy = nullptr;
  newProxyFromTab(L, panel, &proxy);
  proxy->panel = nullptr;
  return 1;
}

// zelWorkspace. The macro reports a missing workspace and gives no values.
#define ZELLUA_NEED_WORKSPACE() ZELLUA_ASSERT(NULL != sWorkspace, 0)

int RegisterCreator(lua_State* L, bool isToolbar) {
  ZELLUA_NEED_WORKSPACE();
  if (lua_gettop(L) != 3) return 0;
  const std::string tabType = CheckString(L, 1);
  const std::string key = CheckString(L, 2);
  luaL_checktype(L, 3, LUA_TFUNCTION);
  const zelcore::UTF16String displayName = zelcore::config::Localize(key.c_str());
  binding::LuaRef function(L, 3);
  if (sWorkspace->FindCreator(tabType) != nullptr) sWorkspace->UnregisterTabCreator(tabType);
  sWorkspace->RegisterTabCreator(
      std::make_unique<LuaTabCreator>(L, displayName, tabType, std::move(function), isToolbar));
  return 0;
}

int RegisterTabCreator(lua_State* L) { return RegisterCreator(L, false); }
int RegisterToolbarCreator(lua_State* L) { return RegisterCreator(L, true); }

int CreateTab(lua_State* L) {
  ZELLUA_NEED_WORKSPACE();
  if (lua_gettop(L) < 1) return 0;
  const std::string tabType = CheckString(L, 1);
  zelcore::Rect32 rect;
  const bool withRect = lua_istable(L, 2);
  if (withRect) limner::GetRect32FromLua(L, 2, rect);
  zelworkspace::WorkspaceUtils::CreateOrReanimateTab(sWorkspace, tabType, withRect ? &rect : nullptr);
  return 0;
}

int ToggleTabState(lua_State* L) {
  ZELLUA_NEED_WORKSPACE();
  if (lua_gettop(L) != 1) return 0;
  zelworkspace::WorkspaceUtils::ToggleTabState(sWorkspace, CheckString(L, 1), false);
  return 0;
}

int CloseTabByTabId(lua_State* L) {
  ZELLUA_NEED_WORKSPACE();
  if (lua_gettop(L) != 1) return 0;
  const auto id = binding::CheckInteger<std::int32_t>(L, 1);
  if (TabPanel* panel = zelworkspace::WorkspaceUtils::FindTabFromTabPanelID(sWorkspace, id)) {
    const zelworkspace::TabPanelP hold(panel);
    zelworkspace::WorkspaceUtils::CloseTab(sWorkspace, panel);
  }
  return 0;
}

int ToggleToolbarTabState(lua_State* L) {
  ZELLUA_NEED_WORKSPACE();
  if (lua_gettop(L) != 1) return 0;
  zelworkspace::WorkspaceUtils::ToggleToolbarTabState(sWorkspace, CheckString(L, 1));
  return 0;
}

int TabIsShown(lua_State* L) {
  ZELLUA_NEED_WORKSPACE();
  if (lua_gettop(L) != 1) return 0;
  bool hidden = false;
  lua_pushboolean(L, zelworkspace::WorkspaceUtils::TabIsShown(sWorkspace, CheckString(L, 1), &hidden));
  lua_pushboolean(L, hidden);
  return 2;
}

int FindTabByID(lua_State* L) {
  ZELLUA_NEED_WORKSPACE();
  if (lua_gettop(L) != 1) return 0;
  const auto id = binding::CheckInteger<std::int32_t>(L, 1);
  return PushKeptProxy(L, zelworkspace::WorkspaceUtils::FindTabFromTabPanelID(sWorkspace, id));
}

int FindFirstTabByType(lua_State* L) {
  ZELLUA_NEED_WORKSPACE();
  if (lua_gettop(L) != 1) return 0;
  return PushKeptProxy(L, zelworkspace::WorkspaceUtils::FindFirstTabOfType(sWorkspace, CheckString(L, 1)));
}

int GetSupplierFromMainTLW(lua_State* L) {
  ZELLUA_NEED_WORKSPACE();
  zelworkspace::TopLevelWindow* window = sWorkspace->GetMainTopLevelWindow();
  if (window == nullptr) return 0;
  return limner::PushSupplierToLua(L, window->GetDrawSupplier());
}

int HasStaticElement(lua_State* L) {
  ZELLUA_NEED_WORKSPACE();
  const int element = binding::CheckInteger<int>(L, 1);
  zelworkspace::TopLevelWindow* window = sWorkspace->GetMainTopLevelWindow();
  if (window == nullptr || element < 1 || element > 4) return 0;
  lua_pushboolean(L, window->HasStaticElement(element - 1));
  return 1;
}

int GetMainTLWBounds(lua_State* L) {
  ZELLUA_NEED_WORKSPACE();
  zelworkspace::TopLevelWindow* window = sWorkspace->GetMainTopLevelWindow();
  if (window == nullptr) return 0;
  return limner::PushRect32ToLua(L, window->GetBounds());
}

int GetMainTLW(lua_State* L) {
  ZELLUA_NEED_WORKSPACE();
  zelworkspace::TopLevelWindow* window = sWorkspace->GetMainTopLevelWindow();
  if (window == nullptr) return 0;
  return ui::LuaControlWrapperFactory(ui::UI_NodeP(window), L) != nullptr ? 1 : 0;
}

int GetFocusedTabPanel(lua_State* L) {
  ZELLUA_NEED_WORKSPACE();
  return PushKeptProxy(L, sWorkspace->GetFocusedTabPanel());
}

int SetFocusedTabPanel(lua_State* L) {
  ZELLUA_NEED_WORKSPACE();
  const auto id = binding::CheckInteger<std::int32_t>(L, 1);
  if (TabPanel* panel = zelworkspace::WorkspaceUtils::FindTabFromTabPanelID(sWorkspace, id))
    sWorkspace->SetFocusedTabPanel(panel);
  return 0;
}

int GetLastTouchedTabPanel(lua_State* L) {
  ZELLUA_NEED_WORKSPACE();
  return PushKeptProxy(L, sWorkspace->GetLastTouchedTabPanel());
}

const luaL_Reg kWorkspaceFunctions[] = {{"RegisterTabCreator", RegisterTabCreator},
                                        {"RegisterToolbarCreator", RegisterToolbarCreator},
                                        {"CreateTab", CreateTab},
                                        {"ToggleTabState", ToggleTabState},
                                        {"CloseTabByTabId", CloseTabByTabId},
                                        {"ToggleToolbarTabState", ToggleToolbarTabState},
                                        {"TabIsShown", TabIsShown},
                                        {"FindTabByID", FindTabByID},
                                        {"FindFirstTabByType", FindFirstTabByType},
                                        {"GetSupplierFromMainTLW", GetSupplierFromMainTLW},
                                        {"HasStaticElement", HasStaticElement},
                                        {"GetMainTLWBounds", GetMainTLWBounds},
                                        {"GetMainTLW", GetMainTLW},
                                        {"GetFocusedTabPanel", GetFocusedTabPanel},
                                        {"SetFocusedTabPanel", SetFocusedTabPanel},
                                        {"GetLastTouchedTabPanel", GetLastTouchedTabPanel},
                                        {"SetFocusedTabPanelById", SetFocusedTabPanel},
                                        {nullptr, nullptr}};

// zelTabPanel methods.

TabPanelProxy* CheckProxy(lua_State* L) { return GetTabPanelProxy(L, 1); }

// The panel of the proxy, unless it is being destroyed (nothing may be added to it then).
TabPanel* PanelToAddTo(const TabPanelProxy& proxy) {
  TabPanel* panel = proxy.GetTabPanelInWorkspace();
  if (panel == nullptr) return nullptr;
  auto* base = dynamic_cast<LuaBackedTabPanelBase*>(panel);
  return base != nullptr && base->IsDying() ? nullptr : panel;
}

int ProxyGc(lua_State* L) {
  CheckProxy(L);
  return 0;
}

int ProxyToString(lua_State* L) {
  return binding::PushTypeAndAddress(L, "zelTabPanel", CheckProxy(L)->GetTabPanelInWorkspace());
}

int GetID(lua_State* L) {
  lua_pushinteger(L, CheckProxy(L)->tabId);
  return 1;
}

int GetName(lua_State* L) {
  TabPanel* panel = CheckProxy(L)->GetTabPanelInWorkspace();
  if (panel == nullptr) return 0;
  const std::string name = zelcore::UTF16to8(panel->GetName());
  lua_pushlstring(L, name.data(), name.size());
  return 1;
}

int CanBind(lua_State* L) {
  lua_pushboolean(L, CheckProxy(L)->CanBindZELOperation());
  return 1;
}

int BindOperation(lua_State* L) {
  TabPanelProxy* proxy = CheckProxy(L);
  const std::string name = CheckString(L, 2);
  int operation = 0;
  for (int i = 0; i < 9; ++i)
    if (name == kBindOps[i]) operation = i + 1;
  if (operation == 0) {
    lua_pushboolean(L, 0);
    return 1;
  }
  luaL_checktype(L, 3, LUA_TFUNCTION);
  lua_pushboolean(L, proxy->BindZELOperation(static_cast<TabPanelProxy::eBindableOperations>(operation),
                                             binding::LuaRef(L, 3)));
  return 1;
}

int BindOpToUINode(lua_State* L) {
  TabPanel* panel = PanelToAddTo(*CheckProxy(L));
  if (panel == nullptr) return 0;
  const std::string name = CheckString(L, 2);
  luaL_checktype(L, 3, LUA_TFUNCTION);
  lua_pushboolean(L, ui::BindZELOperation(L, panel, name, binding::LuaRef(L, 3)) != 0);
  return 1;
}

int InstallAttachment(lua_State* L) {
  TabPanel* panel = PanelToAddTo(*CheckProxy(L));
  auto* handler = dynamic_cast<::arx::uisupport::CommandHandler*>(panel);
  if (handler != nullptr) zel::lua::uisupport::installAttachmentIntoHandler(L, 2, handler);
  lua_pushboolean(L, handler != nullptr);
  return 1;
}

int GetAsNode(lua_State* L) {
  TabPanel* panel = PanelToAddTo(*CheckProxy(L));
  if (panel == nullptr) return 0;
  return ui::LuaControlWrapperFactory(ui::UI_NodeP(panel), L) != nullptr ? 1 : 0;
}

int Invalidate(lua_State* L) {
  if (TabPanel* panel = CheckProxy(L)->GetTabPanelInWorkspace()) panel->UI_Invalidate(nullptr, 0);
  return 0;
}

int InstallTimer(lua_State* L) {
  TabPanelProxy* proxy = CheckProxy(L);
  const float interval = static_cast<float>(luaL_checknumber(L, 2));
  luaL_checktype(L, 3, LUA_TFUNCTION);
  const int id = proxy->InstallTimer(interval, binding::LuaRef(L, 3));
  if (id == 0) return 0;
  lua_pushnumber(L, id);
  return 1;
}

int RemoveTimer(lua_State* L) {
  TabPanelProxy* proxy = CheckProxy(L);
  proxy->RemoveTimer(binding::CheckInteger<int>(L, 2));
  return 0;
}

int GetAsToolbar(lua_State* L) {
  LuaBackedToolsTab* tab = CheckProxy(L)->GetToolsTab();
  if (tab == nullptr) return 0;
  return newToolsTabProxy(L, tab);
}

int AllowTabless(lua_State* L) {
  CheckProxy(L)->SetAllowTabless(lua_toboolean(L, 2) != 0);
  return 0;
}

int AllowClose(lua_State* L) {
  CheckProxy(L)->SetAllowClose(lua_toboolean(L, 2) != 0);
  return 0;
}

int AddSnapSize(lua_State* L) {
  TabPanelProxy* proxy = CheckProxy(L);
  zelcore::PointF32 point;
  limner::GetPointF32FromLua(L, 2, point);
  proxy->AddSnapSize({static_cast<int>(std::floor(point.x + 0.5f)), static_cast<int>(std::floor(point.y + 0.5f))});
  return 0;
}

int ClearSnapSizes(lua_State* L) {
  CheckProxy(L)->ClearSnapSizes();
  return 0;
}

int GetLocalRectF(lua_State* L) {
  TabPanel* panel = CheckProxy(L)->GetTabPanelInWorkspace();
  if (panel == nullptr) return 0;
  return limner::PushRectF32ToLua(L, panel->UI_GetLocalRectF(false));
}

int ChildPushBack(lua_State* L) {
  TabPanel* panel = PanelToAddTo(*CheckProxy(L));
  ui::LuaControlWrapperBase* control = ui::GetControlUserData(L, 2);
  if (panel != nullptr && control != nullptr && control->GetNode() != nullptr)
    panel->UI_GetContainer().ChildPushBack(control->GetNode());
  return 0;
}

int GetTabType(lua_State* L) {
  TabPanel* panel = CheckProxy(L)->GetTabPanelInWorkspace();
  if (panel == nullptr) return 0;
  lua_pushlstring(L, panel->GetTabType().data(), panel->GetTabType().size());
  return 1;
}

template <bool kToGlobal>
int ConvertRect(lua_State* L) {
  TabPanel* panel = CheckProxy(L)->GetTabPanelInWorkspace();
  zelcore::RectF32 rect;
  limner::GetRectF32FromLua(L, 2, rect);
  if (panel == nullptr) return 0;
  return limner::PushRectF32ToLua(L, kToGlobal ? panel->UI_LocalToGlobalF(rect) : panel->UI_GlobalToLocalF(rect));
}

int HasKeyboardFocus(lua_State* L) {
  TabPanel* panel = CheckProxy(L)->GetTabPanelInWorkspace();
  if (panel == nullptr) return 0;
  lua_pushboolean(L, panel->UI_HasKeyboardFocus(lua_toboolean(L, 2) != 0));
  return 1;
}

int IsInActiveSpace(lua_State* L) {
  TabPanel* panel = CheckProxy(L)->GetTabPanelInWorkspace();
  WorkspaceFrameBase* frame = panel != nullptr ? panel->GetFrame() : nullptr;
  zelworkspace::TopLevelWindow* window = frame != nullptr ? frame->GetTopLevelWindow() : nullptr;
  bool active = false;
  if (window != nullptr) {
    os::Window* native = window->GetPlatformWindow();
    active = native == nullptr || !native->RespondsToIsOnActiveSpace() || native->IsOnActiveSpace();
  }
  lua_pushboolean(L, active);
  return 1;
}

const luaL_Reg kTabPanelMethods[] = {{"__gc", ProxyGc},
                                     {"__tostring", ProxyToString},
                                     {"GetID", GetID},
                                     {"GetName", GetName},
                                     {"canBindZelOperations", CanBind},
                                     {"bindZelOperation", BindOperation},
                                     {"bindZelOpToUINode", BindOpToUINode},
                                     {"canInstallAttachment", CanBind},
                                     {"installAttachment", InstallAttachment},
                                     {"GetAsNode", GetAsNode},
                                     {"uiInvalidate", Invalidate},
                                     {"installTimer", InstallTimer},
                                     {"removeTimer", RemoveTimer},
                                     {"GetAsToolbar", GetAsToolbar},
                                     {"allowTabless", AllowTabless},
                                     {"allowClose", AllowClose},
                                     {"addSnapSize", AddSnapSize},
                                     {"clearSnapSizes", ClearSnapSizes},
                                     {"UI_GetLocalRectF", GetLocalRectF},
                                     {"ChildPushBack", ChildPushBack},
                                     {"GetTabType", GetTabType},
                                     {"UI_LocalToGlobalRectF", ConvertRect<true>},
                                     {"UI_GlobalToLocalRectF", ConvertRect<false>},
                                     {"UI_HasKeyboardFocus", HasKeyboardFocus},
                                     {"IsInActiveSpace", IsInActiveSpace},
                                     {nullptr, nullptr}};

// zelToolBar methods: each finds the tools tab by id and does nothing without it.

LuaBackedToolsTab* CheckToolsTab(lua_State* L) {
  return binding::CheckUserdata<TabPanelProxy>(L, 1, kToolBarMetaTableName)->GetToolsTab();
}

int AddSeparator(lua_State* L) {
  LuaBackedToolsTab* tab = CheckToolsTab(L);
  if (tab == nullptr) return 0;
  tab->AddSeparator();
  lua_pushboolean(L, 1);
  return 1;
}

int AddTool(lua_State* L) {
  LuaBackedToolsTab* tab = CheckToolsTab(L);
  if (tab == nullptr || lua_gettop(L) != 4) return 0;
  const int id = binding::CheckInteger<int>(L, 2);
  const std::string label = CheckString(L, 3);
  const std::string image = CheckString(L, 4);
  tab->AddTool(id, zelcore::UTF8to16(label), image);
  return 0;
}

int RegisterToolChangedCallback(lua_State* L) {
  LuaBackedToolsTab* tab = CheckToolsTab(L);
  if (tab == nullptr) return 0;
  luaL_checktype(L, 2, LUA_TFUNCTION);
  tab->RegisterToolChangedCallback(L, binding::LuaRef(L, 2));
  return 0;
}

int GetActiveToolID(lua_State* L) {
  LuaBackedToolsTab* tab = CheckToolsTab(L);
  if (tab == nullptr) return 0;
  lua_pushinteger(L, tab->GetActiveToolID());
  return 1;
}

int GetPreviouslyActiveToolID(lua_State* L) {
  LuaBackedToolsTab* tab = CheckToolsTab(L);
  if (tab == nullptr) return 0;
  lua_pushinteger(L, tab->GetPreviouslyActiveToolID());
  return 1;
}

template <void (LuaBackedToolsTab::*Action)(int)>
int ToolAction(lua_State* L) {
  LuaBackedToolsTab* tab = CheckToolsTab(L);
  if (tab == nullptr) return 0;
  (tab->*Action)(binding::CheckInteger<int>(L, 2));
  return 0;
}

int ShowWorkspacePopup(lua_State* L) {
  if (LuaBackedToolsTab* tab = CheckToolsTab(L)) tab->ShowWorkspacePopup(lua_toboolean(L, 2) != 0);
  return 0;
}

int SetAllToolsEnabled(lua_State* L) {
  LuaBackedToolsTab* tab = CheckToolsTab(L);
  if (tab == nullptr) return 0;
  tab->SetAllToolsEnabled(lua_gettop(L) == 1 || lua_toboolean(L, 2) != 0);
  return 0;
}

int SetToolOptionsView(lua_State* L) {
  LuaBackedToolsTab* tab = CheckToolsTab(L);
  if (tab == nullptr) return 0;
  ui::LuaControlWrapperBase* control = ui::GetControlUserData(L, 2);
  if (control == nullptr || control->GetNode() == nullptr) return 0;
  auto* view = dynamic_cast<zelui::ui::UI_SubView*>(control->GetNode());
  if (view == nullptr) {
    const std::string message =
        zelcore::UTF16to8(zelcore::config::Localize("$$$/zelcore/utility/Error/InvalidTypeConversion=Invalid type conversion."));
    return luaL_error(L, "%s", message.c_str());
  }
  tab->SetToolOptionsView(view, -1.0f);
  return 0;
}

int SetToolWidthHeight(lua_State* L) {
  LuaBackedToolsTab* tab = CheckToolsTab(L);
  if (tab == nullptr || lua_gettop(L) != 3) return 0;
  const float width = static_cast<float>(luaL_checknumber(L, 2));
  const float height = static_cast<float>(luaL_checknumber(L, 3));
  tab->SetToolWidthHeight(width, height);
  return 0;
}

int SetWorkspacePopupEnablement(lua_State* L) {
  if (LuaBackedToolsTab* tab = CheckToolsTab(L)) tab->SetWorkspacePopupEnablement(lua_toboolean(L, 2) != 0);
  return 0;
}

const luaL_Reg kToolBarMethods[] = {{"AddSeparator", AddSeparator},
                                    {"AddTool", AddTool},
                                    {"RegisterToolChangedCallback", RegisterToolChangedCallback},
                                    {"GetActiveToolID", GetActiveToolID},
                                    {"SetActiveToolID", ToolAction<&LuaBackedToolsTab::SelectTool>},
                                    {"ShowWorkspacePopup", ShowWorkspacePopup},
                                    {"GetPreviouslyActiveToolID", GetPreviouslyActiveToolID},
                                    {"EnableTool", ToolAction<&LuaBackedToolsTab::EnableTool>},
                                    {"DisableTool", ToolAction<&LuaBackedToolsTab::DisableTool>},
                                    {"SetAllToolsEnabled", SetAllToolsEnabled},
                                    {"SetToolOptionsView", SetToolOptionsView},
                                    {"SetToolWidthHeight", SetToolWidthHeight},
                                    {"SetWorkspacePopupEnablement", SetWorkspacePopupEnablement},
                                    {nullptr, nullptr}};

int OpenWorkspace(lua_State* L) {
  ::arx::app::App* app = ::arx::app::App::GetApp();
  return luaopen_zelluaWorkspace(L, app != nullptr ? app->GetWorkspace() : nullptr);
}

int OpenTabPanel(lua_State* L) { return luaopen_zelluaTabpanel(L); }

int OpenToolBar(lua_State* L) {
  binding::ModuleSpec spec;
  spec.metaTableName = kToolBarMetaTableName;
  spec.methods[0] = kToolBarMethods;
  spec.className = "zelToolBar";
  spec.functions = binding::kNoFunctions;
  binding::OpenModule(L, spec);
  RegisterBindOps(L);
  return 1;
}

}  // namespace

TabPanelProxy::TabPanelProxy(TabPanel* tab) : tabId(tab->GetID()), panel(tab), toolsTab(nullptr), isToolsTab(false) {}
TabPanelProxy::TabPanelProxy(LuaBackedToolsTab* tab)
    : tabId(tab->GetID()), panel(tab), toolsTab(tab), isToolsTab(true) {}

TabPanel* TabPanelProxy::GetTabPanelInWorkspace() const {
  if (sWorkspace == nullptr) return nullptr;
  // The direct link counts only while the panel with this id lives.
  if (panel != nullptr && FindLivePanel(tabId) == panel) return panel;
  return zelworkspace::WorkspaceUtils::FindTabFromTabPanelID(sWorkspace, tabId);
}

LuaBackedTabPanelBase* TabPanelProxy::GetLuaBacked() const {
  auto* base = dynamic_cast<LuaBackedTabPanelBase*>(GetTabPanelInWorkspace());
  return base != nullptr && !base->IsDying() ? base : nullptr;
}

LuaBackedToolsTab* TabPanelProxy::GetToolsTab() const {
  if (!isToolsTab) return nullptr;
  TabPanel* live = FindLivePanel(tabId);
  auto* base = dynamic_cast<LuaBackedTabPanelBase*>(live);
  return base != nullptr && !base->IsDying() ? dynamic_cast<LuaBackedToolsTab*>(live) : nullptr;
}

bool TabPanelProxy::BindZELOperation(eBindableOperations operation, binding::LuaRef function) {
  LuaBackedTabPanelBase* base = GetLuaBacked();
  return base != nullptr && base->BindZELOperation(operation, std::move(function));
}

int TabPanelProxy::InstallTimer(float interval, binding::LuaRef function) {
  LuaBackedTabPanelBase* base = GetLuaBacked();
  int id = 0;
  if (base == nullptr || !base->InstallTimer(interval, std::move(function), id)) return 0;
  return id;
}

void TabPanelProxy::RemoveTimer(int id) {
  if (LuaBackedTabPanelBase* base = GetLuaBacked()) base->RemoveTimer(id);
}
void TabPanelProxy::SetAllowClose(bool allow) {
  if (LuaBackedTabPanelBase* base = GetLuaBacked()) base->SetAllowClose(allow);
}
void TabPanelProxy::SetAllowTabless(bool allow) {
  if (LuaBackedTabPanelBase* base = GetLuaBacked()) base->SetAllowTabless(allow);
}
void TabPanelProxy::AddSnapSize(const zelcore::PointT<int>& size) {
  if (LuaBackedTabPanelBase* base = GetLuaBacked()) base->AddSnapSize(size);
}
void TabPanelProxy::ClearSnapSizes() {
  if (LuaBackedTabPanelBase* base = GetLuaBacked()) base->ClearSnapSizes();
}

int luaopen_zelluaWorkspace(lua_State* L, Workspace* workspace) {
  sWorkspace = workspace;
  return binding::OpenModule(L, "zelWorkspace", kWorkspaceFunctions);
}

int luaopen_zelluaTabpanel(lua_State* L) {
  binding::ModuleSpec spec;
  spec.metaTableName = kTabPanelMetaTableName;
  spec.methods[0] = kTabPanelMethods;
  spec.className = "zelTabPanel";
  spec.functions = binding::kNoFunctions;
  binding::OpenModule(L, spec);
  RegisterBindOps(L);
  return 1;
}

void RegisterBindOps(lua_State* L) {
  for (const char* name : kBindOps) {
    lua_pushstring(L, name);
    lua_setfield(L, -2, name);
  }
}

TabPanelProxy* GetTabPanelProxy(lua_State* L, int index) {
  return binding::CheckUserdata<TabPanelProxy>(L, index, kTabPanelMetaTableName);
}

Workspace* GetWorkspace() { return sWorkspace; }
void TerminateWorkspace() { sWorkspace = nullptr; }

int newProxyFromTab(lua_State* L, TabPanel* tab, TabPanelProxy** out) {
  return PushProxy(L, TabPanelProxy(tab), kTabPanelMetaTableName, out);
}
int newProxyFromToolsTab(lua_State* L, LuaBackedToolsTab* tab, TabPanelProxy** out) {
  return PushProxy(L, TabPanelProxy(tab), kTabPanelMetaTableName, out);
}
int newToolsTabProxy(lua_State* L, LuaBackedToolsTab* tab, TabPanelProxy** out) {
  return PushProxy(L, TabPanelProxy(tab), kToolBarMetaTableName, out);
}

}  // namespace zellua::workspace

extern "C" int luaopen_zellua_zelWorkspace(lua_State* L) {
  return zellua::binding::Protected<zellua::workspace::OpenWorkspace>(L);
}
extern "C" int luaopen_zellua_zelTabPanel(lua_State* L) {
  return zellua::binding::Protected<zellua::workspace::OpenTabPanel>(L);
}
extern "C" int luaopen_zellua_zelToolBar(lua_State* L) {
  return zellua::binding::Protected<zellua::workspace::OpenToolBar>(L);
}
