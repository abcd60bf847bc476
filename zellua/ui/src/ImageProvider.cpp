// Theme images by name: base name + state suffix (+ "_D" for the dark icon theme), with fallbacks
// to the rollover, normal and bare names.
#include "zellua/ui/ImageProvider.h"

#include <cstdint>

#include "arx/app/App.h"
#include "arx/app/ImageCache.h"
#include "arx/app/ResourceManager.h"
#include "zelcore/Strings.h"
#include "zelui/controls/Controls.h"
#include "zelui/resources/Resources.h"
#include "zelworkspace/Workspace.h"

namespace uit {

namespace {

using zelui::controls::UI_PictureSupplyMessage;

constexpr std::uint32_t kStatePressed = 1;
constexpr std::uint32_t kStateRollover = 2;
constexpr std::uint32_t kStateNormal = 4;

// The image base name of the message's control; empty for no picture control.
std::string BaseName(const UI_PictureSupplyMessage& message) {
  zelui::ui::UI_Node* control = message.GetControl();
  if (auto* button = dynamic_cast<zelui::controls::UI_PictureButton*>(control)) return button->GetImageBaseName();
  if (auto* textButton = dynamic_cast<zelui::controls::UI_PictureTextButton*>(control)) {
    return textButton->GetImageBaseName();
  }
  if (auto* image = dynamic_cast<zelui::controls::UI_StaticImage*>(control)) return image->GetImageName();
  return std::string();
}

void GetThemeImage(UI_PictureSupplyMessage& message, bool darkAllowed, bool rolloverAllowed) {
  const std::string base = BaseName(message);
  if (base.empty()) return;
  const std::uint32_t flags = message.GetStateFlags();
  const std::string dark = darkAllowed && zelui::resources::GetIconType() == 1 ? "_D" : "";
  const char* suffix = "_N";
  if ((flags & kStateNormal) != 0) {
    suffix = "_N";
  } else if ((flags & kStatePressed) != 0) {
    suffix = "_P";
  } else if (rolloverAllowed && (flags & kStateRollover) != 0) {
    suffix = "_R";
  }
  limner::ImageP image = GetImageResource(base + suffix + dark);
  if (image == nullptr && (flags & kStatePressed) != 0) image = GetImageResource(base + "_R" + dark);
  if (image == nullptr) image = GetImageResource(base + "_N" + dark);
  if (image == nullptr) image = GetImageResource(base + "_N");
  if (image == nullptr) image = GetImageResource(base);
  if (image != nullptr) message.SetImage(image);
}

}  // namespace

struct ImageProvider::Held {};

limner::ImageP GetImageResource(const std::string& name) {
  arx::app::App* app = arx::app::App::GetApp();
  zelworkspace::Workspace* workspace = app != nullptr ? app->GetWorkspace() : nullptr;
  if (workspace == nullptr) return nullptr;
  try {
    const arx::app::ResourceManager& resources = arx::app::GetAppResourceManager();
    return resources.GetLimnerImageCache().GetImage(resources, workspace->GetDrawSupplier(), zelcore::UTF8to16(name), 1);
  } catch (...) {
    return nullptr;
  }
}

ImageProvider& ImageProvider::GetInstance() {
  static ImageProvider provider;
  return provider;
}

void ImageProvider::ProvideImage(UI_PictureSupplyMessage& message) { GetThemeImage(message, true, true); }
void ImageProvider::ProvideImage_NoRollover(UI_PictureSupplyMessage& message) { GetThemeImage(message, true, false); }
void ImageProvider::ProvideImage_NoDark(UI_PictureSupplyMessage& message) { GetThemeImage(message, false, true); }
void ImageProvider::ProvideImage_NoDark_NoRollover(UI_PictureSupplyMessage& message) {
  GetThemeImage(message, false, false);
}

zelui::controls::UI_PictureSupplyClient::ImageSupplyFunction ThemeImageSupply() {
  return [](UI_PictureSupplyMessage& message) { ImageProvider::GetInstance().ProvideImage(message); };
}

}  // namespace uit
