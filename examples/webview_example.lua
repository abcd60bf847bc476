-- A web page that asks Lua: the page's script calls nimbrel.callbackTunnel with a question, Lua
-- answers, and the page sends the answer back the same way. The engine runs on the run loop's
-- pump, so the example waits for the page.
local examples = require "examples"
require "zellua.zelcontrols"

local view = zelcontrols.NewWebView()
local answered = false
view:NotifyOnJavaScriptTunnel(function(text)
  local echoed = text:match("^answer: (.*)")
  if echoed then
    print("  the page sent back: " .. echoed)
    answered = true
    return
  end
  print("  the page asks: " .. text)
  return "hello from " .. _VERSION
end)
view:Init()
view:LoadURL(SOURCE_ROOT .. "webview_page.html")

-- The wait keeps the web view until the page has answered.
examples.waitFor("the web page's answer", function() return answered and view:HasDocument() end)
