#include "ColorTheme.h"

#include <memory>

#include "arx/app/ResourceManager.h"
#include "zelcore/xml/DocParserFactory.h"
#include "zelui/Theme.h"
#include "zelworkspace/Workspace.h"

namespace fennick {

namespace {
constexpr int kAppColorKey = 277;
}

void ApplyColorTheme(zelworkspace::Workspace* workspace) {
  zelui::Theme& theme = zelui::Theme::Get();
  auto* editor = dynamic_cast<zelui::KeyframeThemeEditor*>(theme.GetThemeEditor());
  if (editor != nullptr) {
    std::string bytes;
    if (arx::app::GetAppResourceManager().Read(u"ZELColorThemesV2", u"xml", bytes)) {
      if (auto parser = zelcore::xml::GetParser(std::make_unique<zelui::KeyframeThemeParser>(editor)))
        parser->ParseBuffer(bytes);
    }
    editor->SetColorKeyValue(kAppColorKey, 1.0f, zelui::ColorKeyValue{0, 0, 1, 1, false});
  }
  theme.SetBrightness(1.0f);
  if (workspace != nullptr && workspace->GetDrawSupplier() != nullptr)
    workspace->GetDrawSupplier()->SetFollowsTheme(true);
  theme.NotifyThemeChanged();
}

}  // namespace fennick
