// The OS layer's platform views: autoresizing, the window's first responder, and ownership.
#include <gtest/gtest.h>

#include "os/View.h"
#include "os/testing.h"

using os::NSRect;
using os::NSView;

// A subview follows its superview's new size by its mask: each flexible part takes a share of
// the change in proportion to its length.
TEST(Views, SubviewsFollowTheirSuperviewByTheirMasks) {
  struct Row {
    const char* name;
    unsigned mask;
    NSRect after;
  };
  const Row rows[] = {
      {"fixed", os::NSViewNotSizable, {10, 20, 30, 40}},
      {"width and height", os::NSViewWidthSizable | os::NSViewHeightSizable, {10, 20, 100, 90}},
      {"left margin", os::NSViewMinXMargin, {80, 20, 30, 40}},
      {"both margins: 10 and 60 share 70", os::NSViewMinXMargin | os::NSViewMaxXMargin, {20, 20, 30, 40}},
      {"left margin and width", os::NSViewMinXMargin | os::NSViewWidthSizable, {27.5, 20, 82.5, 40}},
      {"top margin", os::NSViewMinYMargin, {10, 70, 30, 40}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    NSView* parent = new NSView(NSRect{0, 0, 100, 100});
    NSView* child = new NSView(NSRect{10, 20, 30, 40});
    child->SetAutoresizingMask(row.mask);
    parent->AddSubview(child);
    child->Release();
    parent->SetFrame(NSRect{0, 0, 170, 150});
    EXPECT_EQ(child->Frame(), row.after);
    parent->Release();
  }
  EXPECT_EQ(os::testing::LiveViews(), 0);
}

// The topmost view keeps its window's first responder; a view that leaves the tree stops being
// it, and a subview held elsewhere outlives its superview.
TEST(Views, TheFirstResponderIsOneOfTheTree) {
  NSView* root = new NSView(NSRect{});
  NSView* middle = new NSView(NSRect{});
  NSView* leaf = new NSView(NSRect{});
  root->AddSubview(middle);
  middle->AddSubview(leaf);
  middle->Release();
  EXPECT_EQ(leaf->RootView(), root);

  leaf->BecomeFirstResponder();
  EXPECT_TRUE(leaf->IsFirstResponder());
  middle->ResignFirstResponder();
  EXPECT_TRUE(leaf->IsFirstResponder()) << "only the first responder resigns";
  middle->RemoveFromSuperview();
  EXPECT_FALSE(leaf->IsFirstResponder());
  EXPECT_EQ(os::testing::LiveViews(), 2) << "the middle view went with its superview's reference";
  EXPECT_EQ(leaf->Superview(), nullptr);

  root->AddSubview(leaf);
  root->AddSubview(root);
  EXPECT_EQ(root->Subviews(), std::vector<NSView*>{leaf}) << "a view never contains itself";
  leaf->BecomeFirstResponder();
  root->Release();
  EXPECT_EQ(leaf->Superview(), nullptr);
  EXPECT_FALSE(leaf->IsFirstResponder());
  leaf->Release();
  EXPECT_EQ(os::testing::LiveViews(), 0);
}
