#include "zelui/ui/Geometry.h"

#include <cmath>
#include <limits>

namespace zelui::ui {

namespace {

int ClampedInt(double value) {
  if (std::isnan(value)) return 0;
  constexpr double lo = std::numeric_limits<int>::lowest();
  constexpr double hi = std::numeric_limits<int>::max();
  if (value <= lo) return std::numeric_limits<int>::lowest();
  if (value >= hi) return std::numeric_limits<int>::max();
  return static_cast<int>(value);
}

}  // namespace

Rect32 ToRect32(const RectF& rect, RectRounding rounding) {
  const double left = rect.left, top = rect.top;
  const double right = left + rect.width, bottom = top + rect.height;
  const bool outward = rounding == kRoundOutward;
  const int l = ClampedInt(outward ? std::floor(left) : std::round(left));
  const int t = ClampedInt(outward ? std::floor(top) : std::round(top));
  const int r = ClampedInt(outward ? std::ceil(right) : std::round(right));
  const int b = ClampedInt(outward ? std::ceil(bottom) : std::round(bottom));
  return {l, t, ClampedInt(static_cast<double>(r) - l), ClampedInt(static_cast<double>(b) - t)};
}

}  // namespace zelui::ui
