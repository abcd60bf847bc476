-- The binding library's data modules: strings, a temporary folder, the clipboard, the monitors
-- and a theme colour.

-- Rectangles and colours come back through the scripts' constructors; plain tables do here.
zellua_CreateNewRectF32 = zellua_CreateNewRectF32 or function(left, top, width, height)
  return { left = left, top = top, width = width, height = height }
end
zellua_CreateNewRGBA = zellua_CreateNewRGBA or function(red, green, blue, alpha)
  return { red = red, green = green, blue = blue, alpha = alpha }
end

local text = zelString.Trim("   Glimmet reads bytes   ")
local first, after = zelString.MatchB(text, "b\\w+")
print("  zelString: trimmed '" .. text .. "', matched '" .. text:sub(first, after - 1) .. "' at " .. first
  .. ", replaced: " .. zelString.ReplaceB(text, "(\\w+)$", "[$1]"))

local FileUtils = require "zellua.filesupport.FileUtils"
local folder = FileUtils.GetTempDir() .. "/glimmet_example_" .. os.time()
FileUtils.EnsureDirectory(folder)
FileUtils.SimpleAppendStringToFile(folder .. "/notes.txt", "made by the data example\n")
local files = FileUtils.GetFilesInDirectory(folder)
print("  FileUtils: " .. #files .. " file in the temporary folder, locked: " .. tostring(FileUtils.DirIsLocked(folder)))
for _, file in ipairs(files) do FileUtils.DeleteFile(file) end
FileUtils.DeleteDir(folder)
print("  FileUtils: the folder is gone: " .. tostring(not FileUtils.DirExists(folder)))

local OSSendData = require "zellua.datatransfer.OSSendData"
local OSReceiveData = require "zellua.datatransfer.OSReceiveData"
local send = OSSendData.NewClipboardSendData()
send:PutText("copied from the data example")
send:PutOnClipboard()
send:Release()
print("  clipboard: " .. OSReceiveData.NewClipboardReceiveData():GetAsText())

local monitors = (require "zellua.zelMonitorInfo").NewMonitorInfo()
local rect = monitors:GetMonitorRect(1)
print("  monitors: " .. monitors:GetMonitorCount() .. ", the first at " .. rect.left .. "," .. rect.top
  .. " size " .. rect.width .. "x" .. rect.height)

local Theme = require "zellua.zelTheme"
local color = Theme.GetColor(Theme.Color_TabBackground)
print(string.format("  theme: tab background %.2f %.2f %.2f %.2f", color.red, color.green, color.blue, color.alpha))
