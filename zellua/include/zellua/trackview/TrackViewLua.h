#pragma once
// Track views for scripts: overlays whose drawing goes to a Lua table and whose mouse hooks are
// Lua functions ("zellua.Overlay", library "zelTrackviewOverlay"), mouse trackers made by scripts
// ("zellua.Tracker", library "Tracker"), track views lent to Lua for a while ("zellua.zelTrackView",
// library "zelTrackView") and the drag a tracker sees ("zellua.TrackerDragDropInterface").
//
// Every userdata is one pointer that Lua does not own, with one exception: a tracker that a script
// made and that was never handed to the framework goes with its userdata. Handing a tracker over
// empties its userdata. A track-view userdata goes out of scope when its proxy goes; an overlay or
// interface userdata is emptied when its object goes. Empty userdata give no values.
#include <memory>
#include <vector>

extern "C" {
#include <lua.h>
}

#include "arx/trackview/Overlay.h"
#include "arx/trackview/TrackView.h"
#include "arx/trackview/Tracker.h"
#include "zellua/binding/LuaRef.h"
#include "zellua/utility/LuaBindery.h"

namespace zellua::trackview {

extern const char* const kZelLuaOverlayMetaTableName;            // "zellua.Overlay"
extern const char* const kZelLuaTrackerMetaTableName;            // "zellua.Tracker"
extern const char* const kZelLuaTrackViewMetaTableName;          // "zellua.zelTrackView"
extern const char* const kZelLuaDragDropInterfaceMetaTableName;  // "zellua.TrackerDragDropInterface"

// The track-view userdata: null when out of scope.
struct TrackViewBlock {
  arx::trackview::TrackView* trackView;
};

// Lends a track view to Lua until the proxy goes: pushes a "zellua.zelTrackView" userdata (count
// becomes 1) and keeps it alive; when the proxy goes the userdata is out of scope.
class AcquireTrackViewProxy {
 public:
  AcquireTrackViewProxy(lua_State* L, arx::trackview::TrackView* trackView, int& count);
  ~AcquireTrackViewProxy();
  AcquireTrackViewProxy(const AcquireTrackViewProxy&) = delete;
  AcquireTrackViewProxy& operator=(const AcquireTrackViewProxy&) = delete;

 private:
  lua_State* mLuaState;
  binding::LuaRef mRef;
  TrackViewBlock* mBlock;
};

// An overlay whose drawing calls the methods "setTrackView" and "doImageRect" of a Lua table and
// whose hooks call the functions bound under "DoContextMenu", "DoDoubleClick" and
// "DoAcquireTracker".
class LuaBackedOverlay : public arx::trackview::Overlay, public utility::LuaBindery {
 public:
  LuaBackedOverlay(lua_State* L, binding::LuaRef table, LayerType layerType, State state);
  // Tells the table the track view is gone (while the state is open), lets go of the table and
  // of the lent track view, then of the bound functions; the overlay's userdata are emptied.
  ~LuaBackedOverlay() override;

  // Calls the table's setTrackView(self [, track view]); a track view given is lent to it until
  // the next call with one, or until the overlay goes.
  void SetTrackView(arx::trackview::TrackView* trackView);

  void DoImageRect(const arx::trackview::RectF& rect, ::limner::Limner& context,
                   const zelui::ui::Theme& theme) override;
  bool DoDoubleClick(std::uint8_t flags, const arx::trackview::PointF& point) override;
  bool DoContextMenu(const arx::trackview::PointF& point, zelui::ui::UI_Node* node) override;
  std::unique_ptr<arx::trackview::Tracker> DoAcquireTracker(const arx::trackview::PointF& point, bool flag,
                                                            arx::trackview::TrackerDragAndDropInterface* dragDrop) override;
  bool DoWantsDragDropEvents() const override { return mWantsDragDropEvents; }
  void SetWantsDragDropEvents(bool wants) { mWantsDragDropEvents = wants; }

  // Pushes a new "zellua.Overlay" userdata over the overlay; returns 1.
  int PushToLua(lua_State* L);

  // Makes the metatable "zellua.Overlay" and the library "zelTrackviewOverlay", which it returns.
  static int InitLua(lua_State* L);

 private:
  friend struct OverlayUserdata;

  binding::LuaRef mTable;
  std::unique_ptr<AcquireTrackViewProxy> mTrackViewProxy;
  bool mWantsDragDropEvents = false;
  // The userdata pushed over the overlay and not collected yet.
  std::vector<void*> mUserdata;
};

// A tracker whose steps call the functions bound under "BeginTracking", "ContinueTracking",
// "EndTracking" and "DoCursor".
class LuaBackedTracker : public arx::trackview::Tracker, public utility::LuaBindery {
 public:
  LuaBackedTracker(arx::trackview::TrackView* trackView, lua_State* L);
  ~LuaBackedTracker() override;

  void BeginTracking(std::uint8_t flags, const arx::trackview::PointF& point, bool flag) override;
  void ContinueTracking(std::uint8_t flags, const arx::trackview::PointF& point) override;
  void EndTracking(std::uint8_t flags, const arx::trackview::PointF& point, bool flag) override;
  bool DoCursor(std::uint8_t flags, const arx::trackview::PointF& point) override;
};

namespace Tracker {
// Makes the metatable "zellua.Tracker" and the library "Tracker", which it returns.
int InitLua(lua_State* L);
}  // namespace Tracker

namespace TrackView {
// Makes the metatable "zellua.zelTrackView" and the library "zelTrackView", which it returns.
int InitLua(lua_State* L);
}  // namespace TrackView

// Pushes a "zellua.TrackerDragDropInterface" userdata over the interface (emptied when the
// interface goes); returns 1.
int PushDragDropInterfaceToLua(lua_State* L, arx::trackview::TrackerDragAndDropInterface* dragDrop);

// The object of the userdata at index; a userdata of another kind raises the argument error.
// zellua_checkTracker and zellua_checkDragDropInterface give null for a value that is not a
// userdata; zellua_checkTrackView raises for it too and gives the block itself.
LuaBackedTracker* zellua_checkTracker(lua_State* L, int index);
TrackViewBlock* zellua_checkTrackView(lua_State* L, int index);
arx::trackview::TrackerDragAndDropInterface* zellua_checkDragDropInterface(lua_State* L, int index);

}  // namespace zellua::trackview

extern "C" int luaopen_zellua_TrackerDragDropInterface(lua_State* L);
