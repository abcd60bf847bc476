#include "os/Window.h"

#include <algorithm>

namespace os {

int CGWindowLevelForKey(int key) {
  switch (key) {
    case kCGFloatingWindowLevelKey:
      return 3;
    case kCGModalPanelWindowLevelKey:
      return 8;
    case kCGPopUpMenuWindowLevelKey:
      return 101;
    default:
      return 0;
  }
}

Window::~Window() {
  if (mParent != nullptr) mParent->RemoveChildWindow(this);
  for (Window* child : mChildren) child->mParent = nullptr;
}

void Window::SetWorksWhenModal(bool works) {
  if (mIsPanel) mWorksWhenModal = works;
}

void Window::AddChildWindow(Window* child, WindowOrderingMode ordered) {
  if (child == nullptr) return;
  for (const Window* w = this; w != nullptr; w = w->mParent)
    if (w == child) return;
  if (child->mParent != nullptr) child->mParent->RemoveChildWindow(child);
  child->mParent = this;
  mChildren.push_back(child);
  mOrderings.push_back(ordered);
}

void Window::RemoveChildWindow(Window* child) {
  const auto it = std::find(mChildren.begin(), mChildren.end(), child);
  if (it == mChildren.end()) return;
  mOrderings.erase(mOrderings.begin() + (it - mChildren.begin()));
  mChildren.erase(it);
  child->mParent = nullptr;
}

WindowOrderingMode Window::ChildOrdering(const Window* child) const {
  const auto it = std::find(mChildren.begin(), mChildren.end(), child);
  return it == mChildren.end() ? NSWindowOut : mOrderings[static_cast<std::size_t>(it - mChildren.begin())];
}

}  // namespace os
