#pragma once
// A node of the UI framework: one element of a window's tree. Nodes are counted and held by
// UI_NodeP; a node holds its children by counted reference and knows its parent by a plain
// pointer, which the parent clears when it dies. This stand-in keeps state and draws nothing:
// what the node calls set is read back from plain fields, and events reach a node only through
// the dispatch calls below (tests inject them through zelui/testing.h). Every dispatch holds a
// counted reference to its node, so a hook may drop the last outside reference safely.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <boost/any.hpp>
#include <boost/intrusive_ptr.hpp>

#include "zelcore/Strings.h"
#include "zelcore/utility/RefCountedObject.h"
#include "zelui/ui/Events.h"
#include "zelui/ui/Geometry.h"

namespace limner {
class Limner;
class SupplierInterface;
}

namespace zelui::testing {
struct NodeRecord;
}

namespace zelui::ui {

class UI_Node;
using UI_NodeP = boost::intrusive_ptr<UI_Node>;

// The container part of a node: its children in position order (0-based) and the name of the
// theme they are drawn with.
class UI_NodeContainer {
 public:
  UI_NodeContainer(const UI_NodeContainer&) = delete;
  UI_NodeContainer& operator=(const UI_NodeContainer&) = delete;

  std::ptrdiff_t ChildSize() const { return static_cast<std::ptrdiff_t>(mChildren.size()); }
  // The child at the position, or null outside 0..size-1.
  UI_Node* ChildGet(std::ptrdiff_t index) const;
  // Appends the child, taking it from its current parent first (a child of this node moves to
  // the end). A null child, the node itself and its ancestors are refused (false): a node never
  // contains itself.
  bool ChildPushBack(UI_Node* child);
  // Removes a child of this node, which dies here when nothing else holds it; a node that is no
  // child of this one is ignored.
  void ChildRemove(UI_Node* child);
  // Swaps two children; an index outside 0..size-1 changes nothing.
  void ChildSwapOrder(std::ptrdiff_t first, std::ptrdiff_t second);
  // Takes the child at from and puts it at position to; an index outside 0..size-1 changes nothing.
  void ChildMove(std::ptrdiff_t from, std::ptrdiff_t to);
  // Removes every child.
  void DeleteChildren();
  // The redraw flag asks the children to redraw at once; nothing is drawn here.
  void SetThemeName(const zelcore::UTF16String& name, bool redraw);
  const zelcore::UTF16String& GetThemeName() const { return mThemeName; }

 private:
  friend class UI_Node;
  explicit UI_NodeContainer(UI_Node* owner) : mOwner(owner) {}

  UI_Node* mOwner;
  std::vector<UI_NodeP> mChildren;
  zelcore::UTF16String mThemeName;
};

// What the node manager learns from every node: the timers it must schedule, events it may
// route elsewhere first (input capture, filter nodes), and a node's death, after which the node
// must be in none of its lists. One listener at a time: the node manager unless another was set.
class UI_NodeListener {
 public:
  virtual ~UI_NodeListener() = default;
  virtual void NodeTimerInstalled(UI_Node& node, int id, float interval);
  virtual void NodeTimerRemoved(UI_Node& node, int id);
  // Called from the node's destructor: the node's count is zero and it must not be retained,
  // only forgotten.
  virtual void NodeDying(UI_Node& node);
  // True when the event was delivered elsewhere, and its target must not get it.
  virtual bool RouteMouseEvent(UI_Node* target, const MouseEvent& event);
  virtual bool RouteKeyboardEvent(UI_Node* target, const KeyboardEvent& event);
  // True when routed; handled tells whether the cursor was set there.
  virtual bool RouteCursor(UI_Node* target, const PointF& where, ModifierFlags modifiers, bool& handled);
};

class UI_Node : public zelcore::utility::RefCountedObject {
 public:
  // The hooks a node's owner may set, one function each; setting one replaces the previous.
  // The node the event is for is handed first. Event and cursor functions set handled when the
  // node's own handling must be skipped; what they return is then the dispatch's answer.
  using SizeChangedFunction = std::function<void(UI_Node* node)>;
  using MouseEventFunction = std::function<bool(UI_Node* node, const MouseEvent& event, bool& handled)>;
  using KeyboardEventFunction = std::function<bool(UI_Node* node, const KeyboardEvent& event, bool& handled)>;
  // True when the drawing is done and the node's own drawing must be skipped.
  using DrawFunction = std::function<bool(UI_Node* node, limner::Limner& context)>;
  using DoCursorFunction =
      std::function<bool(UI_Node* node, const PointF& where, ModifierFlags modifiers, bool& handled)>;
  using FocusChangedFunction = std::function<void(UI_Node* node, int reason)>;
  // Asked when a timer of the node fires; true when it handled the timer.
  using TimerNotifyFunction = std::function<bool(int id)>;
  using TimerNotifyFunctionP = std::shared_ptr<TimerNotifyFunction>;

  UI_Node();

  static void SetNodeListener(UI_NodeListener* listener);
  static UI_NodeListener* GetNodeListener();

  // Tree.
  UI_NodeContainer& UI_GetContainer() { return mContainer; }
  const UI_NodeContainer& UI_GetContainer() const { return mContainer; }
  UI_Node* UI_GetParentNode() const { return mParent; }
  // The topmost ancestor; null for a node without parent.
  UI_Node* UI_GetRootNode() const;
  // The position among the parent's children (0-based); -1 without parent.
  std::ptrdiff_t UI_GetIndex() const;
  bool UI_IsAncestorOf(const UI_Node* node) const;

  // Geometry: the local rectangle is in the parent's coordinates, and the node's own origin is
  // its top-left corner. Global coordinates are those of the root node. The flag asks for the
  // drawn area, which is the local rectangle here.
  RectF UI_GetLocalRectF(bool drawnArea = false) const;
  // Calls UI_SizeChanged when the width or height changes.
  void UI_SetLocalRectF(const RectF& rect);
  // The node's size changed; the rectangle is the new local one. Calls the size-changed function.
  virtual void UI_SizeChanged(const RectF& rect);
  PointF UI_LocalToGlobalF(const PointF& point) const;
  RectF UI_LocalToGlobalF(const RectF& rect) const;
  PointF UI_GlobalToLocalF(const PointF& point) const;
  RectF UI_GlobalToLocalF(const RectF& rect) const;

  // Plain state.
  bool UI_GetClipToSelfEnabled() const { return mClipToSelf; }
  void UI_SetClipToSelfEnabled(bool enabled) { mClipToSelf = enabled; }
  void UI_SetToolTip(const zelcore::UTF16String& text, float width);
  const zelcore::UTF16String& UI_GetToolTip() const { return mToolTip; }
  float UI_GetToolTipWidth() const { return mToolTipWidth; }
  void UI_SetToolTipAvoidsBounds(bool avoids) { mToolTipAvoidsBounds = avoids; }
  bool UI_GetToolTipAvoidsBounds() const { return mToolTipAvoidsBounds; }
  virtual void UI_Show(bool show) { mShown = show; }
  bool UI_IsShown() const { return mShown; }
  const std::string& UI_GetNodeID() const { return mNodeID; }
  void UI_SetNodeID(const std::string& id) { mNodeID = id; }
  void UI_SetDisabled(bool disabled) { mDisabled = disabled; }
  bool UI_IsDisabled() const { return mDisabled; }
  // Asks for a redraw of the rectangle (local, whole node when null); recorded for tests.
  virtual void UI_Invalidate(const Rect32* rect = nullptr, int flags = 0);
  // Redraws at once what is invalid; recorded for tests.
  void UI_UpdateNow(std::uint32_t flags);
  // The size the node would like, measured with the context; tests set it.
  virtual SizeF UI_GetRecommendedSize(limner::Limner& context) const;
  // Whether the mouse is over the node (or, with the flag, over one of its children); tests set it.
  bool UI_IsMouseOver(bool includeChildren) const;
  void UI_SetDrawCachePolicy(int policy) { mDrawCachePolicy = policy; }
  int UI_GetDrawCachePolicy() const { return mDrawCachePolicy; }
  // State flags (the toolkit's bits): set adds the bits, clear takes them away.
  void UI_SetStateFlags(std::uint32_t flags) { mStateFlags |= flags; }
  void UI_ClearStateFlags(std::uint32_t flags) { mStateFlags &= ~flags; }
  std::uint32_t UI_GetStateFlags() const { return mStateFlags; }

  // The supplier the node is drawn with: that of the nearest window above it (itself included)
  // that has one, else the node manager's default.
  limner::SupplierInterface* UI_GetDrawSupplier() const;

  // One value of any type that the node keeps for its user and destroys with itself.
  void SetUserData(boost::any data) { mUserData = std::move(data); }
  boost::any& GetUserData() { return mUserData; }
  const boost::any& GetUserData() const { return mUserData; }

  // Hooks.
  void UI_InstallSizeChangedNotifyFunction(SizeChangedFunction function);
  void UI_SetCustomPreMouseEventFunction(MouseEventFunction function);
  void UI_SetCustomMouseEventFunction(MouseEventFunction function);
  void UI_SetCustomKeyboardEventFunction(KeyboardEventFunction function);
  void UI_SetCustomDrawFunction(DrawFunction function);
  void UI_SetCustomDoCursorFunction(DoCursorFunction function);
  void InstallFocusChangedFunction(FocusChangedFunction function);

  // Events. UI_DoMouseEvent runs the custom pre-mouse function, then, unless it handled the
  // event, the custom mouse function, then, unless handled, the class's own UI_HandleMouseEvent.
  // Keyboard and cursor go the same way through their one custom function.
  virtual bool UI_DoMouseEvent(UI_Node* target, const MouseEvent& event);
  virtual bool UI_DoKeyboardEvent(UI_Node* target, const KeyboardEvent& event);
  virtual bool UI_DoCursor(const PointF& where, ModifierFlags modifiers);
  // The custom draw function, then, unless it drew, the class's own UI_Draw; true when the
  // custom function drew.
  bool UI_DoDraw(limner::Limner& context);

  // Keyboard focus: one node of the process holds it.
  virtual bool UI_WantsKeyboardFocus() const { return false; }
  // A node that wants focus and is enabled takes it: the focus-change function of the node that
  // loses it runs, then the gainer's, each with the reason. False when refused.
  bool UI_GainKeyboardFocus(int reason);
  // Whether this node (or, with the flag, one of its descendants) holds the focus.
  bool UI_HasKeyboardFocus(bool includeDescendants) const;
  static UI_Node* UI_GetKeyboardFocusNode();

  // Timers: the node manager fires an installed timer every interval (seconds) by calling
  // DispatchTimer. Installing an id again changes its interval.
  void UI_InstallTimer(float interval, int id);
  // The flag asks for the pending firing to be dropped too; a removed timer never fires again.
  void UI_RemoveTimer(int id, bool dropPending);
  bool UI_HasTimer(int id) const { return mTimers.count(id) != 0; }
  const std::map<int, float>& UI_GetTimers() const { return mTimers; }
  // Adds a function asked by UI_DoTimerNotify; one already installed is not added twice.
  void UI_InstallTimerNotifyFunction(TimerNotifyFunctionP function);
  void UI_RemoveTimerNotifyFunction(const TimerNotifyFunctionP& function);
  // Asks each notify function in installation order until one handles the timer.
  virtual bool UI_DoTimerNotify(int id);
  // Fires an installed timer: UI_DoTimerNotify; false for an id not installed.
  bool DispatchTimer(int id);

 protected:
  ~UI_Node() override;

  // The class's own handling, after the custom functions; these record what reached them.
  virtual bool UI_HandleMouseEvent(UI_Node* target, const MouseEvent& event);
  virtual bool UI_HandleKeyboardEvent(UI_Node* target, const KeyboardEvent& event);
  virtual bool UI_HandleCursor(const PointF& where, ModifierFlags modifiers);
  virtual void UI_Draw(limner::Limner& context);

 private:
  friend class UI_NodeContainer;
  friend struct NodeTestAccess;

  void NotifyFocusChanged(int reason);

  UI_NodeContainer mContainer;
  UI_Node* mParent = nullptr;

  RectF mLocalRect;
  bool mClipToSelf = false;
  zelcore::UTF16String mToolTip;
  float mToolTipWidth = 0;
  bool mToolTipAvoidsBounds = false;
  bool mShown = true;
  std::string mNodeID;
  bool mDisabled = false;
  SizeF mRecommendedSize;
  bool mMouseOver = false;
  int mDrawCachePolicy = 0;
  std::uint32_t mStateFlags = 0;
  boost::any mUserData;

  SizeChangedFunction mSizeChanged;
  MouseEventFunction mPreMouseEvent;
  MouseEventFunction mMouseEvent;
  KeyboardEventFunction mKeyboardEvent;
  DrawFunction mDraw;
  DoCursorFunction mDoCursor;
  FocusChangedFunction mFocusChanged;

  std::map<int, float> mTimers;
  std::vector<TimerNotifyFunctionP> mTimerNotifyFunctions;

  std::unique_ptr<testing::NodeRecord> mRecord;
};

// A counted reference that keeps the node alive through a dispatch; empty for a null node or
// one that no counted reference holds yet (one still being built), which counting here would
// delete at the end of the dispatch.
UI_NodeP HoldDuringDispatch(UI_Node* node);

}  // namespace zelui::ui
