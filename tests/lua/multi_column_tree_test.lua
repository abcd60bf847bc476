-- The multi-column tree from scripts: rows made as a table of cases, look-up by id, selection and
-- column arguments, a released tree; the framework's callbacks delivered through the injectors as
-- one table; binding, the fields, the lent drop data and drawing context, sorting by a Lua
-- predicate (hostile ones included) and the row userdata's own collector.
local T = require "testlib"
local g = require "geometry"
require "zellua.zelcontrols"

local function count(...) return select("#", ...) end
local collect = T.collect

local errorOf = T.errorOf

local function ids(rows)
  local out = {}
  for i, row in ipairs(rows) do out[i] = row:GetID() or "?" end
  return table.concat(out, " ")
end

-- a (a1 dup) dup c, rows 18 high in one column 100 wide.
local function fixture()
  local tree = zelcontrols.NewMultiColumnTree()
  local r = {}
  r.a = tree:CreateAndAppendRow(nil, false, "a")
  r.a1 = tree:CreateAndAppendRow(r.a, false, "a1")
  r.a2 = tree:CreateAndAppendRow(r.a, false, "dup")
  r.b = tree:CreateAndAppendRow(nil, false, "dup")
  r.c = tree:CreateAndAppendRow(nil, false, "c")
  return tree, r
end

T.test("a new tree: one column, rows 18 high, the tree's wrapper", function()
  local tree = zelcontrols.NewMultiColumnTree()
  T.eq(getmetatable(tree), debug.getregistry()["Zel.MultiColumnTree"])
  T.eq(tree:GetRowHeight(), 18)
  T.eq(glimmet_test.treeState(tree).columns, 1)
  T.eq(tree:CountRows(true), 0)
  T.eq(getmetatable(tree:GetScrollView()), debug.getregistry()["zelScrollView"])
  T.ok(tree.UI_GetLocalRectF and tree.ChildSize, "the sub-view chain reaches the node methods")
end)

T.test("fields: the nine operation names and the drop actions", function()
  local tree = zelcontrols.NewMultiColumnTree()
  for _, name in ipairs({ "mctDrawCell", "mctRowVisibilityChanged", "mctRowDisclosureChanged", "mctSelectionChanged",
    "mctSelectedRowsBeingDragged", "mctDropSupport", "mctRowSingleClickDown", "mctRowSingleClickUp",
    "mctRowDoubleClick" }) do
    T.eq(tree[name], name)
  end
  T.eq(tree.mctRowContextMenu, nil)
  T.eq(tree.kDropAction_DragEnter, 0)
  T.eq(tree.kDropAction_DragOver, 1)
  T.eq(tree.kDropAction_DragLeave, 2)
  T.eq(tree.kDropAction_Drop, 3)
end)

local other = zelcontrols.NewCheckbox()
T.cases("CreateAndAppendRow", {
  { name = "nil", parent = function() return nil end, id = "x", expect = "top" },
  { name = "false", parent = function() return false end, expect = "top" },
  { name = "number", parent = function() return 5 end, id = "n", expect = "top" },
  { name = "string", parent = function() return "a" end, expect = "top" },
  { name = "a row", parent = function(r) return r.a end, id = "k", expect = "a" },
  { name = "another control", parent = function() return other end, expect = "bad argument #2" },
}, function(case)
  local tree, r = fixture()
  local parent = case.parent(r)
  if case.expect:find("^bad") then
    T.ok(errorOf(tree.CreateAndAppendRow, tree, parent, false, "x"):find(case.expect, 1, true), "argument error")
    T.eq(tree:CountRows(true), 5)
    return
  end
  local row = case.id and tree:CreateAndAppendRow(parent, false, case.id) or tree:CreateAndAppendRow(parent, false)
  T.eq(row:GetID(), case.id or "")
  T.eq(row:GetParentRow() and row:GetParentRow():GetID() or "top", case.expect)
  T.eq(tree:CountRows(true), 6)
end)

T.test("CreateAndInsertRow puts the row before the second row among the first one's children", function()
  local tree, r = fixture()
  T.eq(tree:CreateAndInsertRow(r.a, r.a2, false, "mid"):GetID(), "mid")
  T.eq(r.a:GetChildRow(1):GetID(), "mid")
  T.eq(r.a:GetChildRowIndex(r.a2), 2)
  T.eq(tree:CreateAndInsertRow(nil, nil, false):GetID(), "")
  T.eq(tree:GetRow(3):GetID(), "")
end)

T.test("a refused row gives no value at all", function()
  local tree, r = fixture()
  local stranger = zelcontrols.NewMultiColumnTree()
  T.eq(count(stranger:CreateAndAppendRow(r.a, false, "x")), 0, "a parent of another tree")
  T.eq(count(stranger:CreateAndInsertRow(nil, r.b, false, "x")), 0, "a sibling of another tree")
  tree:SetAllowChildren(false)
  T.eq(count(tree:CreateAndAppendRow(r.a, false, "x")), 0, "children not allowed")
  T.eq(stranger:CountRows(true), 0)
  T.eq(tree:CountRows(true), 5)
end)

T.test("GetRowById: pre-order, the first of two ids wins, framework rows skipped with their subtrees", function()
  local tree, r = fixture()
  T.eq(tree:GetRowById("dup"):GetParentRow():GetID(), "a")
  T.eq(tree:GetRowById("c"):GetID(), "c")
  T.eq(count(tree:GetRowById("none")), 0)
  local framework = zelcontrols.NewMultiColumnTree()
  glimmet_test.addFrameworkRow(framework, nil, "hidden")
  framework:CreateAndAppendRow(nil, false, "seen")
  T.eq(count(framework:GetRowById("hidden")), 0)
  T.eq(framework:GetRowById("seen"):GetID(), "seen")
  -- A framework row handed out holds no row: its methods give nothing.
  local held = framework:GetRow(0)
  T.eq(getmetatable(held), debug.getregistry()["Zel.UI_MultiColumnTreeRow"])
  T.eq(count(held:GetID()), 0)
  T.eq(count(held:CountChildRows()), 0)
end)

T.test("rows are counted, indexed from 0, opened and closed", function()
  local tree, r = fixture()
  T.eq(tree:CountRows(false), 3)
  T.eq(tree:CountRows(true), 5)
  T.eq(tree:GetRow(2):GetID(), "c")
  T.eq(count(tree:GetRow(3)), 0)
  T.eq(ids(tree:GetVisibleRows()), "a dup c")
  tree:OpenRow(r.a)
  T.eq(tree:IsRowOpen(r.a), true)
  T.eq(tree:IsRowVisible(r.a1), true)
  T.eq(ids(tree:GetVisibleRows()), "a a1 dup dup c")
  T.eq(ids(tree:GetOpenedRows()), "a")
  T.eq(tree:GetOpenedRowsFirstColumnMinWidth(), 32)
  tree:CloseAllTopLevelRows()
  T.eq(tree:IsRowVisible(r.a1), false)
  tree:OpenAllTopLevelRows()
  T.eq(ids(tree:GetOpenedRows()), "a dup c")
  T.eq(r.a:CountChildRows(), 2)
  T.eq(r.a:HasChild(), true)
  T.eq(r.c:HasChild(), false)
  T.eq(r.a:GetChildRow(0):GetID(), "a1")
  T.eq(count(r.a:GetChildRow(2)), 0)
  T.eq(count(r.c:GetParentRow()), 0)
end)

T.test("RemoveRow with only a row takes it and its subtree out", function()
  local tree, r = fixture()
  tree:OpenRow(r.a)
  tree:RemoveRow(r.a)
  T.eq(tree:CountRows(true), 2)
  T.eq(count(r.a1:GetParentRow()) == 1 and r.a1:GetParentRow():GetID(), "a")
  T.eq(select(3, glimmet_test.rowState(r.a1)), false, "the subtree forgot the tree")
  T.eq(tree:IsRowOpen(r.a), false)
  tree:RemoveAllRows(true)
  T.eq(tree:CountRows(true), 0)
end)

T.test("SelectRows: exactly the rows given, an empty table deselects with flag4, flags are needed", function()
  local tree, r = fixture()
  tree:SetSupportMultipleSelections(true)
  tree:SelectRows({ r.c, r.a1 }, false, true)
  T.eq(ids(tree:GetSelectedRows()), "a1 c")
  T.eq(glimmet_test.treeState(tree).selectionNotifications, 1)
  tree:SelectRows({}, nil, true)
  T.eq(#tree:GetSelectedRows(), 0)
  T.eq(glimmet_test.treeState(tree).selectionNotifications, 2)
  T.ok(errorOf(tree.SelectRows, tree, { r.a }):find("bad argument #5", 1, true), "position 5")
  T.ok(errorOf(tree.SelectRows, tree, { other }, nil, nil):find("bad argument #5", 1, true), "not a row")
  T.ok(errorOf(tree.SelectRows, tree, { other }, nil, nil, r.a):find("bad argument #5", 1, true), "extra arguments")
  T.ok(errorOf(tree.SelectRows, tree, "rows"):find("bad argument #2", 1, true), "not a table")
  T.eq(#tree:GetSelectedRows(), 0, "nothing selected by a failed call")
end)

T.test("columns are 1-based: below 1 does nothing", function()
  local tree = zelcontrols.NewMultiColumnTree()
  tree:SetNumberOfColumns(3)
  tree:SetColumnWidth(1, 55)
  tree:SetColumnWidth(0, 9)
  T.eq(tree:GetColumnWidth(1), 55)
  T.eq(count(tree:GetColumnWidth(0)), 0)
  tree:SetResizableColumns({ 0, 1, 3 })
  T.eq(glimmet_test.treeState(tree).resizable, "0,2")
  tree:SetResizableColumn(0)
  T.eq(glimmet_test.treeState(tree).resizable, "0,2")
  tree:SetResizableColumn(2)
  T.eq(glimmet_test.treeState(tree).resizable, "1")
  tree:SetDrawSpinnerBeforeColumn(2)
  T.eq(glimmet_test.treeState(tree).spinnerColumn, 1)
  tree:SetNumberOfColumns(-1)
  T.eq(glimmet_test.treeState(tree).columns, 3)
  tree:SetNumberOfColumns(0)
  T.eq(glimmet_test.treeState(tree).columns, 0)
  T.ok(errorOf(tree.SetResizableColumns, tree, { "x" }):find("bad argument #3", 1, true), "element at 3")
end)

T.test("setters reach the tree", function()
  local tree, r = fixture()
  tree:Init(7)
  tree:SetRowHeight(20)
  tree:SetShowBorder(true)
  tree:SetDrawGridLines(true, false)
  tree:SetGridLineColors(g.rgba(1, 0, 0, 1), g.rgba(0, 0, 1, 0.5))
  tree:SetSupportDragOverRow(true)
  tree:ShowDragFeedback(true)
  tree:SetAllowRowDragging(true)
  tree:SetAllowDropOverRows(true)
  tree:SetRowsDraggedDataType("rows/ü")
  tree:SetCustomSelectionColor(0x11223344)
  tree:LayoutAfterAppendRow()
  tree:LayoutAfterInsertRow()
  tree:LayoutAfterRemoveRow()
  r.c:SetCustomBackgroundColor(g.rgba(0, 1, 0, 1))
  r.c:SetCanHaveChildren(false)
  local s = glimmet_test.treeState(tree)
  T.eq(s.initFlags, 7)
  T.eq(tree:GetRowHeight(), 20)
  T.eq(s.border and s.gridH and not s.gridV and s.dragOverRow and s.dragFeedback and s.rowDragging and s.dropOverRows,
    true)
  T.eq(s.gridColor2, "0,0,1,0.5")
  T.eq(s.rowsDataType, "rows/ü")
  T.eq(s.selectionColor, 0x11223344)
  T.eq(s.layouts, 3)
  T.eq(select(1, glimmet_test.rowState(r.c)), true)
  T.eq(select(2, glimmet_test.rowState(r.c)), false)
  tree:ClearCustomSelectionColor()
  T.eq(glimmet_test.treeState(tree).customSelection, false)
  T.ok(glimmet_test.treeState(tree).selectionColor ~= 0x11223344, "the default colour again")
  tree:SetRowHeight(18)
  tree:UI_SetLocalRectF(g.rect(0, 0, 100, 18))
  tree:ScrollRowIntoView(r.c)
  T.eq(glimmet_test.treeState(tree).scrollY, 36)
end)

T.test("cell views and custom children are pushed through the wrapper factory", function()
  local tree, r = fixture()
  local text = zelcontrols.NewStaticText()
  glimmet_test.setCellView(r.c, 1, text)
  T.eq(getmetatable(r.c:GetCellView(2)), debug.getregistry()["zelStaticText"])
  T.eq(count(r.c:GetCellView(1)), 0)
  T.eq(count(r.c:GetCellView(0)), 0)
  T.eq(r.c:HasCustomChild(), false)
  T.eq(count(r.c:GetCustomChild()), 0)
  tree:SetRowHasCustomChild(r.c, true, 30)
  tree:SetRowHasCustomChild("not a row", true)
  T.eq(r.c:HasCustomChild(), true)
  T.eq(getmetatable(r.c:GetCustomChild()), debug.getregistry()["zelSubView"])
end)

T.test("a released tree does nothing and gives nothing", function()
  local tree, r = fixture()
  tree:Release()
  T.eq(tree:BindZelOperation("mctDrawCell", function() end), false)
  T.eq(tree:BindZelOperation("uiDraw", function() end), false)
  T.eq(count(tree:CreateAndAppendRow(nil, false, "x")), 0)
  T.eq(count(tree:CountRows(true)), 0)
  T.eq(count(tree:GetRowById("a")), 0)
  T.eq(count(tree:GetSelectedRows()), 0)
  T.eq(count(tree:SelectRows({})), 0)
  T.eq(r.a:GetID(), "a", "rows live on")
end)

-- Callbacks delivered through the injectors. Each case binds its operation (unless unbound),
-- delivers, and checks what Lua got and what the framework got back. Rows lie 18 high: y 5 is
-- row a, y 23 row "dup" (b), y 41 row c.
local function tree3()
  local tree, r = fixture()
  tree:SetNumberOfColumns(2)
  return tree, r
end

T.cases("callbacks", {
  { name = "click down: row, point, modifiers, column + 1", op = "mctRowSingleClickDown",
    deliver = function(t) return glimmet_test.treeClick(t, 120, 41, 8) end,
    args = function(a) return a.n .. " " .. a[1]:GetID() .. " " .. a[2].x .. "," .. a[2].y .. " " .. a[3] .. " " .. a[4] end,
    expected = "4 c 120,41 8 2", result = true },
  { name = "click on framework column 0 gives 1", op = "mctRowSingleClickUp",
    deliver = function(t) return glimmet_test.treeClick(t, 5, 5) end,
    args = function(a) return a[1]:GetID() .. " " .. a[4] end, expected = "a 1", result = true },
  { name = "double click", op = "mctRowDoubleClick",
    deliver = function(t) return glimmet_test.treeClick(t, 5, 23, 0, 2) end,
    args = function(a) return a[1]:GetID() .. " " .. a[4] end, expected = "dup 1", result = true },
  { name = "selection passed on after Lua", op = "mctSelectionChanged",
    deliver = function(t) glimmet_test.treeClick(t, 5, 41) return glimmet_test.treeState(t).selectionNotifications end,
    args = function(a) return a.n .. " " .. ids(a[1]) end, expected = "1 c", result = 1 },
  { name = "context menu handled by Lua", op = "mctRowContextMenu", ret = true,
    deliver = function(t) return glimmet_test.treeContextMenu(t, 150, 5) end,
    args = function(a) return a[1]:GetID() .. " " .. a[2].x .. " " .. tostring(getmetatable(a[3]) ==
      debug.getregistry()["Zel.MultiColumnTree"]) .. " " .. a[4] end, expected = "a 150 true 2", result = true,
    after = function(t) T.eq(glimmet_test.treeState(t).frameworkContextMenus, 0) end },
  { name = "context menu error reads as true", op = "mctRowContextMenu", raise = true,
    deliver = function(t) return glimmet_test.treeContextMenu(t, 5, 5) end, result = true },
  { name = "context menu falls back to the framework", op = "mctRowContextMenu", ret = false,
    deliver = function(t) return glimmet_test.treeContextMenu(t, 5, 5) end, result = false,
    after = function(t) T.eq(glimmet_test.treeState(t).frameworkContextMenus, 1) end },
  { name = "context menu unbound", deliver = function(t) return glimmet_test.treeContextMenu(t, 5, 5) end,
    result = false },
  { name = "drag start: the mouse table, the result's truth", op = "mctSelectedRowsBeingDragged", ret = 1,
    deliver = function(t) t:SetAllowRowDragging(true) return glimmet_test.treeDragStart(t, 3, 4) end,
    args = function(a) return a.n .. " " .. a[1].action .. " " .. a[1].position.x .. "," .. a[1].position.y end,
    expected = "1 3 3,4", result = true },
  { name = "drag start error reads as true", op = "mctSelectedRowsBeingDragged", raise = true,
    deliver = function(t) t:SetAllowRowDragging(true) return glimmet_test.treeDragStart(t, 3, 4) end, result = true },
  { name = "drag start refused", op = "mctSelectedRowsBeingDragged", ret = nil,
    deliver = function(t) t:SetAllowRowDragging(true) return glimmet_test.treeDragStart(t, 3, 4) end, result = false },
  { name = "drag start unbound", deliver = function(t) t:SetAllowRowDragging(true)
      return glimmet_test.treeDragStart(t, 3, 4) end, result = false },
  { name = "disclosure and visibility", op = "mctRowDisclosureChanged",
    deliver = function(t, r) t:OpenRow(r.a) return true end,
    args = function(a) return a[1]:GetID() .. " " .. tostring(a[2]) end, expected = "a true", result = true },
  { name = "visibility of each row shown", op = "mctRowVisibilityChanged", collect = true,
    deliver = function(t, r) t:OpenRow(r.a) return true end,
    args = function(a) return a[1]:GetID() end, expected = "a1 dup", result = true },
}, function(case)
  local tree, r = tree3()
  local seen = {}
  if case.op then
    T.eq(tree:BindZelOperation(case.op, function(...)
      if case.args then seen[#seen + 1] = case.args({ n = select("#", ...), ... }) end
      if case.raise then error("failed") end
      return case.ret
    end), true)
  end
  T.eq(case.deliver(tree, r), case.result)
  if case.expected then T.eq(table.concat(seen, " "), case.expected) end
  if case.after then case.after(tree) end
end)

T.cases("drops", {
  { name = "true only leaves the flag and effect", ret = { true }, accepted = true, valid = true, effect = 1 },
  { name = "true and isDropValid false, no effect: 0", ret = { true, { isDropValid = false } }, accepted = true,
    valid = false, effect = 0 },
  { name = "a table with both", ret = { false, { isDropValid = true, dropEffect = 4 } }, startValid = false,
    accepted = false, valid = true, effect = 4 },
  { name = "an error changes nothing", raise = true, accepted = false, valid = true, effect = 1 },
  { name = "a non-table second result", ret = { 1, "x" }, accepted = true, valid = true, effect = 1 },
  { name = "without an effect slot", ret = { true, { isDropValid = false, dropEffect = 4 } }, noEffect = true,
    accepted = true, valid = false },
  { name = "unbound", unbound = true, accepted = false, valid = true, effect = 1 },
}, function(case)
  local tree, r = fixture()
  local kept, args
  if not case.unbound then
    tree:BindZelOperation("mctDropSupport", function(...)
      args = { n = select("#", ...), ... }
      kept = args[3]
      if case.raise then error("failed") end
      return unpack(case.ret)
    end)
  end
  local accepted, valid, effect = glimmet_test.treeDrop(tree, { action = 3, x = 4, y = 5, row = r.c, position = 7,
    values = { text = "t" }, valid = case.startValid ~= false, effect = not case.noEffect and 1 or nil })
  T.eq(accepted, case.accepted)
  T.eq(valid, case.valid)
  T.eq(effect, case.effect)
  if case.unbound then return end
  T.eq(args.n, 5)
  T.eq(args[1] .. " " .. args[2].x .. "," .. args[2].y .. " " .. args[4]:GetID() .. " " .. args[5], "3 4,5 c 7")
  T.eq(count(kept:DataAvailable("text")), 0, "the lent data is dead afterwards")
end)

T.test("a drop without data gives only the action; a framework row is nil", function()
  local tree, r = fixture()
  local got
  tree:BindZelOperation("mctDropSupport", function(...) got = { n = select("#", ...), ... } return true end)
  T.eq(glimmet_test.treeDrop(tree, { action = 2 }), true)
  T.eq(got.n .. " " .. got[1], "1 2")
  glimmet_test.addFrameworkRow(tree)
  glimmet_test.treeDrop(tree, { action = 1, values = {}, row = tree:GetRow(3) })
  T.eq(got.n, 5)
  T.eq(got[4], nil)
end)

T.test("dragged rows are read from the lent data by the tree's flavour", function()
  local tree, r = fixture()
  tree:SetRowsDraggedDataType("rows")
  local found, flavoured, kept
  tree:BindZelOperation("mctDropSupport", function(action, point, data)
    found = ids(tree:GetRowsBeingDragged(data))
    flavoured = tree:HasRowDragDataFlavor(data)
    kept = data
    return true
  end)
  glimmet_test.treeDrop(tree, { values = { rows = glimmet_test.rowsDragData(r.c, r.a1) } })
  T.eq(found, "c a1")
  T.eq(flavoured, true)
  T.eq(count(tree:GetRowsBeingDragged(kept)), 0, "out of scope")
  T.eq(tree:HasRowDragDataFlavor(kept), false)
  local stranger = zelcontrols.NewMultiColumnTree()
  stranger:SetRowsDraggedDataType("rows")
  stranger:BindZelOperation("mctDropSupport", function(action, point, data)
    found = ids(stranger:GetRowsBeingDragged(data))
  end)
  glimmet_test.treeDrop(stranger, { values = { rows = glimmet_test.rowsDragData(r.c) } })
  T.eq(found, "", "rows of another tree are not found")
end)

T.test("drawing: each visible cell, a lent context that goes dead, cell strings", function()
  local tree, r = fixture()
  tree:SetNumberOfColumns(2)
  local cells, kept = {}, nil
  tree:BindZelOperation("mctDrawCell", function(ctx, row, column, rect)
    cells[#cells + 1] = row:GetID() .. ":" .. column .. "@" .. rect.left .. "," .. rect.top .. "," .. rect.width
    kept = ctx
    if row:GetID() == "c" and column == 2 then
      tree:DrawCellString(ctx, rect, "hi", g.rgba(1, 0, 0, 1))
      tree:DrawCellString(ctx, rect, "x", g.rgba(0, 0, 0, 1), 20, 0, "Mono", "y")
      T.eq(tree:MeasureStringWidth(ctx, "abcd"), 22)
      T.eq(tree:MeasureStringWidth(ctx, "ab", 10, "Mono"), 10)
    end
    return "ignored"
  end)
  local _, lines = glimmet_test.injectDraw(tree)
  T.eq(table.concat(cells, " "), "a:1@0,0,100 a:2@100,0,100 dup:1@0,18,100 dup:2@100,18,100 c:1@0,36,100 c:2@100,36,100")
  T.eq(lines[1], '#s DrawString "hi" 104,36 color 1,0,0,1 font(SystemFont 11) 0 2 96')
  T.eq(#lines, 3)
  T.eq(count(tree:DrawCellString(kept, g.rect(0, 0, 1, 1), "late", g.rgba(0, 0, 0, 1))), 0)
  T.eq(count(tree:MeasureStringWidth(kept, "late")), 0)
  local _, after = glimmet_test.injectDraw(tree)
  T.eq(#after, 3, "the late calls drew nothing")
end)

T.test("a custom background fills only while set", function()
  local tree = zelcontrols.NewMultiColumnTree()
  tree:UI_SetLocalRectF(g.rect(0, 0, 10, 20))
  local _, lines = glimmet_test.injectDraw(tree)
  T.eq(#lines, 0)
  tree:SetCustomBackgroundColor(g.rgba(0, 0, 1, 1))
  _, lines = glimmet_test.injectDraw(tree)
  T.eq(lines[1], "#s FillPath path(R 0,0,10,20) color 0,0,1,1 true")
  tree:ClearCustomBackgroundColor()
  _, lines = glimmet_test.injectDraw(tree)
  T.eq(#lines, 0)
end)

T.test("binding: an mct name installs its callback once, a rebind replaces the function", function()
  local tree = tree3()
  local which
  T.eq(tree:BindZelOperation("mctRowDoubleClick", function() which = 1 end), true)
  T.eq(tree:BindZelOperation("mctRowDoubleClick", function() which = 2 end), true)
  T.eq(glimmet_test.treeState(tree).callbackInstalls, 1)
  glimmet_test.treeClick(tree, 5, 5, 0, 2)
  T.eq(which, 2)
  T.eq(tree:BindZelOperation("mctSelectionChanged", function() end), true)
  T.eq(tree:BindZelOperation("mctRowContextMenu", function() end), true)
  T.eq(glimmet_test.treeState(tree).callbackInstalls, 1, "reached through the tree's own operations")
  T.ok(errorOf(tree.BindZelOperation, tree, "mctDrawCell", 1):find("bad argument #3", 1, true), "not a function")
end)

T.test("binding: uiDraw reaches the node binder", function()
  local tree = zelcontrols.NewMultiColumnTree()
  local drew = 0
  T.eq(tree:BindZelOperation("uiDraw", function() drew = drew + 1 return true end), true)
  T.eq((glimmet_test.injectDraw(tree)), true)
  T.eq(drew, 1)
  T.eq(glimmet_test.treeState(tree).callbackInstalls, 0)
end)

T.test("sorting by a Lua predicate orders every level", function()
  local tree, r = fixture()
  tree:CreateAndAppendRow(r.a, false, "0")
  tree:SetRowSortingFunction(function(x, y) return x:GetID() > y:GetID() end)
  tree:SortTree()
  local order = {}
  for i = 0, tree:CountRows(false) - 1 do order[#order + 1] = tree:GetRow(i):GetID() end
  T.eq(table.concat(order, " "), "dup c a")
  T.eq(r.a:GetChildRow(0):GetID() .. " " .. r.a:GetChildRow(2):GetID(), "dup 0")
  T.ok(errorOf(tree.SetRowSortingFunction, tree, "f"):find("bad argument #2", 1, true), "not a function")
end)

T.cases("hostile predicates", {
  { name = "raises", fn = function() error("no") end },
  { name = "a number", fn = function() return 1 end },
  { name = "always true", fn = function() return true end },
  { name = "random", fn = function() return math.random() < 0.5 end },
  { name = "changes the tree", fn = function(x, y, tree) tree:RemoveAllRows(true) tree:CreateAndAppendRow(nil, false, "n") return true end },
}, function(case)
  local tree, r = fixture()
  for i = 1, 30 do tree:CreateAndAppendRow(i % 2 == 0 and r.a or nil, false, tostring(i)) end
  local before = tree:CountRows(true)
  tree:SetRowSortingFunction(function(x, y) return case.fn(x, y, tree) end)
  tree:SortTree()
  if case.name ~= "changes the tree" then T.eq(tree:CountRows(true), before) end
  T.ok(tree:CountRows(true) >= 1, "the tree still answers")
end)

T.test("a row's __gc called by hand leaves a null row, collected once", function()
  local tree, r = fixture()
  local row = tree:GetRowById("c")
  row:__gc()
  T.eq(count(row:GetID()), 0)
  T.eq(count(row:CountChildRows()), 0)
  row = nil
  collect()
  T.eq(r.c:GetID(), "c")
  T.ok(errorOf(r.c.GetChildRowIndex, r.c, other):find("bad argument #2", 1, true), "a control is no row")
  T.eq(r.a:GetChildRowIndex(r.c), -1)
  r.c:SetID("renamed")
  T.eq(tree:GetRow(2):GetID(), "renamed")
end)

T.test("rows made by the same tree are distinct userdata compared by id", function()
  local tree = fixture()
  T.ok(tree:GetRow(0) ~= tree:GetRow(0), "two userdata")
  T.eq(tree:GetRow(0):GetID(), tree:GetRow(0):GetID())
end)

T.test("a collected tree lets go of its bound functions and its sorting function", function()
  local weak = setmetatable({}, { __mode = "v" })
  do
    local tree = zelcontrols.NewMultiColumnTree()
    local bound, sorter = function() end, function() return false end
    weak[1], weak[2] = bound, sorter
    tree:BindZelOperation("mctDropSupport", bound)
    tree:SetRowSortingFunction(sorter)
    tree:BindZelOperation("mctDropSupport", function() end)
    tree:SetRowSortingFunction(function() return false end)
  end
  collect()
  T.eq(weak[1], nil, "a replaced binding")
  T.eq(weak[2], nil, "a replaced predicate")
  local tree = zelcontrols.NewMultiColumnTree()
  local f = function() end
  weak[4] = f
  tree:BindZelOperation("mctRowSingleClickUp", f)
  f, tree = nil, nil
  collect()
  collect()
  T.eq(weak[4], nil, "the tree's functions go with it")
end)

T.finish()
