#pragma once
// Theme images for picture buttons, picture text buttons and static images: the image variant is
// chosen by the control's state, by rollover and by the dark icon theme.
#include <memory>
#include <string>

#include "zelui/controls/PictureSupply.h"
#include "zelui/limner/Limner.h"

namespace uit {

// The application's image of that name (UTF-8); null when there is none, when the cache fails, or
// when there is no workspace to draw with.
limner::ImageP GetImageResource(const std::string& name);

class ImageProvider {
 public:
  static ImageProvider& GetInstance();

  // Answer the message with the theme image of its control; an unanswered message found none.
  void ProvideImage(zelui::controls::UI_PictureSupplyMessage& message);
  void ProvideImage_NoRollover(zelui::controls::UI_PictureSupplyMessage& message);
  void ProvideImage_NoDark(zelui::controls::UI_PictureSupplyMessage& message);
  void ProvideImage_NoDark_NoRollover(zelui::controls::UI_PictureSupplyMessage& message);

 private:
  ImageProvider() = default;
  struct Held;
  std::unique_ptr<Held> mHeld;
};

// The supply function of the library's picture controls: ImageProvider::ProvideImage.
zelui::controls::UI_PictureSupplyClient::ImageSupplyFunction ThemeImageSupply();

}  // namespace uit
