#include "zelui/limner/Limner.h"

#include <sstream>

namespace limner {

void Limner::DrawImage(const ImageInterface& image, const PointF32& topLeft, float factor) {
  std::ostringstream line;
  line << "DrawImage " << zelcore::UTF16to8(image.Name()) << " at " << topLeft.x << "," << topLeft.y << " factor "
       << factor;
  mLog.push_back(line.str());
}

}  // namespace limner
