// The binding table a node keeps in its user data, the operation binder with the node's hooks,
// and the change binders of control views.
#include <algorithm>
#include <iterator>

#include "zellua/limner/Converters.h"
#include "zellua/limner/LimnerLua.h"
#include "zellua/ui/LuaBinder.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zellua/ui/LuaEvents.h"
#include "zelui/limner/Limner.h"

namespace zellua::ui {

using zelui::controls::UI_ControlMessage;
using zelui::controls::UI_ControlView;
using zelui::controls::UI_InteractiveControlMessage;
using zelui::controls::UI_InteractiveControlView;
using zelui::ui::KeyboardEvent;
using zelui::ui::ModifierFlags;
using zelui::ui::MouseEvent;
using zelui::ui::PointF;

namespace {

const char* const kInteractiveChangeMessage = "interactiveChangeMessage";

const char* const kSizeChanged = "uiSizeChanged";
const char* const kPreMouseEvent = "uiPreMouseEvent";
const char* const kMouseEvent = "uiMouseEvent";
const char* const kKeyboardEvent = "uiKeyboardEvent";
const char* const kDraw = "uiDraw";
const char* const kDoCursor = "uiDoCursor";
const char* const kFocusChange = "uiFocusChange";

}  // namespace

// Binders and the table.

LuaBinder::~LuaBinder() = default;

void LuaBinder::PushControlMessage(lua_State*, const UI_ControlMessage&, int&) {}

void LuaBinder::PushInteractiveControlMessage(lua_State* L, const UI_InteractiveControlMessage& message, int& count) {
  luaL_getmetatable(L, kInteractiveChangeMessage);
  const bool opened = !lua_isnil(L, -1);
  lua_pop(L, 1);
  if (!opened) {
    luaopen_LuaControls(L);
    lua_pop(L, 1);
  }
  lua_createtable(L, 0, 2);
  luaL_getmetatable(L, kInteractiveChangeMessage);
  lua_setmetatable(L, -2);
  PushNodeOrNil(L, message.control);
  lua_setfield(L, -2, "control");
  lua_pushinteger(L, message.change);
  lua_setfield(L, -2, "changeMessage");
  ++count;
}

LuaBindingTable::~LuaBindingTable() = default;

LuaBindingTableP LuaBindingTable::GetLuaBindingTable(zelui::ui::UI_Node* node, bool create) {
  if (node == nullptr) return {};
  if (const auto* held = boost::any_cast<LuaBindingTableP>(&node->GetUserData()); held != nullptr && *held)
    return *held;
  if (!create) return {};
  const LuaBindingTableP table(new LuaBindingTable());
  node->SetUserData(table);
  return table;
}

// The operation binder.

ZelBinder::~ZelBinder() = default;

std::shared_ptr<const binding::LuaRef> ZelBinder::First(const char* name) const {
  const auto found = mEntries.find(name);
  if (found == mEntries.end() || found->second.empty()) return nullptr;
  return found->second.front().function;
}

void ZelBinder::BindZELOperation(lua_State*, const std::string& name, binding::LuaRef function) {
  std::vector<LuaFunctionEntry>& entries = mEntries[name];
  entries.clear();
  entries.emplace_back(std::move(function));
  InstallHook(name);
}

// Each hook holds the binder, which the node holds through its table; the binder knows the node
// by a plain pointer, so nothing holds the node.
void ZelBinder::InstallHook(const std::string& name) {
  static const char* const kHooks[] = {kSizeChanged, kPreMouseEvent, kMouseEvent, kKeyboardEvent,
                                       kDraw,        kDoCursor,      kFocusChange};
  const auto hook = std::find_if(std::begin(kHooks), std::end(kHooks), [&name](const char* h) { return name == h; });
  if (hook == std::end(kHooks) || mHookInstalled[name]) return;
  mHookInstalled[name] = true;
  const boost::intrusive_ptr<ZelBinder> self(this);
  using zelui::ui::UI_Node;
  if (*hook == kSizeChanged) {
    mNode->UI_InstallSizeChangedNotifyFunction([self](UI_Node*) { self->OnSizeChanged(); });
  } else if (*hook == kPreMouseEvent) {
    mNode->UI_SetCustomPreMouseEventFunction([self](UI_Node* target, const MouseEvent& event, bool& handled) {
      return self->OnMouseEvent(kPreMouseEvent, target, event, handled);
    });
  } else if (*hook == kMouseEvent) {
    mNode->UI_SetCustomMouseEventFunction([self](UI_Node* target, const MouseEvent& event, bool& handled) {
      return self->OnMouseEvent(kMouseEvent, target, event, handled);
    });
  } else if (*hook == kKeyboardEvent) {
    mNode->UI_SetCustomKeyboardEventFunction([self](UI_Node* target, const KeyboardEvent& event, bool& handled) {
      return self->OnKeyboardEvent(target, event, handled);
    });
  } else if (*hook == kDraw) {
    mNode->UI_SetCustomDrawFunction([self](UI_Node*, ::limner::Limner& context) { return self->OnDraw(context); });
  } else if (*hook == kDoCursor) {
    mNode->UI_SetCustomDoCursorFunction([self](UI_Node*, const PointF& where, ModifierFlags modifiers, bool& handled) {
      return self->OnDoCursor(where, modifiers, handled);
    });
  } else {
    mNode->InstallFocusChangedFunction([self](UI_Node*, int reason) { self->OnFocusChange(reason); });
  }
}

void ZelBinder::OnSizeChanged() {
  const auto function = First(kSizeChanged);
  if (!function) return;
  const zelui::ui::RectF rect = mNode->UI_GetLocalRectF(false);
  function->Call([&rect](lua_State* L) { return limner::PushRectF32ToLua(L, rect); });
}

// "uiPreMouseEvent" gets the wrapper of the node the event is for, then the event;
// "uiMouseEvent" the event alone. The result's truth says whether the event was handled.
bool ZelBinder::OnMouseEvent(const char* name, zelui::ui::UI_Node* target, const MouseEvent& event, bool& handled) {
  const auto function = First(name);
  if (!function) return false;
  const bool withNode = name == kPreMouseEvent;
  zelui::ui::UI_Node* node = target != nullptr ? target : mNode;
  const std::optional<bool> result = CallForTruth(*function, [&](lua_State* L) {
    if (withNode) PushNodeOrNil(L, node);
    PushMouseEventToLua(L, event);
    return withNode ? 2 : 1;
  });
  handled = result.value_or(false);
  return handled;
}

bool ZelBinder::OnKeyboardEvent(zelui::ui::UI_Node* target, const KeyboardEvent& event, bool& handled) {
  const auto function = First(kKeyboardEvent);
  if (!function) return false;
  zelui::ui::UI_Node* node = target != nullptr ? target : mNode;
  const std::optional<bool> result = CallForTruth(*function, [&](lua_State* L) {
    PushNodeOrNil(L, node);
    PushKeyboardEventToLua(L, event);
    return 2;
  });
  handled = result.value_or(false);
  return handled;
}

// The function draws with a context proxy that goes out of scope when it returns; the surface is
// held meanwhile.
bool ZelBinder::OnDraw(::limner::Limner& context) {
  const auto function = First(kDraw);
  if (!function || !function->IsValid()) return false;
  lua_State* L = function->State();
  const binding::StackGuard guard(L);
  const ::limner::SurfaceP surface(context.GetSurface());
  int results = 0;
  const limner::AcquireLimnerProxy scope(L, &context, results);
  const int first = lua_gettop(L) - results + 1;
  const std::optional<bool> drew = CallForTruth(*function, [first, results](lua_State* L) {
    for (int i = 0; i < results; ++i) lua_pushvalue(L, first + i);
    return results;
  });
  return drew.value_or(false);
}

bool ZelBinder::OnDoCursor(const PointF& where, ModifierFlags modifiers, bool& handled) {
  const auto function = First(kDoCursor);
  if (!function) return false;
  const std::optional<bool> result = CallForTruth(*function, [&](lua_State* L) {
    limner::PushPointF32ToLua(L, where);
    lua_pushinteger(L, modifiers);
    return 2;
  });
  handled = result.value_or(false);
  return handled;
}

void ZelBinder::OnFocusChange(int reason) {
  const auto function = First(kFocusChange);
  if (!function) return;
  function->Call([reason](lua_State* L) {
    lua_pushinteger(L, reason);
    return 1;
  });
}

int BindZELOperation(lua_State* L, zelui::ui::UI_Node* node, const std::string& name, binding::LuaRef function) {
  const LuaBindingTableP table = LuaBindingTable::GetLuaBindingTable(node, true);
  if (!table) return 0;
  ZelBinder* binder = table->GetOrMakeBinder<ZelBinder>(LuaBindingTable::kZelBinderSlot,
                                                        [node] { return LuaBinderP(new ZelBinder(node)); });
  binder->BindZELOperation(L, name, std::move(function));
  return 1;
}

// The change binders. Each subscribes itself for as long as its control lives; the control's
// notify function holds it.

ControlChangedBinder::ControlChangedBinder(UI_ControlView* control) {
  const boost::intrusive_ptr<ControlChangedBinder> self(this);
  control->NotifyWhenChanged([self](const UI_ControlMessage& message) { self->OnChanged(message); });
}

ControlChangedBinder::~ControlChangedBinder() = default;

// Only the first function filed is called.
void ControlChangedBinder::OnChanged(const UI_ControlMessage& message) {
  if (mEntries.empty()) return;
  const auto function = mEntries.front().function;
  function->Call([&message](lua_State* L) {
    int count = 0;
    PushControlMessage(L, message, count);
    return count;
  });
}

InteractiveControlChangedBinder::InteractiveControlChangedBinder(UI_InteractiveControlView* control) {
  const boost::intrusive_ptr<InteractiveControlChangedBinder> self(this);
  control->NotifyWhenChangedInteractively(
      [self](const UI_InteractiveControlMessage& message) { self->OnInteractiveChange(message); });
}

InteractiveControlChangedBinder::~InteractiveControlChangedBinder() = default;

void InteractiveControlChangedBinder::OnInteractiveChange(const UI_InteractiveControlMessage& message) {
  if (mEntries.empty()) return;
  const auto function = mEntries.front().function;
  function->Call([&message](lua_State* L) {
    int count = 0;
    PushInteractiveControlMessage(L, message, count);
    return count;
  });
}

bool LuaNotifyWhenChanged(lua_State*, UI_ControlView* control, binding::LuaRef function) {
  const LuaBindingTableP table = LuaBindingTable::GetLuaBindingTable(control, true);
  if (!table) return false;
  table
      ->GetOrMakeBinder<ControlChangedBinder>(LuaBindingTable::kControlChangedSlot,
                                              [control] { return LuaBinderP(new ControlChangedBinder(control)); })
      ->Add(std::move(function));
  return true;
}

bool LuaNotifyWhenInteractivelyChanged(lua_State*, UI_InteractiveControlView* control, binding::LuaRef function) {
  const LuaBindingTableP table = LuaBindingTable::GetLuaBindingTable(control, true);
  if (!table) return false;
  table
      ->GetOrMakeBinder<InteractiveControlChangedBinder>(
          LuaBindingTable::kInteractiveControlChangedSlot,
          [control] { return LuaBinderP(new InteractiveControlChangedBinder(control)); })
      ->Add(std::move(function));
  return true;
}

int InitZelControls(lua_State* L) {
  luaL_checkstack(L, 2, "Cannot grow stack for message metatables");
  luaL_newmetatable(L, kInteractiveChangeMessage);
  lua_pushvalue(L, -1);
  lua_setfield(L, -2, "__index");
  static const struct {
    const char* name;
    int value;
  } kChanges[] = {{"beginChange", zelui::controls::kBeginChange},
                  {"continueChange", zelui::controls::kContinueChange},
                  {"finishChange", zelui::controls::kFinishChange},
                  {"cancelChange", zelui::controls::kCancelChange}};
  for (const auto& change : kChanges) {
    lua_pushinteger(L, change.value);
    lua_setfield(L, -2, change.name);
  }
  lua_pop(L, 1);
  return 1;
}

}  // namespace zellua::ui
