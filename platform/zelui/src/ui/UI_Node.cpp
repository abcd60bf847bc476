#include "zelui/ui/UI_Node.h"

#include <algorithm>
#include <utility>

#include "zelui/NodeManager.h"
#include "zelui/ui/NodeTesting.h"
#include "zelui/ui/OS_Window.h"

namespace zelui::ui {

namespace {

// The node manager until another listener is set (tests set their own, or none).
UI_NodeListener* gListener = nullptr;
bool gListenerSet = false;
// The node holding the keyboard focus; cleared when it dies.
UI_Node* gFocus = nullptr;

bool ValidIndex(std::ptrdiff_t index, std::ptrdiff_t size) { return index >= 0 && index < size; }

// The offset of the node's own coordinates from the root's: its origin and every ancestor's
// but the root's.
PointF OffsetFromRoot(const UI_Node* node) {
  PointF offset;
  for (; node != nullptr && node->UI_GetParentNode() != nullptr; node = node->UI_GetParentNode()) {
    const RectF rect = node->UI_GetLocalRectF(false);
    offset.x += rect.left;
    offset.y += rect.top;
  }
  return offset;
}

}  // namespace

UI_NodeP HoldDuringDispatch(UI_Node* node) {
  return node != nullptr && node->RefCount() > 0 ? UI_NodeP(node) : UI_NodeP();
}

// The container.

UI_Node* UI_NodeContainer::ChildGet(std::ptrdiff_t index) const {
  return ValidIndex(index, ChildSize()) ? mChildren[static_cast<std::size_t>(index)].get() : nullptr;
}

bool UI_NodeContainer::ChildPushBack(UI_Node* child) {
  if (child == nullptr || child == mOwner || child->UI_IsAncestorOf(mOwner)) return false;
  const UI_NodeP keep(child);
  if (UI_Node* oldParent = child->mParent) {
    auto& siblings = oldParent->mContainer.mChildren;
    siblings.erase(std::find(siblings.begin(), siblings.end(), keep));
  }
  child->mParent = mOwner;
  mChildren.push_back(keep);
  return true;
}

void UI_NodeContainer::ChildRemove(UI_Node* child) {
  if (child == nullptr || child->mParent != mOwner) return;
  const UI_NodeP keep(child);
  mChildren.erase(std::find(mChildren.begin(), mChildren.end(), keep));
  child->mParent = nullptr;
}

void UI_NodeContainer::ChildSwapOrder(std::ptrdiff_t first, std::ptrdiff_t second) {
  if (!ValidIndex(first, ChildSize()) || !ValidIndex(second, ChildSize())) return;
  std::swap(mChildren[static_cast<std::size_t>(first)], mChildren[static_cast<std::size_t>(second)]);
}

void UI_NodeContainer::ChildMove(std::ptrdiff_t from, std::ptrdiff_t to) {
  if (!ValidIndex(from, ChildSize()) || !ValidIndex(to, ChildSize())) return;
  UI_NodeP child = std::move(mChildren[static_cast<std::size_t>(from)]);
  mChildren.erase(mChildren.begin() + from);
  mChildren.insert(mChildren.begin() + to, std::move(child));
}

void UI_NodeContainer::DeleteChildren() {
  // The list is emptied before any child can die, so a dying child finds a consistent parent.
  std::vector<UI_NodeP> children;
  children.swap(mChildren);
  for (const UI_NodeP& child : children) child->mParent = nullptr;
}

void UI_NodeContainer::SetThemeName(const zelcore::UTF16String& name, bool) { mThemeName = name; }

// The listener's defaults: nothing scheduled, nothing routed.

void UI_NodeListener::NodeTimerInstalled(UI_Node&, int, float) {}
void UI_NodeListener::NodeTimerRemoved(UI_Node&, int) {}
void UI_NodeListener::NodeDying(UI_Node&) {}
bool UI_NodeListener::RouteMouseEvent(UI_Node*, const MouseEvent&) { return false; }
bool UI_NodeListener::RouteKeyboardEvent(UI_Node*, const KeyboardEvent&) { return false; }
bool UI_NodeListener::RouteCursor(UI_Node*, const PointF&, ModifierFlags, bool&) { return false; }

// The node.

UI_Node::UI_Node() : mContainer(this), mRecord(std::make_unique<testing::NodeRecord>()) {}

UI_Node::~UI_Node() {
  if (UI_NodeListener* listener = GetNodeListener()) listener->NodeDying(*this);
  if (gFocus == this) gFocus = nullptr;
  // Children that live on elsewhere lose their parent; the counted references go with the list.
  for (const UI_NodeP& child : mContainer.mChildren) child->mParent = nullptr;
}

void UI_Node::SetNodeListener(UI_NodeListener* listener) {
  gListener = listener;
  gListenerSet = true;
}

UI_NodeListener* UI_Node::GetNodeListener() {
  if (!gListenerSet) SetNodeListener(UI_NodeManager::Get());
  return gListener;
}

UI_Node* UI_Node::UI_GetRootNode() const {
  UI_Node* root = mParent;
  while (root != nullptr && root->mParent != nullptr) root = root->mParent;
  return root;
}

std::ptrdiff_t UI_Node::UI_GetIndex() const {
  if (mParent == nullptr) return -1;
  const auto& siblings = mParent->mContainer.mChildren;
  const auto it = std::find_if(siblings.begin(), siblings.end(), [this](const UI_NodeP& n) { return n.get() == this; });
  return it - siblings.begin();
}

bool UI_Node::UI_IsAncestorOf(const UI_Node* node) const {
  for (const UI_Node* n = node ? node->mParent : nullptr; n != nullptr; n = n->mParent)
    if (n == this) return true;
  return false;
}

RectF UI_Node::UI_GetLocalRectF(bool) const { return mLocalRect; }

void UI_Node::UI_SetLocalRectF(const RectF& rect) {
  const UI_NodeP hold = HoldDuringDispatch(this);
  const bool resized = rect.width != mLocalRect.width || rect.height != mLocalRect.height;
  mLocalRect = rect;
  if (resized) UI_SizeChanged(rect);
}

void UI_Node::UI_SizeChanged(const RectF&) {
  if (!mSizeChanged) return;
  const UI_NodeP hold = HoldDuringDispatch(this);
  const SizeChangedFunction function = mSizeChanged;
  function(this);
}

PointF UI_Node::UI_LocalToGlobalF(const PointF& point) const {
  const PointF offset = OffsetFromRoot(this);
  return {point.x + offset.x, point.y + offset.y};
}

RectF UI_Node::UI_LocalToGlobalF(const RectF& rect) const {
  const PointF origin = UI_LocalToGlobalF(PointF{rect.left, rect.top});
  return {origin.x, origin.y, rect.width, rect.height};
}

PointF UI_Node::UI_GlobalToLocalF(const PointF& point) const {
  const PointF offset = OffsetFromRoot(this);
  return {point.x - offset.x, point.y - offset.y};
}

RectF UI_Node::UI_GlobalToLocalF(const RectF& rect) const {
  const PointF origin = UI_GlobalToLocalF(PointF{rect.left, rect.top});
  return {origin.x, origin.y, rect.width, rect.height};
}

void UI_Node::UI_SetToolTip(const zelcore::UTF16String& text, float width) {
  mToolTip = text;
  mToolTipWidth = width;
}

void UI_Node::UI_Invalidate(const Rect32* rect, int flags) {
  ++mRecord->invalidations;
  mRecord->lastInvalidRect = rect ? std::optional<Rect32>(*rect) : std::nullopt;
  mRecord->lastInvalidFlags = flags;
}

void UI_Node::UI_UpdateNow(std::uint32_t flags) {
  ++mRecord->updates;
  mRecord->lastUpdateFlags = flags;
}

limner::SupplierInterface* UI_Node::UI_GetDrawSupplier() const {
  for (const UI_Node* node = this; node != nullptr; node = node->mParent)
    if (const auto* window = dynamic_cast<const OS_Window*>(node))
      if (limner::SupplierInterface* supplier = window->UI_GetWindowDrawSupplier()) return supplier;
  return UI_NodeManager::Get()->GetDefaultSupplier();
}

SizeF UI_Node::UI_GetRecommendedSize(limner::Limner&) const { return mRecommendedSize; }

bool UI_Node::UI_IsMouseOver(bool includeChildren) const {
  if (mMouseOver) return true;
  if (!includeChildren) return false;
  for (const UI_NodeP& child : mContainer.mChildren)
    if (child->UI_IsMouseOver(true)) return true;
  return false;
}

// Hooks.

void UI_Node::UI_InstallSizeChangedNotifyFunction(SizeChangedFunction function) { mSizeChanged = std::move(function); }
void UI_Node::UI_SetCustomPreMouseEventFunction(MouseEventFunction function) { mPreMouseEvent = std::move(function); }
void UI_Node::UI_SetCustomMouseEventFunction(MouseEventFunction function) { mMouseEvent = std::move(function); }
void UI_Node::UI_SetCustomKeyboardEventFunction(KeyboardEventFunction function) {
  mKeyboardEvent = std::move(function);
}
void UI_Node::UI_SetCustomDrawFunction(DrawFunction function) { mDraw = std::move(function); }
void UI_Node::UI_SetCustomDoCursorFunction(DoCursorFunction function) { mDoCursor = std::move(function); }
void UI_Node::InstallFocusChangedFunction(FocusChangedFunction function) { mFocusChanged = std::move(function); }

// Events. Each hook is copied before it is called: a hook may replace itself while it runs.

bool UI_Node::UI_DoMouseEvent(UI_Node* target, const MouseEvent& event) {
  const UI_NodeP hold = HoldDuringDispatch(this);
  const UI_NodeP holdTarget = HoldDuringDispatch(target);
  for (const MouseEventFunction* slot : {&mPreMouseEvent, &mMouseEvent}) {
    if (!*slot) continue;
    const MouseEventFunction function = *slot;
    bool handled = false;
    const bool result = function(target, event, handled);
    if (handled) return result;
  }
  return UI_HandleMouseEvent(target, event);
}

bool UI_Node::UI_DoKeyboardEvent(UI_Node* target, const KeyboardEvent& event) {
  const UI_NodeP hold = HoldDuringDispatch(this);
  const UI_NodeP holdTarget = HoldDuringDispatch(target);
  if (mKeyboardEvent) {
    const KeyboardEventFunction function = mKeyboardEvent;
    bool handled = false;
    const bool result = function(target, event, handled);
    if (handled) return result;
  }
  return UI_HandleKeyboardEvent(target, event);
}

bool UI_Node::UI_DoCursor(const PointF& where, ModifierFlags modifiers) {
  const UI_NodeP hold = HoldDuringDispatch(this);
  if (mDoCursor) {
    const DoCursorFunction function = mDoCursor;
    bool handled = false;
    const bool result = function(this, where, modifiers, handled);
    if (handled) return result;
  }
  return UI_HandleCursor(where, modifiers);
}

bool UI_Node::UI_DoDraw(limner::Limner& context) {
  const UI_NodeP hold = HoldDuringDispatch(this);
  if (mDraw) {
    const DrawFunction function = mDraw;
    if (function(this, context)) return true;
  }
  UI_Draw(context);
  return false;
}

bool UI_Node::UI_HandleMouseEvent(UI_Node*, const MouseEvent&) {
  ++mRecord->ownMouseEvents;
  return false;
}

bool UI_Node::UI_HandleKeyboardEvent(UI_Node*, const KeyboardEvent&) {
  ++mRecord->ownKeyboardEvents;
  return false;
}

bool UI_Node::UI_HandleCursor(const PointF&, ModifierFlags) {
  ++mRecord->ownCursorCalls;
  return false;
}

void UI_Node::UI_Draw(limner::Limner&) { ++mRecord->draws; }

// Focus.

bool UI_Node::UI_GainKeyboardFocus(int reason) {
  if (!UI_WantsKeyboardFocus() || mDisabled) return false;
  if (gFocus == this) return true;
  const UI_NodeP hold = HoldDuringDispatch(this);
  UI_Node* loser = gFocus;
  const UI_NodeP holdLoser = HoldDuringDispatch(loser);
  gFocus = this;
  if (loser != nullptr) loser->NotifyFocusChanged(reason);
  NotifyFocusChanged(reason);
  // A focus-change function may have moved the focus on.
  return gFocus == this;
}

bool UI_Node::UI_HasKeyboardFocus(bool includeDescendants) const {
  if (gFocus == nullptr) return false;
  return gFocus == this || (includeDescendants && UI_IsAncestorOf(gFocus));
}

UI_Node* UI_Node::UI_GetKeyboardFocusNode() { return gFocus; }

void UI_Node::NotifyFocusChanged(int reason) {
  if (!mFocusChanged) return;
  const FocusChangedFunction function = mFocusChanged;
  function(this, reason);
}

// Timers.

void UI_Node::UI_InstallTimer(float interval, int id) {
  mTimers[id] = interval;
  if (UI_NodeListener* listener = GetNodeListener()) listener->NodeTimerInstalled(*this, id, interval);
}

void UI_Node::UI_RemoveTimer(int id, bool) {
  if (mTimers.erase(id) == 0) return;
  if (UI_NodeListener* listener = GetNodeListener()) listener->NodeTimerRemoved(*this, id);
}

void UI_Node::UI_InstallTimerNotifyFunction(TimerNotifyFunctionP function) {
  if (!function || !*function) return;
  if (std::find(mTimerNotifyFunctions.begin(), mTimerNotifyFunctions.end(), function) != mTimerNotifyFunctions.end())
    return;
  mTimerNotifyFunctions.push_back(std::move(function));
}

void UI_Node::UI_RemoveTimerNotifyFunction(const TimerNotifyFunctionP& function) {
  mTimerNotifyFunctions.erase(std::remove(mTimerNotifyFunctions.begin(), mTimerNotifyFunctions.end(), function),
                              mTimerNotifyFunctions.end());
}

bool UI_Node::UI_DoTimerNotify(int id) {
  // The functions asked are the ones installed when the timer fired, less any removed meanwhile.
  const std::vector<TimerNotifyFunctionP> functions = mTimerNotifyFunctions;
  for (const TimerNotifyFunctionP& function : functions) {
    const bool stillInstalled = std::find(mTimerNotifyFunctions.begin(), mTimerNotifyFunctions.end(), function) !=
                                mTimerNotifyFunctions.end();
    if (stillInstalled && (*function)(id)) return true;
  }
  return false;
}

bool UI_Node::DispatchTimer(int id) {
  if (!UI_HasTimer(id)) return false;
  const UI_NodeP hold = HoldDuringDispatch(this);
  UI_DoTimerNotify(id);
  return true;
}

}  // namespace zelui::ui
