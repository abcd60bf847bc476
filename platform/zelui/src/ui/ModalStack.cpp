#include "zelui/ui/ModalStack.h"

#include <algorithm>

#include <boost/intrusive_ptr.hpp>

#include "zelui/ui/OS_Window.h"

namespace zelui::ui {

namespace {

std::vector<boost::intrusive_ptr<OS_Window>>& Stack() {
  static std::vector<boost::intrusive_ptr<OS_Window>> stack;
  return stack;
}

}  // namespace

void PushModalWindow(OS_Window* window) {
  if (window != nullptr) Stack().emplace_back(window);
}

void PopModalWindow(OS_Window* window) {
  auto& stack = Stack();
  const auto it = std::find(stack.rbegin(), stack.rend(), window);
  if (it == stack.rend()) return;
  // The window may die here: it leaves the stack first.
  const boost::intrusive_ptr<OS_Window> leaving = *it;
  stack.erase(std::next(it).base());
}

std::vector<OS_Window*> ModalWindows() {
  std::vector<OS_Window*> windows;
  for (const auto& window : Stack()) windows.push_back(window.get());
  return windows;
}

}  // namespace zelui::ui
