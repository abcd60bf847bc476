// "zelUINode": the methods every node and control has in Lua. Argument 1 is the wrapper
// ("Bad user data" for any other value); a released wrapper gives no values and reaches nothing.
// Arguments are checked before the node is looked at. ChildGet takes and UI_GetIndex gives
// 1-based positions; ChildMove, ChildSwapOrder and SetViewIndex take 0-based ones.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ControlsInternal.h"
#include "zelcore/Strings.h"
#include "zellua/binding/Numbers.h"
#include "zellua/limner/Converters.h"
#include "zellua/limner/LimnerLua.h"
#include "zellua/ui/LuaBinder.h"
#include "zellua/ui/LuaEvents.h"
#include "zelui/limner/Limner.h"

namespace zellua::ui {

namespace {

using zelui::ui::PointF;
using zelui::ui::RectF;

std::string StringArgument(lua_State* L, int index) {
  size_t length = 0;
  const char* text = luaL_checklstring(L, index, &length);
  return std::string(text, length);
}

// A position read the way lua_tointeger reads it (0 for a non-number), clamped.
std::ptrdiff_t PositionArgument(lua_State* L, int index) {
  return binding::ClampToInteger<std::ptrdiff_t>(lua_tonumber(L, index));
}

int Gc(lua_State* L) {
  LuaControlWrapperBase** block = detail::CheckWrapperBlock(L, 1);
  // Cleared first: a second __gc, or a method called after it, finds a released wrapper.
  LuaControlWrapperBase* wrapper = *block;
  *block = nullptr;
  delete wrapper;
  return 0;
}

int Release(lua_State* L) {
  if (LuaControlWrapperBase* wrapper = GetControlUserData(L, 1)) wrapper->ReleaseNode();
  return 0;
}

int BindZelOperation(lua_State* L) {
  LuaControlWrapperBase* wrapper = GetControlUserData(L, 1);
  const std::string name = StringArgument(L, 2);
  binding::LuaRef function(L, 3);
  UI_Node* node = wrapper != nullptr ? wrapper->GetNode() : nullptr;
  lua_pushboolean(L, node != nullptr && BindZELOperation(L, node, name, std::move(function)) != 0);
  return 1;
}

int ControlWrapperIdentifier(lua_State*) { return 0; }

// The tree.

int ChildPushBack(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  UI_Node* child = GetControlNode(L, 2);
  if (node != nullptr && child != nullptr) node->UI_GetContainer().ChildPushBack(child);
  return 0;
}

int ChildSize(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  if (node == nullptr) return 0;
  lua_pushinteger(L, static_cast<lua_Integer>(node->UI_GetContainer().ChildSize()));
  return 1;
}

int ChildGet(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const auto position = binding::CheckInteger<std::ptrdiff_t>(L, 2);
  if (node == nullptr || position < 1) return 0;
  UI_Node* child = node->UI_GetContainer().ChildGet(position - 1);
  return child != nullptr && LuaControlWrapperFactory(UI_NodeP(child), L) != nullptr ? 1 : 0;
}

int ChildRemove(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  UI_Node* child = GetControlNode(L, 2);
  if (node != nullptr && child != nullptr) node->UI_GetContainer().ChildRemove(child);
  return 0;
}

int ChildSwapOrder(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const std::ptrdiff_t first = PositionArgument(L, 2), second = PositionArgument(L, 3);
  if (node != nullptr) node->UI_GetContainer().ChildSwapOrder(first, second);
  return 0;
}

int ChildMove(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const std::ptrdiff_t from = PositionArgument(L, 2), to = PositionArgument(L, 3);
  if (node != nullptr) node->UI_GetContainer().ChildMove(from, to);
  return 0;
}

// Pushes the wrapper of a node the method found; nothing when there is none.
int PushFound(lua_State* L, UI_Node* found) {
  return found != nullptr && LuaControlWrapperFactory(UI_NodeP(found), L) != nullptr ? 1 : 0;
}

int UI_GetRootNode(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  return node != nullptr ? PushFound(L, node->UI_GetRootNode()) : 0;
}

int UI_GetParentNode(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  return node != nullptr ? PushFound(L, node->UI_GetParentNode()) : 0;
}

int DeleteChildren(lua_State* L) {
  if (UI_Node* node = GetControlNode(L, 1)) node->UI_GetContainer().DeleteChildren();
  return 0;
}

// The first node below the given one, in pre-order, whose id is the id.
UI_Node* FindDescendent(const UI_Node& node, const std::string& id) {
  const auto& container = node.UI_GetContainer();
  for (std::ptrdiff_t i = 0; i < container.ChildSize(); ++i) {
    UI_Node* child = container.ChildGet(i);
    if (child->UI_GetNodeID() == id) return child;
    if (UI_Node* found = FindDescendent(*child, id)) return found;
  }
  return nullptr;
}

int GetDescendentByID(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const std::string id = StringArgument(L, 2);
  return node != nullptr ? PushFound(L, FindDescendent(*node, id)) : 0;
}

int UI_GetNodeID(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  if (node == nullptr) return 0;
  lua_pushlstring(L, node->UI_GetNodeID().data(), node->UI_GetNodeID().size());
  return 1;
}

int UI_SetNodeID(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const std::string id = StringArgument(L, 2);
  if (node != nullptr) node->UI_SetNodeID(id);
  return 0;
}

int UI_GetIndex(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  if (node == nullptr) return 0;
  lua_pushinteger(L, static_cast<lua_Integer>(node->UI_GetIndex() + 1));
  return 1;
}

// Moves the node among its parent's children; nothing without parent.
void MoveInParent(UI_Node& node, std::ptrdiff_t to) {
  if (UI_Node* parent = node.UI_GetParentNode()) parent->UI_GetContainer().ChildMove(node.UI_GetIndex(), to);
}

int SetViewIndex(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const std::ptrdiff_t to = PositionArgument(L, 2);
  if (node != nullptr) MoveInParent(*node, to);
  return 0;
}

int SetViewIndexToBack(lua_State* L) {
  if (UI_Node* node = GetControlNode(L, 1)) MoveInParent(*node, 0);
  return 0;
}

int SetViewIndexToFront(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  UI_Node* parent = node != nullptr ? node->UI_GetParentNode() : nullptr;
  if (parent == nullptr) return 0;
  const std::ptrdiff_t last = parent->UI_GetContainer().ChildSize() - 1;
  if (node->UI_GetIndex() != last) MoveInParent(*node, last);
  return 0;
}

int SetThemeName(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const std::string name = StringArgument(L, 2);
  if (node != nullptr) node->UI_GetContainer().SetThemeName(zelcore::UTF8to16(name), false);
  return 0;
}

// Geometry.

int UI_GetClipToSelfEnabled(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  if (node == nullptr) return 0;
  lua_pushboolean(L, node->UI_GetClipToSelfEnabled());
  return 1;
}

int UI_SetClipToSelfEnabled(lua_State* L) {
  if (UI_Node* node = GetControlNode(L, 1)) node->UI_SetClipToSelfEnabled(lua_toboolean(L, 2) != 0);
  return 0;
}

int UI_GetLocalRectF(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  if (node == nullptr) return 0;
  return limner::PushRectF32ToLua(L, node->UI_GetLocalRectF(lua_toboolean(L, 2) != 0));
}

int UI_SetLocalRectF(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  RectF rect;
  const bool read = limner::GetRectF32FromLua(L, 2, rect);
  if (node != nullptr && read) node->UI_SetLocalRectF(rect);
  return 0;
}

int UI_LocalToGlobalRectF(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  RectF rect;
  limner::GetRectF32FromLua(L, 2, rect);
  return node != nullptr ? limner::PushRectF32ToLua(L, node->UI_LocalToGlobalF(rect)) : 0;
}

int UI_LocalToGlobalPointF(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  PointF point;
  limner::GetPointF32FromLua(L, 2, point);
  return node != nullptr ? limner::PushPointF32ToLua(L, node->UI_LocalToGlobalF(point)) : 0;
}

int UI_GlobalToLocalRectF(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  RectF rect;
  limner::GetRectF32FromLua(L, 2, rect);
  return node != nullptr ? limner::PushRectF32ToLua(L, node->UI_GlobalToLocalF(rect)) : 0;
}

int UI_GlobalToLocalPointF(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  PointF point;
  limner::GetPointF32FromLua(L, 2, point);
  return node != nullptr ? limner::PushPointF32ToLua(L, node->UI_GlobalToLocalF(point)) : 0;
}

// UI_Invalidate([rect]): the whole node without a rectangle; a rectangle is taken outward to
// whole pixels.
int UI_Invalidate(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const bool whole = lua_isnoneornil(L, 2);
  RectF rect;
  if (!whole) limner::GetRectF32FromLua(L, 2, rect);
  if (node == nullptr) return 0;
  if (whole) {
    node->UI_Invalidate(nullptr, 0);
  } else {
    const zelui::ui::Rect32 pixels = zelui::ui::ToRect32(rect, zelui::ui::kRoundOutward);
    node->UI_Invalidate(&pixels, 0);
  }
  return 0;
}

// State.

int UI_SetToolTip(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  luaL_checkstring(L, 2);
  const float width = static_cast<float>(luaL_optnumber(L, 3, 400));
  const std::string text = StringArgument(L, 2);
  if (node != nullptr) node->UI_SetToolTip(zelcore::UTF8to16(text), width);
  return 0;
}

int UI_SetToolTipAvoidsBounds(lua_State* L) {
  if (UI_Node* node = GetControlNode(L, 1)) node->UI_SetToolTipAvoidsBounds(FlagDefaultTrue(L, 2));
  return 0;
}

int UI_GetToolTipAvoidsBounds(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  if (node == nullptr) return 0;
  lua_pushboolean(L, node->UI_GetToolTipAvoidsBounds());
  return 1;
}

int UI_Show(lua_State* L) {
  if (UI_Node* node = GetControlNode(L, 1)) node->UI_Show(FlagDefaultTrue(L, 2));
  return 0;
}

int UI_IsShown(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  if (node == nullptr) return 0;
  lua_pushboolean(L, node->UI_IsShown());
  return 1;
}

int UI_SetEnabled(lua_State* L) {
  if (UI_Node* node = GetControlNode(L, 1)) node->UI_SetDisabled(!FlagDefaultTrue(L, 2));
  return 0;
}

int UI_IsEnabled(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  if (node == nullptr) return 0;
  lua_pushboolean(L, !node->UI_IsDisabled());
  return 1;
}

int UI_GetDrawSupplier(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  return node != nullptr ? limner::PushSupplierToLua(L, node->UI_GetDrawSupplier()) : 0;
}

int UI_GainKeyboardFocus(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const int reason = binding::CheckInteger<int>(L, 2);
  if (node == nullptr) return 0;
  lua_pushboolean(L, node->UI_GainKeyboardFocus(reason));
  return 1;
}

int UI_HasKeyboardFocus(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  if (node == nullptr) return 0;
  lua_pushboolean(L, node->UI_HasKeyboardFocus(lua_toboolean(L, 2) != 0));
  return 1;
}

int UI_UpdateNow(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const auto flags = binding::OptInteger<std::uint32_t>(L, 2, 0xFFFFFFFFu);
  if (node != nullptr) node->UI_UpdateNow(flags);
  return 0;
}

// Timers.

int UI_InstallTimer(lua_State* L) {
  LuaControlWrapperBase* wrapper = GetControlUserData(L, 1);
  const float interval = static_cast<float>(luaL_checknumber(L, 2));
  binding::LuaRef function(L, 3);
  int id = 0;
  if (wrapper == nullptr || !wrapper->InstallTimer(interval, std::move(function), id) || id == 0) return 0;
  lua_pushinteger(L, id);
  return 1;
}

int UI_RemoveTimer(lua_State* L) {
  LuaControlWrapperBase* wrapper = GetControlUserData(L, 1);
  const int id = binding::CheckInteger<int>(L, 2);
  if (wrapper != nullptr) wrapper->RemoveTimer(id);
  return 0;
}

// Events and measuring.

// UI_DoMouseEvent(target, event): the node dispatches the event for the target.
int UI_DoMouseEvent(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  UI_Node* target = GetControlNode(L, 2);
  zelui::ui::MouseEvent event;
  const bool read = ReadMouseEventFromLua(L, 3, event);
  if (node != nullptr && target != nullptr && read) node->UI_DoMouseEvent(target, event);
  return 0;
}

// Measured with a scratch context over a 1 by 1 opaque surface of the node's supplier.
int UI_GetRecommendedSize(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  if (node == nullptr) return 0;
  ::limner::SupplierInterface* supplier = node->UI_GetDrawSupplier();
  const ::limner::SurfaceP surface = supplier != nullptr ? supplier->CreateOffscreenSurface(1, 1, true) : ::limner::SurfaceP();
  if (!surface) return 0;
  const zelui::ui::SizeF size = [&] {
    ::limner::Limner context(supplier, surface.get());
    return node->UI_GetRecommendedSize(context);
  }();
  return limner::PushPointF32ToLua(L, PointF{size.width, size.height});
}

int UI_IsMouseOver(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  if (node == nullptr) return 0;
  lua_pushboolean(L, node->UI_IsMouseOver(true));
  return 1;
}

int UI_SetDrawCachePolicy(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  const std::string name = StringArgument(L, 2);
  const int policy = name == "never" ? 1 : name == "always" ? 2 : name == "always_as_bitmap" ? 3 : 0;
  if (node != nullptr) node->UI_SetDrawCachePolicy(policy);
  return 0;
}

}  // namespace

const luaL_Reg LuaUI_NodeWrapper::methods[] = {
    {"__gc", Gc},
    {"Release", Release},
    {"BindZelOperation", BindZelOperation},
    {kControlWrapperIdentifier, ControlWrapperIdentifier},
    {"ChildPushBack", ChildPushBack},
    {"ChildSize", ChildSize},
    {"ChildGet", ChildGet},
    {"ChildRemove", ChildRemove},
    {"ChildSwapOrder", ChildSwapOrder},
    {"ChildMove", ChildMove},
    {"UI_GetRootNode", UI_GetRootNode},
    {"UI_GetParentNode", UI_GetParentNode},
    {"DeleteChildren", DeleteChildren},
    {"UI_GetClipToSelfEnabled", UI_GetClipToSelfEnabled},
    {"UI_SetClipToSelfEnabled", UI_SetClipToSelfEnabled},
    {"UI_GetLocalRectF", UI_GetLocalRectF},
    {"UI_SetLocalRectF", UI_SetLocalRectF},
    {"UI_LocalToGlobalRectF", UI_LocalToGlobalRectF},
    {"UI_LocalToGlobalPointF", UI_LocalToGlobalPointF},
    {"UI_GlobalToLocalRectF", UI_GlobalToLocalRectF},
    {"UI_GlobalToLocalPointF", UI_GlobalToLocalPointF},
    {"UI_SetToolTip", UI_SetToolTip},
    {"UI_SetToolTipAvoidsBounds", UI_SetToolTipAvoidsBounds},
    {"UI_GetToolTipAvoidsBounds", UI_GetToolTipAvoidsBounds},
    {"UI_Show", UI_Show},
    {"UI_IsShown", UI_IsShown},
    {"GetDescendentByID", GetDescendentByID},
    {"UI_GetNodeID", UI_GetNodeID},
    {"UI_SetNodeID", UI_SetNodeID},
    {"UI_GetIndex", UI_GetIndex},
    {"SetViewIndex", SetViewIndex},
    {"SetViewIndexToBack", SetViewIndexToBack},
    {"SetViewIndexToFront", SetViewIndexToFront},
    {"UI_Invalidate", UI_Invalidate},
    {"UI_SetEnabled", UI_SetEnabled},
    {"UI_IsEnabled", UI_IsEnabled},
    {"UI_GetDrawSupplier", UI_GetDrawSupplier},
    {"UI_GainKeyboardFocus", UI_GainKeyboardFocus},
    {"UI_HasKeyboardFocus", UI_HasKeyboardFocus},
    {"UI_UpdateNow", UI_UpdateNow},
    {"UI_InstallTimer", UI_InstallTimer},
    {"UI_RemoveTimer", UI_RemoveTimer},
    {"UI_DoMouseEvent", UI_DoMouseEvent},
    {"UI_GetRecommendedSize", UI_GetRecommendedSize},
    {"UI_IsMouseOver", UI_IsMouseOver},
    {"SetThemeName", SetThemeName},
    {"UI_SetDrawCachePolicy", UI_SetDrawCachePolicy},
    {nullptr, nullptr}};

}  // namespace zellua::ui
