// The tree node behind "Zel.MultiColumnTree": its bound functions and the framework callbacks
// that call them.
#include <cstring>

#include "zellua/binding/Numbers.h"
#include "zellua/binding/StackGuard.h"
#include "zellua/datatransfer/ReceiveData.h"
#include "zellua/limner/Converters.h"
#include "zellua/limner/LimnerLua.h"
#include "zellua/ui/LuaEvents.h"
#include "zellua/ui/LuaMultiColumnTree.h"
#include "zelui/limner/Limner.h"

namespace zellua::ui {

using zelui::controls::UI_MultiColumnTree;
using zelui::controls::UI_MultiColumnTreeDropData;
using zelui::controls::UI_MultiColumnTreeRow;
using zelui::controls::UI_MultiColumnTreeRowList;
using zelui::ui::PointF;
using zelui::ui::RectF;

namespace {

const char* const kDrawCell = "mctDrawCell";
const char* const kRowVisibilityChanged = "mctRowVisibilityChanged";
const char* const kRowDisclosureChanged = "mctRowDisclosureChanged";
const char* const kSelectionChanged = "mctSelectionChanged";
const char* const kSelectedRowsBeingDragged = "mctSelectedRowsBeingDragged";
const char* const kDropSupport = "mctDropSupport";
const char* const kRowSingleClickDown = "mctRowSingleClickDown";
const char* const kRowSingleClickUp = "mctRowSingleClickUp";
const char* const kRowDoubleClick = "mctRowDoubleClick";
const char* const kRowContextMenu = "mctRowContextMenu";

// A new array of the rows at 1..n.
void PushRowArray(lua_State* L, const UI_MultiColumnTreeRowList& rows) {
  lua_createtable(L, static_cast<int>(rows.size()), 0);
  int i = 0;
  for (const auto& row : rows) {
    PushMultiColumnTreeRow(L, row.get());
    lua_rawseti(L, -2, ++i);
  }
}

// Calls the function with the drawing context lent for the call, then what pushArgs pushes.
template <typename PushArgs>
void CallWithContext(const binding::LuaRef& function, ::limner::Limner& context, PushArgs&& pushArgs, int results) {
  if (!function.IsValid()) return;
  lua_State* L = function.State();
  const binding::StackGuard guard(L);
  const ::limner::SurfaceP surface(context.GetSurface());
  int lent = 0;
  const limner::AcquireLimnerProxy scope(L, &context, lent);
  const int first = lua_gettop(L) - lent + 1;
  function.Call(
      [&](lua_State* S) {
        for (int i = 0; i < lent; ++i) lua_pushvalue(S, first + i);
        return lent + pushArgs(S);
      },
      results);
}

}  // namespace

// Bound functions.

LuaBindableNode::~LuaBindableNode() {
  // Each entry's reference lets go of its function here, while its state is open.
  mOperations.clear();
}

bool LuaBindableNode::BindZELOperation(lua_State*, const std::string& name, binding::LuaRef function) {
  std::vector<LuaFunctionEntry> entries;
  entries.emplace_back(std::move(function));
  mOperations[name].swap(entries);
  return true;
}

lua_State* LuaBindableNode::GetZELBoundLuaState(const std::string& name) const {
  const auto found = mOperations.find(name);
  return found == mOperations.end() || found->second.empty() ? nullptr : found->second.front().State();
}

int LuaBindableNode::GetZELBoundFunctionIndex(const std::string& name) const {
  const auto found = mOperations.find(name);
  if (found == mOperations.end() || found->second.empty()) return 0;
  const int ref = found->second.front().function->Id();
  return ref >= 1 ? ref : 0;
}

std::shared_ptr<const binding::LuaRef> LuaBindableNode::GetZELBoundFunction(const std::string& name) const {
  if (GetZELBoundFunctionIndex(name) < 1) return nullptr;
  auto function = mOperations.find(name)->second.front().function;
  return function->IsValid() ? function : nullptr;
}

void LuaBindableNode::CallOwnDrawHook(::limner::Limner& context) const {
  if (const auto function = GetZELBoundFunction("uiDraw"))
    CallWithContext(*function, context, [](lua_State*) { return 0; }, 1);
}

void LuaBindableNode::CallOwnMouseHook(const zelui::ui::MouseEvent& event) const {
  if (const auto function = GetZELBoundFunction("uiMouseEvent"))
    function->Call([&event](lua_State* L) { return PushMouseEventToLua(L, event); });
}

void LuaBindableNode::CallOwnSizeHook(const RectF& rect) const {
  if (const auto function = GetZELBoundFunction("uiSizeChanged"))
    function->Call([&rect](lua_State* L) { return limner::PushRectF32ToLua(L, rect); });
}

// Rows.

LuaMultiColumnTreeRow::~LuaMultiColumnTreeRow() = default;

// The tree.

LuaMultiColumnTree::LuaMultiColumnTree() : LuaZelNode(1, 18.0f) {}

LuaMultiColumnTree::~LuaMultiColumnTree() = default;

bool LuaMultiColumnTree::BindZELOperation(lua_State* L, const std::string& name, binding::LuaRef function) {
  if (GetZELBoundFunctionIndex(name) < 1) {
    using Row = UI_MultiColumnTreeRow;
    const auto click = [this](const char* operation) {
      return [this, operation](Row* row, const PointF& point, zelui::ui::ModifierFlags modifiers, std::size_t column) {
        OnRowClick(operation, row, point, modifiers, column);
      };
    };
    if (name == kDrawCell) {
      SetDrawCellOfRowCallback([this](::limner::Limner& context, Row* row, std::size_t column, const RectF& cell) {
        OnDrawCellOfRow(context, row, column, cell);
      });
    } else if (name == kRowVisibilityChanged) {
      SetRowVisibilityChangedCallback([this](Row* row) { OnRowVisibilityChanged(row); });
    } else if (name == kRowDisclosureChanged) {
      SetRowDisclosureChangedCallback([this](Row* row, bool open) { OnRowDisclosureChanged(row, open); });
    } else if (name == kSelectedRowsBeingDragged) {
      SetSelectedRowsBeingDraggedCallback(
          [this](const zelui::ui::MouseEvent& event) { return OnSelectedRowsBeingDragged(event); });
    } else if (name == kDropSupport) {
      SetDropSupportCallback(
          [this](int action, UI_MultiColumnTreeDropData* data) { return OnDropSupport(action, data); });
    } else if (name == kRowSingleClickDown) {
      SetRowSingleClickDownCallback(click(kRowSingleClickDown));
    } else if (name == kRowSingleClickUp) {
      SetRowSingleClickUpCallback(click(kRowSingleClickUp));
    } else if (name == kRowDoubleClick) {
      SetRowDoubleClickedCallback(click(kRowDoubleClick));
    }
  }
  return LuaBindableNode::BindZELOperation(L, name, std::move(function));
}

void LuaMultiColumnTree::OnDrawCellOfRow(::limner::Limner& context, UI_MultiColumnTreeRow* row, std::size_t column,
                                         const RectF& cell) {
  const auto function = GetZELBoundFunction(kDrawCell);
  if (!function) return;
  CallWithContext(
      *function, context,
      [&](lua_State* L) {
        PushMultiColumnTreeRow(L, row);
        lua_pushnumber(L, static_cast<lua_Number>(column) + 1);
        limner::PushRectF32ToLua(L, cell);
        return 3;
      },
      1);
}

void LuaMultiColumnTree::OnRowVisibilityChanged(UI_MultiColumnTreeRow* row) {
  if (const auto function = GetZELBoundFunction(kRowVisibilityChanged))
    function->Call([row](lua_State* L) {
      PushMultiColumnTreeRow(L, row);
      return 1;
    });
}

void LuaMultiColumnTree::OnRowDisclosureChanged(UI_MultiColumnTreeRow* row, bool open) {
  if (const auto function = GetZELBoundFunction(kRowDisclosureChanged))
    function->Call([row, open](lua_State* L) {
      PushMultiColumnTreeRow(L, row);
      lua_pushboolean(L, open);
      return 2;
    });
}

bool LuaMultiColumnTree::OnSelectedRowsBeingDragged(const zelui::ui::MouseEvent& event) {
  const auto function = GetZELBoundFunction(kSelectedRowsBeingDragged);
  if (!function) return false;
  return CallForTruth(*function, [&event](lua_State* L) { return PushMouseEventToLua(L, event); }).value_or(false);
}

// The received data is lent for the call only: a script that keeps it holds a dead object.
bool LuaMultiColumnTree::OnDropSupport(int action, UI_MultiColumnTreeDropData* data) {
  const auto function = GetZELBoundFunction(kDropSupport);
  if (!function) return false;
  lua_State* L = function->State();
  const binding::StackGuard guard(L);
  std::unique_ptr<datatransfer::ReceiveDataLoan> loan;
  int lent = 0;
  if (data != nullptr && data->data != nullptr) {
    loan = std::make_unique<datatransfer::ReceiveDataLoan>(L, *data->data);
    lent = lua_gettop(L);
  }
  const bool ran = function->Call(
      [&](lua_State* S) {
        lua_pushinteger(S, action);
        if (data == nullptr) return 1;
        limner::PushPointF32ToLua(S, data->point);
        if (lent != 0) {
          lua_pushvalue(S, lent);
        } else {
          lua_pushnil(S);
        }
        if (dynamic_cast<LuaMultiColumnTreeRow*>(data->row.get()) != nullptr) {
          PushMultiColumnTreeRow(S, data->row.get());
        } else {
          lua_pushnil(S);
        }
        lua_pushinteger(S, data->position);
        return 5;
      },
      2);
  if (!ran) return false;
  const bool accepted = lua_toboolean(L, -2) != 0;
  if (data != nullptr && lua_istable(L, -1)) {
    lua_getfield(L, -1, "isDropValid");
    data->isDropValid = lua_toboolean(L, -1) != 0;
    lua_pop(L, 1);
    if (data->dropEffect) {
      lua_getfield(L, -1, "dropEffect");
      *data->dropEffect = binding::ClampToInteger<int>(lua_tonumber(L, -1));
      lua_pop(L, 1);
    }
  }
  return accepted;
}

void LuaMultiColumnTree::OnRowClick(const char* name, UI_MultiColumnTreeRow* row, const PointF& point,
                                    zelui::ui::ModifierFlags modifiers, std::size_t column) {
  if (const auto function = GetZELBoundFunction(name))
    function->Call([&](lua_State* L) {
      PushMultiColumnTreeRow(L, row);
      limner::PushPointF32ToLua(L, point);
      lua_pushinteger(L, modifiers);
      lua_pushnumber(L, static_cast<lua_Number>(column) + 1);
      return 4;
    });
}

void LuaMultiColumnTree::NotifyOfSelectionChanged(const UI_MultiColumnTreeRowList& selected) {
  const UI_MultiColumnTreeRowList rows(selected);
  if (const auto function = GetZELBoundFunction(kSelectionChanged))
    function->Call([&rows](lua_State* L) {
      PushRowArray(L, rows);
      return 1;
    });
  UI_MultiColumnTree::NotifyOfSelectionChanged(rows);
}

bool LuaMultiColumnTree::NotifyOfRowContextMenu(UI_MultiColumnTreeRow* row, const PointF& point,
                                                zelui::ui::UI_Node& node, unsigned column) {
  if (const auto function = GetZELBoundFunction(kRowContextMenu)) {
    const zelui::controls::UI_MultiColumnTreeRowP keep(row);
    const UI_NodeP keepNode(&node);
    const std::optional<bool> handled = CallForTruth(*function, [&](lua_State* L) {
      PushMultiColumnTreeRow(L, row);
      limner::PushPointF32ToLua(L, point);
      PushNodeOrNil(L, &node);
      lua_pushnumber(L, static_cast<lua_Number>(column) + 1);
      return 4;
    });
    if (handled.value_or(false)) return true;
  }
  return UI_MultiColumnTree::NotifyOfRowContextMenu(row, point, node, column);
}

// Only while the flag is raised: a cleared colour stops the fill.
void LuaMultiColumnTree::DrawBackground(::limner::Limner* context) {
  if (context == nullptr) return;
  const RectF bounds = UI_GetLocalRectF(false);
  if (DoRequestDrawTreeBackground(context, bounds) || !mHasCustomBackground) return;
  if (context->GetSupplier() == nullptr || context->GetSurface() == nullptr) return;
  const ::limner::PathP path = context->GetSupplier()->CreatePath();
  path->AddRect(bounds);
  context->GetSurface()->FillPath(path, context->GetSupplier()->CreateSolidBrush(mCustomBackground), true);
}

void LuaMultiColumnTree::SetCustomBackgroundColor(const zelcore::ColorRGBA& color) {
  mCustomBackground = color;
  mHasCustomBackground = true;
}

void LuaMultiColumnTree::SetCustomSelectionColor(zelui::controls::UI_Color color) {
  mCustomSelection = color;
  mHasCustomSelection = true;
  SetSelectionColorCallback([this] { return GetCustomSelColor(); });
}

void LuaMultiColumnTree::ClearCustomSelectionColor() {
  mHasCustomSelection = false;
  SetSelectionColorCallback(nullptr);
}

void LuaMultiColumnTree::SetLuaRowSortingFunction(binding::LuaRef function) {
  const auto shared = std::make_shared<const binding::LuaRef>(std::move(function));
  SetRowSortingFunction([shared](UI_MultiColumnTreeRow* first, UI_MultiColumnTreeRow* second) {
    if (!shared->IsValid()) return false;
    const binding::StackGuard guard(shared->State());
    const bool ran = shared->Call(
        [&](lua_State* L) {
          PushMultiColumnTreeRow(L, first);
          PushMultiColumnTreeRow(L, second);
          return 2;
        },
        1);
    lua_State* L = shared->State();
    return ran && lua_type(L, -1) == LUA_TBOOLEAN && lua_toboolean(L, -1) != 0;
  });
}

// The row userdata.

void PushMultiColumnTreeRow(lua_State* L, UI_MultiColumnTreeRow* row) {
  luaL_getmetatable(L, kMultiColumnTreeRowMetaTableName);
  const bool opened = !lua_isnil(L, -1);
  lua_pop(L, 1);
  if (!opened) {
    luaopen_LuaControls(L);
    lua_pop(L, 1);
  }
  void* block = lua_newuserdata(L, sizeof(LuaMultiColumnTreeRowWrapper));
  auto* wrapper = new (block) LuaMultiColumnTreeRowWrapper();
  luaL_getmetatable(L, kMultiColumnTreeRowMetaTableName);
  lua_setmetatable(L, -2);
  wrapper->row = dynamic_cast<LuaMultiColumnTreeRow*>(row);
}

UI_NodeP MultiColumnTreeNodeFactory(const zelcore::UTF16String& className) {
  return className == u"LuaMultiColumnTree" ? UI_NodeP(new LuaMultiColumnTree()) : UI_NodeP();
}

}  // namespace zellua::ui
