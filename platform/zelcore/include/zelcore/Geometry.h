#pragma once
// Geometry and colour values of the core framework: points, rectangles stored as {left, top,
// width, height}, colours as four floats and 3x3 matrices for transforms of row vectors (the
// translation sits in row 2).
namespace zelcore {

template <typename T>
struct PointT {
  T x = 0, y = 0;
  bool operator==(const PointT& o) const { return x == o.x && y == o.y; }
  bool operator!=(const PointT& o) const { return !(*this == o); }
};

template <typename T>
struct RectT {
  T left = 0, top = 0, width = 0, height = 0;
  bool operator==(const RectT& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
  bool operator!=(const RectT& o) const { return !(*this == o); }
};

struct ColorRGBA {
  float red = 0, green = 0, blue = 0, alpha = 0;
};

template <typename T>
struct MatrixT {
  // Row by row; the identity until set.
  T m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

  // The matrix that takes a row vector through this one, then through next.
  MatrixT Then(const MatrixT& next) const {
    MatrixT result;
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) {
        T sum = 0;
        for (int k = 0; k < 3; ++k) sum += m[r][k] * next.m[k][c];
        result.m[r][c] = sum;
      }
    return result;
  }
};

using PointF32 = PointT<float>;
using RectF32 = RectT<float>;
using Rect32 = RectT<int>;
using MatrixF32 = MatrixT<float>;

}  // namespace zelcore
