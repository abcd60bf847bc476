-- Clipboard and drag-and-drop data in the booted host: the clipboard round trip, data lent for one
-- call, releases, drags answered from a queue, and the data-transfer settings.
local T = require "testlib"

local function count(...) return select("#", ...) end
local collect = T.collect
local function live() return glimmet_test.liveCounts() end

T.test("data lent before any script required the module has its methods", function()
  T.eq(debug.getregistry()["zellua.datatransfer.OSReceiveData"], nil, "not opened yet")
  local ran, err, kept = glimmet_test.lendReceiveData({ text = "early" }, function(data)
    T.eq(data:GetAsText(), "early")
  end)
  T.eq(ran, true, err)
  T.eq(kept, true, "still the lender's")
end)

local OSReceiveData = require "zellua.datatransfer.OSReceiveData"
local OSSendData = require "zellua.datatransfer.OSSendData"
local OSDataTransfer = require "zellua.datatransfer.OSDataTransfer"

T.test("modules, globals and constants", function()
  T.eq(OSReceiveData, _G.OSReceiveData)
  T.eq(OSSendData, _G.OSSendData)
  T.eq(OSDataTransfer, _G.OSDataTransfer)
  T.eq(OSSendData.DropEffectNone, 0)
  T.eq(OSSendData.DropEffectCopy, 1)
  T.eq(OSSendData.DropEffectMove, 4)
  T.eq(OSSendData.DropEffectLink, 8)
  T.eq(type(OSSendData.DropFilesType), "string")
  T.eq(type(OSSendData.DropUnicodeTextType), "string")
  T.ok(OSSendData.DropFilesType ~= OSSendData.DropUnicodeTextType, "two types")
  local registry = debug.getregistry()
  T.ok(registry["zellua.datatransfer.OSDataTransfer"], "settings metatable")
end)

T.test("clipboard round trip: text and a custom type, each up to its first NUL byte", function()
  glimmet_test.resetDataTransfer()
  local send = OSSendData.NewClipboardSendData()
  T.ok(tostring(send):match("^OSSendData%(0x%x+%)$"), tostring(send))
  send:PutText("h\195\169llo\0 cut")
  send:PutAsString("my.type\0ignored", "value")
  T.eq(count(send:PutOnClipboard()), 0)
  local clip = glimmet_test.clipboard()
  T.eq(clip.text, "h\195\169llo")
  T.eq(clip.strings["my.type"], "value")

  local received = OSReceiveData.NewClipboardReceiveData()
  T.ok(tostring(received):match("^OSReceiveData%(0x%x+%)$"), tostring(received))
  T.eq(received:GetAsText(), "h\195\169llo")
  T.eq(received:DataAvailable("my.type"), true)
  T.eq(received:GetAsString("my.type"), "value")
  T.eq(received:DataAvailable(OSSendData.DropUnicodeTextType), true)
  T.eq(received:DataAvailable("other"), false)
  T.eq(received:GetAsString("other"), "")
  T.eq(received:DataAvailable(OSSendData.DropFilesType), false)

  -- Put on the clipboard again, it replaces what was there; received data reads the clipboard now.
  local again = OSSendData.NewClipboardSendData()
  again:PutText("second")
  again:PutOnClipboard()
  T.eq(received:GetAsText(), "second")
  T.eq(received:DataAvailable("my.type"), false, "replaced, not merged")
end)

T.test("files and folders offered", function()
  glimmet_test.setClipboard { files = { "/a/one.txt", "/b/two" }, folders = { "/c/dir" } }
  local received = OSReceiveData.NewClipboardReceiveData()
  T.eq(received:DataAvailable(OSSendData.DropFilesType), true)
  local files, folders = received:GetAsFiles()
  T.eq(table.concat(files, ","), "/a/one.txt,/b/two")
  T.eq(table.concat(folders, ","), "/c/dir")
  glimmet_test.setClipboard {}
  files, folders = received:GetAsFiles()
  T.eq(type(files), "table")
  T.eq(type(folders), "table")
  T.eq(next(files), nil, "no files")
  T.eq(next(folders), nil, "no folders")
end)

T.test("collection deletes owned received data", function()
  collect()
  local before = live().receiveData
  local data = OSReceiveData.NewClipboardReceiveData()
  T.eq(live().receiveData, before + 1)
  data = nil
  collect()
  T.eq(live().receiveData, before, "deleted by __gc")
end)

T.test("lent data: the callback reads it; kept afterwards it gives nothing and deletes nothing", function()
  collect()
  local before = live().receiveData
  local kept
  local ran, err, lenderKept = glimmet_test.lendReceiveData({ text = "lent", strings = { t = "v" }, files = { "/f" } },
    function(data)
      kept = data
      T.eq(data:GetAsText(), "lent")
      T.eq(data:GetAsString("t"), "v")
      T.eq(data:DataAvailable("t"), true)
      T.eq((data:GetAsFiles())[1], "/f")
    end)
  T.eq(ran, true, err)
  T.eq(lenderKept, true, "the collection inside the loan deleted nothing")
  T.eq(live().receiveData, before, "the lender deleted its data")
  T.eq(count(kept:GetAsText()), 0, "GetAsText")
  T.eq(count(kept:GetAsString("t")), 0, "GetAsString")
  T.eq(count(kept:DataAvailable("t")), 0, "DataAvailable")
  T.eq(count(kept:GetAsFiles()), 0, "GetAsFiles")
  T.eq(tostring(kept), "OSReceiveData((nil))")
  kept = nil
  collect()
  T.eq(live().receiveData, before, "__gc deleted nothing")
end)

T.test("lent data is taken back when the callback raises, and when it drops the proxy", function()
  local ran, err, kept = glimmet_test.lendReceiveData({ text = "x" }, function() error("callback failed") end)
  T.eq(ran, false)
  T.ok(err:find("callback failed", 1, true), err)
  T.eq(kept, true, "the lender still has its data")
  ran, err, kept = glimmet_test.lendReceiveData({ text = "x" }, function(data) data = nil; collectgarbage("collect") end)
  T.eq(ran, true, err)
  T.eq(kept, true, "a collection during the call leaves the data")
end)

T.test("send data: Release twice deletes once; a released one gives nothing", function()
  collect()
  local before = live().sendData
  local send = OSSendData.NewSendData()
  T.eq(live().sendData, before + 1)
  T.eq(count(send:Release()), 0)
  T.eq(live().sendData, before, "deleted")
  send:Release()
  T.eq(live().sendData, before, "not deleted twice")
  T.eq(tostring(send), "OSSendData((nil))")
  T.eq(count(send:PutText("x")), 0)
  T.eq(count(send:DoDragAndDrop(1)), 0, "no drag")
  send = nil
  collect()
  T.eq(live().sendData, before, "collection after Release deletes nothing")
end)

T.test("drags end with the queued drop effect, when allowed; an empty queue cancels", function()
  glimmet_test.resetDataTransfer()
  local Copy, Move, Link = OSSendData.DropEffectCopy, OSSendData.DropEffectMove, OSSendData.DropEffectLink
  local drag = OSSendData.NewSendData()
  drag:PutText("dragged")
  drag:PutAsString("my.type", "v")
  glimmet_test.queueDropEffect(Move)
  glimmet_test.queueDropEffect(Link)
  T.eq(drag:DoDragAndDrop(Copy + Move), Move, "the queued effect")
  T.eq(drag:DoDragAndDrop(Copy + Move), OSSendData.DropEffectNone, "a refused effect")
  T.eq(drag:DoDragAndDrop(Copy), OSSendData.DropEffectNone, "nothing queued: cancelled")
  local drags = glimmet_test.drags()
  T.eq(#drags, 3)
  T.eq(drags[1].allowed, Copy + Move)
  T.eq(drags[1].result, Move)
  T.eq(drags[1].data.text, "dragged")
  T.eq(drags[1].data.strings["my.type"], "v")
  T.eq(drags[3].allowed, Copy)
  T.eq(glimmet_test.clipboard().text, nil, "a drag leaves the clipboard alone")
end)

T.test("settings: custom types and the default cursors", function()
  glimmet_test.resetDataTransfer()
  T.eq(count(OSDataTransfer.RegisterCustomDataType("com.example.row\0cut")), 0)
  T.eq(table.concat(glimmet_test.customDataTypes(), ","), "com.example.row")
  OSDataTransfer.SetDefaultCursorSupport(0)
  T.eq(glimmet_test.defaultCursorSupport(), true, "0 is true in Lua")
  OSDataTransfer.SetDefaultCursorSupport()
  T.eq(glimmet_test.defaultCursorSupport(), false)
end)

T.cases("argument errors", {
  { f = function() OSReceiveData.NewClipboardReceiveData():DataAvailable() end, err = "bad argument #1 to 'DataAvailable' (string expected, got no value)" },
  { f = function() OSReceiveData.NewClipboardReceiveData().GetAsText(OSSendData.NewSendData()) end, err = "zellua.datatransfer.OSReceiveData expected" },
  { f = function() OSSendData.NewSendData():DoDragAndDrop("x") end, err = "bad argument #1 to 'DoDragAndDrop' (number expected, got string)" },
  { f = function() OSSendData.NewSendData():PutAsString("t") end, err = "bad argument #2 to 'PutAsString' (string expected, got no value)" },
  { f = function() OSDataTransfer.RegisterCustomDataType({}) end, err = "string expected, got table" },
}, function(case)
  local ok, err = pcall(case.f)
  T.eq(ok, false, "raised")
  T.ok(err:find(case.err, 1, true), err)
end)

T.finish()
