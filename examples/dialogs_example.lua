-- The file dialogs: the folder a dialog starts in when nothing was remembered, and an open
-- dialog that nobody answers (the platform here has no user to ask), which is cancelled.
local Dialogs = require "zellua.zelOSFileDialogToolkit"

print("  file dialogs start in " .. Dialogs.GetDefaultPath())
local chosen = Dialogs.doOpenFileDialog {
  filters = { { description = "Lua scripts", extension = "lua" } },
  documentPath = "",
  customDocPathKey = "",
  windowTitle = "Open a script",
}
print("  open dialog: " .. tostring(chosen))
