// Views from XML resources: name resolution, the reading order, the node factory and
// zelcontrols.LoadControlsFromXml.
#include "zellua/ui/LuaViewsFromXml.h"

#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

extern "C" {
#include <lauxlib.h>
}

#include "arx/app/App.h"
#include "arx/app/ResourceManager.h"
#include "zelcore/FileUtils.h"
#include "zelcore/Locale.h"
#include "zellua/ui/ImageProvider.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zellua/ui/LuaMultiColumnTree.h"
#include "zellua/ui/LuaOverlaySubView.h"
#include "zelui/controls/Controls.h"
#include "zelworkspace/Workspace.h"

namespace zellua::ui {

namespace {

const char* const kAppResourcesName = "app_resources";
const zelcore::UTF16String kXmlType = u"xml";
// The most a view file of the debug folder may hold.
constexpr std::uint64_t kMaxViewBytes = 16u * 1024u * 1024u;

std::vector<NodeFactoryFxn>& InstalledFactories() {
  static std::vector<NodeFactoryFxn> factories;
  return factories;
}

std::map<std::string, zelcore::Dir>& DebugFolders() {
  static std::map<std::string, zelcore::Dir> folders;
  return folders;
}

// name + "-" + the application language when the application holds such an "xml" resource.
zelcore::UTF16String ResolveViewName(const zelcore::UTF16String& name) {
  const zelcore::UTF16String candidate = name + u"-" + zelcore::Locale::ApplicationLangauge();
  return arx::app::GetAppResourceManager().Exists(candidate, kXmlType) ? candidate : name;
}

// The bytes of the debug folder's file when it exists (an unreadable one gives none), else the
// application's resource (none when missing).
std::string ReadViewBytes(const zelcore::UTF16String& resolvedName) {
  std::string bytes;
  if (const zelcore::Dir* folder = GetDebugXMLResFolder(kAppResourcesName)) {
    const zelcore::Dir xmlFolder(*folder, kXmlType);
    const std::filesystem::path file = xmlFolder.Path() / std::filesystem::path(
        zelcore::UTF16to8(resolvedName + u".xml"));
    std::error_code error;
    if (xmlFolder.Exists() && std::filesystem::exists(file, error)) {
      if (!zelcore::FileUtils::ReadRegularFile(file.string(), kMaxViewBytes, bytes)) bytes.clear();
      return bytes;
    }
  }
  arx::app::GetAppResourceManager().Read(resolvedName, kXmlType, bytes);
  return bytes;
}

limner::SupplierInterface* WorkspaceSupplier() {
  arx::app::App* app = arx::app::App::GetApp();
  zelworkspace::Workspace* workspace = app != nullptr ? app->GetWorkspace() : nullptr;
  return workspace != nullptr ? workspace->GetDrawSupplier() : nullptr;
}

}  // namespace

std::unique_ptr<zelui::ui::UI_NodeBuilder> GetNodeBuilderFromResource(const zelcore::UTF16String& name) {
  return std::make_unique<zelui::ui::UI_NodeBuilder>(ReadViewBytes(ResolveViewName(name)));
}

zelui::ui::UI_NodeP LoadViewFromXML(const zelcore::UTF16String& name, zelui::ui::UI_NodeBuilder::NodeIDMap& idMap) {
  const std::unique_ptr<zelui::ui::UI_NodeBuilder> builder = GetNodeBuilderFromResource(name);
  return builder->Build(WorkspaceSupplier(), idMap, LuaControlFactoryFunction);
}

zelui::ui::UI_NodeP LuaControlFactoryFunction(const zelcore::UTF16String& className) {
  if (zelui::ui::UI_NodeP tree = MultiColumnTreeNodeFactory(className)) return tree;
  if (className == u"LuaPictureButton") {
    auto* button = new zelui::controls::UI_PictureButton();
    button->SetImageSupplyFunction(uit::ThemeImageSupply());
    return zelui::ui::UI_NodeP(button);
  }
  if (className == u"LuaStaticImage") {
    auto* image = new zelui::controls::UI_StaticImage();
    image->SetImageSupplyFunction(uit::ThemeImageSupply());
    return zelui::ui::UI_NodeP(image);
  }
  if (className == u"LuaOverlaySubView") return zelui::ui::UI_NodeP(new LuaOverlaySubView());
  for (const NodeFactoryFxn& factory : InstalledFactories()) {
    if (zelui::ui::UI_NodeP node = factory(className)) return node;
  }
  return nullptr;
}

void InstallNodeFactoryFxn(NodeFactoryFxn factory) { InstalledFactories().push_back(std::move(factory)); }

void SetDebugXMLResFolder(const std::string& accessorName, const zelcore::Dir& folder) {
  DebugFolders()[accessorName] = folder;
}

const zelcore::Dir* GetDebugXMLResFolder(const std::string& accessorName) {
  const auto found = DebugFolders().find(accessorName);
  return found != DebugFolders().end() ? &found->second : nullptr;
}

int LoadControlsFromXml(lua_State* L) {
  size_t length = 0;
  const char* name = luaL_checklstring(L, 1, &length);
  const zelcore::UTF16String viewName = zelcore::UTF8to16(std::string(name, length));
  zelui::ui::UI_NodeBuilder::NodeIDMap ids;
  const zelui::ui::UI_NodeP root = LoadViewFromXML(viewName, ids);
  if (root == nullptr) return 0;
  return LuaControlWrapperFactory(root, L) != nullptr ? 1 : 0;
}

}  // namespace zellua::ui
