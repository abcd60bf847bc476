// The control wrappers in a bare Lua state (no application): a wrapper whose constructor fails,
// a dialog with no main window to sit on, and nodes, controls and captures that outlive their
// state, whose Lua functions are then never called.
#include <gtest/gtest.h>

#include <stdexcept>

extern "C" {
#include <lauxlib.h>
#include <lualib.h>
}

#include "LuaStateFixture.h"
#include "os/testing.h"
#include "zellua/limner/LimnerLua.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zellua/ui/LuaEvents.h"
#include "zellua/ui/LuaTestingSupport.h"
#include "zelui/NodeManager.h"
#include "zelui/controls/Controls.h"
#include "zelui/testing.h"
#include "zelui/ui/OS_Window.h"

namespace {

namespace ui = zelui::ui;
namespace zt = zelui::testing;
using zellua::ui::LuaControlWrapperBase;

struct UiWrappers : LuaStateFixture {
  void SetUp() override {
    L = luaL_newstate();
    luaL_openlibs(L);
    luaopen_zellua_zelcontrols(L);
    luaopen_zellua_InputCapture(L);
    luaopen_zellua_UINodeManager(L);
    luaopen_zellua_luaTestingSupport(L);
    lua_settop(L, 0);
    ASSERT_EQ(Run("function zellua_CreateNewZELUIMouseEvent(a, b, c, x, y, m, d, w)\n"
                  "  return { action = a, button = b, clickCount = c, position = { x = x, y = y }, modKey = m,\n"
                  "           mouseWheelDelta = d, mouseWheelAxis = w } end"),
              "ok");
  }

  // Sets the global to a wrapper of the node.
  void SetGlobalNode(const char* name, ui::UI_Node* node) {
    zellua::ui::LuaControlWrapperFactory(ui::UI_NodeP(node), L);
    lua_setglobal(L, name);
  }

  void Close() {
    zellua::binding::MarkStateClosed(L);
    lua_close(L);
    L = nullptr;
  }
};

struct FailingWrapper : LuaControlWrapperBase {
  FailingWrapper(ui::UI_NodeP node, lua_State* L) : LuaControlWrapperBase(std::move(node), L) {
    throw std::runtime_error("no wrapper");
  }
  static const char* GetMetatableName() { return "zelUINode"; }
};

const ui::MouseEvent kClick(ui::kMouseDown, 0, 1, ui::PointF{1, 2}, 0, nullptr, 0, 0, 0, 0, 0, 0);

}  // namespace

TEST_F(UiWrappers, AWrapperWhoseConstructorFailsLeavesNothingPushed) {
  const ui::UI_NodeP node(new ui::UI_Node());
  EXPECT_THROW(zellua::ui::CreateAndPushControlWrapper<FailingWrapper>(L, node), std::runtime_error);
  EXPECT_EQ(lua_gettop(L), 0);
  EXPECT_EQ(node->RefCount(), 1);
}

TEST_F(UiWrappers, ADialogWithoutAMainWindowHasNoParent) {
  zellua::limner::PushSupplierToLua(L, ui::UI_NodeManager::Get()->GetDefaultSupplier());
  lua_setglobal(L, "supplier");
  ASSERT_EQ(Run("dialog = zelcontrols.NewDialog(supplier, 'Alone', { x = 1, y = 2 }, { x = 3, y = 4 }, nil)"), "ok");
  lua_getglobal(L, "dialog");
  auto* dialog = dynamic_cast<ui::UI_Dialog*>(zellua::ui::GetControlNode(L, -1));
  lua_pop(L, 1);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->GetParentWindow(), nullptr);
  EXPECT_EQ(dialog->GetTitle(), u"Alone");
  EXPECT_EQ(dialog->GetOrigin(), (ui::PointF{1, 2}));
}

TEST_F(UiWrappers, FunctionsOfAClosedStateAreNeverCalled) {
  const ui::UI_NodeP node(new ui::UI_Node());
  const boost::intrusive_ptr<zelui::controls::UI_Knob> knob(new zelui::controls::UI_Knob());
  SetGlobalNode("node", node.get());
  SetGlobalNode("knob", knob.get());
  ASSERT_EQ(Run("calls = 0\n"
                "local function count() calls = calls + 1; return true end\n"
                "for _, name in ipairs({ 'uiMouseEvent', 'uiDoCursor', 'uiSizeChanged', 'uiDraw' }) do\n"
                "  node:BindZelOperation(name, count)\n"
                "end\n"
                "node:UI_InstallTimer(1, count)\n"
                "knob:NotifyWhenChanged(count)\n"
                "knob:NotifyWhenChangedInteractively(count)\n"
                "capture = InputCapture.newInputCapture(node, zellua_CreateNewZELUIMouseEvent(0, 0, 1, 0, 0, 0, 0, 0))\n"
                "capture:BindZelOperation('captureEnd', count)\n"
                "UINodeManager.BeginInputCapture(capture)\n"
                "assert(calls == 0)"),
            "ok");
  Close();
  // The wrappers went with the state: the node's timer with them. The rest stays with the nodes
  // and the node manager, and calls nothing.
  EXPECT_EQ(os::testing::AdvanceRunLoopClock(2), 0);
  ui::UI_NodeManager::Get()->EndInputCapture(true);
  EXPECT_FALSE(zt::InjectMouseEvent(*node, kClick));
  EXPECT_FALSE(zt::InjectCursor(*node, {0, 0}, 0));
  node->UI_SetLocalRectF({0, 0, 5, 5});
  zt::LendableContext lent;
  EXPECT_FALSE(zt::InjectDraw(*node, lent.Context()));
  knob->SendValueChangedMessage();
  knob->BeginInteractiveChange();
  EXPECT_EQ(zt::Record(*node).ownMouseEvents, 1);
}
