#pragma once
// Views described in XML resources, built into node trees by the framework's node builder with a
// node factory that knows the binding library's own control classes and any factory installed
// from outside.
#include <functional>
#include <memory>

extern "C" {
#include <lua.h>
}

#include "zelcore/Files.h"
#include "zelcore/Strings.h"
#include "zelui/ui/UI_NodeBuilder.h"

namespace zellua::ui {

// A node of the class, or null when the function does not know it.
using NodeFactoryFxn = std::function<zelui::ui::UI_NodeP(const zelcore::UTF16String& className)>;

// A node builder over the XML bytes of the named view, owned by the caller. The name resolves to
// name + "-" + the application language when the application's resources hold an "xml" resource
// of that name, else to the name; the bytes come from the file <resolved name>.xml in the "xml"
// sub-folder of the debug folder registered under "app_resources" when that file exists (an
// unreadable file gives no bytes), else from the application's "xml" resource.
std::unique_ptr<zelui::ui::UI_NodeBuilder> GetNodeBuilderFromResource(const zelcore::UTF16String& name);

// Builds the named view with the workspace's drawing supplier and LuaControlFactoryFunction;
// fills idMap; the root (null: none).
zelui::ui::UI_NodeP LoadViewFromXML(const zelcore::UTF16String& name, zelui::ui::UI_NodeBuilder::NodeIDMap& idMap);

// The node factory of views from XML: the binding library's classes, then the installed
// factories in installation order (the first node wins); null when nobody knows the class.
zelui::ui::UI_NodeP LuaControlFactoryFunction(const zelcore::UTF16String& className);

// Appends a factory asked after the library's own classes; never removed.
void InstallNodeFactoryFxn(NodeFactoryFxn factory);

// The debug folder whose "xml" sub-folder overrides the named resource accessor's views
// (replacing an earlier one for the name); Get answers null when none is set.
void SetDebugXMLResFolder(const std::string& accessorName, const zelcore::Dir& folder);
const zelcore::Dir* GetDebugXMLResFolder(const std::string& accessorName);

// zelcontrols.LoadControlsFromXml(name): the root's wrapper, or nothing.
int LoadControlsFromXml(lua_State* L);

}  // namespace zellua::ui
