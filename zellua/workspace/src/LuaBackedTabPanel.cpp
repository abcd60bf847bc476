// Lua-backed tab panels: the framework's hooks of a panel call the Lua functions a script bound
// by operation; tools tabs with Lua tool callbacks; the creator that makes such panels.
#include <cmath>
#include <map>
#include <type_traits>

#include "LivePanels.h"
#include "arx/app/App.h"
#include "arx/app/ResourceManager.h"
#include "zelui/NodeManager.h"
#include "zelui/ui/Theme.h"
#include "zellua/binding/StackGuard.h"
#include "zellua/limner/Converters.h"
#include "zellua/limner/LimnerLua.h"
#include "zellua/ui/LuaEvents.h"
#include "zellua/uisupport/UISupport.h"

namespace zellua::workspace {

namespace {

struct LiveEntry {
  TabPanel* panel;
  LuaBackedTabPanelBase* base;
};

std::map<std::int32_t, LiveEntry>& LiveMap() {
  static std::map<std::int32_t, LiveEntry> live;
  return live;
}

using Op = TabPanelProxy::eBindableOperations;

// The panel template over its base: TabPanel or LuaBackedToolsTab.
template <class Base>
class LuaBackedTabPanel final : public Base, public LuaBackedTabPanelBase, public ::arx::uisupport::CommandHandler {
  static constexpr bool kToolsTab = std::is_base_of_v<zelworkspace::sharedui::ToolsTab, Base>;

 public:
  LuaBackedTabPanel(lua_State* L, Workspace* workspace, WorkspaceFrameBase* frame, const std::string& tabType,
                    const zelcore::UTF16String& name);

  bool BindZELOperation(Op operation, binding::LuaRef function) override {
    if (mDying) return false;
    mOperations[operation] = std::move(function);
    return true;
  }

  bool InstallTimer(float interval, binding::LuaRef function, int& id) override {
    if (mDying) return false;
    zelui::ui::UI_NodeManager* manager = zelui::ui::UI_NodeManager::Get(false);
    if (manager == nullptr) return false;
    id = manager->GetUniqueTimerID();
    this->UI_InstallTimer(interval, id);
    mTimers[id] = std::make_shared<const binding::LuaRef>(std::move(function));
    return true;
  }

  void RemoveTimer(int id) override {
    this->UI_RemoveTimer(id, true);
    mTimers.erase(id);
  }

  void SetAllowClose(bool allow) override { mAllowClose = allow; }
  void SetAllowTabless(bool allow) override { mAllowTabless = allow; }
  void AddSnapSize(const zelcore::PointT<int>& size) override { mSnapSizes.push_back(size); }
  void ClearSnapSizes() override { mSnapSizes.clear(); }
  bool IsDying() const override { return mDying; }

  bool AllowClose() const override { return mAllowClose; }
  bool AllowTabless() const override { return mAllowTabless; }
  bool UI_SupportsLimner() const override { return true; }

  void UI_SizeChanged(const zelui::ui::RectF& rect) override {
    if constexpr (kToolsTab) {
      Base::UI_SizeChanged(rect);
    } else {
      const binding::LuaRef* function = Bound(Op::kUiSizeChanged);
      if (function == nullptr) return;
      zelworkspace::TabPanelP hold(this);
      function->Call([&](lua_State* L) { return limner::PushRectF32ToLua(L, rect); });
    }
  }

  bool UI_DoMouseEvent(zelui::ui::UI_Node* target, const zelui::ui::MouseEvent& event) override {
    const binding::LuaRef* function = Bound(Op::kUiMouseEvent);
    if (function == nullptr) return Base::UI_DoMouseEvent(target, event);
    zelworkspace::TabPanelP hold(this);
    function->Call([&](lua_State* L) { return ui::PushMouseEventToLua(L, event); });
    return true;
  }

  bool UI_DoTimerNotify(int id) override {
    const auto found = mTimers.find(id);
    if (found == mTimers.end()) return Base::UI_DoTimerNotify(id);
    // The function stays while it runs, even when it removes its timer or closes the tab.
    const std::shared_ptr<const binding::LuaRef> function = found->second;
    zelworkspace::TabPanelP hold(this);
    function->Call();
    return true;
  }

  void NotifyOrientationChanged(bool vertical) override {
    if (const binding::LuaRef* function = Bound(Op::kOrientationChanged)) {
      zelworkspace::TabPanelP hold(this);
      function->Call([&](lua_State* L) {
        lua_pushboolean(L, vertical);
        return 1;
      });
    }
  }

  void PopulateFlyoutMenu(const zelui::utility::OS_MenuP& menu) override {
    if (const binding::LuaRef* function = Bound(Op::kPopulateFlyout)) {
      zelworkspace::TabPanelP hold(this);
      function->Call([&](lua_State* L) { return utility::PushOSMenuToLua(L, menu); });
    }
  }

  void DoFlyoutMenuCommand(int itemId) override {
    if (const binding::LuaRef* function = Bound(Op::kDoFlyoutCommand)) {
      zelworkspace::TabPanelP hold(this);
      function->Call([&](lua_State* L) {
        lua_pushinteger(L, itemId);
        return 1;
      });
    }
  }

  void DoGetSnapSizes(std::vector<zelcore::PointT<int>>& sizes) override {
    if constexpr (kToolsTab)
      Base::DoGetSnapSizes(sizes);
    else
      sizes.insert(sizes.end(), mSnapSizes.begin(), mSnapSizes.end());
  }

 protected:
  ~LuaBackedTabPanel() override {
    if (const binding::LuaRef* function = Bound(Op::kTabDestroyed)) {
      // The proxy reaches the dying panel during the call only; nothing may be added to it.
      mDying = true;
      function->Call([&](lua_State* L) { return newProxyFromTab(L, this); });
    }
    RemoveLivePanel(this->GetID());
  }

  void UI_Draw(::limner::Limner& context) override {
    if constexpr (kToolsTab) {
      Base::UI_Draw(context);
    } else {
      const ::limner::SurfaceP surface(context.GetSurface());
      this->UI_ClipOSControls();
      if (!surface || !surface->IsWithinClipBounds(this->UI_GetLocalRect(false))) return;
      ::limner::Limner drawing(context.GetSupplier(), surface.get());
      const zelcore::RectF32 local = this->UI_GetLocalRectF(false);
      const zelcore::RectF32 bounds = surface->GetClipBounds();
      const float left = std::max(local.left, bounds.left), top = std::max(local.top, bounds.top);
      const float right = std::min(local.left + local.width, bounds.left + bounds.width);
      const float bottom = std::min(local.top + local.height, bounds.top + bounds.height);
      if (right > left && bottom > top)
        surface->PaintRect(zelcore::RectF32{left, top, right - left, bottom - top}, zelui::ui::GetColor(277));
      if (const binding::LuaRef* function = Bound(Op::kUiDraw)) {
        zelworkspace::TabPanelP hold(this);
        lua_State* L = function->State();
        int results = 0;
        // The proxy goes dead when the scope ends, so one a script kept cannot draw later.
        limner::AcquireLimnerProxy scope(L, &drawing, results);
        binding::StackGuard guard(L);
        const int proxy = lua_gettop(L);
        function->Call([&](lua_State* state) {
          for (int i = proxy - results + 1; i <= proxy; ++i) lua_pushvalue(state, i);
          return results;
        });
      }
      Base::UI_Draw(drawing);
    }
  }

  bool DoHandleCommand(int commandId) override {
    const binding::LuaRef* function = Bound(Op::kCmdHandler);
    if (function == nullptr) return false;
    zelworkspace::TabPanelP hold(this);
    // Commands reach the panel while Lua runs (PostCommand): the caller's stack stays as it was.
    binding::StackGuard guard(function->State());
    const bool ran = function->Call(
        [&](lua_State* L) {
          lua_pushinteger(L, commandId);
          return 1;
        },
        1);
    return ran && lua_isboolean(function->State(), -1) && lua_toboolean(function->State(), -1);
  }

  bool DoCommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String& display) override {
    const binding::LuaRef* function = Bound(Op::kCmdEnablement);
    if (function == nullptr) return false;
    zelworkspace::TabPanelP hold(this);
    lua_State* L = function->State();
    binding::StackGuard guard(L);
    const bool ran = function->Call(
        [&](lua_State* state) {
          lua_pushinteger(state, commandId);
          return 1;
        },
        1);
    if (!ran || !lua_istable(L, -1)) return false;
    lua_getfield(L, -1, zel::lua::uisupport::sLuaCmdIsHandledProp);
    const bool handled = lua_toboolean(L, -1) != 0;
    lua_pop(L, 1);
    if (!handled) return false;
    zel::lua::uisupport::ReadEnablementResult(L, -1, enabled, checked, display);
    return true;
  }

 private:
  // The function bound to the operation while its state is open; null otherwise.
  const binding::LuaRef* Bound(Op operation) const {
    const auto found = mOperations.find(operation);
    return found != mOperations.end() && found->second.IsValid() ? &found->second : nullptr;
  }

  bool mAllowClose = true;
  bool mAllowTabless = false;
  std::map<Op, binding::LuaRef> mOperations;
  std::map<int, std::shared_ptr<const binding::LuaRef>> mTimers;
  std::vector<zelcore::PointT<int>> mSnapSizes;
  lua_State* mLuaState;
  bool mDying = false;
};

template <>
LuaBackedTabPanel<TabPanel>::LuaBackedTabPanel(lua_State* L, Workspace* workspace, WorkspaceFrameBase* frame,
                                               const std::string& tabType, const zelcore::UTF16String& name)
    : TabPanel(workspace, frame, tabType, name, true, true, nullptr), mLuaState(L) {
  AddLivePanel(this, this);
}

template <>
LuaBackedTabPanel<LuaBackedToolsTab>::LuaBackedTabPanel(lua_State* L, Workspace* workspace,
                                                        WorkspaceFrameBase* frame, const std::string& tabType,
                                                        const zelcore::UTF16String& name)
    : LuaBackedToolsTab(workspace, frame, true, tabType, name, nullptr), mLuaState(L) {
  AddLivePanel(this, this);
}

}  // namespace

// Tools tabs.

LuaBackedToolsTab::LuaBackedToolsTab(Workspace* workspace, WorkspaceFrameBase* frame, bool option,
                                     const std::string& tabType, const zelcore::UTF16String& name,
                                     OSEventCallback osEventCallback)
    : ToolsTab(::arx::app::App::GetApp() != nullptr ? ::arx::app::App::GetApp()->GetWorkspaceManager() : nullptr,
               workspace, frame, option, tabType, name, std::move(osEventCallback), true, nullptr) {
  SetWorkspacePopupWidth(GetWorkSpacePopupWidth() + 50.0f);
}

LuaBackedToolsTab::~LuaBackedToolsTab() = default;

void LuaBackedToolsTab::AddTool(int id, const zelcore::UTF16String& label, const std::string& imageName) {
  ::arx::app::ResourceManager& resources = ::arx::app::GetAppResourceManager();
  zelworkspace::sharedui::ToolP tool(new zelworkspace::sharedui::Tool(id, label, imageName));
  zelworkspace::sharedui::ToolPictureButtonP button(
      new zelworkspace::sharedui::ToolPictureButton(id, tool, &resources, &resources.GetLimnerImageCache(), true));
  button->NotifyWhenChanged([this](const zelui::controls::UI_ControlMessage&) { ButtonChanged(); });
  mToolMap.AddButtonToToolTab(button, this);
  mToolIds.push_back(id);
}

void LuaBackedToolsTab::RegisterToolChangedCallback(lua_State* L, binding::LuaRef function) {
  mCallbackState = L;
  mCallback = std::move(function);
}

void LuaBackedToolsTab::SetAllToolsEnabled(bool enabled) {
  for (int id : mToolIds)
    if (auto* button = mToolMap.GetToolButtonFromToolID(id)) button->SetDisabled(!enabled);
}

void LuaBackedToolsTab::EnableTool(int id) {
  if (auto* button = mToolMap.GetToolButtonFromToolID(id)) button->SetDisabled(false);
}

void LuaBackedToolsTab::DisableTool(int id) {
  if (auto* button = mToolMap.GetToolButtonFromToolID(id)) button->SetDisabled(true);
}

void LuaBackedToolsTab::SelectTool(int id) {
  if (auto* button = mToolMap.GetToolButtonFromToolID(id)) button->ActivateButton();
}

void LuaBackedToolsTab::SetWorkspacePopupEnablement(bool enabled) {
  if (auto* popup = GetWorkspacePopup()) popup->UI_SetDisabled(!enabled);
}

void LuaBackedToolsTab::ButtonChanged() {
  const int active = GetActiveToolID();
  if (mCallbackState == nullptr || !mCallback.IsValid()) return;
  // The callback may close the tab: the tab stays until it returns.
  zelworkspace::TabPanelP hold(this);
  mCallback.Call([&](lua_State* L) {
    lua_pushinteger(L, active);
    newProxyFromToolsTab(L, this);
    return 2;
  });
}

// Creators.

LuaTabCreator::LuaTabCreator(lua_State* L, const zelcore::UTF16String& displayName, const std::string& tabType,
                             binding::LuaRef function, bool isToolbar)
    : TabCreator(tabType), mFunction(std::move(function)), mLuaState(L), mDisplayName(displayName),
      mIsToolbar(isToolbar) {}

zelworkspace::TabPanelP LuaTabCreator::CreateTabPanel(Workspace* workspace, WorkspaceFrameBase* frame) {
  zelworkspace::TabPanelP panel;
  LuaBackedToolsTab* toolsTab = nullptr;
  if (mIsToolbar) {
    auto* made = new LuaBackedTabPanel<LuaBackedToolsTab>(mLuaState, workspace, frame, TabType(), mDisplayName);
    panel = made;
    toolsTab = made;
  } else {
    panel = new LuaBackedTabPanel<TabPanel>(mLuaState, workspace, frame, TabType(), mDisplayName);
  }
  TabPanelProxy* proxy = nullptr;
  mFunction.Call([&](lua_State* L) {
    if (toolsTab != nullptr)
      newProxyFromToolsTab(L, toolsTab, &proxy);
    else
      newProxyFromTab(L, panel.get(), &proxy);
    return 1;
  });
  // The script may keep the proxy: from now on it finds the panel by id.
  if (proxy != nullptr) proxy->panel = nullptr;
  return panel;
}

void AddLivePanel(TabPanel* panel, LuaBackedTabPanelBase* base) { LiveMap()[panel->GetID()] = {panel, base}; }
void RemoveLivePanel(std::int32_t id) { LiveMap().erase(id); }
TabPanel* FindLivePanel(std::int32_t id) {
  const auto found = LiveMap().find(id);
  return found != LiveMap().end() ? found->second.panel : nullptr;
}

}  // namespace zellua::workspace
