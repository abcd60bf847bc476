// Test controls for the multi-column tree: the user's clicks, context menus, drags and drops over
// rows as the platform delivers them, rows the framework makes itself, cell views, and what the
// tree keeps that no Lua method reads back.
#include <string>

#include "TestControls.h"
#include "zelcore/Strings.h"
#include "zellua/binding/Userdata.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zellua/ui/LuaMultiColumnTree.h"
#include "zelui/testing.h"

namespace {

namespace ui = zelui::ui;
namespace controls = zelui::controls;
namespace zt = zelui::testing;
using zellua::ui::LuaMultiColumnTree;

LuaMultiColumnTree& Tree(lua_State* L, int index) {
  auto* tree = dynamic_cast<LuaMultiColumnTree*>(zellua::ui::GetControlNode(L, index));
  if (tree == nullptr) luaL_error(L, "not a live tree");
  return *tree;
}

// The row of a row userdata (null when it holds none); nil gives null as well.
controls::UI_MultiColumnTreeRow* Row(lua_State* L, int index) {
  if (lua_isnoneornil(L, index)) return nullptr;
  return zellua::binding::CheckUserdata<zellua::ui::LuaMultiColumnTreeRowWrapper>(
             L, index, zellua::ui::kMultiColumnTreeRowMetaTableName)
      ->row.get();
}

ui::PointF Point(lua_State* L, int x) {
  return {static_cast<float>(luaL_checknumber(L, x)), static_cast<float>(luaL_checknumber(L, x + 1))};
}

// Runs a delivery; a Lua error when it left the Lua stack changed.
template <typename Deliver>
auto Balanced(lua_State* L, Deliver&& deliver) {
  const int top = lua_gettop(L);
  const auto result = deliver();
  if (lua_gettop(L) != top) luaL_error(L, "the stack changed by %d", lua_gettop(L) - top);
  return result;
}

// treeClick(tree, x, y, [modifiers], [clickCount]) → whether a row was hit.
int treeClick(lua_State* L) {
  LuaMultiColumnTree& tree = Tree(L, 1);
  const ui::PointF where = Point(L, 2);
  const auto modifiers = static_cast<ui::ModifierFlags>(luaL_optinteger(L, 4, 0));
  const int clicks = static_cast<int>(luaL_optinteger(L, 5, 1));
  lua_pushboolean(L, Balanced(L, [&] { return zt::TreeClick(tree, where, modifiers, clicks); }));
  return 1;
}

// treeContextMenu(tree, x, y) → the tree's answer.
int treeContextMenu(lua_State* L) {
  LuaMultiColumnTree& tree = Tree(L, 1);
  const ui::PointF where = Point(L, 2);
  lua_pushboolean(L, Balanced(L, [&] { return zt::TreeContextMenu(tree, where); }));
  return 1;
}

// treeDragStart(tree, x, y) → whether the rows were dragged.
int treeDragStart(lua_State* L) {
  LuaMultiColumnTree& tree = Tree(L, 1);
  const ui::PointF where = Point(L, 2);
  lua_pushboolean(L, Balanced(L, [&] { return zt::TreeDragStart(tree, where); }));
  return 1;
}

// treeDrop(tree, {action, x, y, values = {type = value} or nil, row, position, valid, effect})
// → accepted, the valid flag and the effect left (nil without an effect slot).
int treeDrop(lua_State* L) {
  LuaMultiColumnTree& tree = Tree(L, 1);
  luaL_checktype(L, 2, LUA_TTABLE);
  zt::TreeDrop drop;
  lua_getfield(L, 2, "action");
  drop.action = static_cast<int>(lua_tointeger(L, -1));
  lua_getfield(L, 2, "x");
  lua_getfield(L, 2, "y");
  drop.point = {static_cast<float>(lua_tonumber(L, -2)), static_cast<float>(lua_tonumber(L, -1))};
  lua_getfield(L, 2, "row");
  drop.row = Row(L, lua_gettop(L));
  lua_getfield(L, 2, "position");
  drop.position = static_cast<int>(lua_tointeger(L, -1));
  lua_getfield(L, 2, "valid");
  drop.isDropValid = lua_isnil(L, -1) || lua_toboolean(L, -1) != 0;
  lua_getfield(L, 2, "effect");
  if (!lua_isnil(L, -1)) drop.dropEffect = static_cast<int>(lua_tointeger(L, -1));
  lua_getfield(L, 2, "values");
  if (lua_istable(L, -1)) {
    zelui::datatransfer::DataSet data;
    for (lua_pushnil(L); lua_next(L, -2) != 0; lua_pop(L, 1))
      data.values[zelcore::UTF8to16(luaL_checkstring(L, -2))] = zelcore::UTF8to16(luaL_checkstring(L, -1));
    drop.data = data;
  }
  lua_settop(L, 2);
  const zt::TreeDropResult result = Balanced(L, [&] { return zt::DropOnTree(tree, drop); });
  lua_pushboolean(L, result.accepted);
  lua_pushboolean(L, result.isDropValid);
  if (result.dropEffect) {
    lua_pushinteger(L, *result.dropEffect);
  } else {
    lua_pushnil(L);
  }
  return 3;
}

// rowsDragData(row...) → the dragged-rows value naming the rows.
int rowsDragData(lua_State* L) {
  controls::UI_MultiColumnTreeRowList rows;
  for (int i = 1; i <= lua_gettop(L); ++i) rows.emplace_back(Row(L, i));
  const std::string value = zelcore::UTF16to8(controls::UI_MultiColumnTree::MakeRowsDragData(rows));
  lua_pushlstring(L, value.data(), value.size());
  return 1;
}

// addFrameworkRow(tree, [parent], [childId]) → the framework's index: a row no script made, with
// a script's row of the id below it when one is given.
int addFrameworkRow(lua_State* L) {
  LuaMultiColumnTree& tree = Tree(L, 1);
  controls::UI_MultiColumnTreeRow* parent = Row(L, 2);
  const char* childId = luaL_optstring(L, 3, nullptr);
  const controls::UI_MultiColumnTreeRowP row(new controls::UI_MultiColumnTreeRow(true));
  lua_pushinteger(L, tree.AppendRow(row, parent, false));
  if (childId != nullptr)
    tree.AppendRow(controls::UI_MultiColumnTreeRowP(new zellua::ui::LuaMultiColumnTreeRow(childId)), row.get(), false);
  return 1;
}

// setCellView(row, column (0-based), node).
int setCellView(lua_State* L) {
  controls::UI_MultiColumnTreeRow* row = Row(L, 1);
  const auto column = static_cast<std::size_t>(luaL_checkinteger(L, 2));
  ui::UI_Node* node = zellua::ui::GetControlNode(L, 3);
  if (row != nullptr) row->SetCellView(column, ui::UI_NodeP(node));
  return 0;
}

// treeState(tree) → what the tree keeps that no tree method reads back.
int treeState(lua_State* L) {
  LuaMultiColumnTree& tree = Tree(L, 1);
  lua_newtable(L);
  const auto setInteger = [L](const char* name, lua_Integer value) {
    lua_pushinteger(L, value);
    lua_setfield(L, -2, name);
  };
  const auto setBoolean = [L](const char* name, bool value) {
    lua_pushboolean(L, value);
    lua_setfield(L, -2, name);
  };
  setInteger("columns", static_cast<lua_Integer>(tree.GetNumberOfColumns()));
  setInteger("initFlags", tree.GetInitFlags());
  setInteger("layouts", tree.GetLayoutCount());
  setInteger("callbackInstalls", tree.GetCallbackInstallCount());
  setInteger("selectionNotifications", tree.GetSelectionNotifications());
  setInteger("frameworkContextMenus", tree.GetFrameworkContextMenus());
  setInteger("spinnerColumn", static_cast<lua_Integer>(tree.GetDrawSpinnerBeforeColumn()));
  setInteger("selectionColor", tree.GetSelectionColor());
  std::string resizable;
  for (std::size_t column : tree.GetAutoResizableColumns())
    resizable += (resizable.empty() ? "" : ",") + std::to_string(column);
  lua_pushstring(L, resizable.c_str());
  lua_setfield(L, -2, "resizable");
  setBoolean("multiple", tree.GetSupportMultipleSelections());
  setBoolean("border", tree.GetShowBorder());
  setBoolean("allowChildren", tree.GetAllowChildren());
  setBoolean("gridH", tree.GetDrawGridLines().first);
  setBoolean("gridV", tree.GetDrawGridLines().second);
  setBoolean("dragOverRow", tree.GetSupportDragOverRow());
  setBoolean("dragFeedback", tree.GetShowDragFeedback());
  setBoolean("rowDragging", tree.GetAllowRowDragging());
  setBoolean("dropOverRows", tree.GetAllowDropOverRows());
  setBoolean("customBackground", tree.HasCustomBackgroundColor());
  setBoolean("customSelection", tree.HasCustomSelectionColor());
  const std::string type = zelcore::UTF16to8(tree.GetRowsDraggedDataType());
  lua_pushstring(L, type.c_str());
  lua_setfield(L, -2, "rowsDataType");
  const zelcore::ColorRGBA grid = tree.GetGridLineColors().second;
  lua_pushfstring(L, "%f,%f,%f,%f", grid.red, grid.green, grid.blue, grid.alpha);
  lua_setfield(L, -2, "gridColor2");
  lua_pushnumber(L, tree.GetScrollView()->GetScrollPosition().y);
  lua_setfield(L, -2, "scrollY");
  return 1;
}

// rowState(row) → whether the row has a background colour, and whether it may have children.
int rowState(lua_State* L) {
  controls::UI_MultiColumnTreeRow* row = Row(L, 1);
  if (row == nullptr) return luaL_error(L, "no row");
  lua_pushboolean(L, row->GetBackgroundColor().has_value());
  lua_pushboolean(L, row->CanHaveChildren());
  lua_pushboolean(L, row->GetTree() != nullptr);
  return 3;
}

const luaL_Reg kFunctions[] = {{"treeClick", treeClick},
                               {"treeContextMenu", treeContextMenu},
                               {"treeDragStart", treeDragStart},
                               {"treeDrop", treeDrop},
                               {"rowsDragData", rowsDragData},
                               {"addFrameworkRow", addFrameworkRow},
                               {"setCellView", setCellView},
                               {"treeState", treeState},
                               {"rowState", rowState},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace
