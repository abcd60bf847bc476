-- Views from XML resources through zelcontrols.LoadControlsFromXml: the language-specific name, the
-- debug folder's files, the node factory's classes and installed factories, and views that give
-- no root.
local T = require "testlib"

local zc = require "zellua.zelcontrols"
local registry = debug.getregistry()
local gt = glimmet_test

local SCRATCH = SOURCE_ROOT .. "scratch/"

local function view(text)
  return '<UI_SubView id="root" rect="0 0 200 100"><UI_StaticText id="label" text="' .. text .. '"/></UI_SubView>'
end

local function labelOf(root)
  T.ok(root ~= nil, "a root")
  return root:ChildGet(1):GetStringValue()
end

local function writeFile(path, bytes)
  local file = assert(io.open(path, "wb"))
  file:write(bytes)
  file:close()
end

local function reset()
  gt.clearAppResources()
  gt.setApplicationLanguage("en_US")
end

T.cases("the view's name resolves through the application language", {
  { lang = "de_DE", resources = { ["Panel-de_DE"] = "German", Panel = "plain" }, expect = "German" },
  { lang = "de_DE", resources = { Panel = "plain" }, expect = "plain" },
  { lang = "fr_FR", resources = { ["Panel-de_DE"] = "German", Panel = "plain" }, expect = "plain" },
  { lang = "de_DE", resources = { ["Panel-de_DE"] = "German" }, expect = "German" },
}, function(case)
  reset()
  gt.setApplicationLanguage(case.lang)
  for name, text in pairs(case.resources) do gt.setAppResource(name, "xml", view(text)) end
  local root = zc.LoadControlsFromXml("Panel")
  T.eq(registry.zelSubView == getmetatable(root), true, "the root's wrapper is a sub view's")
  T.eq(root:UI_GetNodeID(), "root")
  T.eq(labelOf(root), case.expect)
end)

local function count(...) return select("#", ...) end

local function metatableOf(value)
  for _, name in ipairs({ "zelSubView", "zelStaticText", "zelUI_PictureButton", "zelUI_StaticImage",
    "zelOverlaySubView", "Zel.MultiColumnTree" }) do
    if registry[name] ~= nil and registry[name] == getmetatable(value) then return name end
  end
  return "(other)"
end

T.test("the factory makes the library's classes, then asks the installed factories in order", function()
  reset()
  gt.installNodeFactory("FirstKind")
  gt.installNodeFactory("SecondKind")
  gt.setAppResource("Kinds", "xml", '<UI_SubView>' ..
    '<LuaMultiColumnTree id="tree"/><LuaPictureButton id="picture"/><LuaStaticImage id="image"/>' ..
    '<LuaOverlaySubView id="overlay"/><FirstKind id="first"/><SecondKind id="second"/>' ..
    '<NobodyKnows id="skipped"><UI_StaticText id="lost"/></NobodyKnows></UI_SubView>')
  local root = zc.LoadControlsFromXml("Kinds")
  local got = {}
  for i = 1, root:ChildSize() do
    local child = root:ChildGet(i)
    got[#got + 1] = child:UI_GetNodeID() .. "=" .. metatableOf(child)
  end
  T.eq(table.concat(got, " "), "tree=Zel.MultiColumnTree" ..
    " picture=zelUI_PictureButton image=zelUI_StaticImage overlay=zelOverlaySubView" ..
    " first=zelStaticText second=zelStaticText")
  T.eq(root:ChildGet(5):GetStringValue(), "<FirstKind>")
  T.eq(root:ChildGet(6):GetStringValue(), "<SecondKind>")
end)

T.cases("a view without a root returns nothing", {
  { what = "no such resource", name = "Missing" },
  { what = "bytes that are no XML", name = "Garbage", bytes = "not < xml" },
  { what = "an outermost class nobody knows", name = "Unknown", bytes = "<NobodyKnows><UI_SubView/></NobodyKnows>" },
  { what = "an empty resource", name = "Empty", bytes = "" },
}, function(case)
  reset()
  if case.bytes then gt.setAppResource(case.name, "xml", case.bytes) end
  T.eq(count(zc.LoadControlsFromXml(case.name)), 0, case.what)
end)

T.test("the name must be a string", function()
  local ok, err = pcall(zc.LoadControlsFromXml, {})
  T.ok(not ok)
  T.ok(tostring(err):find("string expected", 1, true) ~= nil, tostring(err))
  T.eq(select(2, pcall(zc.LoadControlsFromXml)):find("bad argument #1", 1, true) ~= nil, true)
end)

-- The debug folder stays registered for the rest of the process: this test comes last.
T.test("the debug folder's file <resolved name>.xml overrides the resource", function()
  reset()
  os.execute("rm -rf '" .. SCRATCH .. "debug'; mkdir -p '" .. SCRATCH .. "debug/xml/Broken.xml'")
  T.eq(gt.debugXmlFolder("app_resources"), nil, "no folder yet")
  gt.setDebugXmlFolder("app_resources", SCRATCH .. "nowhere")
  gt.setAppResource("Other", "xml", view("resource"))
  T.eq(labelOf(zc.LoadControlsFromXml("Other")), "resource", "a folder without an xml sub-folder is passed over")
  gt.setDebugXmlFolder("app_resources", SCRATCH .. "debug")
  T.eq(gt.debugXmlFolder("app_resources"), SCRATCH .. "debug", "the later folder replaces the earlier")
  gt.setApplicationLanguage("de_DE")
  gt.setAppResource("Panel-de_DE", "xml", view("German"))
  gt.setAppResource("Other", "xml", view("resource"))
  gt.setAppResource("Broken", "xml", view("resource"))
  writeFile(SCRATCH .. "debug/xml/Panel-de_DE.xml", view("debug German"))
  writeFile(SCRATCH .. "debug/xml/Panel.xml", view("debug plain"))
  writeFile(SCRATCH .. "debug/xml/Only.xml", view("debug only"))
  T.eq(labelOf(zc.LoadControlsFromXml("Panel")), "debug German", "the resolved name's file")
  T.eq(labelOf(zc.LoadControlsFromXml("Other")), "resource", "no file: the resource")
  T.eq(labelOf(zc.LoadControlsFromXml("Only")), "debug only", "a file without a resource")
  T.eq(count(zc.LoadControlsFromXml("Broken")), 0, "an unreadable file gives no bytes")
end)

T.finish()
