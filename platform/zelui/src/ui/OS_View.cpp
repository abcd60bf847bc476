#include "zelui/OSView.h"

#include <cmath>
#include <limits>

namespace zelui::ui {

namespace {

int Clamped(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLow = std::numeric_limits<int>::min();
  constexpr double kHigh = std::numeric_limits<int>::max();
  return static_cast<int>(value < kLow ? kLow : value > kHigh ? kHigh : value);
}

}  // namespace

OS_View::~OS_View() = default;

Rect32 OS_View::UI_GetLocalRect(bool drawnArea) const {
  const RectF rect = UI_GetLocalRectF(drawnArea);
  const double left = std::floor(static_cast<double>(rect.left));
  const double top = std::floor(static_cast<double>(rect.top));
  const double right = std::ceil(static_cast<double>(rect.left) + rect.width);
  const double bottom = std::ceil(static_cast<double>(rect.top) + rect.height);
  return {Clamped(left), Clamped(top), Clamped(right - left), Clamped(bottom - top)};
}

}  // namespace zelui::ui
