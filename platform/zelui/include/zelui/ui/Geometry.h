#pragma once
// Geometry of the UI framework's nodes: the core framework's float points and rectangles
// {left, top, width, height} and integer rectangles, and float sizes.
#include "zelcore/Geometry.h"

namespace zelui::ui {

using PointF = zelcore::PointF32;
using RectF = zelcore::RectF32;
using Rect32 = zelcore::Rect32;

struct SizeF {
  float width = 0, height = 0;
  bool operator==(const SizeF& o) const { return width == o.width && height == o.height; }
};

// How a float rectangle becomes an integer one.
enum RectRounding { kRoundOutward = 0, kRoundNearest = 1 };

// The integer rectangle of a float one: outward takes the smallest integer rectangle that covers
// it, nearest rounds each edge. Values beyond the integer range clamp, NaN gives 0.
Rect32 ToRect32(const RectF& rect, RectRounding rounding = kRoundOutward);

}  // namespace zelui::ui
