// "Zel.MultiColumnTree" and "Zel.UI_MultiColumnTreeRow": the tree's own methods (after the
// sub-view methods) and the row methods. Argument 1 of a tree method is the wrapper ("Bad user
// data" for any other value); a released tree gives no values (BindZelOperation: false). Rows are
// row userdata (an argument error for any other userdata); a row userdata holding no row makes a
// row method give no values. Columns are 1-based here and 0-based in the framework; row indexes
// pass through as the framework has them.
#include <cstring>
#include <string>
#include <vector>

#include "ControlsInternal.h"
#include "zelcore/Strings.h"
#include "zellua/binding/Assert.h"
#include "zellua/binding/Numbers.h"
#include "zellua/binding/Userdata.h"
#include "zellua/datatransfer/ReceiveData.h"
#include "zellua/limner/Converters.h"
#include "zellua/limner/LimnerLua.h"
#include "zellua/ui/LuaMultiColumnTree.h"
#include "zelui/datatransfer/DataTransfer.h"
#include "zelui/limner/Limner.h"

namespace zellua::ui {

using zelui::controls::UI_MultiColumnTree;
using zelui::controls::UI_MultiColumnTreeRow;
using zelui::controls::UI_MultiColumnTreeRowList;
using zelui::controls::UI_MultiColumnTreeRowP;

namespace {

LuaMultiColumnTree* Tree(lua_State* L) { return NodeAs<LuaMultiColumnTree>(L, 1); }

// The row of the row userdata at the index; null for one holding no row.
LuaMultiColumnTreeRow* RowArgument(lua_State* L, int index) {
  return binding::CheckUserdata<LuaMultiColumnTreeRowWrapper>(L, index, kMultiColumnTreeRowMetaTableName)->row.get();
}

// A row argument that may be any other non-userdata value (no row).
LuaMultiColumnTreeRow* OptionalRowArgument(lua_State* L, int index) {
  return lua_type(L, index) == LUA_TUSERDATA ? RowArgument(L, index) : nullptr;
}

std::string StringArgument(lua_State* L, int index) {
  size_t length = 0;
  const char* text = luaL_checklstring(L, index, &length);
  return std::string(text, length);
}

zelcore::UTF16String TextArgument(lua_State* L, int index) { return zelcore::UTF8to16(StringArgument(L, index)); }

// The readers skip a table when the stack's top is nil: each reads a copy on top.
template <typename T, typename Read>
T TableArgument(lua_State* L, int index, Read read) {
  luaL_checktype(L, index, LUA_TTABLE);
  lua_pushvalue(L, index);
  T value{};
  read(L, lua_gettop(L), value);
  lua_pop(L, 1);
  return value;
}

zelcore::ColorRGBA ColorArgument(lua_State* L, int index) {
  return TableArgument<zelcore::ColorRGBA>(L, index, limner::GetColorRGBAFromLua);
}

// A 1-based column; below 1 (or NaN) gives none.
bool ColumnArgument(lua_State* L, int index, std::size_t& column) {
  const lua_Number number = luaL_checknumber(L, index);
  if (!(number >= 1)) return false;
  column = binding::ClampToInteger<std::size_t>(number) - 1;
  return true;
}

int PushRowOrNothing(lua_State* L, UI_MultiColumnTreeRow* row) {
  if (row == nullptr) return 0;
  PushMultiColumnTreeRow(L, row);
  return 1;
}

int PushRows(lua_State* L, const UI_MultiColumnTreeRowList& rows) {
  lua_createtable(L, static_cast<int>(rows.size()), 0);
  int i = 0;
  for (const UI_MultiColumnTreeRowP& row : rows) {
    PushMultiColumnTreeRow(L, row.get());
    lua_rawseti(L, -2, ++i);
  }
  return 1;
}

int PushNodeOrNothing(lua_State* L, UI_Node* node) {
  return node != nullptr && LuaControlWrapperFactory(UI_NodeP(node), L) != nullptr ? 1 : 0;
}

// The drawing context of the proxy at the index; null once out of scope.
::limner::Limner* ContextArgument(lua_State* L, int index) { return limner::zellua_checkLimner(L, index)->object; }

// Setters of one boolean.
template <void (UI_MultiColumnTree::*Set)(bool)>
int SetFlag(lua_State* L) {
  if (LuaMultiColumnTree* tree = Tree(L)) (tree->*Set)(lua_toboolean(L, 2) != 0);
  return 0;
}

// Calls on a row of the tree.
template <void (UI_MultiColumnTree::*Call)(UI_MultiColumnTreeRow*)>
int OnRow(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  (tree->*Call)(RowArgument(L, 2));
  return 0;
}

template <void (UI_MultiColumnTree::*Call)()>
int OnTree(lua_State* L) {
  if (LuaMultiColumnTree* tree = Tree(L)) (tree->*Call)();
  return 0;
}

template <UI_MultiColumnTreeRowList (UI_MultiColumnTree::*Get)() const>
int GetRows(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  return tree != nullptr ? PushRows(L, (tree->*Get)()) : 0;
}

template <bool (UI_MultiColumnTree::*Test)(const UI_MultiColumnTreeRow*) const>
int RowTest(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  lua_pushboolean(L, (tree->*Test)(RowArgument(L, 2)));
  return 1;
}

// Tree methods.

int BindZelOperation(lua_State* L) {
  LuaControlWrapperBase* wrapper = GetControlUserData(L, 1);
  if (wrapper == nullptr) {
    lua_pushboolean(L, false);
    return 1;
  }
  size_t length = 0;
  const char* text = luaL_checklstring(L, 2, &length);
  luaL_checktype(L, 3, LUA_TFUNCTION);
  const std::string name(text, length);
  UI_Node* node = wrapper->GetNode();
  LuaMultiColumnTree* tree = name.compare(0, 3, "mct") == 0 ? Tree(L) : nullptr;
  binding::LuaRef function(L, 3);
  bool bound = false;
  if (node == nullptr) {
    bound = false;
  } else if (name.compare(0, 3, "mct") != 0) {
    bound = BindZELOperation(L, node, name, std::move(function)) != 0;
  } else {
    bound = tree->BindZELOperation(L, name, std::move(function));
  }
  lua_pushboolean(L, bound);
  return 1;
}

// Creates a row with the id and puts it in the tree; the row, or nothing when the tree refused it.
template <typename Place>
int CreateRow(lua_State* L, int idIndex, Place&& place) {
  const std::string id = lua_gettop(L) >= idIndex ? StringArgument(L, idIndex) : std::string();
  const LuaMultiColumnTreeRowP row(new LuaMultiColumnTreeRow(id));
  if (place(UI_MultiColumnTreeRowP(row)) < 0) return 0;
  PushMultiColumnTreeRow(L, row.get());
  return 1;
}

int CreateAndAppendRow(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  LuaMultiColumnTreeRow* parent = OptionalRowArgument(L, 2);
  const bool flag = lua_toboolean(L, 3) != 0;
  return CreateRow(L, 4, [&](const UI_MultiColumnTreeRowP& row) { return tree->AppendRow(row, parent, flag); });
}

int CreateAndInsertRow(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  LuaMultiColumnTreeRow* first = OptionalRowArgument(L, 2);
  LuaMultiColumnTreeRow* second = OptionalRowArgument(L, 3);
  const bool flag = lua_toboolean(L, 4) != 0;
  return CreateRow(L, 5,
                   [&](const UI_MultiColumnTreeRowP& row) { return tree->InsertRow(row, first, second, flag, false); });
}

int RemoveAllRows(lua_State* L) {
  if (LuaMultiColumnTree* tree = Tree(L)) tree->RemoveAllRows(lua_toboolean(L, 2) != 0);
  return 0;
}

int RemoveRow(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  LuaMultiColumnTreeRow* row = RowArgument(L, 2);
  tree->RemoveRow(row, FlagDefaultTrue(L, 3), lua_toboolean(L, 4) != 0);
  return 0;
}

int ScrollRowIntoView(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  LuaMultiColumnTreeRow* row = RowArgument(L, 2);
  tree->ScrollRowIntoView(row, lua_toboolean(L, 3) != 0, 0);
  return 0;
}

int LayoutAfterAppendRow(lua_State* L) {
  if (LuaMultiColumnTree* tree = Tree(L)) tree->LayoutAfterAppendRow(UI_MultiColumnTreeRowP());
  return 0;
}

int LayoutAfterInsertRow(lua_State* L) {
  if (LuaMultiColumnTree* tree = Tree(L)) tree->LayoutAfterInsertRow(UI_MultiColumnTreeRowP(), false);
  return 0;
}

int Init(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  tree->Init(binding::OptInteger<std::uint32_t>(L, 2, 0));
  return 0;
}

// SelectRows(rows, flag3, flag4): each element is tested as a row at position 5, so the call
// carries all four arguments (nil flags are fine). Every element is tested before any is taken.
int SelectRows(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  luaL_checktype(L, 2, LUA_TTABLE);
  // Arguments past the flags are dropped, so that position 5 is always the element.
  if (lua_gettop(L) > 4) lua_settop(L, 4);
  const int count = static_cast<int>(lua_objlen(L, 2));
  for (int i = 1; i <= count; ++i) {
    lua_rawgeti(L, 2, i);
    RowArgument(L, 5);
    lua_settop(L, 4);
  }
  const bool flag3 = lua_toboolean(L, 3) != 0, flag4 = lua_toboolean(L, 4) != 0;
  UI_MultiColumnTreeRowList rows;
  for (int i = 1; i <= count; ++i) {
    lua_rawgeti(L, 2, i);
    rows.emplace_back(static_cast<LuaMultiColumnTreeRowWrapper*>(lua_touserdata(L, 5))->row);
    lua_settop(L, 4);
  }
  if (rows.empty()) {
    tree->DeselectAllRows(flag4);
  } else {
    tree->SelectRows(rows, flag3, flag4, true);
  }
  return 0;
}

int CountRows(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  lua_pushnumber(L, static_cast<lua_Number>(tree->CountRows(lua_toboolean(L, 2) != 0)));
  return 1;
}

int GetRow(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  return PushRowOrNothing(L, tree->GetRow(binding::CheckInteger<std::ptrdiff_t>(L, 2)));
}

// Depth first, each row before its children; rows the framework made itself are skipped with
// their subtrees.
LuaMultiColumnTreeRow* FindById(const UI_MultiColumnTreeRowList& level, const std::string& id) {
  for (const UI_MultiColumnTreeRowP& row : level) {
    auto* luaRow = dynamic_cast<LuaMultiColumnTreeRow*>(row.get());
    if (luaRow == nullptr) continue;
    if (luaRow->GetID() == id) return luaRow;
    UI_MultiColumnTreeRowList children;
    for (std::ptrdiff_t i = 0; i < luaRow->CountChildRows(); ++i) children.emplace_back(luaRow->GetChildRow(i));
    if (LuaMultiColumnTreeRow* found = FindById(children, id)) return found;
  }
  return nullptr;
}

int GetRowById(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  const std::string id = StringArgument(L, 2);
  UI_MultiColumnTreeRowList top;
  for (std::ptrdiff_t i = 0; i < tree->CountRows(false); ++i) top.emplace_back(tree->GetRow(i));
  return PushRowOrNothing(L, FindById(top, id));
}

int SetNumberOfColumns(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  const lua_Number count = luaL_checknumber(L, 2);
  if (!(count >= 0)) return 0;
  tree->SetNumberOfColumns(binding::ClampToInteger<std::size_t>(count));
  return 0;
}

int SetRowHeight(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  tree->SetRowHeight(static_cast<float>(luaL_checknumber(L, 2)));
  return 0;
}

int SetResizableColumn(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  std::size_t column = 0;
  if (tree != nullptr && ColumnArgument(L, 2, column)) tree->SetAutoResizableColumns({column});
  return 0;
}

// Each element is read at position 3, so the call carries the tree and the array only; every
// element is checked before any is taken.
int SetResizableColumns(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  luaL_checktype(L, 2, LUA_TTABLE);
  const int count = static_cast<int>(lua_objlen(L, 2));
  for (int i = 1; i <= count; ++i) {
    lua_rawgeti(L, 2, i);
    luaL_checknumber(L, 3);
    lua_pop(L, 1);
  }
  std::vector<std::size_t> columns;
  for (int i = 1; i <= count; ++i) {
    lua_rawgeti(L, 2, i);
    const lua_Number number = lua_tonumber(L, 3);
    lua_pop(L, 1);
    if (number >= 1) columns.push_back(binding::ClampToInteger<std::size_t>(number) - 1);
  }
  tree->SetAutoResizableColumns(columns);
  return 0;
}

int GetRowHeight(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  lua_pushnumber(L, tree->GetRowHeight());
  return 1;
}

int SetColumnWidth(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  std::size_t column = 0;
  const bool valid = ColumnArgument(L, 2, column);
  const auto width = static_cast<float>(luaL_checknumber(L, 3));
  if (valid) tree->SetColumnWidth(column, width);
  return 0;
}

int GetColumnWidth(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  std::size_t column = 0;
  if (tree == nullptr || !ColumnArgument(L, 2, column)) return 0;
  lua_pushnumber(L, tree->GetColumnWidth(column));
  return 1;
}

int SetDrawSpinnerBeforeColumn(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  std::size_t column = 0;
  if (tree != nullptr && ColumnArgument(L, 2, column)) tree->SetDrawSpinnerBeforeColumn(column);
  return 0;
}

int GetOpenedRowsFirstColumnMinWidth(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  lua_pushnumber(L, tree->GetOpenedRowsFirstColumnMinWidth());
  return 1;
}

// DrawCellString(context, rect, text, colour, [size], [inset], [font], [text2]); a context out of
// scope draws nothing.
int DrawCellString(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  ::limner::Limner* context = ContextArgument(L, 2);
  const zelcore::RectF32 rect = TableArgument<zelcore::RectF32>(L, 3, limner::GetRectF32FromLua);
  luaL_checkstring(L, 4);
  const zelcore::ColorRGBA color = ColorArgument(L, 5);
  const int top = lua_gettop(L);
  const auto size = static_cast<float>(top > 5 ? luaL_checknumber(L, 6) : UI_MultiColumnTree::GetCellTextFontSize());
  const auto inset = static_cast<float>(top > 6 ? luaL_checknumber(L, 7) : UI_MultiColumnTree::GetCellTextLeftInset());
  if (top >= 8) luaL_checkstring(L, 8);
  if (top >= 9) luaL_checkstring(L, 9);
  // Every argument is checked: the texts are made now.
  if (context == nullptr) return 0;
  UI_MultiColumnTree::DrawCellString(context, rect, TextArgument(L, 4), color, size, inset,
                                     top >= 8 ? TextArgument(L, 8) : UI_MultiColumnTree::GetFontName(0),
                                     top >= 9 ? TextArgument(L, 9) : zelcore::UTF16String(), 0, 2);
  return 0;
}

int SetDrawGridLines(lua_State* L) {
  if (LuaMultiColumnTree* tree = Tree(L)) tree->SetDrawGridLines(lua_toboolean(L, 2) != 0, lua_toboolean(L, 3) != 0);
  return 0;
}

int SetGridLineColors(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  const zelcore::ColorRGBA first = ColorArgument(L, 2);
  const zelcore::ColorRGBA second = ColorArgument(L, 3);
  tree->SetGridLineColors(first, second);
  return 0;
}

int SetCustomBackgroundColor(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree != nullptr) tree->SetCustomBackgroundColor(ColorArgument(L, 2));
  return 0;
}

int ClearCustomBackgroundColor(lua_State* L) {
  if (LuaMultiColumnTree* tree = Tree(L)) tree->ClearCustomBackgroundColor();
  return 0;
}

int GetScrollView(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  return tree != nullptr ? PushNodeOrNothing(L, tree->GetScrollView()) : 0;
}

// MeasureStringWidth(context, text, [size], [font]); a context out of scope measures nothing.
int MeasureStringWidth(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  ::limner::Limner* context = ContextArgument(L, 2);
  luaL_checkstring(L, 3);
  const int top = lua_gettop(L);
  const auto size = static_cast<float>(top >= 4 ? luaL_checknumber(L, 4) : UI_MultiColumnTree::GetCellTextFontSize());
  if (top >= 5) luaL_checkstring(L, 5);
  if (context == nullptr || context->GetSupplier() == nullptr) return 0;
  const ::limner::FontP measured = context->GetSupplier()->CreateFont(
      top >= 5 ? TextArgument(L, 5) : UI_MultiColumnTree::GetFontName(0), size);
  lua_pushnumber(L, measured->MeasureStringWidth(TextArgument(L, 3)));
  return 1;
}

int SetRowsDraggedDataType(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree != nullptr) tree->SetRowsDraggedDataType(TextArgument(L, 2));
  return 0;
}

// The received data at argument 2, which must still be in scope.
zelui::datatransfer::OS_ReceiveDataBase* ReceivedData(lua_State* L) {
  return datatransfer::zellua_checkOSReceiveData(L, 2)->data;
}

int GetRowsBeingDragged(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  zelui::datatransfer::OS_ReceiveDataBase* data = ReceivedData(L);
  if (data == nullptr) ZELLUA_FAIL("0 && \"out of scope OS_ReceiveData\"", 0);
  return PushRows(L, tree->GetRowsBeingDragged(data->GetAsString(tree->GetRowsDraggedDataType())));
}

int HasRowDragDataFlavor(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  zelui::datatransfer::OS_ReceiveDataBase* data = ReceivedData(L);
  const bool available = data != nullptr && data->DataAvailable(tree->GetRowsDraggedDataType());
  lua_pushboolean(L, available);
  if (data == nullptr) ZELLUA_FAIL("0 && \"out of scope OS_ReceiveData\"", 1);
  return 1;
}

int SetRowSortingFunction(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr) return 0;
  luaL_checktype(L, 2, LUA_TFUNCTION);
  tree->SetLuaRowSortingFunction(binding::LuaRef(L, 2));
  return 0;
}

int SetCustomSelectionColor(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree != nullptr) tree->SetCustomSelectionColor(binding::CheckInteger<zelui::controls::UI_Color>(L, 2));
  return 0;
}

int ClearCustomSelectionColor(lua_State* L) {
  if (LuaMultiColumnTree* tree = Tree(L)) tree->ClearCustomSelectionColor();
  return 0;
}

int SetRowHasCustomChild(lua_State* L) {
  LuaMultiColumnTree* tree = Tree(L);
  if (tree == nullptr || lua_type(L, 2) != LUA_TUSERDATA) return 0;
  LuaMultiColumnTreeRow* row = RowArgument(L, 2);
  const bool flag = lua_toboolean(L, 3) != 0;
  const auto height = static_cast<float>(luaL_optnumber(L, 4, 0.0));
  tree->SetRowHasCustomChild(row, flag, height);
  return 0;
}

// Row methods.

int RowGc(lua_State* L) {
  binding::CheckUserdata<LuaMultiColumnTreeRowWrapper>(L, 1, kMultiColumnTreeRowMetaTableName)->row.reset();
  return 0;
}

LuaMultiColumnTreeRow* Self(lua_State* L) { return RowArgument(L, 1); }

int RowGetCellView(lua_State* L) {
  LuaMultiColumnTreeRow* row = Self(L);
  std::size_t column = 0;
  if (row == nullptr || !ColumnArgument(L, 2, column)) return 0;
  return PushNodeOrNothing(L, row->GetCellView(column));
}

int RowSetID(lua_State* L) {
  LuaMultiColumnTreeRow* row = Self(L);
  if (row != nullptr) row->SetID(StringArgument(L, 2));
  return 0;
}

int RowGetID(lua_State* L) {
  LuaMultiColumnTreeRow* row = Self(L);
  if (row == nullptr) return 0;
  lua_pushlstring(L, row->GetID().data(), row->GetID().size());
  return 1;
}

int RowSetCanHaveChildren(lua_State* L) {
  if (LuaMultiColumnTreeRow* row = Self(L)) row->SetCanHaveChildren(lua_toboolean(L, 2) != 0);
  return 0;
}

int RowCountChildRows(lua_State* L) {
  LuaMultiColumnTreeRow* row = Self(L);
  if (row == nullptr) return 0;
  lua_pushinteger(L, static_cast<lua_Integer>(row->CountChildRows()));
  return 1;
}

int RowGetChildRowIndex(lua_State* L) {
  LuaMultiColumnTreeRow* row = Self(L);
  if (row == nullptr) return 0;
  lua_pushinteger(L, static_cast<lua_Integer>(row->GetChildRowIndex(RowArgument(L, 2))));
  return 1;
}

int RowGetChildRow(lua_State* L) {
  LuaMultiColumnTreeRow* row = Self(L);
  if (row == nullptr) return 0;
  return PushRowOrNothing(L, row->GetChildRow(binding::CheckInteger<std::ptrdiff_t>(L, 2)));
}

int RowGetParentRow(lua_State* L) {
  LuaMultiColumnTreeRow* row = Self(L);
  return row != nullptr ? PushRowOrNothing(L, row->GetParentRow()) : 0;
}

int RowHasChild(lua_State* L) {
  LuaMultiColumnTreeRow* row = Self(L);
  if (row == nullptr) return 0;
  lua_pushboolean(L, row->HasChild());
  return 1;
}

int RowSetCustomBackgroundColor(lua_State* L) {
  LuaMultiColumnTreeRow* row = Self(L);
  if (row != nullptr) row->SetBackgroundColor(ColorArgument(L, 2));
  return 0;
}

int RowHasCustomChild(lua_State* L) {
  LuaMultiColumnTreeRow* row = Self(L);
  if (row == nullptr) return 0;
  lua_pushboolean(L, row->HasCustomChild());
  return 1;
}

int RowGetCustomChild(lua_State* L) {
  LuaMultiColumnTreeRow* row = Self(L);
  return row != nullptr ? PushNodeOrNothing(L, row->GetCustomChild()) : 0;
}

const luaL_Reg kRowMethods[] = {{"__gc", RowGc},
                                {"GetCellView", RowGetCellView},
                                {"SetID", RowSetID},
                                {"GetID", RowGetID},
                                {"SetCanHaveChildren", RowSetCanHaveChildren},
                                {"CountChildRows", RowCountChildRows},
                                {"GetChildRowIndex", RowGetChildRowIndex},
                                {"GetChildRow", RowGetChildRow},
                                {"GetParentRow", RowGetParentRow},
                                {"HasChild", RowHasChild},
                                {"SetCustomBackgroundColor", RowSetCustomBackgroundColor},
                                {"HasCustomChild", RowHasCustomChild},
                                {"GetCustomChild", RowGetCustomChild},
                                {nullptr, nullptr}};

// The operation names published as fields; "mctRowContextMenu" is bound the same way but not
// published.
const char* const kOperationFields[] = {"mctDrawCell",
                                        "mctRowVisibilityChanged",
                                        "mctRowDisclosureChanged",
                                        "mctSelectionChanged",
                                        "mctSelectedRowsBeingDragged",
                                        "mctDropSupport",
                                        "mctRowSingleClickDown",
                                        "mctRowSingleClickUp",
                                        "mctRowDoubleClick"};

const binding::IntConstant kDropActions[] = {{"kDropAction_DragEnter", zelui::controls::kDropAction_DragEnter},
                                             {"kDropAction_DragOver", zelui::controls::kDropAction_DragOver},
                                             {"kDropAction_DragLeave", zelui::controls::kDropAction_DragLeave},
                                             {"kDropAction_Drop", zelui::controls::kDropAction_Drop}};

}  // namespace

const luaL_Reg LuaMultiColumnTreeWrapper::methods[] = {
    {"BindZelOperation", BindZelOperation},
    {"CreateAndAppendRow", CreateAndAppendRow},
    {"CreateAndInsertRow", CreateAndInsertRow},
    {"RemoveAllRows", RemoveAllRows},
    {"RemoveRow", RemoveRow},
    {"ScrollRowIntoView", ScrollRowIntoView},
    {"LayoutAfterAppendRow", LayoutAfterAppendRow},
    {"LayoutAfterInsertRow", LayoutAfterInsertRow},
    {"LayoutAfterRemoveRow", OnTree<&UI_MultiColumnTree::LayoutAfterRemoveRow>},
    {"Init", Init},
    {"SetSupportMultipleSelections", SetFlag<&UI_MultiColumnTree::SetSupportMultipleSelections>},
    {"SelectRows", SelectRows},
    {"CountRows", CountRows},
    {"GetRow", GetRow},
    {"GetRowById", GetRowById},
    {"SetNumberOfColumns", SetNumberOfColumns},
    {"SetRowHeight", SetRowHeight},
    {"SetResizableColumn", SetResizableColumn},
    {"SetResizableColumns", SetResizableColumns},
    {"GetRowHeight", GetRowHeight},
    {"SetColumnWidth", SetColumnWidth},
    {"GetColumnWidth", GetColumnWidth},
    {"IsRowOpen", RowTest<&UI_MultiColumnTree::IsRowOpen>},
    {"IsRowVisible", RowTest<&UI_MultiColumnTree::IsRowVisible>},
    {"GetSelectedRows", GetRows<&UI_MultiColumnTree::GetSelectedRows>},
    {"GetOpenedRows", GetRows<&UI_MultiColumnTree::GetOpenedRows>},
    {"GetVisibleRows", GetRows<&UI_MultiColumnTree::GetVisibleRows>},
    {"OpenRow", OnRow<&UI_MultiColumnTree::OpenRow>},
    {"CloseRow", OnRow<&UI_MultiColumnTree::CloseRow>},
    {"CloseAllTopLevelRows", OnTree<&UI_MultiColumnTree::CloseAllTopLevelRows>},
    {"OpenAllTopLevelRows", OnTree<&UI_MultiColumnTree::OpenAllTopLevelRows>},
    {"SetDrawSpinnerBeforeColumn", SetDrawSpinnerBeforeColumn},
    {"GetOpenedRowsFirstColumnMinWidth", GetOpenedRowsFirstColumnMinWidth},
    {"DrawCellString", DrawCellString},
    {"SetShowBorder", SetFlag<&UI_MultiColumnTree::SetShowBorder>},
    {"SetDrawGridLines", SetDrawGridLines},
    {"SetAllowChildren", SetFlag<&UI_MultiColumnTree::SetAllowChildren>},
    {"SetGridLineColors", SetGridLineColors},
    {"SetCustomBackgroundColor", SetCustomBackgroundColor},
    {"ClearCustomBackgroundColor", ClearCustomBackgroundColor},
    {"GetScrollView", GetScrollView},
    {"MeasureStringWidth", MeasureStringWidth},
    {"SetSupportDragOverRow", SetFlag<&UI_MultiColumnTree::SetSupportDragOverRow>},
    {"ShowDragFeedback", SetFlag<&UI_MultiColumnTree::ShowDragFeedback>},
    {"SetAllowRowDragging", SetFlag<&UI_MultiColumnTree::SetAllowRowDragging>},
    {"SetRowsDraggedDataType", SetRowsDraggedDataType},
    {"SetAllowDropOverRows", SetFlag<&UI_MultiColumnTree::SetAllowDropOverRows>},
    {"GetRowsBeingDragged", GetRowsBeingDragged},
    {"HasRowDragDataFlavor", HasRowDragDataFlavor},
    {"SetRowSortingFunction", SetRowSortingFunction},
    {"SortTree", OnTree<&UI_MultiColumnTree::SortTree>},
    {"SetCustomSelectionColor", SetCustomSelectionColor},
    {"ClearCustomSelectionColor", ClearCustomSelectionColor},
    {"SetRowHasCustomChild", SetRowHasCustomChild},
    {nullptr, nullptr}};

ZELLUA_DEFINE_CONTROL_WRAPPER(LuaMultiColumnTreeWrapper, kMultiColumnTreeMetaTableName, LuaUI_SubViewWrapper)

void RegisterMultiColumnTreeMetatables(lua_State* L) {
  luaL_checkstack(L, 3, kControlsStackMessage);
  binding::OpenMetatable(L, kMultiColumnTreeMetaTableName, LuaMultiColumnTreeWrapper::Methods());
  luaL_getmetatable(L, kMultiColumnTreeMetaTableName);
  for (const char* name : kOperationFields) {
    lua_pushstring(L, name);
    lua_setfield(L, -2, name);
  }
  for (const binding::IntConstant& action : kDropActions) {
    lua_pushinteger(L, action.value);
    lua_setfield(L, -2, action.name);
  }
  lua_pop(L, 1);

  luaL_checkstack(L, 2, "Cannot grow stack for object metatable");
  binding::OpenMetatable(L, kMultiColumnTreeRowMetaTableName, {kRowMethods});
}

}  // namespace zellua::ui
