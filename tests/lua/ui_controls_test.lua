-- Control wrappers from Lua: opening "zelcontrols", its constructors, the wrapper the factory
-- picks for each toolkit class, the method chains, what is taken as a wrapper, released and
-- collected wrappers, and the dialog and scroll view constructors.
local T = require "testlib"
local g = require "geometry"

local registry = debug.getregistry()

local function count(...) return select("#", ...) end

local errorOf = T.errorOf

local function metatableName(value)
  local mt = getmetatable(value)
  for _, name in ipairs({ "zelUINode", "zelSubView", "zelControlView", "zelInteractiveControlView", "zelButton",
    "zelUI_TextButton", "zelUI_DisclosureTriangleButton", "zelUI_PictureButton", "zelUI_Popup", "zelCheckbox",
    "zelRadioButton", "zelRadioGroup", "zelHotTextButton", "zelHotTextNumber", "zelHotTextTimecode", "zelKnob", "zelUI_Slider",
    "zelUI_ScrollBar", "zelScrollView", "zelSearchBox", "zelEditText", "zelStaticText", "zelUI_StaticImage",
    "zelListBox", "zelUI_ListBoxItem", "zelDivider", "zelSplitterView", "zelArrangementView", "zelSectionView",
    "zelTabWell", "zelOS_Window", "zelLuaDialog", "zelOverlaySubView", "zelWebView" }) do
    if mt ~= nil and registry[name] == mt then return name end
  end
  return "(other)"
end

T.test("a node handed to Lua before the controls were opened has its methods", function()
  T.eq(registry.zelUINode, nil, "controls not opened yet")
  local node = glimmet_test.newNode("UI_Node")
  T.eq(metatableName(node), "zelUINode")
  node:UI_SetNodeID("early")
  T.eq(node:UI_GetNodeID(), "early")
  T.eq(type(zelcontrols), "table", "the library came with the metatables")
end)

local zc = require "zellua.zelcontrols"

T.test("require gives the library; opening again registers nothing and returns the library", function()
  T.eq(zc, zelcontrols)
  local opener = package.loaders[4]("zellua.zelcontrols")
  T.eq(type(opener), "function")
  local kept = zelcontrols.NewCheckbox
  zelcontrols.NewCheckbox = "replaced"
  local nodeMethods = registry.zelUINode
  T.eq(count(opener("something on top", 42)), 1)
  T.eq(opener("something on top", 42), zelcontrols)
  T.eq(zelcontrols.NewCheckbox, "replaced", "nothing registered the second time")
  T.eq(registry.zelUINode, nodeMethods)
  zelcontrols.NewCheckbox = kept
end)

local supplier = glimmet_test.newNode("UI_Node"):UI_GetDrawSupplier()

T.cases("each constructor gives one wrapper of its class", {
  { name = "NewCheckbox", mt = "zelCheckbox" },
  { name = "NewRadioButton", mt = "zelRadioButton" },
  { name = "NewPictureButton", mt = "zelUI_PictureButton" },
  { name = "NewPictureButton", args = { "arrow" }, mt = "zelUI_PictureButton" },
  { name = "NewSearchBox", args = { true, false }, mt = "zelSearchBox" },
  { name = "NewHotTextButton", mt = "zelHotTextButton" },
  { name = "NewHotTextNumber", mt = "zelHotTextNumber" },
  { name = "NewHotTextTimecode", mt = "zelHotTextTimecode" },
  { name = "NewKnob", mt = "zelKnob" },
  { name = "NewListBox", mt = "zelListBox" },
  { name = "NewStaticText", mt = "zelStaticText" },
  { name = "NewTextButton", mt = "zelUI_TextButton" },
  { name = "NewDisclosureTriangleButton", mt = "zelUI_DisclosureTriangleButton" },
  { name = "NewSubView", mt = "zelSubView" },
  { name = "NewPopupViewContainer", mt = "zelSubView" },
  { name = "NewScrollView", mt = "zelScrollView" },
  { name = "NewPopup", mt = "zelUI_Popup" },
  { name = "NewSplitterView", mt = "zelSplitterView" },
  { name = "NewArrangementView", mt = "zelArrangementView" },
  { name = "NewSectionView", mt = "zelSectionView" },
  { name = "NewDialog", args = { supplier, "Title", g.point(0, 0), g.point(10, 10), nil }, n = 5, mt = "zelLuaDialog" },
  { name = "NewStaticImage", mt = "zelUI_StaticImage" },
  { name = "NewStaticImage", args = { "logo" }, mt = "zelUI_StaticImage" },
  { name = "NewTextEdit", args = { 1, 2, 14 }, mt = "zelEditText" },
  { name = "NewDivider", mt = "zelDivider" },
  { name = "NewOverlaySubView", mt = "zelOverlaySubView" },
  { name = "NewTabWell", mt = "zelTabWell" },
}, function(case)
  local args = case.args or {}
  local results = { zelcontrols[case.name](unpack(args, 1, case.n or #args)) }
  T.eq(#results, 1, "values")
  T.eq(metatableName(results[1]), case.mt)
end)

T.test("the library holds the constructors and nothing else", function()
  local names = {}
  for name in pairs(zelcontrols) do names[#names + 1] = name end
  T.eq(#names, 29)
end)

T.cases("the factory picks a class before any listed class it derives from", {
  { class = "UI_Node", mt = "zelUINode" },
  { class = "FocusNode", mt = "zelUINode" },
  { class = "UI_SubView", mt = "zelSubView" },
  { class = "OS_PopupViewContainer", mt = "zelSubView" },
  { class = "UI_ControlView", mt = "zelControlView" },
  { class = "UI_InteractiveControlView", mt = "zelInteractiveControlView" },
  { class = "UI_Button", mt = "zelButton" },
  { class = "UI_TextButton", mt = "zelUI_TextButton" },
  -- A text button, and so a button as well: two listed bases.
  { class = "UI_DisclosureTriangleButton", mt = "zelUI_DisclosureTriangleButton" },
  { class = "UI_PictureButton", mt = "zelUI_PictureButton" },
  { class = "UI_Popup", mt = "zelUI_Popup" },
  { class = "UI_Checkbox", mt = "zelCheckbox" },
  { class = "UI_RadioButton", mt = "zelRadioButton" },
  { class = "UI_RadioGroup", mt = "zelRadioGroup" },
  { class = "UI_HotTextButton", mt = "zelHotTextButton" },
  { class = "HotTextButtonSubclass", mt = "zelHotTextButton" },
  { class = "UI_HotTextNumber", mt = "zelHotTextNumber" },
  { class = "UI_Knob", mt = "zelKnob" },
  { class = "UI_Slider", mt = "zelUI_Slider" },
  { class = "UI_ScrollBar", mt = "zelUI_ScrollBar" },
  { class = "UI_ScrollView", mt = "zelScrollView" },
  { class = "UI_SearchBox", mt = "zelSearchBox" },
  { class = "UI_TextEdit", mt = "zelEditText" },
  -- A control view with the text part mixed in.
  { class = "UI_StaticText", mt = "zelStaticText" },
  { class = "UI_StaticImage", mt = "zelUI_StaticImage" },
  { class = "UI_Divider", mt = "zelDivider" },
  { class = "UI_ListBox", mt = "zelListBox" },
  { class = "UI_ListBoxItem", mt = "zelUI_ListBoxItem" },
  { class = "UI_SplitterView", mt = "zelSplitterView" },
  { class = "UI_ArrangementView", mt = "zelArrangementView" },
  { class = "UI_SectionView", mt = "zelSectionView" },
  { class = "UI_TabWell", mt = "zelTabWell" },
  { class = "OS_Window", mt = "zelOS_Window" },
}, function(case)
  T.eq(metatableName(glimmet_test.newNode(case.class)), case.mt)
end)

T.cases("each metatable has the methods of its chain", {
  { mt = "zelUINode" },
  { mt = "zelSubView" },
  { mt = "zelControlView", changed = true },
  { mt = "zelInteractiveControlView", changed = true, interactive = true },
  { mt = "zelUI_Popup", changed = true, interactive = true },
  { mt = "zelRadioGroup", changed = true },
  { mt = "zelStaticText", changed = true },
  { mt = "zelDivider", changed = true },
  { mt = "zelTabWell" },
  { mt = "zelLuaDialog" },
}, function(case)
  local mt = registry[case.mt]
  T.eq(mt.__index, mt, "its own __index")
  for _, name in ipairs({ "__gc", "Release", "BindZelOperation", "ControlWrapperIdentifier", "ChildGet",
    "UI_SetDrawCachePolicy" }) do
    T.eq(type(mt[name]), "function", name)
    T.ok(glimmet_test.runsThroughTrampoline(mt[name]), name .. " runs through the trampoline")
  end
  T.eq(mt.NotifyWhenChanged ~= nil, case.changed == true, "NotifyWhenChanged")
  T.eq(mt.NotifyWhenChangedInteractively ~= nil, case.interactive == true, "NotifyWhenChangedInteractively")
end)

T.test("the same node pushed twice gives two wrappers of one node", function()
  local parent = zelcontrols.NewSubView()
  parent:ChildPushBack(zelcontrols.NewCheckbox())
  local first, second = parent:ChildGet(1), parent:ChildGet(1)
  T.ok(not rawequal(first, second), "two userdata")
  first:UI_SetNodeID("shared")
  T.eq(second:UI_GetNodeID(), "shared")
end)

local proxyWithMarker = newproxy(true)
getmetatable(proxyWithMarker).ControlWrapperIdentifier = function() end
local proxyWithValueMarker = newproxy(true)
getmetatable(proxyWithValueMarker).ControlWrapperIdentifier = 1

T.cases("values that are not wrappers are bad user data", {
  { name = "nil", value = nil },
  { name = "number", value = 7 },
  { name = "string", value = "node" },
  { name = "table", value = {} },
  { name = "userdata without metatable", value = newproxy(false) },
  { name = "marker that is no function", value = proxyWithValueMarker },
  { name = "marked block of another size", value = proxyWithMarker },
  { name = "other userdata", value = supplier },
}, function(case)
  local node = zelcontrols.NewSubView()
  T.ok(errorOf(node.ChildPushBack, node, case.value):find("Bad user data", 1, true), "as argument")
  T.ok(errorOf(registry.zelUINode.ChildSize, case.value):find("Bad user data", 1, true), "as self")
end)

T.test("a node of another class raises the checked conversion's error", function()
  local err = errorOf(registry.zelControlView.GetEnabled, zelcontrols.NewSubView())
  T.ok(err:find("Invalid type conversion.", 1, true), err)
end)

T.test("a released wrapper gives nothing and reaches nothing", function()
  local parent = zelcontrols.NewSubView()
  local child = zelcontrols.NewCheckbox()
  parent:ChildPushBack(child)
  child:Release()
  child:Release()
  T.eq(count(child:ChildSize()), 0)
  T.eq(count(child:UI_GetNodeID()), 0)
  T.eq(count(child:UI_GetLocalRectF()), 0)
  T.eq(count(child:UI_InstallTimer(1, function() end)), 0)
  T.eq(count(child:GetEnabled()), 0)
  T.eq(child:NotifyWhenChanged(function() end), false)
  T.eq(child:BindZelOperation("uiDraw", function() end), false)
  T.eq(count(parent:ChildPushBack(child)), 0)
  T.eq(parent:ChildSize(), 1, "the node lives on in its parent")
  T.eq(metatableName(parent:ChildGet(1)), "zelCheckbox")
end)

T.test("__gc called as a method leaves a released wrapper that collects once", function()
  local node = zelcontrols.NewSubView()
  local id = glimmet_test.watch(node)
  node:__gc()
  node:__gc()
  T.eq(count(node:ChildSize()), 0)
  T.ok(not glimmet_test.alive(id), "the node went with the wrapper")
  node = nil
  collectgarbage("collect")
end)

T.test("a wrapper collected lets go of its node", function()
  local id = glimmet_test.watch(zelcontrols.NewKnob())
  collectgarbage("collect")
  collectgarbage("collect")
  T.ok(not glimmet_test.alive(id))
end)

T.test("NewDialog: parent, frame, title and flags", function()
  local main = zelcontrols.NewDialog(supplier, "Main", g.point(10, 20), g.point(300, 200), nil)
  T.eq(glimmet_test.dialogInfo(main).parent, "main")
  T.eq(glimmet_test.dialogInfo(main).frame, "10,20 300,200",
    "the points are read though a nil parent follows them")
  T.eq(glimmet_test.dialogInfo(main).title, "Main")
  T.eq(glimmet_test.dialogInfo(main).flags, 1)
  T.ok(glimmet_test.dialogInfo(main).defaultSupplier)

  local owner = zelcontrols.NewSubView()
  local child = zelcontrols.NewDialog(supplier, "Child", g.point(0, 0), g.point(1, 1), owner)
  T.eq(glimmet_test.dialogInfo(child).parent, "other")
  owner:Release()
  local orphan = zelcontrols.NewDialog(supplier, "Orphan", g.point(0, 0), g.point(1, 1), owner)
  T.eq(glimmet_test.dialogInfo(orphan).parent, "none", "a released parent is none")

  T.ok(errorOf(zelcontrols.NewDialog, supplier, "Four", g.point(0, 0), g.point(1, 1)):find("Bad user data", 1, true))
  T.ok(errorOf(zelcontrols.NewDialog, "no supplier", "T", g.point(0, 0), g.point(1, 1), nil):find("bad argument #1"))
  T.ok(errorOf(zelcontrols.NewDialog, supplier, "T", 5, g.point(1, 1), nil):find("bad argument #3"))
end)

T.test("NewScrollView takes a sub view as its content", function()
  local content = zelcontrols.NewSubView()
  content:UI_SetNodeID("content")
  -- The children: the content view when there is one, then the two scroll bars.
  local view = zelcontrols.NewScrollView(0, content)
  T.eq(view:ChildSize(), 3)
  T.eq(view:ChildGet(1):UI_GetNodeID(), "content")
  T.eq(zelcontrols.NewScrollView(0, glimmet_test.newNode("UI_Node")):ChildSize(), 2, "a bare node is no content")
  content:Release()
  T.eq(zelcontrols.NewScrollView(3, content):ChildSize(), 2, "a released content is none")
  T.ok(errorOf(zelcontrols.NewScrollView, 0, 5):find("Bad user data", 1, true))
end)

T.test("constructor arguments are checked", function()
  T.ok(errorOf(zelcontrols.NewPictureButton, {}):find("bad argument #1"))
  T.ok(errorOf(zelcontrols.NewStaticImage, nil):find("bad argument #1"))
  T.ok(errorOf(zelcontrols.NewTextEdit, "flags"):find("bad argument #1"))
end)

T.test("control views: enabled, unknown value and focus drawing", function()
  local box = zelcontrols.NewCheckbox()
  T.eq(box:GetEnabled(), true)
  box:SetEnabled(false)
  T.eq(box:GetEnabled(), false)
  T.eq(box:UI_IsEnabled(), false, "the node's own state")
  box:SetEnabled()
  T.eq(box:GetEnabled(), true, "no flag enables")
  T.eq(box:IsValueUnknown(), false)
  box:SetValueUnknown()
  T.eq(box:IsValueUnknown(), true)
  T.eq(box:GetSuppressFocusDrawing(), false)
  box:SetSuppressFocusDrawing()
  T.eq(box:GetSuppressFocusDrawing(), true, "no flag suppresses")
  box:SetSuppressFocusDrawing(false)
  T.eq(box:GetSuppressFocusDrawing(), false)
  T.ok(errorOf(box.NotifyWhenChanged, box, "not a function"):find("bad argument #2"))
end)

T.finish()
