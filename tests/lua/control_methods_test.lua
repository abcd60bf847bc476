-- The controls' own methods from Lua: each family's setters read back by its getters, the list
-- box by 1-based positions, callbacks kept by the controls, radio groups, sections, splitters,
-- and dialogs run modally and answered by the test queue or by a Lua timer.
local T = require "testlib"
local g = require "geometry"
local zc = require "zellua.zelcontrols"

local function new(class) return glimmet_test.newNode(class) end

local errorOf = T.errorOf

-- Each case: the class, the setter and its arguments, the getter and the values it gives.
T.cases("setters read back by getters", {
  { class = "UI_Button", set = "SetValue", get = "GetValue", want = { true } },
  { class = "UI_Button", set = "SetValue", args = { false }, get = "GetValue", want = { false } },
  { class = "UI_Button", set = "SetDisplayBorderAlways", get = "ShouldDisplayBorderAlways", want = { true } },
  { class = "UI_Button", set = "SetChangeFocusOnClick", args = { nil }, n = 1, get = "GetChangeFocusOnClick",
    want = { false } },
  { class = "UI_Button", set = "SetCornerRadius", args = { 4.5 }, get = "GetCornerRadius", want = { 4.5 } },
  { class = "UI_Button", set = "SetStrokeSizes", args = { 1, 2 }, get = "GetStrokeSizes", want = { 1, 2 } },
  { class = "UI_TextButton", set = "SetLabelText", args = { "Grüße" }, get = "GetLabelText", want = { "Grüße" } },
  { class = "UI_Checkbox", set = "SetChecked", get = "IsChecked", want = { true } },
  { class = "UI_RadioButton", set = "SetValue", args = { 0 }, get = "GetValue", want = { true } },
  { class = "UI_HotTextNumber", set = "SetNumericValue", args = { 2.25 }, get = "GetNumericValue", want = { 2.25 } },
  { class = "UI_HotTextNumber", set = "SetIncrement", args = { 0.5 }, get = "GetIncrement", want = { 0.5 } },
  { class = "UI_HotTextNumber", set = "SetNumericInput", get = "GetNumericInput", want = { true } },
  { class = "UI_Knob", set = "SetNumericValue", args = { 0.25 }, get = "GetNumericValue", want = { 0.25 } },
  { class = "UI_Slider", set = "SetExtent", args = { 2, 8 }, get = "GetExtent", want = { 2, 8 } },
  { class = "UI_ScrollBar", set = "SetNumericValuePair", args = { 3, 4 }, get = "GetNumericValuePair", want = { 3, 4 } },
  { class = "UI_ScrollView", set = "SetScale", args = { 2 }, get = "GetScale", want = { 2 } },
  { class = "UI_ScrollView", set = "SetScrollBarSize", args = { 11 }, get = "GetScrollBarSize", want = { 11 } },
  { class = "UI_SearchBox", set = "SetStringValue", args = { "find" }, get = "GetStringValue", want = { "find" } },
  { class = "UI_SearchBox", set = "SetSavedSearchMaxSize", args = { 7.9 }, get = "GetSavedSearchMaxSize",
    want = { 7 } },
  { class = "UI_TextEdit", set = "SetStringValue", args = { "typed" }, get = "GetStringValue", want = { "typed" } },
  { class = "UI_StaticText", set = "SetStringValue", args = { "label" }, get = "GetStringValue", want = { "label" } },
  { class = "UI_StaticImage", set = "SetAlpha", args = { 0.5 }, get = "GetAlpha", want = { 0.5 } },
  { class = "UI_Popup", set = "SetTightMargins", get = "GetTightMargins", want = { true } },
  { class = "UI_SubView", set = "SetLayoutBinding", args = { 3.7 }, get = "GetLayoutBinding", want = { 3 } },
  { class = "UI_SubView", set = "SetLayoutsChildren", get = "GetLayoutsChildren", want = { true } },
  { class = "UI_SectionView", set = "SetHeaderHeight", args = { 18 }, get = "GetHeaderHeight", want = { 18 } },
  { class = "UI_SectionView", set = "SetDrawGradientHeader", get = "GetDrawGradientHeader", want = { true } },
  { class = "UI_SplitterView", set = "SetSplitDirection", args = { 1 }, get = "GetSplitDirection", want = { 1 } },
  { class = "UI_SplitterView", set = "SetSplitPercentage", args = { 0.25 }, get = "GetSplitPercentage",
    want = { 0.25 } },
  { class = "UI_ListBox", set = "SetShowCheckbox", args = { true }, get = "GetShowCheckbox", want = { true } },
  { class = "UI_ListBox", set = "SetDisplaysDivider", args = { true }, get = "GetDisplaysDivider", want = { true } },
}, function(case)
  local control = new(case.class)
  local args = case.args or {}
  local results = { control[case.set](control, unpack(args, 1, case.n or #args)) }
  T.eq(#results, 0, "a setter gives nothing")
  local got = { control[case.get](control) }
  T.eq(#got, #case.want, "values")
  for i, want in ipairs(case.want) do T.eq(got[i], want, case.get .. " value " .. i) end
end)

T.test("rectangles and wrappers of a scroll view", function()
  local view = zc.NewScrollView()
  view:SetContentRectF(g.rect(0, 0, 400, 300))
  local r = view:GetContentRectF()
  T.eq(r.width, 400)
  T.eq(r.height, 300)
  local bar = view:GetScrollBarY()
  T.ok(bar ~= nil and bar.DoScroll ~= nil, "the vertical bar has the scroll-bar methods")
  bar:DoScroll(true, nil, 3.9)
  T.eq(glimmet_test.scrollRequests(bar)[1], "true,false,3")
  T.ok(errorOf(view.SetContentRectF, view, 5):find("bad argument #2"), "a rectangle is a table")
end)

T.test("a released wrapper calls nothing and gives nothing; a wrong class raises", function()
  for _, m in ipairs({ { "UI_Checkbox", "SetChecked", "IsChecked", { true } },
    { "UI_ListBox", "AppendItem", "CountItems", { "x" } }, { "UI_Slider", "SetExtent", "GetExtent", { 1, 2 } } }) do
    local control = new(m[1])
    control:Release()
    T.eq(select("#", control[m[2]](control, unpack(m[4]))), 0, m[2] .. " on a released wrapper")
    T.eq(select("#", control[m[3]](control)), 0, m[3] .. " on a released wrapper")
    local other = new("UI_Knob")
    T.ok(errorOf(control[m[3]], other):find("Invalid type conversion"), m[3] .. " on a knob")
    T.ok(errorOf(control[m[3]], {}):find("Bad user data"), m[3] .. " on a table")
  end
end)

T.test("hot-text alignment by name", function()
  local number = new("UI_HotTextNumber")
  for name, code in pairs({ right = 2, center = 1, left = 0, anything = 0 }) do
    number:SetAlignment(name)
    T.eq(glimmet_test.hotTextAlignment(number), code, name)
  end
end)

T.test("list box: 1-based positions, selection, checkbox states", function()
  local list = zc.NewListBox()
  list:AppendItem("b")
  list:AppendItem("c")
  list:InsertItem(1, "a")
  list:InsertItem(4, "d")
  T.eq(list:CountItems(), 4)
  T.eq(list:GetItem(1):GetItemLabel():GetStringValue(), "a", "InsertItem(1) inserts at the front")
  T.eq(list:GetItem(list:CountItems()):GetItemLabel():GetStringValue(), "d", "the last item")
  for _, position in ipairs({ 0, -1, 5, 0 / 0 }) do
    T.eq(select("#", list:GetItem(position)), 0, "no item at " .. tostring(position))
    list:InsertItem(position + (position == 5 and 1 or 0), "never")
    list:SelectItem(position)
    list:SetCheckboxState(position, 1)
    T.eq(select("#", list:GetCheckboxState(position)), 0)
  end
  T.eq(list:CountItems(), 4, "nothing inserted outside the rows")
  T.eq(#list:GetSelectedItems(), 0, "an empty selection is an empty table")
  list:SelectItem(2)
  list:SelectItem(3, false)
  local selected = list:GetSelectedItems()
  T.eq(#selected, 2, "the second select was not exclusive")
  T.eq(selected[1], 2)
  T.eq(selected[2], 3)
  T.eq(glimmet_test.listScrolledTo(list), 2, "the second flag defaults to true")
  T.ok(list:GetItem(3):IsSelected())
  list:SetCheckboxState(1, 7)
  T.eq(list:GetCheckboxState(1), true, "7 is mixed")
  list:SetCheckboxState(1, 0)
  T.eq(list:GetCheckboxState(1), false)
  list:DeselectAllItems()
  T.eq(#list:GetSelectedItems(), 0)
  list:ClearItems()
  T.eq(list:CountItems(), 0)
end)

T.test("list box callbacks: selection by the user, checkbox notification", function()
  local list = zc.NewListBox()
  list:AppendItem("one")
  list:AppendItem("two")
  local calls, notified = {}, 0
  list:SetItemSelectedCallback(function(...) calls[#calls + 1] = select("#", ...) end)
  list:GetItem(2):SetRequestCheckboxNotify(function() notified = notified + 1 end)
  T.ok(glimmet_test.userSelectListItem(list, 1))
  T.eq(#calls, 1, "called once")
  T.eq(calls[1], 0, "without arguments")
  T.eq(list:GetSelectedItems()[1], 2)
  T.ok(glimmet_test.userClickItemCheckbox(list, 1))
  T.eq(notified, 1)
  T.eq(list:GetCheckboxState(2), true)
  list:SetItemSelectedCallback(function() error("fails") end)
  T.ok(glimmet_test.userSelectListItem(list, 0), "an error in the callback is dropped")
  T.ok(errorOf(list.SetItemSelectedCallback, list, "no function"):find("bad argument #2"))
end)

T.test("radio group: the first radio button set on", function()
  local group = new("UI_RadioGroup")
  T.eq(select("#", group:GetSelectedRadioButton()), 0, "none selected")
  local a, b = zc.NewRadioButton(), zc.NewRadioButton()
  group:ChildPushBack(a)
  group:ChildPushBack(b)
  b:SetValue(true)
  local selected = group:GetSelectedRadioButton()
  T.eq(selected:GetValue(), true)
  selected:SetValue(false)
  T.eq(b:GetValue(), false, "the same button")
end)

T.test("section view callbacks get a wrapper of the section on every change", function()
  local section = zc.NewSectionView()
  local seen = {}
  section:AddOpenedStateChangedCallback(function(s) seen[#seen + 1] = s:GetOpened() end)
  section:AddOpenedStateChangedCallback(function() error("ignored") end)
  section:SetOpened(false)
  section:SetOpened()
  T.eq(#seen, 2)
  T.eq(seen[1], false)
  T.eq(seen[2], true)
end)

T.cases("split validation", {
  { name = "a number", fn = function(p) return p / 2 end, want = 0.3 },
  { name = "a numeric string", fn = function() return "0.1" end, want = 0.6 },
  { name = "NaN", fn = function() return 0 / 0 end, want = 0.6 },
  { name = "nothing", fn = function() end, want = 0.6 },
  { name = "an error", fn = function() error("no") end, want = 0.6 },
}, function(case)
  local splitter = zc.NewSplitterView()
  splitter:SetSplitValidationFunction(case.fn)
  T.ok(math.abs(glimmet_test.dragSplitter(splitter, 0.6) - case.want) < 1e-6, "split")
end)

T.test("splitter panes are wrappers", function()
  local splitter = zc.NewSplitterView()
  splitter:SetTopLeftView(zc.NewSubView())
  T.ok(errorOf(splitter.SetBottomRightView, splitter, nil):find("Bad user data"))
end)

T.test("dialog responses, buttons and modal runs", function()
  local supplier = new("UI_Node"):UI_GetDrawSupplier()
  local dialog = zc.NewDialog(supplier, "Ask", g.point(0, 0), g.point(100, 50), nil)
  for _, case in ipairs({ { 1, 1 }, { 0, 0 }, { 5, -1 }, { -3, -1 } }) do
    dialog:SetResponse(case[1])
    T.eq(dialog:GetResponse(), case[2], "SetResponse(" .. case[1] .. ")")
  end
  local ok, cancel = zc.NewTextButton(), zc.NewTextButton()
  dialog:SetButtons(ok, cancel)
  T.ok(errorOf(dialog.SetButtons, dialog, ok, nil):find("Bad user data"))
  T.ok(dialog:GetContainer() ~= nil, "a container")

  local runs = glimmet_test.modalRuns()
  glimmet_test.queueModalAnswer("ok")
  T.eq(select("#", dialog:RunModal()), 0)
  T.eq(dialog:GetResponse(), 1, "ended by the queue")

  local timer = dialog:UI_InstallTimer(0.5, function() dialog:DefaultCloseOk() end)
  T.ok(timer ~= nil)
  dialog:SetResponse(0)
  glimmet_test.queueModalAnswer("advance", 1)
  dialog:RunModal()
  T.eq(dialog:GetResponse(), 1, "closed by a Lua timer")
  dialog:UI_RemoveTimer(timer)

  dialog:RunModal()
  T.eq(dialog:GetResponse(), 0, "an empty queue cancels")
  local count, response, depth = glimmet_test.modalRuns()
  T.eq(count, runs + 3)
  T.eq(response, 0)
  T.eq(depth, 1)
end)

T.test("an overlay draws its children in order, lets the mouse through, and a dead context draws nothing", function()
  local overlay = zc.NewOverlaySubView()
  local order, kept = {}, nil
  for _, name in ipairs({ "a", "b", "c" }) do
    local child = zc.NewSubView()
    child:BindZelOperation("uiDraw", function() order[#order + 1] = name; return true end)
    overlay:ChildPushBack(child)
  end
  overlay:BindZelOperation("uiDraw", function(context)
    kept = context
    overlay:DispatchDrawToChildren(context)
    overlay:UI_DispatchDrawToChild(overlay:ChildGet(2), context)
    return true
  end)
  glimmet_test.injectDraw(overlay)
  T.eq(table.concat(order), "abcb")
  overlay:DispatchDrawToChildren(kept)
  overlay:UI_DispatchDrawToChild(overlay:ChildGet(1), kept)
  T.eq(table.concat(order), "abcb", "nothing drawn with a dead context")
  T.eq(glimmet_test.stateFlags(overlay) % 32 >= 16, true, "state flag 16")
  T.eq(glimmet_test.handlesMouseDown(overlay), false, "handles no mouse event")
  T.ok(errorOf(overlay.DispatchDrawToChildren, overlay, {}):find("bad argument #2"))
end)

T.test("OS windows: structure rectangle, activation, weak owners that never loop", function()
  local a, b = new("OS_Window"), new("OS_Window")
  a:UI_SetGlobalStructureRect(g.rect(10, 20, 300, 200))
  local r = a:UI_GetGlobalStructureRect()
  T.eq(table.concat({ r.left, r.top, r.width, r.height }, ","), "10,20,300,200")
  a:UI_Activate()
  T.eq((glimmet_test.windowInfo(a)), 1)
  a:SetOwner(b)
  T.eq(select(2, glimmet_test.windowInfo(a, b)), true)
  b:SetOwner(a)
  T.eq(select(2, glimmet_test.windowInfo(b, nil)), true, "the owner's owner keeps none")
  a:SetOwner(a)
  T.eq(select(2, glimmet_test.windowInfo(a, b)), true, "never its own owner")
  a:SetOwner(false)
  T.eq(select(2, glimmet_test.windowInfo(a, nil)), true, "a non-userdata clears")
  T.ok(errorOf(a.SetOwner, a, newproxy(false)):find("Bad user data"))
  a:SetOwner(b)
  b = nil
  collectgarbage()
  collectgarbage()
  T.eq(select(2, glimmet_test.windowInfo(a, nil)), true, "a dead owner is forgotten")
end)

T.test("tab wells: tabs by 0-based index, frontmost, actions with and without a rectangle", function()
  local well = zc.NewTabWell()
  T.eq(well.kTabItemAction_Close, 3)
  T.eq(well.kTabItemFrameDrag_Click, 2)
  well:SetFrontmost(0)
  T.eq(glimmet_test.tabWellFrontmost(well), -1, "no tabs container yet")
  well:AddTab(0, "Eins", true, false)
  well:AddTab(1, "Zwei")
  T.eq(well:GetTabItemText(1), "Zwei")
  T.eq(select("#", well:GetTabItemText(2)), 0)
  well:SetFrontmost(2)
  T.eq(glimmet_test.tabWellFrontmost(well), -1, "past the tabs")
  well:SetFrontmost(1)
  T.eq(glimmet_test.tabWellFrontmost(well), 1)
  local seen = {}
  well:SetTabItemActionFunction(function(...) seen[#seen + 1] = { n = select("#", ...), ... } end)
  glimmet_test.injectTabAction(well, well.kTabItemAction_Close, 1)
  glimmet_test.injectTabAction(well, 10, 0, { 1, 2, 30, 40 })
  T.eq(seen[1].n, 2)
  T.eq(seen[1][1] .. "," .. seen[1][2], "3,1")
  T.eq(seen[2].n, 3)
  T.eq(seen[2][3].width, 30)
  well:SetTabItemActionFunction(function() error("dropped") end)
  glimmet_test.injectTabAction(well, 0, 0)
  well:RemoveTab(0)
  T.eq(well:GetTabItemText(0), "Zwei")
  T.ok(errorOf(well.SetTabItemActionFunction, well, 1):find("bad argument #2"))
end)

T.test("popup windows: level by flag, panel class, shadow, works while modal, child of the owner while shown", function()
  local supplier = new("UI_Node"):UI_GetDrawSupplier()
  local floating, popup = zc.NewPopupWindow(supplier, true), zc.NewPopupWindow(supplier)
  local f, p = glimmet_test.popupWindowInfo(floating), glimmet_test.popupWindowInfo(popup)
  T.eq(f.level, f.floatingLevel)
  T.eq(p.level, p.popUpLevel)
  for _, info in ipairs({ f, p }) do
    T.eq(info.class, "ZELMacPanelWindow")
    T.eq(info.shadow, true)
    T.eq(info.worksWhenModal, true)
  end
  local r = popup:UI_GetGlobalStructureRect()
  T.eq(table.concat({ r.left, r.top, r.width, r.height }, ","), "0,0,100,100")
  popup:UI_Show(true)
  local owner = new("OS_Window")
  popup:SetOwner(owner)
  T.eq(glimmet_test.popupWindowInfo(popup).childOfOwner, false, "the owner takes effect at the next show")
  popup:UI_Show(true)
  T.eq(glimmet_test.popupWindowInfo(popup).childOfOwner, true)
  popup:UI_Show(false)
  T.eq(glimmet_test.popupWindowInfo(popup).childOfOwner, false)
  T.eq(popup.kWindowActivation_DEACTIVATED, 2)
  T.eq(popup.kOnCloseIfPopup, "OnCloseIfPopup")
  T.ok(errorOf(zc.NewPopupWindow, "no supplier"):find("bad argument #1"))
end)

T.test("a popup window made in a coroutine calls its functions on the main thread after the coroutine is gone", function()
  local supplier = new("UI_Node"):UI_GetDrawSupplier()
  local handled = {}
  local w = coroutine.wrap(function()
    local made = zc.NewPopupWindow(supplier)
    made:BindPopupWindowOperation("cmdHandler", function(id) handled[#handled + 1] = id return true end)
    return made
  end)()
  T.collect()
  T.eq(glimmet_test.windowCommand(w, 7), true)
  T.eq(glimmet_test.windowCommand(w, 9), true)
  T.eq(table.concat(handled, ","), "7,9")
end)

T.test("popup windows: commands, enablement, keyboard, activation and closing through bound functions", function()
  local supplier = new("UI_Node"):UI_GetDrawSupplier()
  local w = zc.NewPopupWindow(supplier)
  T.eq(glimmet_test.windowCommand(w, 7), false, "nothing bound")
  T.eq(glimmet_test.windowCloseIfPopup(w), false)
  T.eq(select("#", w:BindPopupWindowOperation("cmdHandler", function(id) return id == 7 end)), 0)
  T.eq(glimmet_test.windowCommand(w, 7), true)
  T.eq(glimmet_test.windowCommand(w, 8), false)
  w:BindPopupWindowOperation("cmdHandler", function() return 1 end)
  T.eq(glimmet_test.windowCommand(w, 7), false, "only the boolean true handles")

  for _, case in ipairs({
    { fn = function() return { isHandled = true, isEnabled = false, newDisplayString = "Neu" } end,
      want = "true false false Neu" },
    { fn = function() return { isEnabled = false, newDisplayString = "x" } end, want = "false true true before" },
    { fn = function() return "yes" end, want = "false true true before" },
    { fn = function() error("no") end, want = "false true true before" },
    { fn = function() return { isHandled = 1, isChecked = true, newDisplayString = 5 } end,
      want = "true false true 5" },
  }) do
    w:BindPopupWindowOperation("cmdEnablement", case.fn)
    local h, e, c, text = glimmet_test.windowEnablement(w, 3)
    T.eq(table.concat({ tostring(h), tostring(e), tostring(c), text }, " "), case.want)
  end

  local args
  w:BindPopupWindowOperation("uiKeyboardEvent", function(node, event) args = { node, event }; return false end)
  local target = zc.NewCheckbox()
  w:ChildPushBack(target)
  glimmet_test.windowKey(w, target)
  T.eq(getmetatable(args[1]), debug.getregistry().zelCheckbox, "the target's wrapper")
  T.eq(type(args[2]), "table", "the event table")
  glimmet_test.windowKey(w, nil)
  T.eq(args[1], nil, "nil without a target")
  w:BindPopupWindowOperation("uiKeyboardEvent", function() return "handled" end)
  T.eq(glimmet_test.windowKey(w, nil), true)
  w:BindPopupWindowOperation("uiKeyboardEvent", function() error("boom") end)
  T.eq(glimmet_test.windowKey(w, nil), true, "an error counts as handled")

  local activations = {}
  w:BindPopupWindowOperation("UI_ActivationChanged", function(a) activations[#activations + 1] = a end)
  glimmet_test.windowActivation(w, 1)
  glimmet_test.windowActivation(w, 2)
  T.eq(table.concat(activations, ","), "1,2")

  local closed = false
  w:BindPopupWindowOperation("duringClose", function() closed = true end)
  w:BindPopupWindowOperation("OnCloseIfPopup", function() return true end)
  T.eq(glimmet_test.windowCloseIfPopup(w), true)
  T.eq(closed, false, "duringClose is never called")

  w:SetAsCommandHandler()
  T.eq(glimmet_test.currentHandlerIs(w), true)
  T.ok(errorOf(w.BindPopupWindowOperation, w, "cmdHandler", 5):find("bad argument #3"))
end)

T.finish()
