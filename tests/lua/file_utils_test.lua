-- "VyFileUtils" in the booted host, on a scratch folder inside the test's temporary bundle.
local T = require "testlib"

local SCRATCH = SOURCE_ROOT .. "scratch/"

local function read(path)
  local file = io.open(path, "rb")
  if not file then return nil end
  local content = file:read("*a")
  file:close()
  return content
end
local function write(path, content)
  local file = assert(io.open(path, "wb"))
  file:write(content)
  file:close()
end
local function isFolder(path)
  local folder = io.open(path .. "/.")
  if folder then folder:close() end
  return folder ~= nil
end

T.test("the documents folder", function()
  glimmet_test.setDocumentsDir(SCRATCH .. "Documents")
  T.eq(VyFileUtils.getDocumentsPath(), SCRATCH .. "Documents")
end)

T.test("folders, including missing parents", function()
  T.eq(VyFileUtils.createDirectory(SCRATCH .. "a/b/c"), true, "created")
  T.ok(isFolder(SCRATCH .. "a/b/c"), "exists")
  T.eq(VyFileUtils.createDirectory(SCRATCH .. "a/b/c"), true, "already there")
  write(SCRATCH .. "plain", "x")
  T.eq(VyFileUtils.createDirectory(SCRATCH .. "plain/sub"), false, "under a file")
end)

T.test("creating a file never empties an existing one", function()
  VyFileUtils.createFile(SCRATCH .. "new")
  T.eq(read(SCRATCH .. "new"), "", "created empty")
  write(SCRATCH .. "kept", "content")
  VyFileUtils.createFile(SCRATCH .. "kept")
  T.eq(read(SCRATCH .. "kept"), "content", "left alone")
end)

T.test("createFile and replaceIllegalFileNameCharacters read the last argument", function()
  VyFileUtils.createFile("ignored", SCRATCH .. "last")
  T.eq(read(SCRATCH .. "last"), "", "the last argument's file")
  T.eq(VyFileUtils.replaceIllegalFileNameCharacters("ignored", "a/b"), "a-b")
end)

T.test("appending bytes", function()
  write(SCRATCH .. "log", "one")
  VyFileUtils.appendBytesToFile(SCRATCH .. "log", "\0two")
  VyFileUtils.appendBytesToFile(SCRATCH .. "log", "")
  T.eq(read(SCRATCH .. "log"), "one\0two", "appended")
  T.eq(select("#", VyFileUtils.appendBytesToFile(SCRATCH .. "missing", "x")), 0, "no result")
  T.eq(read(SCRATCH .. "missing"), nil, "a missing file stays missing")
  VyFileUtils.appendBytesToFile(SCRATCH .. "a", "x")
  T.ok(isFolder(SCRATCH .. "a"), "a folder is left alone")
end)

T.test("appending to a pipe nobody reads returns at once and writes nothing", function()
  T.eq(os.execute("mkfifo '" .. SCRATCH .. "pipe'"), 0, "pipe made")
  T.eq(select("#", VyFileUtils.appendBytesToFile(SCRATCH .. "pipe", "x")), 0, "no result")
  os.remove(SCRATCH .. "pipe")
end)

T.test("deleting a file", function()
  write(SCRATCH .. "doomed", "x")
  VyFileUtils.deleteFile(SCRATCH .. "doomed")
  T.eq(read(SCRATCH .. "doomed"), nil, "gone")
  T.eq(select("#", VyFileUtils.deleteFile(SCRATCH .. "doomed")), 0, "a missing file: no result")
end)

T.test("revealing files in the file browser", function()
  VyFileUtils.revealFile(SCRATCH .. "kept")
  VyFileUtils.revealAndSelectFile(SCRATCH .. "new")
  local shown = glimmet_test.revealedFiles()
  T.eq(#shown, 2, "shown")
  T.eq(shown[1].path, SCRATCH .. "kept")
  T.eq(shown[1].selected, false)
  T.eq(shown[2].path, SCRATCH .. "new")
  T.eq(shown[2].selected, true)
end)

T.cases("illegal file name characters", {
  { name = "separators and reserved characters", text = [[a/b\c:d*e?f"g<h>i|j]], expected = "a-b-c-d-e-f-g-h-i-j" },
  { name = "control characters", text = "tab\there\nnl", expected = "tab-here-nl" },
  { name = "non-ASCII kept", text = "Résumé №1.txt", expected = "Résumé №1.txt" },
  { name = "empty", text = "", expected = "" },
}, function(case)
  T.eq(VyFileUtils.replaceIllegalFileNameCharacters(case.text), case.expected)
end)

T.finish()
