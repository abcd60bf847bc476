-- "FileUtils" in the booted host, over a scratch tree inside the test's temporary bundle.
local T = require "testlib"

local FileUtils = require "zellua.filesupport.FileUtils"
local BASE = SOURCE_ROOT .. "fs"

local function write(path, content)
  local file = assert(io.open(path, "wb"))
  file:write(content or "")
  file:close()
end
local function read(path)
  local file = io.open(path, "rb")
  if not file then return nil end
  local content = file:read("*a")
  file:close()
  return content
end
local function count(...) return select("#", ...) end

-- a.png b.jpg c.PNG d.gif e .hidden.png sub/f.png sub/.inner/g.png .hid/h.png
local function makeTree(base)
  T.eq(FileUtils.EnsureDirectory(base .. "/sub/.inner"), true, "tree folders")
  T.eq(FileUtils.EnsureDirectory(base .. "/.hid"), true, "hidden folder")
  for _, name in ipairs { "a.png", "b.jpg", "c.PNG", "d.gif", "e", ".hidden.png", "sub/f.png", "sub/.inner/g.png", ".hid/h.png" } do
    write(base .. "/" .. name)
  end
end

T.test("the module and its global", function()
  T.eq(FileUtils, _G.FileUtils)
  local mt = debug.getregistry()["zellua.filesupport.FileUtils"]
  T.eq(mt.__index, mt, "own __index")
end)

T.test("DirIsLocked: a writable folder, with and without the separator, leaves nothing", function()
  local dir = BASE .. "/locked"
  FileUtils.EnsureDirectory(dir)
  T.eq(FileUtils.DirIsLocked(dir), false)
  T.eq(FileUtils.DirIsLocked(dir .. "/"), false)
  T.eq(#FileUtils.GetChildren(dir), 0, "no file left behind")
  T.eq(FileUtils.DirIsLocked(dir .. "/missing"), true, "a missing folder reads locked")
  local before = #FileUtils.GetFilesInDirectory("/")
  T.eq(FileUtils.DirIsLocked(""), true, "an empty path")
  T.eq(#FileUtils.GetFilesInDirectory("/"), before, "nothing made in /")
end)

T.test("existence and read-only tests", function()
  FileUtils.EnsureDirectory(BASE)
  write(BASE .. "/x.txt", "x")
  T.eq(FileUtils.FileExists(BASE .. "/x.txt"), true)
  T.eq(FileUtils.FileExists(BASE .. "/x.txt\0ignored"), true, "the path ends at its first NUL")
  T.eq(FileUtils.FileExists(BASE .. "/none"), false)
  T.eq(FileUtils.DirExists(BASE), true)
  T.eq(FileUtils.DirExists(BASE .. "/x.txt"), false, "a file is no folder")
  T.eq(FileUtils.FileIsReadOnly(BASE .. "/none"), false, "a missing file is not read-only")
  T.eq(FileUtils.FileIsReadOnly(BASE .. "/x.txt"), false)
end)

T.test("modification times in microseconds since 1970, as text", function()
  FileUtils.EnsureDirectory(BASE .. "/timed")
  write(BASE .. "/timed/t")
  T.eq(glimmet_test.setFileTime(BASE .. "/timed/t", 1), true)
  T.eq(FileUtils.FileModifiedTime(BASE .. "/timed/t"), "1000000")
  T.eq(glimmet_test.setFileTime(BASE .. "/timed", 86400), true)
  T.eq(FileUtils.DirModifiedTime(BASE .. "/timed"), "86400000000")
  T.eq(FileUtils.FileModifiedTime(BASE .. "/timed/none"), "9223372036854775806", "not a date")
  T.eq(FileUtils.DirModifiedTime(BASE .. "/none"), "9223372036854775806", "not a date")
end)

T.test("EnsureDirectory", function()
  T.eq(FileUtils.EnsureDirectory(BASE), true, "existing")
  T.eq(FileUtils.EnsureDirectory(BASE .. "/new/deeper"), true, "new, parents included")
  T.eq(FileUtils.DirExists(BASE .. "/new/deeper"), true)
  write(BASE .. "/plain", "")
  T.eq(FileUtils.EnsureDirectory(BASE .. "/plain/sub"), false, "below a file")
  T.eq(FileUtils.EnsureDirectory(BASE .. "/plain"), false, "where a file is")
end)

T.test("listings: folders and files of one folder, in name order, without hidden entries", function()
  local base = BASE .. "/listing"
  makeTree(base)
  T.eq(table.concat(FileUtils.GetDirectoriesInDirectory(base), ","), base .. "/sub")
  T.eq(table.concat(FileUtils.GetFilesInDirectory(base), ","),
    table.concat({ base .. "/a.png", base .. "/b.jpg", base .. "/c.PNG", base .. "/d.gif", base .. "/e" }, ","))
  T.eq(next(FileUtils.GetFilesInDirectory(base .. "/none")), nil, "a missing folder gives an empty table")
  T.eq(next(FileUtils.GetDirectoriesInDirectory(base .. "/none")), nil)
end)

T.test("recursive listings and the extension filter", function()
  local base = BASE .. "/recursive"
  makeTree(base)
  local function names(list)
    local out = {}
    for i, path in ipairs(list) do out[i] = path:sub(#base + 2) end
    return table.concat(out, ",")
  end
  T.eq(names(FileUtils.GetChildren(base)), "a.png,b.jpg,c.PNG,d.gif,e,sub/f.png")
  T.eq(names(FileUtils.GetChildrenOfType(base, "png;jpg")), "a.png,b.jpg,sub/f.png")
  T.eq(names(FileUtils.GetChildrenOfType(base, "png;")), "a.png,e,sub/f.png", "an empty entry takes files without one")
  T.eq(names(FileUtils.GetChildrenOfType(base, "PNG")), "c.PNG", "letter case counts")
  T.eq(names(FileUtils.GetChildrenOfType(base, "")), "e")
end)

T.cases("argument counts and the last-argument rule", {
  { name = "GetChildren with two arguments", f = function() return FileUtils.GetChildren(BASE, 1) end, n = 0 },
  { name = "GetChildren with none", f = function() return FileUtils.GetChildren() end, n = 0 },
  { name = "GetChildren of a missing folder", f = function() return FileUtils.GetChildren(BASE .. "/none") end, n = 0 },
  { name = "GetChildrenOfType with one", f = function() return FileUtils.GetChildrenOfType(BASE) end, n = 0 },
  { name = "GetChildrenOfType with three", f = function() return FileUtils.GetChildrenOfType(BASE, "png", 1) end, n = 0 },
  { name = "GetChildrenOfType of a missing folder", f = function() return FileUtils.GetChildrenOfType(BASE .. "/none", "png") end, n = 0 },
  { name = "the path is the last argument", f = function() return FileUtils.EnsureDirectory(1, {}, BASE .. "/last") end, n = 1, value = true },
  { name = "no arguments", f = function() return FileUtils.EnsureDirectory() end, err = "bad argument #1 to 'EnsureDirectory' (string expected, got no value)" },
  { name = "a last argument that is no string", f = function() return FileUtils.DeleteFile(BASE, {}) end, err = "bad argument #2 to 'DeleteFile' (string expected, got table)" },
  { name = "GetChildren of a table", f = function() return FileUtils.GetChildren({}) end, err = "bad argument #1 to 'GetChildren' (string expected, got table)" },
  { name = "FileExists without a path", f = function() return FileUtils.FileExists() end, err = "bad argument #1 to 'FileExists' (string expected, got no value)" },
  { name = "DirIsLocked of a number", f = function() return FileUtils.DirIsLocked(5) end, n = 1, value = true },
}, function(case)
  local results = { pcall(case.f) }
  if case.err then
    T.eq(results[1], false, "raised")
    T.ok(results[2]:find(case.err, 1, true), results[2])
    return
  end
  T.eq(results[1], true, tostring(results[2]))
  T.eq(#results - 1, case.n, "results")
  if case.value ~= nil then T.eq(results[2], case.value) end
end)

T.test("deleting files and folders", function()
  local base = BASE .. "/deleting"
  FileUtils.EnsureDirectory(base .. "/full")
  write(base .. "/full/f")
  T.eq(count(FileUtils.DeleteFile(base .. "/none")), 0, "a missing file: nothing, no error")
  T.eq(count(FileUtils.DeleteDir(base .. "/none")), 0, "a missing folder: nothing, no error")
  local ok, err = pcall(FileUtils.DeleteDir, base .. "/full")
  T.eq(ok, false, "a folder that still holds a file raises")
  T.ok(err:find("Cannot delete the folder", 1, true), err)
  T.eq(FileUtils.DirExists(base .. "/full"), true, "and stays")
  T.eq(count(FileUtils.DeleteFile(base .. "/full/f")), 0)
  T.eq(FileUtils.FileExists(base .. "/full/f"), false, "file deleted")
  FileUtils.DeleteDir(base .. "/full")
  T.eq(FileUtils.DirExists(base .. "/full"), false, "empty folder deleted")
end)

T.test("SimpleAppendStringToFile appends the text up to its first NUL byte", function()
  local path = BASE .. "/appended.txt"
  FileUtils.SimpleAppendStringToFile(path, "ab\0cd")
  FileUtils.SimpleAppendStringToFile(path, "\195\169f")
  T.eq(read(path), "ab\195\169f")
  T.eq(count(FileUtils.SimpleAppendStringToFile(BASE .. "/none/x.txt", "x")), 0, "no folder: nothing, no error")
  T.eq(FileUtils.FileExists(BASE .. "/none/x.txt"), false)
end)

T.test("standard folders", function()
  glimmet_test.setUserDirs { home = BASE .. "/home", desktop = BASE .. "/desk", documents = BASE .. "/docs" }
  T.eq(FileUtils.GetUserHomeDir(), BASE .. "/home")
  T.eq(FileUtils.GetUserDesktopDir(), BASE .. "/desk")
  T.eq(FileUtils.GetUserDocumentsDir(), BASE .. "/docs")
  local temp = FileUtils.GetTempDir()
  T.ok(#temp > 0 and FileUtils.DirExists(temp), temp)
end)

T.test("RevealAndSelectFile takes a path and gives nothing", function()
  T.eq(count(FileUtils.RevealAndSelectFile(BASE .. "/appended.txt")), 0)
end)

T.finish()
