#pragma once
// Geometry of the UI framework's nodes: float points, sizes and rectangles
// {left, top, width, height}, and integer rectangles.
namespace zelui::ui {

struct PointF {
  float x = 0, y = 0;
  bool operator==(const PointF& o) const { return x == o.x && y == o.y; }
};

struct SizeF {
  float width = 0, height = 0;
  bool operator==(const SizeF& o) const { return width == o.width && height == o.height; }
};

struct RectF {
  float left = 0, top = 0, width = 0, height = 0;
  bool operator==(const RectF& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

struct Rect32 {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const Rect32& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

}  // namespace zelui::ui
