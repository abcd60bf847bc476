#include "os/StatusBar.h"

#include <cstdint>

#include "os/testing.h"

namespace os {

namespace {

std::vector<std::vector<std::string>>& PoppedUp() {
  static std::vector<std::vector<std::string>> menus;
  return menus;
}

std::uint32_t BigEndian32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

}  // namespace

std::shared_ptr<Image> Image::FromData(const std::string& bytes) {
  auto image = std::make_shared<Image>();
  // A PNG file: the 8-byte signature, then the IHDR chunk (length, "IHDR", width, height).
  static const std::string kSignature("\x89PNG\r\n\x1a\n", 8);
  if (bytes.size() >= 24 && bytes.compare(0, 8, kSignature) == 0 && bytes.compare(12, 4, "IHDR") == 0) {
    image->mWidth = BigEndian32(bytes, 16);
    image->mHeight = BigEndian32(bytes, 20);
  }
  return image;
}

void StatusItem::PerformClick() {
  if (mTarget != nullptr && !mAction.empty()) mTarget->PerformAction(mAction, this);
}

void StatusItem::PopUpStatusItemMenu(Menu* menu) {
  // Nobody chooses an item here: the menu is shown, recorded and dismissed.
  if (menu != nullptr) PoppedUp().push_back(DescribeMenu(*menu));
}

StatusBar& StatusBar::SystemStatusBar() {
  static StatusBar bar;
  return bar;
}

std::shared_ptr<StatusItem> StatusBar::StatusItemWithLength(double length) {
  mItems.push_back(std::make_shared<StatusItem>(length));
  return mItems.back();
}

struct StatusBarAccess {
  static void Reset(double thickness) {
    StatusBar::SystemStatusBar().mItems.clear();
    StatusBar::SystemStatusBar().mThickness = thickness;
  }
  static void SetThickness(double thickness) { StatusBar::SystemStatusBar().mThickness = thickness; }
};

namespace testing {

void SetStatusBarThickness(double thickness) { StatusBarAccess::SetThickness(thickness); }

void ResetStatusBar() {
  StatusBarAccess::Reset(22);
  PoppedUp().clear();
}

const std::vector<std::vector<std::string>>& PoppedUpMenus() { return PoppedUp(); }

}  // namespace testing

}  // namespace os
