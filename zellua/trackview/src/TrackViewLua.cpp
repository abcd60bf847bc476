// Track-view overlays, trackers, lent track views and drag interfaces for scripts. Native hooks
// calling into Lua save the stack top and put it back on every way out, and touch the state only
// while it is open.
#include "zellua/trackview/TrackViewLua.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <utility>

#include "zellua/binding/Assert.h"
#include "zellua/binding/Module.h"
#include "zellua/binding/Numbers.h"
#include "zellua/binding/StackGuard.h"
#include "zellua/binding/Userdata.h"
#include "zellua/datatransfer/ReceiveData.h"
#include "zellua/limner/Converters.h"
#include "zellua/limner/LimnerLua.h"
#include "zellua/ui/LuaControlWrapper.h"

namespace zellua::trackview {

const char* const kZelLuaOverlayMetaTableName = "zellua.Overlay";
const char* const kZelLuaTrackerMetaTableName = "zellua.Tracker";
const char* const kZelLuaTrackViewMetaTableName = "zellua.zelTrackView";
const char* const kZelLuaDragDropInterfaceMetaTableName = "zellua.TrackerDragDropInterface";

namespace {

namespace tv = arx::trackview;

const char* const kOverlayClassName = "zelTrackviewOverlay";
const char* const kTrackerClassName = "Tracker";
const char* const kTrackViewClassName = "zelTrackView";
const char* const kDragDropClassName = "TrackerDragDropInterface";

struct OverlayBlock {
  LuaBackedOverlay* overlay;
};
struct TrackerBlock {
  LuaBackedTracker* tracker;
};
struct DragDropBlock {
  tv::TrackerDragAndDropInterface* dragDrop;
  // The notice that empties the block when the interface goes.
  int notice;
};

// The block of the userdata at index when it carries the metatable; null otherwise, raising
// nothing (for values native code receives from Lua).
template <typename T>
T* TestBlock(lua_State* L, int index, const char* metaTableName) {
  if (!lua_isuserdata(L, index) || !lua_getmetatable(L, index)) return nullptr;
  luaL_getmetatable(L, metaTableName);
  const bool same = lua_rawequal(L, -1, -2) != 0;
  lua_pop(L, 2);
  return same ? static_cast<T*>(lua_touserdata(L, index)) : nullptr;
}

// Argument 1 of a method that gives no values for a value that is not a userdata; the argument
// error for a userdata of another kind.
template <typename T>
T* OptionalSelf(lua_State* L, const char* metaTableName) {
  if (!lua_isuserdata(L, 1)) return nullptr;
  return binding::CheckUserdata<T>(L, 1, metaTableName);
}

// Calls the function bound under the name with what pushArgs pushes, on the bindery's state while
// it is open, and puts the stack back. Nothing when unbound. With one result: its Lua truth, where
// a failed call counts as true (its error value stands in the result's place).
template <typename PushArgs>
std::optional<bool> CallBound(const utility::LuaBindery& bindery, const char* name, int results,
                              PushArgs&& pushArgs) {
  lua_State* L = bindery.LiveState();
  if (L == nullptr) return std::nullopt;
  const binding::StackGuard guard(L);
  if (!lua_checkstack(L, LUA_MINSTACK) || !bindery.pushBoundFxn(name)) return std::nullopt;
  const int arguments = pushArgs(L);
  const bool failed = lua_pcall(L, arguments, results, 0) != 0;
  if (results == 0) return !failed;
  return failed || lua_toboolean(L, -1) != 0;
}

// ---- track views

void ReportOutOfScope() { ZELLUA_FAIL("\"Attempting to use an out-of-scope TrackView\" && 0"); }

// The track view of the proxy at argument 1; null (after the report) when out of scope.
tv::TrackView* LiveTrackView(lua_State* L) {
  TrackViewBlock* block = zellua_checkTrackView(L, 1);
  if (block->trackView == nullptr) ReportOutOfScope();
  return block->trackView;
}

int DataArea(lua_State* L) {
  tv::TrackView* view = LiveTrackView(L);
  if (view == nullptr) return 0;
  return limner::PushRectF32ToLua(L, view->DataArea());
}

int DataPointToLocal(lua_State* L) {
  zellua_checkTrackView(L, 1);
  tv::PointF point{};
  limner::GetPointF32FromLua(L, 2, point);
  tv::TrackView* view = LiveTrackView(L);
  if (view == nullptr) return 0;
  return limner::PushPointF32ToLua(L, view->DataToLocal(point));
}

int DataRectToLocal(lua_State* L) {
  zellua_checkTrackView(L, 1);
  tv::RectF rect{};
  limner::GetRectF32FromLua(L, 2, rect);
  tv::TrackView* view = LiveTrackView(L);
  if (view == nullptr) return 0;
  return limner::PushRectF32ToLua(L, view->DataToLocal(rect));
}

// The toolkit's own platform view of the proxy's track view; null after the report.
tv::OS_TrackViewPlatformView* LivePlatformView(lua_State* L, tv::TrackView*& view) {
  view = LiveTrackView(L);
  if (view == nullptr) return nullptr;
  auto* platformView = dynamic_cast<tv::OS_TrackViewPlatformView*>(view->GetPlatformView());
  ZELLUA_ASSERT(platformView != nullptr, nullptr);
  return platformView;
}

int UpdateNow(lua_State* L) {
  tv::TrackView* view = nullptr;
  if (auto* platformView = LivePlatformView(L, view)) platformView->UpdateNow();
  return 0;
}

int InvalidateNow(lua_State* L) {
  tv::TrackView* view = nullptr;
  if (auto* platformView = LivePlatformView(L, view)) platformView->InvalidateNow(view->DataToLocal(view->DataArea()));
  return 0;
}

const luaL_Reg kTrackViewMethods[] = {{"DataArea", DataArea},
                                      {"DataPointToLocal", DataPointToLocal},
                                      {"DataRectToLocal", DataRectToLocal},
                                      {"UpdateNow", UpdateNow},
                                      {"InvalidateNow", InvalidateNow},
                                      {nullptr, nullptr}};

// ---- trackers

int NewTracker(lua_State* L) {
  TrackViewBlock* view = zellua_checkTrackView(L, 1);
  if (view->trackView == nullptr) {
    ReportOutOfScope();
    return 0;
  }
  auto* block = binding::PushEmptyBlock<TrackerBlock>(L, kZelLuaTrackerMetaTableName);
  block->tracker = new LuaBackedTracker(view->trackView, L);
  return 1;
}

TrackerBlock* CheckTrackerBlock(lua_State* L) { return binding::CheckUserdata<TrackerBlock>(L, 1, kZelLuaTrackerMetaTableName); }

// A tracker never handed to the framework goes with its userdata.
int TrackerGc(lua_State* L) {
  TrackerBlock* block = CheckTrackerBlock(L);
  LuaBackedTracker* tracker = block->tracker;
  block->tracker = nullptr;
  delete tracker;
  return 0;
}

int TrackerToString(lua_State* L) {
  return binding::PushTypeAndAddress(L, kTrackerClassName, CheckTrackerBlock(L));
}

int TrackerBindZelOperation(lua_State* L) {
  TrackerBlock* block = CheckTrackerBlock(L);
  if (block->tracker == nullptr) return 0;
  return block->tracker->BindZELOperation(L);
}

const luaL_Reg kTrackerMethods[] = {{"__gc", TrackerGc},
                                    {"__tostring", TrackerToString},
                                    {"BindZelOperation", TrackerBindZelOperation},
                                    {nullptr, nullptr}};

const luaL_Reg kTrackerFunctions[] = {{"NewTracker", NewTracker}, {nullptr, nullptr}};

// ---- drag interfaces

int DragDropGc(lua_State* L) {
  auto* block = binding::CheckUserdata<DragDropBlock>(L, 1, kZelLuaDragDropInterfaceMetaTableName);
  if (block->dragDrop != nullptr) block->dragDrop->CancelNotice(block->notice);
  block->dragDrop = nullptr;
  return 0;
}

int SetDropEffect(lua_State* L) {
  tv::TrackerDragAndDropInterface* dragDrop = zellua_checkDragDropInterface(L, 1);
  if (dragDrop == nullptr) return 0;
  dragDrop->SetDropEffect(binding::CheckInteger<int>(L, 2));
  return 0;
}

// The received data, lent to Lua until the interface goes: the proxy does not own it and gives
// no values afterwards.
int GetReceiveData(lua_State* L) {
  tv::TrackerDragAndDropInterface* dragDrop = zellua_checkDragDropInterface(L, 1);
  if (dragDrop == nullptr || dragDrop->GetReceiveData() == nullptr) return 0;
  auto loan = std::make_shared<datatransfer::ReceiveDataLoan>(L, *dragDrop->GetReceiveData());
  loan->Proxy()->owned = 0;
  dragDrop->NotifyWhenGoing([loan]() mutable { loan.reset(); });
  return 1;
}

const luaL_Reg kDragDropMethods[] = {{"__gc", DragDropGc},
                                     {"SetDropEffect", SetDropEffect},
                                     {"GetReceiveData", GetReceiveData},
                                     {nullptr, nullptr}};

// ---- overlays

using LayerType = tv::Overlay::LayerType;
using State = tv::Overlay::State;

const binding::IntConstant kLayerTypes[] = {{"Overlay_Floating", tv::Overlay::Overlay_Floating},
                                            {"Overlay_Editing", tv::Overlay::Overlay_Editing},
                                            {nullptr, 0}};
const binding::IntConstant kStateTypes[] = {{"Overlay_Enabled", tv::Overlay::Overlay_Enabled},
                                            {"Overlay_NotDrawing", tv::Overlay::Overlay_NotDrawing},
                                            {"Overlay_JustDrawing", tv::Overlay::Overlay_JustDrawing},
                                            {"Overlay_Disabled", tv::Overlay::Overlay_Disabled},
                                            {nullptr, 0}};
const binding::IntConstant kOverlayConstants[] = {{"eEnabled", tv::Overlay::Overlay_Enabled},
                                                  {"eNotDrawing", tv::Overlay::Overlay_NotDrawing},
                                                  {"eJustDrawing", tv::Overlay::Overlay_JustDrawing},
                                                  {"eDisabled", tv::Overlay::Overlay_Disabled},
                                                  {nullptr, 0}};

int PushConstants(lua_State* L, const binding::IntConstant* constants) {
  lua_newtable(L);
  for (; constants->name != nullptr; ++constants) {
    lua_pushinteger(L, constants->value);
    lua_setfield(L, -2, constants->name);
  }
  return 1;
}

int GetLayerTypes(lua_State* L) { return PushConstants(L, kLayerTypes); }
int GetStateTypes(lua_State* L) { return PushConstants(L, kStateTypes); }

// Sets each name as a field holding its own name into the table on top of the stack.
void SetNameFields(lua_State* L, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    lua_pushstring(L, name);
    lua_setfield(L, -2, name);
  }
}

}  // namespace

// What the overlay's userdata reach it through.
struct OverlayUserdata {
  static OverlayBlock* Self(lua_State* L) {
    return OptionalSelf<OverlayBlock>(L, kZelLuaOverlayMetaTableName);
  }
  static LuaBackedOverlay* Live(lua_State* L) {
    OverlayBlock* block = Self(L);
    return block ? block->overlay : nullptr;
  }

  static int Gc(lua_State* L) {
    auto* block = binding::CheckUserdata<OverlayBlock>(L, 1, kZelLuaOverlayMetaTableName);
    if (block->overlay != nullptr) {
      auto& userdata = block->overlay->mUserdata;
      userdata.erase(std::remove(userdata.begin(), userdata.end(), block), userdata.end());
    }
    block->overlay = nullptr;
    return 0;
  }

  static int ToString(lua_State* L) {
    return binding::PushTypeAndAddress(L, "Overlay", binding::CheckUserdata<OverlayBlock>(L, 1, kZelLuaOverlayMetaTableName));
  }

  static int SetState(lua_State* L) {
    if (!Self(L)) return 0;
    const int state = binding::CheckInteger<int>(L, 2);
    if (LuaBackedOverlay* overlay = Live(L)) overlay->Overlay::SetState(static_cast<State>(state));
    return 0;
  }

  static int SetWantsDragDropEvents(lua_State* L) {
    if (LuaBackedOverlay* overlay = Live(L)) overlay->SetWantsDragDropEvents(lua_toboolean(L, 2) != 0);
    return 0;
  }

  static int BindZelOperation(lua_State* L) {
    auto* block = binding::CheckUserdata<OverlayBlock>(L, 1, kZelLuaOverlayMetaTableName);
    if (block->overlay == nullptr) return 0;
    return block->overlay->BindZELOperation(L);
  }

  static void EmptyAll(LuaBackedOverlay& overlay) {
    for (void* block : overlay.mUserdata) static_cast<OverlayBlock*>(block)->overlay = nullptr;
    overlay.mUserdata.clear();
  }
};

namespace {

const luaL_Reg kOverlayMethods[] = {{"__gc", OverlayUserdata::Gc},
                                    {"__tostring", OverlayUserdata::ToString},
                                    {"SetState", OverlayUserdata::SetState},
                                    {"SetWantsDragDropEvents", OverlayUserdata::SetWantsDragDropEvents},
                                    {"BindZelOperation", OverlayUserdata::BindZelOperation},
                                    {nullptr, nullptr}};

const luaL_Reg kOverlayFunctions[] = {{"GetLayerTypes", GetLayerTypes}, {"GetStateTypes", GetStateTypes}, {nullptr, nullptr}};

}  // namespace

AcquireTrackViewProxy::AcquireTrackViewProxy(lua_State* L, tv::TrackView* trackView, int& count) : mLuaState(L) {
  mBlock = binding::PushEmptyBlock<TrackViewBlock>(L, kZelLuaTrackViewMetaTableName, TrackView::InitLua);
  mBlock->trackView = trackView;
  mRef = binding::LuaRef(L, -1);
  count = 1;
}

AcquireTrackViewProxy::~AcquireTrackViewProxy() {
  // Once the state is closed the userdata is gone with it; otherwise it is still held here.
  if (mRef.IsValid()) mBlock->trackView = nullptr;
  mRef.Release();
}

LuaBackedOverlay::LuaBackedOverlay(lua_State* L, binding::LuaRef table, LayerType layerType, State state)
    : Overlay(layerType, state), LuaBindery(L), mTable(std::move(table)) {}

LuaBackedOverlay::~LuaBackedOverlay() {
  SetTrackView(nullptr);
  mTable.Release();
  mTrackViewProxy.reset();
  OverlayUserdata::EmptyAll(*this);
}

void LuaBackedOverlay::SetTrackView(tv::TrackView* trackView) {
  if (!mTable.IsValid()) {
    mTrackViewProxy.reset();
    return;
  }
  lua_State* L = mTable.State();
  const binding::StackGuard guard(L);
  if (!lua_checkstack(L, LUA_MINSTACK)) return;
  mTable.Push();
  lua_getfield(L, -1, "setTrackView");
  lua_insert(L, -2);
  int count = 0;
  if (trackView != nullptr) mTrackViewProxy = std::make_unique<AcquireTrackViewProxy>(L, trackView, count);
  lua_pcall(L, 1 + count, 0, 0);
}

void LuaBackedOverlay::DoImageRect(const tv::RectF& rect, ::limner::Limner& context, const zelui::ui::Theme&) {
  if (!mTable.IsValid()) return;
  lua_State* L = mTable.State();
  const binding::StackGuard guard(L);
  if (!lua_checkstack(L, LUA_MINSTACK)) return;
  mTable.Push();
  lua_getfield(L, -1, "doImageRect");
  lua_insert(L, -2);
  int count = 0;
  const limner::AcquireLimnerProxy proxy(L, &context, count);
  limner::PushRectF32ToLua(L, rect);
  lua_pcall(L, 2 + count, 0, 0);
}

bool LuaBackedOverlay::DoDoubleClick(std::uint8_t flags, const tv::PointF& point) {
  return CallBound(*this, "DoDoubleClick", 1, [&](lua_State* L) {
           lua_pushnumber(L, flags);
           limner::PushPointF32ToLua(L, point);
           return 2;
         }).value_or(false);
}

bool LuaBackedOverlay::DoContextMenu(const tv::PointF& point, zelui::ui::UI_Node* node) {
  return CallBound(*this, "DoContextMenu", 1, [&](lua_State* L) {
           limner::PushPointF32ToLua(L, point);
           ui::PushNodeOrNil(L, node);
           return 2;
         }).value_or(false);
}

std::unique_ptr<tv::Tracker> LuaBackedOverlay::DoAcquireTracker(const tv::PointF& point, bool flag,
                                                                tv::TrackerDragAndDropInterface* dragDrop) {
  lua_State* L = LiveState();
  if (L == nullptr) return nullptr;
  const binding::StackGuard guard(L);
  if (!lua_checkstack(L, LUA_MINSTACK) || !pushBoundFxn("DoAcquireTracker")) return nullptr;
  limner::PushPointF32ToLua(L, point);
  lua_pushboolean(L, flag);
  int arguments = 2;
  if (dragDrop != nullptr) arguments += PushDragDropInterfaceToLua(L, dragDrop);
  if (lua_pcall(L, arguments, 1, 0) != 0) return nullptr;
  auto* block = TestBlock<TrackerBlock>(L, -1, kZelLuaTrackerMetaTableName);
  if (block == nullptr || block->tracker == nullptr) return nullptr;
  // The framework owns the tracker from now on: the userdata lets go of it.
  std::unique_ptr<tv::Tracker> tracker(block->tracker);
  block->tracker = nullptr;
  return tracker;
}

int LuaBackedOverlay::PushToLua(lua_State* L) {
  auto* block = binding::PushEmptyBlock<OverlayBlock>(L, kZelLuaOverlayMetaTableName, InitLua);
  mUserdata.push_back(block);
  block->overlay = this;
  return 1;
}

int LuaBackedOverlay::InitLua(lua_State* L) {
  binding::ModuleSpec spec;
  spec.metaTableName = kZelLuaOverlayMetaTableName;
  spec.methods[0] = kOverlayMethods;
  spec.className = kOverlayClassName;
  spec.functions = kOverlayFunctions;
  spec.constants = kOverlayConstants;
  binding::OpenModule(L, spec);
  SetNameFields(L, {"DoAcquireTracker", "DoContextMenu", "DoDoubleClick"});
  return 1;
}

LuaBackedTracker::LuaBackedTracker(tv::TrackView* trackView, lua_State* L)
    : arx::trackview::Tracker(trackView, true, true), LuaBindery(L) {}

LuaBackedTracker::~LuaBackedTracker() = default;

void LuaBackedTracker::BeginTracking(std::uint8_t flags, const tv::PointF& point, bool) {
  CallBound(*this, "BeginTracking", 0, [&](lua_State* L) {
    lua_pushnumber(L, flags);
    limner::PushPointF32ToLua(L, point);
    return 2;
  });
}

void LuaBackedTracker::ContinueTracking(std::uint8_t flags, const tv::PointF& point) {
  CallBound(*this, "ContinueTracking", 0, [&](lua_State* L) {
    lua_pushnumber(L, flags);
    limner::PushPointF32ToLua(L, point);
    return 2;
  });
}

void LuaBackedTracker::EndTracking(std::uint8_t flags, const tv::PointF& point, bool flag) {
  CallBound(*this, "EndTracking", 0, [&](lua_State* L) {
    lua_pushnumber(L, flags);
    limner::PushPointF32ToLua(L, point);
    lua_pushboolean(L, flag);
    return 3;
  });
}

bool LuaBackedTracker::DoCursor(std::uint8_t flags, const tv::PointF& point) {
  return CallBound(*this, "DoCursor", 1, [&](lua_State* L) {
           lua_pushnumber(L, flags);
           limner::PushPointF32ToLua(L, point);
           return 2;
         }).value_or(false);
}

int Tracker::InitLua(lua_State* L) {
  binding::ModuleSpec spec;
  spec.metaTableName = kZelLuaTrackerMetaTableName;
  spec.methods[0] = kTrackerMethods;
  spec.className = kTrackerClassName;
  spec.functions = kTrackerFunctions;
  binding::OpenModule(L, spec);
  SetNameFields(L, {"DoCursor", "BeginTracking", "ContinueTracking", "EndTracking"});
  return 1;
}

int TrackView::InitLua(lua_State* L) {
  binding::ModuleSpec spec;
  spec.metaTableName = kZelLuaTrackViewMetaTableName;
  spec.methods[0] = kTrackViewMethods;
  spec.className = kTrackViewClassName;
  spec.functions = binding::kNoFunctions;
  return binding::OpenModule(L, spec);
}

int PushDragDropInterfaceToLua(lua_State* L, tv::TrackerDragAndDropInterface* dragDrop) {
  auto* block = binding::PushEmptyBlock<DragDropBlock>(L, kZelLuaDragDropInterfaceMetaTableName,
                                                       luaopen_zellua_TrackerDragDropInterface);
  if (dragDrop != nullptr) {
    block->notice = dragDrop->NotifyWhenGoing([block] { block->dragDrop = nullptr; });
    block->dragDrop = dragDrop;
  }
  return 1;
}

LuaBackedTracker* zellua_checkTracker(lua_State* L, int index) {
  if (!lua_isuserdata(L, index)) return nullptr;
  return binding::CheckUserdata<TrackerBlock>(L, index, kZelLuaTrackerMetaTableName)->tracker;
}

TrackViewBlock* zellua_checkTrackView(lua_State* L, int index) {
  return binding::CheckUserdata<TrackViewBlock>(L, index, kZelLuaTrackViewMetaTableName);
}

tv::TrackerDragAndDropInterface* zellua_checkDragDropInterface(lua_State* L, int index) {
  if (!lua_isuserdata(L, index)) return nullptr;
  return binding::CheckUserdata<DragDropBlock>(L, index, kZelLuaDragDropInterfaceMetaTableName)->dragDrop;
}

}  // namespace zellua::trackview

extern "C" int luaopen_zellua_TrackerDragDropInterface(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::trackview::kZelLuaDragDropInterfaceMetaTableName;
  spec.methods[0] = zellua::trackview::kDragDropMethods;
  spec.className = zellua::trackview::kDragDropClassName;
  spec.functions = zellua::binding::kNoFunctions;
  return zellua::binding::OpenModule(L, spec);
}
