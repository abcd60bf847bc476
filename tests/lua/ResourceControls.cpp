// Test controls for views from XML and UI resources: the application's and the UI framework's
// resources, the debug folder of views, node factories installed from outside, failing image
// caches and the cursors displayed.
#include <string>

#include "TestControls.h"
#include "arx/app/ImageCache.h"
#include "arx/testing.h"
#include "zelcore/Files.h"
#include "zelcore/Strings.h"
#include "zellua/ui/ImageProvider.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zellua/ui/LuaViewsFromXml.h"
#include "zelui/controls/Controls.h"
#include "zelui/testing.h"

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

// setUIResource(name, type, bytes): a resource of the UI framework's own manager.
int setUIResource(lua_State* L) {
  zelui::testing::SetUIResource(zelcore::UTF8to16(Text(L, 1)), zelcore::UTF8to16(Text(L, 2)), Text(L, 3));
  return 0;
}

// setMissingImagesThrow(accessor, flag): the UI framework's ("zelui_resources") or the
// application's image cache throws for an image it cannot find.
int setMissingImagesThrow(lua_State* L) {
  const bool uiFramework = Text(L, 1) == "zelui_resources";
  zelui::testing::SetMissingImagesThrow(
      uiFramework ? zelui::resources::GetUIImageResourceCache() : arx::app::GetAppImageCache(), lua_toboolean(L, 2));
  return 0;
}

// displayedCursors() → { {id = n} or {image = name, x = n, y = n}, ... }, oldest first.
int displayedCursors(lua_State* L) {
  const auto& cursors = zelui::testing::DisplayedCursors();
  lua_createtable(L, static_cast<int>(cursors.size()), 0);
  int index = 0;
  for (const auto& cursor : cursors) {
    lua_newtable(L);
    if (cursor.fromImage) {
      lua_pushstring(L, zelcore::UTF16to8(cursor.imageName).c_str());
      lua_setfield(L, -2, "image");
      lua_pushinteger(L, cursor.hotSpotX);
      lua_setfield(L, -2, "x");
      lua_pushinteger(L, cursor.hotSpotY);
      lua_setfield(L, -2, "y");
    } else {
      lua_pushinteger(L, cursor.cursorId);
      lua_setfield(L, -2, "id");
    }
    lua_rawseti(L, -2, ++index);
  }
  return 1;
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

// setIconType(type): 0 light, 1 dark.
int setIconType(lua_State* L) {
  zelui::testing::SetIconType(static_cast<int>(luaL_checkinteger(L, 1)));
  return 0;
}

// provideImage(wrapper, flags, [operation]) → the name of the image the provider's operation
// ("ProvideImage" unless named; "control" asks the control's own supply function) answers, or nil.
int provideImage(lua_State* L) {
  zelui::ui::UI_Node* node = zellua::ui::GetControlNode(L, 1);
  const auto flags = static_cast<std::uint32_t>(luaL_checkinteger(L, 2));
  const std::string operation = luaL_optstring(L, 3, "ProvideImage");
  limner::ImageP image;
  if (operation == "control") {
    auto* client = dynamic_cast<zelui::controls::UI_PictureSupplyClient*>(node);
    if (client == nullptr) return luaL_error(L, "no picture control");
    image = client->RequestImage(flags);
  } else {
    zelui::controls::UI_PictureSupplyMessage message(node, flags);
    uit::ImageProvider& provider = uit::ImageProvider::GetInstance();
    if (operation == "ProvideImage") provider.ProvideImage(message);
    else if (operation == "ProvideImage_NoRollover") provider.ProvideImage_NoRollover(message);
    else if (operation == "ProvideImage_NoDark") provider.ProvideImage_NoDark(message);
    else provider.ProvideImage_NoDark_NoRollover(message);
    image = message.GetImage();
  }
  if (image == nullptr) return 0;
  lua_pushstring(L, zelcore::UTF16to8(image->Name()).c_str());
  return 1;
}

const luaL_Reg kFunctions[] = {{"setIconType", setIconType}, {"provideImage", provideImage},
                               {"setAppResource", setAppResource},         {"clearAppResources", clearAppResources},
                               {"setDebugXmlFolder", setDebugXmlFolder},   {"debugXmlFolder", debugXmlFolder},
                               {"installNodeFactory", installNodeFactory}, {"setUIResource", setUIResource},
                               {"setMissingImagesThrow", setMissingImagesThrow},
                               {"displayedCursors", displayedCursors},     {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace
