#pragma once
// Geometry and colour values of the core framework: points, rectangles (left, top, width,
// height) and colours of four float components.

namespace zelcore {

template <typename T>
struct PointT {
  T x{}, y{};
  bool operator==(const PointT& o) const { return x == o.x && y == o.y; }
};

template <typename T>
struct RectT {
  T left{}, top{}, width{}, height{};
  bool operator==(const RectT& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

struct ColorRGBA {
  float red = 0, green = 0, blue = 0, alpha = 0;
  bool operator==(const ColorRGBA& o) const {
    return red == o.red && green == o.green && blue == o.blue && alpha == o.alpha;
  }
};

using PointF32 = PointT<float>;
using RectF32 = RectT<float>;
using Rect32 = RectT<int>;

}  // namespace zelcore
