#include "zelui/ui/OS_Window.h"

#include <algorithm>
#include <cmath>

#include "os/Window.h"
#include "zelui/controls/Controls.h"

namespace zelui::ui {

namespace {

constexpr const char* kPanelWindowClass = "ZELMacPanelWindow";

}  // namespace

UI_Window::UI_Window() : mPlatformWindow(std::make_unique<os::Window>(std::string(), false)) {}

UI_Window::~UI_Window() {
  SetOwner(nullptr);
  for (UI_Window* owned : mOwned) owned->mOwner = nullptr;
}

bool UI_Window::SetOwner(UI_Window* owner) {
  for (const UI_Window* w = owner; w != nullptr; w = w->mOwner)
    if (w == this) return false;
  if (mOwner != nullptr) mOwner->mOwned.erase(std::find(mOwner->mOwned.begin(), mOwner->mOwned.end(), this));
  mOwner = owner;
  if (mOwner != nullptr) mOwner->mOwned.push_back(this);
  return true;
}

void UI_Window::UI_CreateWindow(const RectF& rect, int style, int level, int flags, const std::string& className) {
  auto window = std::make_unique<os::Window>(className, className == kPanelWindowClass);
  window->SetLevel(level);
  mPlatformWindow = std::move(window);
  mStyle = style;
  mFlags = flags;
  PlatformWindowCreated(rect);
}

OS_Window::OS_Window(zelcore::UTF16String title) : mTitle(std::move(title)) { UI_Node::UI_Show(false); }
OS_Window::~OS_Window() = default;

void OS_Window::UI_Show(bool show) {
  UI_Node::UI_Show(show);
  GetPlatformWindow()->SetVisible(show);
}

void OS_Window::PlatformWindowCreated(const RectF& rect) {
  mStructureRect = {static_cast<int>(std::lround(rect.left)), static_cast<int>(std::lround(rect.top)),
                    static_cast<int>(std::lround(rect.width)), static_cast<int>(std::lround(rect.height))};
  GetPlatformWindow()->SetVisible(UI_IsShown());
}

UI_Dialog::UI_Dialog(limner::SupplierInterface* supplier, const zelcore::UTF16String& title, PointF origin,
                     const PointF& extent, bool, UI_Node* parent, bool, bool, bool, bool, int, int flags,
                     UI_ViewContainerFactory*)
    : OS_Window(title),
      mSupplier(supplier),
      mParentWindow(parent),
      mOrigin(origin),
      mExtent(extent),
      mFlags(flags),
      mContainer(new UI_SubView()) {
  UI_GetContainer().ChildPushBack(mContainer.get());
}

UI_Dialog::~UI_Dialog() = default;

void UI_Dialog::SetOkButton(controls::UI_Button* button) { mOkButton = button; }
void UI_Dialog::SetCancelButton(controls::UI_Button* button) { mCancelButton = button; }
controls::UI_Button* UI_Dialog::GetOkButton() const { return static_cast<controls::UI_Button*>(mOkButton.get()); }
controls::UI_Button* UI_Dialog::GetCancelButton() const {
  return static_cast<controls::UI_Button*>(mCancelButton.get());
}

void UI_Dialog::DefaultClose(int response) {
  mResponse = response;
  mClosed = true;
  if (!mRunningModal) UI_Show(false);
}

}  // namespace zelui::ui
