#pragma once
// Platform views: a rectangle in its superview, subviews that follow their superview's size by
// their autoresizing masks, the first responder of the window a tree of views stands for, and
// scroll-wheel events. Views are counted: the maker holds one reference (new NSView), a superview
// one per subview; Release gives one back and the view goes with its last. Nothing is drawn.
#include <vector>

namespace os {

struct Event;

struct NSRect {
  double x = 0, y = 0, width = 0, height = 0;
  bool operator==(const NSRect& o) const { return x == o.x && y == o.y && width == o.width && height == o.height; }
  bool operator!=(const NSRect& o) const { return !(*this == o); }
};

// How a view follows its superview's size: each flexible part (the margins and the size, along
// either axis) takes a share of the change in proportion to its own length. Y grows downwards:
// the min-Y margin is the top one.
enum NSAutoresizingMaskOptions : unsigned {
  NSViewNotSizable = 0,
  NSViewMinXMargin = 1,
  NSViewWidthSizable = 2,
  NSViewMaxXMargin = 4,
  NSViewMinYMargin = 8,
  NSViewHeightSizable = 16,
  NSViewMaxYMargin = 32,
};

class NSView {
 public:
  explicit NSView(const NSRect& frame);
  NSView(const NSView&) = delete;
  NSView& operator=(const NSView&) = delete;

  void Retain();
  void Release();

  // The rectangle in the superview's coordinates. A new size resizes the subviews by their masks.
  const NSRect& Frame() const { return mFrame; }
  void SetFrame(const NSRect& frame);
  void SetAutoresizingMask(unsigned mask) { mAutoresizingMask = mask; }
  unsigned AutoresizingMask() const { return mAutoresizingMask; }

  // Appends the view (taking it from its former superview) and holds one reference to it. Null,
  // the view itself and its ancestors are refused.
  void AddSubview(NSView* view);
  // Leaves the superview, which gives back its reference.
  void RemoveFromSuperview();
  const std::vector<NSView*>& Subviews() const { return mSubviews; }
  NSView* Superview() const { return mSuperview; }

  // A tree of views stands for one window, and its topmost view for the window's content, which
  // keeps the window's first responder. A view that leaves the tree stops being it.
  NSView* RootView();
  void BecomeFirstResponder();
  // Only the first responder resigns; another view's call changes nothing.
  void ResignFirstResponder();
  bool IsFirstResponder() const;

  // The scroll-wheel event handed to the view; counted.
  virtual void ScrollWheel(const Event& event);
  int ScrollWheelEvents() const { return mScrollWheelEvents; }

 protected:
  virtual ~NSView();

 private:
  // The superview's size changed from oldSize (width, height): follow it by the mask.
  void Autoresize(double oldWidth, double oldHeight);
  // The root's first responder, when it lies in this view's subtree, is cleared.
  void LeaveTree();

  int mRetainCount = 1;
  NSRect mFrame;
  unsigned mAutoresizingMask = NSViewNotSizable;
  NSView* mSuperview = nullptr;
  std::vector<NSView*> mSubviews;
  NSView* mFirstResponder = nullptr;  // kept by a root only
  int mScrollWheelEvents = 0;
};

// A pool of the main thread: made with new, given back with Release; pools nest, and each
// must be released once, innermost first. Nothing here is autoreleased into it.
class NSAutoreleasePool {
 public:
  NSAutoreleasePool();
  NSAutoreleasePool(const NSAutoreleasePool&) = delete;
  NSAutoreleasePool& operator=(const NSAutoreleasePool&) = delete;
  void Release();

 private:
  ~NSAutoreleasePool();
};

}  // namespace os
