-- UI nodes for scripts: a small tree of controls, a node found by its id, a size hook fired by
-- resizing the panel, and a change notification sent as user input would send it.
local g = require "geometry"
require "zellua.zelcontrols"
require "zellua.luaTestingSupport"

local panel = zelcontrols.NewSubView()
panel:UI_SetNodeID("panel")
local title = zelcontrols.NewStaticText()
title:UI_SetNodeID("title")
local options = zelcontrols.NewSubView()
options:UI_SetNodeID("options")
local remember = zelcontrols.NewCheckbox()
remember:UI_SetNodeID("remember")
options:ChildPushBack(remember)
panel:ChildPushBack(title)
panel:ChildPushBack(options)
print("  node tree: 'panel' holds " .. panel:ChildSize() .. " nodes, 'options' holds " .. options:ChildSize())

local found = panel:GetDescendentByID("remember")
print("  found '" .. found:UI_GetNodeID() .. "', child " .. found:UI_GetIndex() .. " of '"
  .. found:UI_GetParentNode():UI_GetNodeID() .. "'")

panel:BindZelOperation("uiSizeChanged", function(rect)
  print(string.format("  'panel' resized: %gx%g at %g,%g", rect.width, rect.height, rect.left, rect.top))
end)
panel:UI_SetLocalRectF(g.rect(0, 0, 320, 200))

found:NotifyWhenChanged(function()
  print("  '" .. found:UI_GetNodeID() .. "' changed")
end)
luaTestingSupport.SendControlValueChangeMessage(found)
