#pragma once
// Lua functions that react to a node's events live on the node itself: a binding table of eight
// binder slots, kept as the node's user data (a counted reference in its boost::any), owns the
// binders. A binder subscribes to one kind of notification and calls the first Lua function filed
// with it; callbacks run through lua_pcall without a handler, errors dropped, and do nothing once
// the state is closed.
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <boost/intrusive_ptr.hpp>

extern "C" {
#include <lua.h>
}

#include "zelcore/utility/RefCountedObject.h"
#include "zellua/binding/LuaRef.h"
#include "zellua/binding/StackGuard.h"
#include "zelui/controls/UI_ControlView.h"
#include "zelui/ui/UI_Node.h"

namespace zellua::ui {

// A Lua function kept by a binder. Shared, so that a call in progress keeps its function while
// the binder's lists change under it.
struct LuaFunctionEntry {
  std::shared_ptr<const binding::LuaRef> function;

  explicit LuaFunctionEntry(binding::LuaRef ref) : function(std::make_shared<const binding::LuaRef>(std::move(ref))) {}
  lua_State* State() const { return function->State(); }
};

// Calls the function with the arguments pushArgs(L) pushes and one result, and gives the result's
// Lua truth; a call that fails counts as true (its error value stands in the result's place).
// Nothing (and nothing is called) when the state is closed.
template <typename PushArgs>
std::optional<bool> CallForTruth(const binding::LuaRef& function, PushArgs&& pushArgs) {
  if (!function.IsValid()) return std::nullopt;
  lua_State* L = function.State();
  const binding::StackGuard guard(L);
  if (!function.Call(pushArgs, 1)) return true;
  return lua_toboolean(L, -1) != 0;
}

class LuaBinder : public zelcore::utility::RefCountedObject {
 public:
  // The value-changed message gives the Lua function nothing: pushes nothing, count unchanged.
  static void PushControlMessage(lua_State* L, const zelui::controls::UI_ControlMessage& message, int& count);
  // A table with the metatable "interactiveChangeMessage": control (a new wrapper of the
  // message's control, nil without one) and changeMessage (the kind of change); count + 1.
  static void PushInteractiveControlMessage(lua_State* L, const zelui::controls::UI_InteractiveControlMessage& message,
                                            int& count);

 protected:
  ~LuaBinder() override;
};

using LuaBinderP = boost::intrusive_ptr<LuaBinder>;

class LuaBindingTable : public zelcore::utility::RefCountedObject {
 public:
  enum Slot {
    kZelBinderSlot = 0,
    kControlChangedSlot = 1,
    kInteractiveControlChangedSlot = 2,
    kResourceLoadedSlot = 3,
    kAddressChangeSlot = 4,
    kBeforeBrowseSlot = 5,
    kFrameLocationChangedSlot = 6,
    kJavaScriptTunnelSlot = 7,
    kSlotCount = 8
  };

  // The node's table. Without one: with create false an empty reference; with create true a new
  // table, which replaces whatever the node's user data held.
  static boost::intrusive_ptr<LuaBindingTable> GetLuaBindingTable(zelui::ui::UI_Node* node, bool create);

  LuaBinder* GetBinder(Slot slot) const { return mBinders[slot].get(); }
  // The binder of the slot, made by make() when the slot is empty; a slot once filled is kept.
  template <class B, class Make>
  B* GetOrMakeBinder(Slot slot, Make&& make) {
    if (!mBinders[slot]) mBinders[slot] = make();
    return static_cast<B*>(mBinders[slot].get());
  }

 protected:
  ~LuaBindingTable() override;

 private:
  std::array<LuaBinderP, kSlotCount> mBinders;
};

using LuaBindingTableP = boost::intrusive_ptr<LuaBindingTable>;

// Functions filed by operation name; seven names hook the node (installed on the first binding):
// "uiSizeChanged", "uiPreMouseEvent", "uiMouseEvent", "uiKeyboardEvent", "uiDraw",
// "uiDoCursor", "uiFocusChange". Other names are kept and never called from here.
class ZelBinder : public LuaBinder {
 public:
  explicit ZelBinder(zelui::ui::UI_Node* node) : mNode(node) {}

  // Files the function under the name, replacing (and letting go of) one filed before, and
  // installs the name's hook on the node the first time.
  void BindZELOperation(lua_State* L, const std::string& name, binding::LuaRef function);

 protected:
  ~ZelBinder() override;

 private:
  // The function filed under the name, or null.
  std::shared_ptr<const binding::LuaRef> First(const char* name) const;
  void InstallHook(const std::string& name);

  void OnSizeChanged();
  bool OnMouseEvent(const char* name, zelui::ui::UI_Node* target, const zelui::ui::MouseEvent& event, bool& handled);
  bool OnKeyboardEvent(zelui::ui::UI_Node* target, const zelui::ui::KeyboardEvent& event, bool& handled);
  bool OnDraw(::limner::Limner& context);
  bool OnDoCursor(const zelui::ui::PointF& where, zelui::ui::ModifierFlags modifiers, bool& handled);
  void OnFocusChange(int reason);

  std::map<std::string, std::vector<LuaFunctionEntry>> mEntries;
  std::map<std::string, bool> mHookInstalled;
  // The node owns the binder through its binding table.
  zelui::ui::UI_Node* mNode;
};

// Calls the first function filed on every value change of the control, with no arguments.
class ControlChangedBinder : public LuaBinder {
 public:
  explicit ControlChangedBinder(zelui::controls::UI_ControlView* control);
  void Add(binding::LuaRef function) { mEntries.emplace_back(std::move(function)); }

 protected:
  ~ControlChangedBinder() override;

 private:
  void OnChanged(const zelui::controls::UI_ControlMessage& message);

  std::vector<LuaFunctionEntry> mEntries;
};

// Calls the first function filed on every step of an interactive change, with the message
// table.
class InteractiveControlChangedBinder : public LuaBinder {
 public:
  explicit InteractiveControlChangedBinder(zelui::controls::UI_InteractiveControlView* control);
  void Add(binding::LuaRef function) { mEntries.emplace_back(std::move(function)); }

 protected:
  ~InteractiveControlChangedBinder() override;

 private:
  void OnInteractiveChange(const zelui::controls::UI_InteractiveControlMessage& message);

  std::vector<LuaFunctionEntry> mEntries;
};

// Files the function under the name in the node's ZelBinder (made when absent); returns 1, or 0
// (the function let go) without a node.
int BindZELOperation(lua_State* L, zelui::ui::UI_Node* node, const std::string& name, binding::LuaRef function);

// Append the function to the control's change binder (made when absent); false (the function
// let go) without a control.
bool LuaNotifyWhenChanged(lua_State* L, zelui::controls::UI_ControlView* control, binding::LuaRef function);
bool LuaNotifyWhenInteractivelyChanged(lua_State* L, zelui::controls::UI_InteractiveControlView* control,
                                       binding::LuaRef function);

// Makes the "interactiveChangeMessage" metatable with the integer fields beginChange 0,
// continueChange 1, finishChange 2 and cancelChange 3; returns 1.
int InitZelControls(lua_State* L);

}  // namespace zellua::ui
