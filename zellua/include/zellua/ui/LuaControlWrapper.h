#pragma once
// Control wrappers: every UI node that crosses into Lua is a full userdata of one pointer to a
// heap wrapper, which holds one counted reference to the node. The userdata owns the wrapper
// (its __gc deletes it); a userdata whose pointer is null counts as released. Each wrapper class
// has a metatable registered under its name, which carries the Lua methods of the class and of
// its ancestors (the generic node methods first). The same node pushed twice gives two wrappers.
//
// Wrapper classes add no data. A class names its metatable (GetMetatableName), has its own
// method table (methods, ending in an empty pair) and its chain of tables (Methods: the
// ancestors' chains, then its own table); RegisterMethods registers the chain into the metatable
// on top of the stack. luaopen_LuaControls makes the metatables of the classes it lists, and
// LuaControlWrapperFactory picks the most specific class for a node from its own table: a new
// class joins both lists (see ControlWrappers.cpp).
#include <map>
#include <memory>
#include <utility>

extern "C" {
#include <lauxlib.h>
#include <lua.h>
}

#include "zellua/binding/LuaRef.h"
#include "zellua/binding/Module.h"
#include "zelui/ui/UI_Node.h"

namespace zellua::ui {

using zelui::ui::UI_Node;
using zelui::ui::UI_NodeP;

// The name of the field whose function value marks a control wrapper's metatable.
inline constexpr char kControlWrapperIdentifier[] = "ControlWrapperIdentifier";

class LuaControlWrapperBase {
 public:
  // Holds a counted reference to the node (which may be empty); callbacks run on the state's
  // main thread.
  LuaControlWrapperBase(UI_NodeP node, lua_State* L);
  // Removes the timers installed through the wrapper from its node and forgets its notify
  // function, so that nothing calls into the wrapper once it is gone.
  virtual ~LuaControlWrapperBase();
  LuaControlWrapperBase(const LuaControlWrapperBase&) = delete;
  LuaControlWrapperBase& operator=(const LuaControlWrapperBase&) = delete;

  // The wrapped node; null once released.
  UI_Node* GetNode() const { return mNode.get(); }
  const UI_NodeP& GetNodeRef() const { return mNode; }
  lua_State* GetLuaState() const { return mLuaState; }

  // A timer of the node fired: calls the Lua function of a timer installed through this wrapper
  // (no arguments; an error is dropped) and returns true; false for another timer.
  virtual bool UI_DoTimerNotify(int id);
  // Installs a repeating node timer every interval seconds under a new id from the node
  // manager, calling the function; false (the function let go) without a node.
  virtual bool InstallTimer(float interval, binding::LuaRef function, int& timerId);
  // Removes a timer installed through this wrapper; nothing without a node.
  virtual void RemoveTimer(int id);
  // Drops the node reference; the wrapper lives on, empty, until its userdata is collected.
  // Timers installed through it stay with the node and keep calling their functions.
  void ReleaseNode();

 private:
  UI_NodeP mNode;
  lua_State* mLuaState;
  // The wrapper while it lives, null after: what the node's notify function calls.
  std::shared_ptr<LuaControlWrapperBase*> mSelf;
  UI_Node::TimerNotifyFunctionP mTimerNotify;
  // Shared, so that a firing timer keeps its function while the function removes its timer.
  std::map<int, std::shared_ptr<const binding::LuaRef>> mTimers;
};

// The wrapper at the index: the userdata must carry a wrapper metatable ("Bad user data"
// otherwise, a Lua error). Null for a userdata whose wrapper was collected through __gc.
LuaControlWrapperBase* GetControlUserData(lua_State* L, int index);

// The node of the wrapper at the index ("Bad user data" for other values); null when released.
UI_Node* GetControlNode(lua_State* L, int index);

namespace detail {
// The userdata block of the wrapper at the index ("Bad user data" for other values).
LuaControlWrapperBase** CheckWrapperBlock(lua_State* L, int index);
// Pushes a userdata of one null pointer with the metatable (the control metatables made first
// when no script opened them yet) and returns its block.
LuaControlWrapperBase** PushWrapperBlock(lua_State* L, const char* metaTableName);
}  // namespace detail

// Makes a W over the node, pushes its userdata and returns it. When the constructor throws,
// nothing is left pushed and the exception goes on.
template <class W>
W* CreateAndPushControlWrapper(lua_State* L, const UI_NodeP& node) {
  LuaControlWrapperBase** block = detail::PushWrapperBlock(L, W::GetMetatableName());
  W* wrapper = nullptr;
  try {
    wrapper = new W(node, L);
  } catch (...) {
    lua_pop(L, 1);
    throw;
  }
  *block = wrapper;
  return wrapper;
}

// Pushes one wrapper of the most specific class for the node and returns it; pushes nothing and
// returns null for an empty node.
LuaControlWrapperBase* LuaControlWrapperFactory(const UI_NodeP& node, lua_State* L);

// LuaControlWrapperFactory, then nil when it pushed nothing: exactly one value.
void PushNodeOrNil(lua_State* L, UI_Node* node);

// A constructor of "zelcontrols" for a control made without arguments: pushes its wrapper.
template <class T>
int controlNew(lua_State* L) {
  UI_NodeP control(new T());
  return LuaControlWrapperFactory(control, L) != nullptr ? 1 : 0;
}

// Opens the control bindings: the wrapper metatables, the "interactiveChangeMessage" metatable
// and the library "zelcontrols", which it returns. Once opened, it only returns the library.
int luaopen_LuaControls(lua_State* L);

// The chain of a wrapper class: the chains of its Lua ancestors in order, then its own table.
template <class... Ancestors>
binding::MethodChain ChainOf(const luaL_Reg* own) {
  binding::MethodChain chain;
  (
      [&chain] {
        const binding::MethodChain ancestor = Ancestors::Methods();
        chain.insert(chain.end(), ancestor.begin(), ancestor.end());
      }(),
      ...);
  chain.push_back(own);
  return chain;
}

// The wrapper classes; other headers declare theirs the same way.
#define ZELLUA_CONTROL_WRAPPER(Class, Base)                                   \
  class Class : public Base {                                                 \
   public:                                                                    \
    Class(UI_NodeP node, lua_State* L) : Base(std::move(node), L) {}          \
    ~Class() override;                                                        \
    static const char* GetMetatableName();                                    \
    static const luaL_Reg methods[];                                          \
    static binding::MethodChain Methods();                                    \
    static void RegisterMethods(lua_State* L);                                \
  };

// Defines what the declaration above declares, for a class with the metatable name whose Lua
// ancestors are the classes after it; its own methods table is defined beside its methods.
#define ZELLUA_DEFINE_CONTROL_WRAPPER(Class, metaTableName, ...)                                          \
  Class::~Class() = default;                                                                            \
  const char* Class::GetMetatableName() { return metaTableName; }                                       \
  binding::MethodChain Class::Methods() { return ChainOf<__VA_ARGS__>(methods); }                       \
  void Class::RegisterMethods(lua_State* L) { binding::RegisterMethodChain(L, Methods()); }

ZELLUA_CONTROL_WRAPPER(LuaUI_NodeWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_SubViewWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaControlViewWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaInteractiveControlViewWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_ButtonWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_TextButtonWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_DisclosureButtonWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_PictureButtonWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_PopupWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaCheckboxWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaRadioButtonWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaRadioGroupWrapper, LuaControlViewWrapper)
ZELLUA_CONTROL_WRAPPER(LuaUI_HotTextButtonWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_HotTextNumberWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_KnobWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_SliderWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_ScrollBarWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_ScrollViewWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_SearchBoxWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaTextEditWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaStaticTextWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_StaticImageWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_ListBoxWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_ListBoxItemWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaDividerWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_SplitterViewWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_ArrangementViewWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_SectionViewWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaUI_TabWellWrapper, LuaUI_SubViewWrapper)
ZELLUA_CONTROL_WRAPPER(LuaOS_WindowWrapper, LuaControlWrapperBase)
ZELLUA_CONTROL_WRAPPER(LuaDialogWrapper, LuaControlWrapperBase)

// The text-control methods, mixed into the chains of the controls that show a label; no
// metatable of its own.
class LuaTextControlBaseWrapper {
 public:
  static const luaL_Reg methods[];
  static binding::MethodChain Methods() { return {methods}; }
  static void RegisterMethods(lua_State* L) { binding::RegisterMethodChain(L, Methods()); }
};

}  // namespace zellua::ui

extern "C" {
// Forwards to zellua::ui::luaopen_LuaControls.
int luaopen_zellua_zelcontrols(lua_State* L);
}
