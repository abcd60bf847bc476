// A multi-column tree that outlives its Lua state: every callback then does what it does unbound,
// and the predicate sorts nothing.
#include <gtest/gtest.h>

extern "C" {
#include <lauxlib.h>
#include <lualib.h>
}

#include "LuaStateFixture.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zellua/ui/LuaMultiColumnTree.h"
#include "zelui/testing.h"

namespace {

namespace controls = zelui::controls;
namespace zt = zelui::testing;
using zellua::ui::LuaMultiColumnTree;

struct TreeBinding : LuaStateFixture {
  void SetUp() override {
    L = luaL_newstate();
    luaL_openlibs(L);
    luaopen_zellua_zelcontrols(L);
    lua_settop(L, 0);
    ASSERT_EQ(Run("function zellua_CreateNewZELUIMouseEvent() return {} end\n"
                  "function zellua_CreateNewPointF32(x, y) return { x = x, y = y } end\n"
                  "calls = 0\n"
                  "tree = zelcontrols.NewMultiColumnTree()\n"
                  "tree:SetAllowRowDragging(true)\n"
                  "b = tree:CreateAndAppendRow(nil, false, 'b')\n"
                  "a = tree:CreateAndAppendRow(nil, false, 'a')\n"
                  "local function yes() calls = calls + 1 return true end\n"
                  "for _, op in ipairs({ 'mctSelectedRowsBeingDragged', 'mctRowContextMenu', 'mctDropSupport',\n"
                  "  'mctSelectionChanged', 'mctRowSingleClickDown' }) do tree:BindZelOperation(op, yes) end\n"
                  "tree:SetRowSortingFunction(function(x, y) calls = calls + 1 return x:GetID() < y:GetID() end)"),
              "ok");
    lua_getglobal(L, "tree");
    tree.reset(dynamic_cast<LuaMultiColumnTree*>(zellua::ui::GetControlNode(L, -1)));
    lua_pop(L, 1);
    ASSERT_TRUE(tree);
  }

  int Calls() {
    lua_getglobal(L, "calls");
    const int calls = static_cast<int>(lua_tointeger(L, -1));
    lua_pop(L, 1);
    return calls;
  }

  void Close() {
    zellua::binding::MarkStateClosed(L);
    lua_close(L);
    L = nullptr;
  }

  boost::intrusive_ptr<LuaMultiColumnTree> tree;
};

}  // namespace

TEST_F(TreeBinding, BoundFunctionsAnswerWhileTheStateIsOpen) {
  EXPECT_TRUE(zt::TreeDragStart(*tree, {5, 5}));
  EXPECT_TRUE(zt::TreeContextMenu(*tree, {5, 5}));
  zt::TreeDrop drop;
  EXPECT_TRUE(zt::DropOnTree(*tree, drop).accepted);
  tree->SortTree();
  EXPECT_EQ(static_cast<zellua::ui::LuaMultiColumnTreeRow*>(tree->GetRow(0))->GetID(), "a");
  EXPECT_GE(Calls(), 5);
  EXPECT_EQ(tree->GetFrameworkContextMenus(), 0);
}

TEST_F(TreeBinding, AfterTheStateClosedEveryCallbackGivesTheUnboundDefault) {
  Close();
  EXPECT_FALSE(zt::TreeDragStart(*tree, {5, 5})) << "dragging refused as unbound";
  EXPECT_FALSE(zt::TreeContextMenu(*tree, {5, 5}));
  EXPECT_EQ(tree->GetFrameworkContextMenus(), 1) << "the framework's own answer";
  zelui::datatransfer::DataSet data;
  zt::TreeDrop drop;
  drop.data = data;
  drop.dropEffect = 1;
  const zt::TreeDropResult result = zt::DropOnTree(*tree, drop);
  EXPECT_FALSE(result.accepted);
  EXPECT_TRUE(result.isDropValid);
  EXPECT_EQ(result.dropEffect, 1);
  EXPECT_TRUE(zt::TreeClick(*tree, {5, 23}));
  EXPECT_EQ(tree->GetSelectionNotifications(), 2) << "passed on to the framework";
  tree->SortTree();
  EXPECT_EQ(tree->CountRows(false), 2);
  EXPECT_EQ(tree->GetZELBoundLuaState("mctDropSupport") != nullptr, true);
  tree.reset();
}

TEST(TreeNodeFactory, MakesATreeForItsClassNameOnly) {
  const zelui::ui::UI_NodeP tree = zellua::ui::MultiColumnTreeNodeFactory(u"LuaMultiColumnTree");
  ASSERT_TRUE(tree);
  EXPECT_NE(dynamic_cast<LuaMultiColumnTree*>(tree.get()), nullptr);
  EXPECT_EQ(static_cast<LuaMultiColumnTree*>(tree.get())->GetRowHeight(), 18);
  EXPECT_FALSE(zellua::ui::MultiColumnTreeNodeFactory(u"LuaMultiColumnTreeX"));
  EXPECT_FALSE(zellua::ui::MultiColumnTreeNodeFactory(u""));
}
