#pragma once
// The system status bar (the menu bar's right-hand side) and its status items, and the images
// they show.
#include <memory>
#include <string>
#include <vector>

#include "os/ActionTarget.h"
#include "os/Menu.h"

namespace os {

struct Rect {
  double x = 0, y = 0, width = 0, height = 0;
  bool operator==(const Rect& o) const { return x == o.x && y == o.y && width == o.width && height == o.height; }
};

// An image made from the bytes of an image file. Only PNG is read; other or missing bytes give
// an empty image (size 0 by 0), which shows nothing.
class Image {
 public:
  static std::shared_ptr<Image> FromData(const std::string& bytes);

  double Width() const { return mWidth; }
  double Height() const { return mHeight; }
  bool IsEmpty() const { return mWidth == 0 || mHeight == 0; }
  void SetAlignmentRect(const Rect& rect) { mAlignment = rect; }
  const Rect& AlignmentRect() const { return mAlignment; }

 private:
  double mWidth = 0, mHeight = 0;
  Rect mAlignment;
};

// Status item length that follows the item's content.
constexpr double kVariableStatusItemLength = -1;

class StatusItem {
 public:
  explicit StatusItem(double length) : mLength(length) {}

  double Length() const { return mLength; }
  void SetHighlightMode(bool on) { mHighlightMode = on; }
  bool HighlightMode() const { return mHighlightMode; }
  // The target is not owned; it must outlive the item or be cleared.
  void SetTarget(ActionTarget* target) { mTarget = target; }
  ActionTarget* Target() const { return mTarget; }
  void SetAction(const std::string& selector) { mAction = selector; }
  const std::string& Action() const { return mAction; }
  void SetImage(std::shared_ptr<Image> image) { mImage = std::move(image); }
  const std::shared_ptr<Image>& GetImage() const { return mImage; }

  // A click on the item: sends its action to its target.
  void PerformClick();
  // Pops the menu up under the item and returns once the user dismissed it.
  void PopUpStatusItemMenu(Menu* menu);

 private:
  double mLength;
  bool mHighlightMode = false;
  ActionTarget* mTarget = nullptr;
  std::string mAction;
  std::shared_ptr<Image> mImage;
};

class StatusBar {
 public:
  static StatusBar& SystemStatusBar();

  // The bar's height in points.
  double Thickness() const { return mThickness; }
  // A new item, shown in the bar until removed; the bar holds it as well as the caller.
  std::shared_ptr<StatusItem> StatusItemWithLength(double length);
  const std::vector<std::shared_ptr<StatusItem>>& Items() const { return mItems; }

 private:
  friend struct StatusBarAccess;
  double mThickness = 22;
  std::vector<std::shared_ptr<StatusItem>> mItems;
};

}  // namespace os
