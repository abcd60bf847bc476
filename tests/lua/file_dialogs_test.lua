-- File dialogs from Lua: where each dialog starts and what it remembers in the settings' group
-- "RecentDirs", what a run shows, what comes back, and argument errors that show no dialog.
local T = require "testlib"
local G = glimmet_test

local function count(...) return select("#", ...) end

local Dialogs = require "zellua.zelOSFileDialogToolkit"
local DOCS = "/home/tester/Documents"
G.setUserDirs { documents = DOCS }

local settings = App.GetApp():GetAppSettings()

-- Sets the remembered folders (key -> folder; nil: no group at all) and forgets earlier runs.
local function remember(folders)
  settings:RemoveValue("RecentDirs")
  if folders then
    local group = settings:NewSubList("RecentDirs")
    for key, folder in pairs(folders) do group:SetStringValue(key, folder) end
  end
  G.resetFileDialogs()
end

-- The remembered folders as "key=folder" lines in name order; "" without the group.
local function remembered()
  local group = settings:GetSubList("RecentDirs")
  if not group then return "" end
  local names = group:GetPropertyNames()
  table.sort(names)
  local lines = {}
  for _, name in ipairs(names) do lines[#lines + 1] = name .. "=" .. group:GetStringValue(name) end
  return table.concat(lines, " ")
end

local function options(fields)
  local o = { filters = {}, documentPath = "", customDocPathKey = "", windowTitle = "", documentName = "" }
  for k, v in pairs(fields or {}) do o[k] = v end
  return o
end

local RUN = { open = Dialogs.doOpenFileDialog, saveAs = Dialogs.doSaveAsFileDialog, folder = Dialogs.doChooseFolderDialog }

T.test("the library", function()
  T.eq(Dialogs, _G.zelOSFileDialogToolkit, "require gives the global table")
  local names = {}
  for name, value in pairs(Dialogs) do
    names[#names + 1] = name
    T.ok(G.runsThroughTrampoline(value), name .. " runs through the trampoline")
  end
  table.sort(names)
  T.eq(table.concat(names, ","), "GetDefaultPath,doChooseFolderDialog,doOpenFileDialog,doSaveAsFileDialog")
end)

-- Where a dialog starts and what is remembered afterwards, for a choice of "/picked/file.txt"
-- (a folder dialog is given "/picked").
T.cases("remembered folders", {
  { name = "open, nothing remembered", kind = "open", before = nil,
    start = DOCS, after = "OpenDocPath=/picked" },
  { name = "open, the default key remembered", kind = "open", before = { OpenDocPath = "/prev" },
    start = "/prev", after = "OpenDocPath=/picked" },
  { name = "open, a start folder given", kind = "open", documentPath = "/given", before = { OpenDocPath = "/prev" },
    start = "/given", after = "OpenDocPath=/picked" },
  { name = "open under a key of its own", kind = "open", key = "images", before = { images = "/img", OpenDocPath = "/prev" },
    start = "/img", after = "OpenDocPath=/prev images=/picked" },
  { name = "open under a key with nothing remembered", kind = "open", key = "images", before = { OpenDocPath = "/prev" },
    start = DOCS, after = "OpenDocPath=/prev images=/picked" },
  { name = "save-as remembers under the default key", kind = "saveAs", key = "images", before = { images = "/img" },
    start = "/img", after = "OpenDocPath=/picked images=/img" },
  { name = "folders remember nothing", kind = "folder", before = { OpenDocPath = "/prev" },
    start = "/prev", after = "OpenDocPath=/prev" },
  { name = "cancelled", kind = "open", cancel = true, before = { OpenDocPath = "/prev" },
    start = "/prev", after = "OpenDocPath=/prev" },
}, function(case)
  remember(case.before)
  if not case.cancel then
    G.queueFileDialog(1, { case.kind == "folder" and "/picked" or "/picked/file.txt" })
  end
  local ok = RUN[case.kind](options { documentPath = case.documentPath, customDocPathKey = case.key })
  T.eq(ok, not case.cancel, "result")
  local runs = G.fileDialogRuns()
  T.eq(#runs, 1, "runs")
  T.eq(runs[1].kind, case.kind)
  T.eq(runs[1].startFolder, case.start, "start folder")
  T.eq(remembered(), case.after, "remembered afterwards")
end)

T.test("the default path", function()
  remember(nil)
  T.eq(Dialogs.GetDefaultPath(), DOCS, "nothing remembered")
  settings:SetStringValue("RecentDirs", "not a group")
  T.eq(Dialogs.GetDefaultPath(), DOCS, "a group that is no list")
  G.queueFileDialog(1, { "/tmp/Bär/Übung.txt" })
  local ok, files = Dialogs.doOpenFileDialog(options())
  T.eq(ok, true)
  T.eq(files[1], "/tmp/Bär/Übung.txt", "UTF-8 paths come back as they were chosen")
  T.eq(Dialogs.GetDefaultPath(), "/tmp/Bär", "the folder just remembered")
  T.eq(settings:GetSubList("RecentDirs"):GetStringValue("OpenDocPath"), "/tmp/Bär", "scripts read it in the settings")
end)

T.test("several files, in the order chosen", function()
  remember(nil)
  local three = { "/a/one.txt", "/b/two.txt", "/c/three.txt" }
  G.queueFileDialog(1, three)
  local ok, files = Dialogs.doOpenFileDialog(options { allowMultipleFiles = true, customDocPathKey = "k" })
  T.eq(ok, true)
  T.eq(#files, 3)
  T.eq(table.concat(files, ","), table.concat(three, ","))
  T.eq(remembered(), "k=/c", "the last file's folder")
  G.queueFileDialog(1, three)
  local _, one = Dialogs.doOpenFileDialog(options())
  T.eq(#one, 1, "a dialog for one file gives one")
end)

T.cases("cancelling gives false alone", {
  { name = "open, nothing queued", kind = "open" },
  { name = "save-as, cancelled", kind = "saveAs", result = 0, paths = { "/x/y.txt" } },
  { name = "folder, cancelled", kind = "folder", result = 0 },
  { name = "open, chosen nothing", kind = "open", result = 1, paths = {} },
}, function(case)
  remember { OpenDocPath = "/prev" }
  if case.result then G.queueFileDialog(case.result, case.paths) end
  local function results(...) return count(...), ... end
  local n, value = results(RUN[case.kind](options()))
  T.eq(n, 1, "results")
  T.eq(value, false)
  T.eq(remembered(), "OpenDocPath=/prev", "nothing remembered")
end)

T.test("what each dialog shows", function()
  remember(nil)
  local filters = { { description = "Text", extension = "txt" }, { description = "Numbered", extension = 42 } }
  Dialogs.doOpenFileDialog(options { filters = filters, windowTitle = "Öffnen", allowMultipleFiles = true, addToRecent = true })
  Dialogs.doOpenFileDialog(options())
  Dialogs.doSaveAsFileDialog(options { filters = filters, documentName = "notes.txt", windowTitle = "Save" })
  Dialogs.doChooseFolderDialog(options { filters = filters })
  local runs = G.fileDialogRuns()
  T.eq(#runs, 4)
  T.eq(runs[1].title, "Öffnen")
  T.eq(#runs[1].filters, 2)
  T.eq(runs[1].filters[1].description .. "/" .. runs[1].filters[1].extension, "Text/txt")
  T.eq(runs[1].filters[2].extension, "42", "a number reads as its text")
  T.eq(runs[1].defaultFilter, 0)
  T.eq(#runs[2].filters, 0, "an empty filter list shows no filters")
  T.eq(runs[3].proposedName, "notes.txt")
  T.eq(#runs[4].filters, 0, "a folder dialog has no filters")
  local flags = {}
  for i, run in ipairs(runs) do
    flags[i] = run.flags
    T.ok(run.overMainWindow, "shown over the main window")
  end
  T.eq(table.concat(flags, ","), "5,36,2,0", "open several with recents, open one, save-as, folder")
end)

T.test("the options are the topmost argument", function()
  remember(nil)
  G.queueFileDialog(1, { "/top/file.txt" })
  local ok = Dialogs.doOpenFileDialog("ignored", 12, options { documentPath = "/top" })
  T.eq(ok, true)
  T.eq(G.fileDialogRuns()[1].startFolder, "/top")
end)

-- Called by field, so that the errors name the function.
local CALL = {
  doOpenFileDialog = function(...) return Dialogs.doOpenFileDialog(...) end,
  doSaveAsFileDialog = function(...) return Dialogs.doSaveAsFileDialog(...) end,
}

T.cases("argument errors show no dialog", {
  { name = "no options", args = {}, err = "bad argument #1 to 'doOpenFileDialog' (table expected, got no value)" },
  { name = "options not a table", args = { "x" }, err = "bad argument #1 to 'doOpenFileDialog' (table expected, got string)" },
  { name = "options below another argument", args = { options(), 1 }, err = "bad argument #2" },
  { name = "no filters", args = { { documentPath = "", customDocPathKey = "", windowTitle = "" } },
    err = "field 'filters': table expected, got nil" },
  { name = "filter not a table", args = { options { filters = { "txt" } } },
    err = "field 'filters[1]': table expected, got string" },
  { name = "filter without extension", args = { options { filters = { { description = "d" } } } },
    err = "field 'filters[1].extension': string expected, got nil" },
  { name = "second filter's description", args = { options { filters = { { description = "d", extension = "e" }, { description = {} } } } },
    err = "field 'filters[2].description': string expected, got table" },
  { name = "documentPath", args = { options { documentPath = false } }, err = "field 'documentPath': string expected, got boolean" },
  { name = "customDocPathKey", args = { { filters = {}, documentPath = "" } }, err = "field 'customDocPathKey': string expected, got nil" },
  { name = "windowTitle", args = { { filters = {}, documentPath = "", customDocPathKey = "" } },
    err = "field 'windowTitle': string expected, got nil" },
  { name = "documentName for save-as", fn = "doSaveAsFileDialog",
    args = { { filters = {}, documentPath = "", customDocPathKey = "", windowTitle = "" } },
    err = "bad argument #1 to 'doSaveAsFileDialog' (field 'documentName': string expected, got nil)" },
}, function(case)
  remember(nil)
  G.queueFileDialog(1, { "/never/shown.txt" })
  local ok, err = pcall(CALL[case.fn or "doOpenFileDialog"], unpack(case.args))
  T.eq(ok, false, "raises")
  T.ok(tostring(err):find(case.err, 1, true), tostring(err))
  T.eq(#G.fileDialogRuns(), 0, "no dialog shown")
  T.eq(remembered(), "", "nothing remembered")
end)

T.test("only save-as needs a document name", function()
  remember(nil)
  local o = options()
  o.documentName = nil
  T.eq(Dialogs.doOpenFileDialog(o), false)
  T.eq(Dialogs.doChooseFolderDialog(o), false)
  T.eq(#G.fileDialogRuns(), 2)
end)

T.finish()
