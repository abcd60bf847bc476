-- Every module the binding library exports an opener for is found by require through
-- package.cpath and opens. An opener whose source was left out of the build shows up here, not
-- as a missing module in some later script.
local T = require "testlib"

-- The exported openers built so far, by module name (the opener's name without "luaopen_", with
-- dots for underscores). Add each new module here.
local MODULES = {
  "zellua",
  "zellua.EmbeddedCodeLoader",
  "zellua.zelLogging",
  "zellua.debugSupport",
  "zellua.zelLocale",
  "zellua.zelcore.zelTypes",
  "zellua.keychain",
  "zellua.proplist",
  "zellua.arx.app",
  "zellua.limner.zelLimner",
  "zellua.limner.zelSurfaceInterface",
  "zellua.limner.zelSupplier",
  "zellua.limner.zelImageInterface",
  "zellua.limner.zelPathInterface",
  "zellua.limner.PenInterface",
  "zellua.limner.ShaderInterface",
  "zellua.zelString",
  "zellua.filesupport.FileUtils",
  "zellua.datatransfer.OSDataTransfer",
  "zellua.datatransfer.OSReceiveData",
  "zellua.datatransfer.OSSendData",
  "zellua.zelTheme",
  "zellua.zelMonitorInfo",
  "zellua.OSLaunchUtils",
  "zellua.zelcontrols",
  "zellua.UINodeManager",
  "zellua.luaTestingSupport",
  "zellua.InputCapture",
  "zellua.zelOSFileDialogToolkit",
  "zellua.TrackerDragDropInterface",
  "zellua.zelWorkspace",
  "zellua.zelTabPanel",
  "zellua.zelToolBar",
  "zellua.OSMenu",
  "zellua.uisupport.Alert",
  "zellua.zelCmdAttachment",
  "zellua.zelUIResources",
}

-- Lua 5.1's native searchers: the C searcher (for "zellua" itself) and the all-in-one searcher,
-- which finds luaopen_zellua_<rest> in the library named by the first part of the name.
local NATIVE_SEARCHERS = { package.loaders[3], package.loaders[4] }

local function nativeOpener(name)
  local messages = {}
  for _, search in ipairs(NATIVE_SEARCHERS) do
    local found = search(name)
    if type(found) == "function" then return found end
    messages[#messages + 1] = tostring(found)
  end
  return nil, table.concat(messages)
end

T.cases("exported opener", (function()
  local cases = {}
  for _, name in ipairs(MODULES) do cases[#cases + 1] = { name = name } end
  return cases
end)(), function(case)
  local opener, message = nativeOpener(case.name)
  if not opener then
    error("the binding library exports no luaopen_" .. case.name:gsub("%.", "_") .. message, 0)
  end
  package.loaded[case.name] = nil
  local value = require(case.name)
  T.ok(type(value) == "table" or type(value) == "function", "require gives the module, not " .. type(value))
end)

T.finish()
