-- The node methods every wrapper has: the tree with its index bases, geometry, plain state and
-- its defaults, focus, measuring and the draw supplier.
local T = require "testlib"
local g = require "geometry"

local function count(...) return select("#", ...) end

local errorOf = T.errorOf

local function rect(r) return string.format("%g,%g,%g,%g", r.left, r.top, r.width, r.height) end
local function point(p) return string.format("%g,%g", p.x, p.y) end

T.test("a node's supplier lent before the drawing modules were required has its metatable", function()
  local supplier = glimmet_test.newNode("UI_Node"):UI_GetDrawSupplier()
  T.eq(getmetatable(supplier), debug.getregistry()["zellua.limner.zelSupplierInterface"])
  T.ok(getmetatable(supplier) ~= nil)
  T.ok(tostring(supplier):find("^zelSupplierInterface%("), tostring(supplier))
  T.ok(glimmet_test.isDefaultSupplier(supplier), "a node outside any window draws with the default")
end)

require "zellua.zelcontrols"

-- A parent with children named a, b, c, in that order.
local function family()
  local parent = zelcontrols.NewSubView()
  for _, id in ipairs({ "a", "b", "c" }) do
    local child = zelcontrols.NewSubView()
    child:UI_SetNodeID(id)
    parent:ChildPushBack(child)
  end
  return parent
end

local function order(parent)
  local ids = {}
  for i = 1, parent:ChildSize() do ids[i] = parent:ChildGet(i):UI_GetNodeID() end
  return table.concat(ids)
end

T.test("ChildGet is 1-based; positions outside give nothing", function()
  local parent = family()
  T.eq(parent:ChildSize(), 3)
  T.eq(parent:ChildGet(1):UI_GetNodeID(), "a")
  T.eq(parent:ChildGet(3):UI_GetNodeID(), "c")
  T.eq(count(parent:ChildGet(0)), 0)
  T.eq(count(parent:ChildGet(4)), 0)
  T.eq(count(parent:ChildGet(-1)), 0)
  T.ok(errorOf(parent.ChildGet, parent, "first"):find("bad argument #2"))
end)

T.cases("moving children: 0-based positions", {
  { name = "ChildSwapOrder", call = function(p) p:ChildSwapOrder(0, 2) end, order = "cba" },
  { name = "ChildMove", call = function(p) p:ChildMove(2, 0) end, order = "cab" },
  { name = "ChildMove out of range", call = function(p) p:ChildMove(1, 3) end, order = "abc" },
  { name = "non-numbers read 0", call = function(p) p:ChildMove(2, "x") end, order = "cab" },
  { name = "SetViewIndex(0)", call = function(p) p:ChildGet(3):SetViewIndex(0) end, order = "cab" },
  { name = "SetViewIndexToBack", call = function(p) p:ChildGet(3):SetViewIndexToBack() end, order = "cab" },
  { name = "SetViewIndexToFront", call = function(p) p:ChildGet(1):SetViewIndexToFront() end, order = "bca" },
  { name = "SetViewIndexToFront of the last", call = function(p) p:ChildGet(3):SetViewIndexToFront() end,
    order = "abc" },
  { name = "ChildRemove", call = function(p) p:ChildRemove(p:ChildGet(2)) end, order = "ac" },
  { name = "ChildRemove of a stranger", call = function(p) p:ChildRemove(zelcontrols.NewSubView()) end,
    order = "abc" },
  { name = "DeleteChildren", call = function(p) p:DeleteChildren() end, order = "" },
  { name = "ChildPushBack of a child moves it last", call = function(p) p:ChildPushBack(p:ChildGet(1)) end,
    order = "bca" },
  { name = "ChildPushBack of itself is refused", call = function(p) p:ChildPushBack(p) end, order = "abc" },
  { name = "ChildPushBack of an ancestor is refused",
    call = function(p) p:ChildGet(1):ChildPushBack(p) end, order = "abc" },
}, function(case)
  local parent = family()
  case.call(parent)
  T.eq(order(parent), case.order)
end)

T.test("indexes, parent and root", function()
  local parent = family()
  local root = zelcontrols.NewSubView()
  root:UI_SetNodeID("root")
  root:ChildPushBack(parent)
  local b = parent:ChildGet(2)
  T.eq(parent:ChildGet(1):UI_GetIndex(), 1, "1-based")
  T.eq(b:UI_GetIndex(), 2)
  T.eq(root:UI_GetIndex(), 0, "no parent")
  T.eq(b:UI_GetRootNode():UI_GetNodeID(), "root")
  T.eq(b:UI_GetParentNode():ChildSize(), 3)
  T.eq(count(root:UI_GetParentNode()), 0)
  T.eq(count(root:UI_GetRootNode()), 0)
  root:SetViewIndex(0)
  root:SetViewIndexToFront()
  root:SetViewIndexToBack()
end)

T.test("GetDescendentByID searches depth first below the node, in position order", function()
  local parent = family()
  local grandchild = zelcontrols.NewCheckbox()
  grandchild:UI_SetNodeID("b")
  parent:ChildGet(1):ChildPushBack(grandchild)
  T.eq(getmetatable(parent:GetDescendentByID("b")), debug.getregistry().zelCheckbox,
    "the grandchild in the first child comes before the second child")
  T.eq(parent:GetDescendentByID("c"):UI_GetIndex(), 3)
  T.eq(count(parent:GetDescendentByID("z")), 0)
  parent:UI_SetNodeID("self")
  T.eq(count(parent:GetDescendentByID("self")), 0, "the node itself is not compared")
end)

T.test("geometry in the parent's coordinates, global in the root's", function()
  local root, middle, leaf = zelcontrols.NewSubView(), zelcontrols.NewSubView(), zelcontrols.NewSubView()
  root:ChildPushBack(middle)
  middle:ChildPushBack(leaf)
  root:UI_SetLocalRectF(g.rect(100, 100, 500, 500))
  middle:UI_SetLocalRectF(g.rect(10, 20, 200, 100))
  leaf:UI_SetLocalRectF(g.rect(5, 5, 50, 40))
  T.eq(rect(leaf:UI_GetLocalRectF()), "5,5,50,40")
  T.eq(rect(leaf:UI_GetLocalRectF(true)), "5,5,50,40")
  T.eq(point(leaf:UI_LocalToGlobalPointF(g.point(1, 1))), "16,26")
  T.eq(point(leaf:UI_GlobalToLocalPointF(g.point(16, 26))), "1,1")
  T.eq(rect(leaf:UI_LocalToGlobalRectF(g.rect(0, 0, 3, 4))), "15,25,3,4")
  T.eq(rect(leaf:UI_GlobalToLocalRectF(g.rect(15, 25, 3, 4))), "0,0,3,4")
  T.ok(errorOf(leaf.UI_SetLocalRectF, leaf, { left = 0, top = 0, width = 1 }):find("bad argument"))
end)

T.cases("setters and their defaults", {
  { name = "UI_Show()", call = function(n) n:UI_Show(false); n:UI_Show() end, read = function(n) return n:UI_IsShown() end,
    expected = true },
  { name = "UI_Show(false)", call = function(n) n:UI_Show(false) end, read = function(n) return n:UI_IsShown() end,
    expected = false },
  { name = "UI_SetEnabled()", call = function(n) n:UI_SetEnabled(false); n:UI_SetEnabled() end,
    read = function(n) return n:UI_IsEnabled() end, expected = true },
  { name = "UI_SetEnabled(false)", call = function(n) n:UI_SetEnabled(false) end,
    read = function(n) return n:UI_IsEnabled() end, expected = false },
  { name = "UI_SetToolTipAvoidsBounds()", call = function(n) n:UI_SetToolTipAvoidsBounds() end,
    read = function(n) return n:UI_GetToolTipAvoidsBounds() end, expected = true },
  { name = "UI_SetToolTipAvoidsBounds(nil)", call = function(n) n:UI_SetToolTipAvoidsBounds(nil) end,
    read = function(n) return n:UI_GetToolTipAvoidsBounds() end, expected = false },
  { name = "UI_SetClipToSelfEnabled(1)", call = function(n) n:UI_SetClipToSelfEnabled(1) end,
    read = function(n) return n:UI_GetClipToSelfEnabled() end, expected = true },
  { name = "UI_SetToolTip without width", call = function(n) n:UI_SetToolTip("tip") end,
    read = function(n) local s = glimmet_test.nodeState(n); return s.toolTip .. "/" .. s.toolTipWidth end,
    expected = "tip/400" },
  { name = "UI_SetToolTip with width", call = function(n) n:UI_SetToolTip("é", 120) end,
    read = function(n) local s = glimmet_test.nodeState(n); return s.toolTip .. "/" .. s.toolTipWidth end,
    expected = "é/120" },
  { name = "UI_SetDrawCachePolicy bitmap", call = function(n) n:UI_SetDrawCachePolicy("bitmap") end,
    read = function(n) return glimmet_test.nodeState(n).drawCachePolicy end, expected = 0 },
  { name = "UI_SetDrawCachePolicy never", call = function(n) n:UI_SetDrawCachePolicy("never") end,
    read = function(n) return glimmet_test.nodeState(n).drawCachePolicy end, expected = 1 },
  { name = "UI_SetDrawCachePolicy always", call = function(n) n:UI_SetDrawCachePolicy("always") end,
    read = function(n) return glimmet_test.nodeState(n).drawCachePolicy end, expected = 2 },
  { name = "UI_SetDrawCachePolicy always_as_bitmap", call = function(n) n:UI_SetDrawCachePolicy("always_as_bitmap") end,
    read = function(n) return glimmet_test.nodeState(n).drawCachePolicy end, expected = 3 },
  { name = "SetThemeName", call = function(n) n:SetThemeName("Dark") end,
    read = function(n) return glimmet_test.nodeState(n).themeName end, expected = "Dark" },
  { name = "UI_UpdateNow()", call = function(n) n:UI_UpdateNow() end,
    read = function(n) return glimmet_test.nodeState(n).updateFlags end, expected = 4294967295 },
  { name = "UI_UpdateNow(5)", call = function(n) n:UI_UpdateNow(5) end,
    read = function(n) return glimmet_test.nodeState(n).updateFlags end, expected = 5 },
  { name = "UI_Invalidate()", call = function(n) n:UI_Invalidate() end,
    read = function(n) local s = glimmet_test.nodeState(n); return s.invalidations .. " " .. tostring(s.invalidRect) end,
    expected = "1 nil" },
  { name = "UI_Invalidate(nil)", call = function(n) n:UI_Invalidate(nil) end,
    read = function(n) return tostring(glimmet_test.nodeState(n).invalidRect) end, expected = "nil" },
  { name = "UI_Invalidate(rect) covers whole pixels", call = function(n) n:UI_Invalidate(g.rect(0.5, 1.5, 10, 10)) end,
    read = function(n) return glimmet_test.nodeState(n).invalidRect end, expected = "0,1,11,11" },
  { name = "UI_SetNodeID keeps the bytes", call = function(n) n:UI_SetNodeID("a\0b") end,
    read = function(n) return n:UI_GetNodeID() end, expected = "a\0b" },
}, function(case)
  local node = zelcontrols.NewSubView()
  case.call(node)
  T.eq(case.read(node), case.expected)
end)

T.test("keyboard focus with its reason", function()
  local node, other = glimmet_test.newNode("FocusNode"), zelcontrols.NewCheckbox()
  T.eq(node:UI_GainKeyboardFocus(2), true)
  T.eq(node:UI_HasKeyboardFocus(), true)
  T.eq(zelcontrols.NewSubView():UI_GainKeyboardFocus(1), false, "a view does not take the focus")
  T.eq(other:UI_GainKeyboardFocus(1), true)
  T.eq(node:UI_HasKeyboardFocus(), false)
  local parent = zelcontrols.NewSubView()
  parent:ChildPushBack(other)
  T.eq(parent:UI_HasKeyboardFocus(), false)
  T.eq(parent:UI_HasKeyboardFocus(true), true, "with the flag, a descendant's focus counts")
  T.ok(errorOf(node.UI_GainKeyboardFocus, node):find("bad argument #2"))
end)

T.test("recommended size and mouse-over as the toolkit sets them", function()
  local parent, child = zelcontrols.NewSubView(), zelcontrols.NewSubView()
  parent:ChildPushBack(child)
  glimmet_test.setRecommendedSize(child, 30, 12)
  T.eq(point(child:UI_GetRecommendedSize()), "30,12", "width as x, height as y")
  T.eq(parent:UI_IsMouseOver(), false)
  glimmet_test.setMouseOver(child, true)
  T.eq(parent:UI_IsMouseOver(), true, "over a child counts")
end)

T.test("UI_DoMouseEvent dispatches the event through the node for the target", function()
  local node, target = zelcontrols.NewSubView(), zelcontrols.NewSubView()
  local seen
  node:BindZelOperation("uiPreMouseEvent", function(forNode, event)
    seen = forNode:UI_GetNodeID() .. " at " .. point(event.position)
  end)
  target:UI_SetNodeID("target")
  node:UI_DoMouseEvent(target, g.mouseEvent(0, 0, 1, 4, 5, 0, 0, 0))
  T.eq(seen, "target at 4,5")
  T.eq(glimmet_test.nodeState(node).ownMouseEvents, 1)
  T.eq(glimmet_test.nodeState(target).ownMouseEvents, 0)
  node:UI_DoMouseEvent(target, { action = 0, button = 0, clickCount = 1, modKey = 0, mouseWheelDelta = 0,
    mouseWheelAxis = 0 })
  T.eq(seen, "target at 0,0", "no position reads 0, 0")
  T.ok(errorOf(node.UI_DoMouseEvent, node, target, { action = 0 }):find("bad argument"))
  T.ok(errorOf(node.UI_DoMouseEvent, node, 1, g.mouseEvent(0, 0, 1, 4, 5, 0, 0, 0)):find("Bad user data", 1, true))
end)

T.finish()
