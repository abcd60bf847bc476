#include "os/View.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

#include "os/Event.h"
#include "os/testing.h"

namespace os {

namespace {

std::atomic<int> gLiveViews{0};

std::vector<NSAutoreleasePool*>& Pools() {
  static std::vector<NSAutoreleasePool*> pools;
  return pools;
}

// One axis of an autoresize: the view's start and length in a superview whose length went from
// oldLength to newLength, with the flexible parts of the mask.
void ResizeAxis(double& start, double& length, double oldLength, double newLength, bool minFlexible,
                bool sizeFlexible, bool maxFlexible) {
  const double delta = newLength - oldLength;
  const int flexible = int(minFlexible) + int(sizeFlexible) + int(maxFlexible);
  if (delta == 0 || flexible == 0) return;
  const double minPart = minFlexible ? std::max(0.0, start) : 0;
  const double sizePart = sizeFlexible ? std::max(0.0, length) : 0;
  const double maxPart = maxFlexible ? std::max(0.0, oldLength - start - length) : 0;
  const double total = minPart + sizePart + maxPart;
  auto share = [&](bool isFlexible, double part) {
    if (!isFlexible) return 0.0;
    return total > 0 ? delta * part / total : delta / flexible;
  };
  start += share(minFlexible, minPart);
  length = std::max(0.0, length + share(sizeFlexible, sizePart));
}

}  // namespace

NSView::NSView(const NSRect& frame) : mFrame(frame) { gLiveViews.fetch_add(1); }

NSView::~NSView() {
  LeaveTree();
  for (NSView* subview : mSubviews) {
    subview->mSuperview = nullptr;
    subview->Release();
  }
  gLiveViews.fetch_sub(1);
}

void NSView::Retain() { ++mRetainCount; }

void NSView::Release() {
  if (mRetainCount <= 0) std::abort();  // released more often than retained
  if (--mRetainCount == 0) delete this;
}

void NSView::SetFrame(const NSRect& frame) {
  const double oldWidth = mFrame.width, oldHeight = mFrame.height;
  mFrame = frame;
  if (oldWidth == frame.width && oldHeight == frame.height) return;
  // A subview may change the list while it resizes (its own subviews only); walk a copy.
  const std::vector<NSView*> subviews = mSubviews;
  for (NSView* subview : subviews) subview->Autoresize(oldWidth, oldHeight);
}

void NSView::Autoresize(double oldWidth, double oldHeight) {
  if (mSuperview == nullptr) return;
  NSRect frame = mFrame;
  const unsigned m = mAutoresizingMask;
  ResizeAxis(frame.x, frame.width, oldWidth, mSuperview->mFrame.width, m & NSViewMinXMargin, m & NSViewWidthSizable,
             m & NSViewMaxXMargin);
  ResizeAxis(frame.y, frame.height, oldHeight, mSuperview->mFrame.height, m & NSViewMinYMargin,
             m & NSViewHeightSizable, m & NSViewMaxYMargin);
  SetFrame(frame);
}

void NSView::AddSubview(NSView* view) {
  if (view == nullptr) return;
  for (NSView* v = this; v != nullptr; v = v->mSuperview)
    if (v == view) return;
  view->Retain();
  view->RemoveFromSuperview();
  view->mSuperview = this;
  mSubviews.push_back(view);
}

void NSView::RemoveFromSuperview() {
  NSView* superview = mSuperview;
  if (superview == nullptr) return;
  LeaveTree();
  mSuperview = nullptr;
  auto& siblings = superview->mSubviews;
  siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  Release();
}

NSView* NSView::RootView() {
  NSView* root = this;
  while (root->mSuperview != nullptr) root = root->mSuperview;
  return root;
}

void NSView::BecomeFirstResponder() { RootView()->mFirstResponder = this; }

void NSView::ResignFirstResponder() {
  NSView* root = RootView();
  if (root->mFirstResponder == this) root->mFirstResponder = nullptr;
}

bool NSView::IsFirstResponder() const {
  const NSView* root = this;
  while (root->mSuperview != nullptr) root = root->mSuperview;
  return root->mFirstResponder == this;
}

void NSView::LeaveTree() {
  NSView* root = RootView();
  for (NSView* v = root->mFirstResponder; v != nullptr; v = v->mSuperview) {
    if (v == this) {
      root->mFirstResponder = nullptr;
      break;
    }
  }
  mFirstResponder = nullptr;
}

void NSView::ScrollWheel(const Event&) { ++mScrollWheelEvents; }

NSAutoreleasePool::NSAutoreleasePool() { Pools().push_back(this); }

NSAutoreleasePool::~NSAutoreleasePool() {
  auto& pools = Pools();
  pools.erase(std::remove(pools.begin(), pools.end(), this), pools.end());
}

void NSAutoreleasePool::Release() { delete this; }

namespace testing {

int LiveViews() { return gLiveViews.load(); }
int LiveAutoreleasePools() { return static_cast<int>(Pools().size()); }

}  // namespace testing

}  // namespace os
