-- The example start-up script. Each example is a script module beside this one; an example that
-- waits for something asynchronous (a callback through the event loop) says so with
-- examples.waitFor, and the event loop ends once every such wait is over.
require "geometry"
local examples = require "examples"

print("Glimmet is running")
require "host_example"
require "core_example"
require "net_example"
require "utils_example"
require "tray_example"
require "language_example"
require "drawing_example"
require "data_example"
require "nodes_example"
require "tree_example"
require "dialogs_example"
require "controls_example"
require "workspace_example"
require "webview_example"

examples.finishWhenDone()
