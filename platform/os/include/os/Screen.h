#pragma once
// The displays attached to the computer, the main one first. Each has a frame and a visible
// frame: the part that windows may use (without the menu bar and the dock).
#include <vector>

namespace os {

struct ScreenRect {
  double left = 0, top = 0, width = 0, height = 0;
  bool operator==(const ScreenRect& o) const {
    return left == o.left && top == o.top && width == o.width && height == o.height;
  }
};

struct Screen {
  ScreenRect frame;
  ScreenRect visibleFrame;
};

// Until a test sets others: one screen of 1440 x 900 whose visible frame is the whole frame.
std::vector<Screen> Screens();

}  // namespace os
