// Test controls for views from XML: the application's resources, the debug folder of views, and
// node factories installed from outside.
#include <string>

#include "TestControls.h"
#include "arx/testing.h"
#include "zelcore/Files.h"
#include "zelcore/Strings.h"
#include "zellua/ui/LuaViewsFromXml.h"
#include "zelui/controls/Controls.h"

namespace {

std::string Text(lua_State* L, int index) {
  size_t length = 0;
  const char* text = luaL_checklstring(L, index, &length);
  return std::string(text, length);
}

// setAppResource(name, type, bytes)
int setAppResource(lua_State* L) {
  arx::testing::SetResource(zelcore::UTF8to16(Text(L, 1)), zelcore::UTF8to16(Text(L, 2)), Text(L, 3));
  return 0;
}

int clearAppResources(lua_State*) {
  arx::testing::ClearResources();
  return 0;
}

// setDebugXmlFolder(accessor, path)
int setDebugXmlFolder(lua_State* L) {
  const std::string accessor = Text(L, 1);
  const std::string path = Text(L, 2);
  zellua::ui::SetDebugXMLResFolder(accessor, zelcore::Dir(std::filesystem::path(path)));
  return 0;
}

// debugXmlFolder(accessor) → the folder's path, or nil when none is set.
int debugXmlFolder(lua_State* L) {
  const zelcore::Dir* folder = zellua::ui::GetDebugXMLResFolder(Text(L, 1));
  if (folder == nullptr) return 0;
  lua_pushstring(L, folder->Path().string().c_str());
  return 1;
}

// installNodeFactory(className): a factory that makes a static text with the text "<className>"
// for that class, null for any other.
int installNodeFactory(lua_State* L) {
  const zelcore::UTF16String known = zelcore::UTF8to16(Text(L, 1));
  zellua::ui::InstallNodeFactoryFxn([known](const zelcore::UTF16String& className) -> zelui::ui::UI_NodeP {
    if (className != known) return nullptr;
    auto* text = new zelui::controls::UI_StaticText();
    text->SetStringValue(u"<" + known + u">");
    return zelui::ui::UI_NodeP(text);
  });
  return 0;
}

const luaL_Reg kFunctions[] = {{"setAppResource", setAppResource},         {"clearAppResources", clearAppResources},
                               {"setDebugXmlFolder", setDebugXmlFolder},   {"debugXmlFolder", debugXmlFolder},
                               {"installNodeFactory", installNodeFactory}, {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace
