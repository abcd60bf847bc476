#include "AboutTab.h"

#include "arx/app/ImageCache.h"
#include "arx/app/ResourceManager.h"
#include "zelui/limner/Limner.h"

namespace fennick {

void AboutTab::UI_Draw(limner::Limner& context) {
  const limner::ImageP image = arx::app::GetAppImageCache().GetImage(
      arx::app::GetAppResourceManager(), context.GetSupplier(), u"veyra_about", 1);
  if (image) context.DrawImage(*image, limner::PointF32{0, 0}, 1.0f);
}

}  // namespace fennick
