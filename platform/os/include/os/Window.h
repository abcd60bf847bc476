#pragma once
// Platform windows as the UI framework makes them: a window class, a level, shadow and modal-panel
// behaviour, visibility, and child windows that move with their parent and stay above it. Nothing
// is drawn; a window remembers what it was told. A child window knows its parent by a plain
// pointer that either side clears when it dies.
#include <optional>
#include <string>
#include <vector>

namespace os {

// Window level keys and the level each stands for.
enum WindowLevelKey {
  kCGNormalWindowLevelKey = 4,
  kCGFloatingWindowLevelKey = 5,
  kCGModalPanelWindowLevelKey = 10,
  kCGPopUpMenuWindowLevelKey = 11,
};
// The level of the key; an unknown key gives the normal level (0).
int CGWindowLevelForKey(int key);

// Where a child window is ordered relative to its parent.
enum WindowOrderingMode { NSWindowBelow = -1, NSWindowOut = 0, NSWindowAbove = 1 };

class Window {
 public:
  // A panel answers the works-when-modal request; other windows do not know it.
  Window(std::string className, bool isPanel) : mClassName(std::move(className)), mIsPanel(isPanel) {}
  ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const std::string& ClassName() const { return mClassName; }
  void SetLevel(int level) { mLevel = level; }
  int Level() const { return mLevel; }
  void SetHasShadow(bool shadow) { mHasShadow = shadow; }
  bool HasShadow() const { return mHasShadow; }
  bool RespondsToSetWorksWhenModal() const { return mIsPanel; }
  // Only a panel takes the flag.
  void SetWorksWhenModal(bool works);
  bool WorksWhenModal() const { return mWorksWhenModal; }
  void SetVisible(bool visible) { mVisible = visible; }
  bool IsVisible() const { return mVisible; }

  // Makes the window a child of this one, last in order, taking it from its former parent. The
  // window itself, one of its ancestors and null are refused.
  void AddChildWindow(Window* child, WindowOrderingMode ordered);
  // A window that is no child of this one is ignored.
  void RemoveChildWindow(Window* child);
  const std::vector<Window*>& ChildWindows() const { return mChildren; }
  Window* ParentWindow() const { return mParent; }
  // The ordering each child was added with, in child order.
  WindowOrderingMode ChildOrdering(const Window* child) const;

  // Whether the window is on the active space (the desktop shown now). A window answers the
  // request unless it was told it cannot (nullopt); one that does not answer is asked nothing.
  bool RespondsToIsOnActiveSpace() const { return mOnActiveSpace.has_value(); }
  bool IsOnActiveSpace() const { return mOnActiveSpace.value_or(true); }
  void SetOnActiveSpace(std::optional<bool> onActiveSpace) { mOnActiveSpace = onActiveSpace; }

 private:
  std::string mClassName;
  bool mIsPanel;
  int mLevel = 0;
  bool mHasShadow = false;
  bool mWorksWhenModal = false;
  bool mVisible = false;
  Window* mParent = nullptr;
  std::vector<Window*> mChildren;
  std::vector<WindowOrderingMode> mOrderings;
  std::optional<bool> mOnActiveSpace{true};
};

}  // namespace os
