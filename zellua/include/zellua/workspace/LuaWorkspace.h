#pragma once
// The docking workspace for scripts: tab and toolbar creators whose panels call Lua functions, and
// the proxies through which Lua drives panels the workspace owns. A proxy names its panel by id
// and finds it again on every call, so it never keeps a panel alive nor reaches a dead one.
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "arx/uisupport/CommandHandler.h"
#include "zelworkspace/ToolsTab.h"
#include "zelworkspace/Workspace.h"
#include "zellua/binding/LuaRef.h"

extern "C" {
#include <lua.h>
}

namespace zellua::workspace {

using zelworkspace::TabPanel;
using zelworkspace::Workspace;
using zelworkspace::WorkspaceFrameBase;

class LuaBackedToolsTab;
class LuaBackedTabPanelBase;

struct TabPanelProxy {
  enum eBindableOperations {
    kUiDraw = 1,
    kUiSizeChanged = 2,
    kUiMouseEvent = 3,
    kCmdEnablement = 4,
    kCmdHandler = 5,
    kTabDestroyed = 6,
    kOrientationChanged = 7,
    kPopulateFlyout = 8,
    kDoFlyoutCommand = 9
  };

  explicit TabPanelProxy(TabPanel* tab);
  explicit TabPanelProxy(LuaBackedToolsTab* tab);

  // The panel: the direct link while it is set and the panel lives, else the workspace's panel
  // with the id; null without a workspace.
  TabPanel* GetTabPanelInWorkspace() const;
  // The Lua-backed interface of that panel; null for another panel or one being destroyed.
  LuaBackedTabPanelBase* GetLuaBacked() const;
  // The tools tab of a toolbar proxy, found by id among the live Lua-backed panels.
  LuaBackedToolsTab* GetToolsTab() const;

  bool BindZELOperation(eBindableOperations operation, binding::LuaRef function);
  // The timer's id, or 0 when the panel refused.
  int InstallTimer(float interval, binding::LuaRef function);
  void RemoveTimer(int id);
  void SetAllowClose(bool allow);
  void SetAllowTabless(bool allow);
  void AddSnapSize(const zelcore::PointT<int>& size);
  void ClearSnapSizes();
  bool CanBindZELOperation() const { return GetLuaBacked() != nullptr; }

  std::int32_t tabId;
  TabPanel* panel;
  LuaBackedToolsTab* toolsTab;
  bool isToolsTab;
};

// What a Lua-backed panel offers its proxies.
class LuaBackedTabPanelBase {
 public:
  virtual ~LuaBackedTabPanelBase() = default;
  virtual bool BindZELOperation(TabPanelProxy::eBindableOperations operation, binding::LuaRef function) = 0;
  virtual bool InstallTimer(float interval, binding::LuaRef function, int& id) = 0;
  virtual void RemoveTimer(int id) = 0;
  virtual void SetAllowClose(bool allow) = 0;
  virtual void SetAllowTabless(bool allow) = 0;
  virtual void AddSnapSize(const zelcore::PointT<int>& size) = 0;
  virtual void ClearSnapSizes() = 0;
  // True while the panel's tabDestroyed function runs: nothing may be added to it then.
  virtual bool IsDying() const = 0;
};

// A tools tab whose tool buttons tell a Lua function which tool became active.
class LuaBackedToolsTab : public zelworkspace::sharedui::ToolsTab {
 public:
  LuaBackedToolsTab(Workspace* workspace, WorkspaceFrameBase* frame, bool option, const std::string& tabType,
                    const zelcore::UTF16String& name, OSEventCallback osEventCallback);

  void AddTool(int id, const zelcore::UTF16String& label, const std::string& imageName);
  void RegisterToolChangedCallback(lua_State* L, binding::LuaRef function);
  void SetAllToolsEnabled(bool enabled);
  void EnableTool(int id);
  void DisableTool(int id);
  void SelectTool(int id);
  void SetWorkspacePopupEnablement(bool enabled);

 protected:
  ~LuaBackedToolsTab() override;

 private:
  void ButtonChanged();

  zelworkspace::sharedui::ToolMap mToolMap;
  std::vector<int> mToolIds;
  lua_State* mCallbackState = nullptr;
  binding::LuaRef mCallback;
};

// Makes the panels of one tab type, Lua-backed, and hands each new one to a Lua function.
class LuaTabCreator : public zelworkspace::TabCreator {
 public:
  LuaTabCreator(lua_State* L, const zelcore::UTF16String& displayName, const std::string& tabType,
                binding::LuaRef function, bool isToolbar);
  zelworkspace::TabPanelP CreateTabPanel(Workspace* workspace, WorkspaceFrameBase* frame) override;

 private:
  binding::LuaRef mFunction;
  lua_State* mLuaState;
  zelcore::UTF16String mDisplayName;
  bool mIsToolbar;
};

int luaopen_zelluaWorkspace(lua_State* L, Workspace* workspace);
int luaopen_zelluaTabpanel(lua_State* L);
// Writes the nine operation names into the table on top of the stack.
void RegisterBindOps(lua_State* L);
TabPanelProxy* GetTabPanelProxy(lua_State* L, int index);
Workspace* GetWorkspace();
// Forgets the workspace: every function of the library then reports it missing.
void TerminateWorkspace();

// Push a proxy and return 1; out, when given, receives its block.
int newProxyFromTab(lua_State* L, TabPanel* tab, TabPanelProxy** out = nullptr);
int newProxyFromToolsTab(lua_State* L, LuaBackedToolsTab* tab, TabPanelProxy** out = nullptr);
int newToolsTabProxy(lua_State* L, LuaBackedToolsTab* tab, TabPanelProxy** out = nullptr);

}  // namespace zellua::workspace

extern "C" {
int luaopen_zellua_zelWorkspace(lua_State* L);
int luaopen_zellua_zelTabPanel(lua_State* L);
int luaopen_zellua_zelToolBar(lua_State* L);
}
