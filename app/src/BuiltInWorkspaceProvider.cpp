#include "BuiltInWorkspaceProvider.h"

#include <memory>

#include "arx/app/App.h"
#include "arx/app/ResourceManager.h"
#include "zelcore/PropListXML.h"
#include "zelworkspace/Workspace.h"

namespace fennick {

void BuiltInWorkspaceProvider::GetWorkspaces(std::vector<zelcore::UTF16String>& names) { names.push_back(mName); }

zelworkspace::WorkspaceBuilder* BuiltInWorkspaceProvider::GetWorkspaceBuilder(const zelcore::UTF16String& name,
                                                                             zelworkspace::Workspace* workspace) {
  const zelworkspace::MonitorInfo& monitors =
      workspace != nullptr ? workspace->GetMonitorInfo() : zelworkspace::MonitorInfo::Get();
  const zelworkspace::Rect monitor = monitors.GetMonitorRect(0);
  if (name == mName) {
    auto builder = std::make_unique<zelworkspace::WorkspaceBuilder>(workspace, true, true);
    // The resource manager is the running application's.
    if (arx::app::App::GetApp() != nullptr) {
      std::string xml;
      arx::app::GetAppResourceManager().Read(u"DefaultWorkspace", u"xml", xml);
      zelcore::proplist::ReadPropList(xml, builder->GetPropList());
      return builder.release();
    }
  }
  auto builder = std::make_unique<zelworkspace::WorkspaceBuilder>(workspace, true, false);
  builder->AddWindow(monitor, zelworkspace::FrameBuilder(), u"");
  return builder.release();
}

}  // namespace fennick
