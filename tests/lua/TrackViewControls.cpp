// Test controls for the track-view bindings, playing the host and the framework: the modules
// opened, track views, Lua-backed overlays over a script's table, the framework's hooks called on
// them, the trackers it was given and driven through a drag, and drag interfaces.
#include <map>
#include <memory>
#include <vector>

#include <boost/intrusive_ptr.hpp>

#include "TestControls.h"
#include "arx/testing.h"
#include "arx/trackview/TrackViewTesting.h"
#include "zellua/binding/LuaRef.h"
#include "zellua/limner/Converters.h"
#include "zellua/trackview/TrackViewLua.h"
#include "zelui/testing.h"
#include "zelui/ui/Theme.h"

namespace {

namespace tv = arx::trackview;
namespace zt = zellua::trackview;

std::map<int, std::unique_ptr<tv::TrackView>> gTrackViews;
std::map<int, std::unique_ptr<zt::LuaBackedOverlay>> gOverlays;
std::map<int, std::unique_ptr<tv::TrackerDragAndDropInterface>> gDragDrops;
// The trackers the framework was given, in order.
std::vector<std::unique_ptr<tv::Tracker>> gTrackers;
int gNextId = 1;

template <typename T>
T& Find(lua_State* L, std::map<int, std::unique_ptr<T>>& objects, int index) {
  const auto found = objects.find(static_cast<int>(luaL_checkinteger(L, index)));
  if (found == objects.end()) luaL_argerror(L, index, "no such object");
  return *found->second;
}

tv::PointF Point(lua_State* L, int index) {
  return {static_cast<float>(luaL_checknumber(L, index)), static_cast<float>(luaL_checknumber(L, index + 1))};
}

// openTrackViewModules() -> the libraries zelTrackviewOverlay, Tracker, zelTrackView.
int openTrackViewModules(lua_State* L) {
  zt::LuaBackedOverlay::InitLua(L);
  zt::Tracker::InitLua(L);
  zt::TrackView::InitLua(L);
  return 3;
}

// newTrackView(left, top, width, height [, scaleX, scaleY]) -> id
int newTrackView(lua_State* L) {
  const tv::RectF area{static_cast<float>(luaL_checknumber(L, 1)), static_cast<float>(luaL_checknumber(L, 2)),
                       static_cast<float>(luaL_checknumber(L, 3)), static_cast<float>(luaL_checknumber(L, 4))};
  const auto scaleX = static_cast<float>(luaL_optnumber(L, 5, 1));
  const auto scaleY = static_cast<float>(luaL_optnumber(L, 6, 1));
  auto view = std::make_unique<tv::TrackView>();
  view->SetDataArea(area);
  view->SetScale(scaleX, scaleY);
  gTrackViews[gNextId] = std::move(view);
  lua_pushinteger(L, gNextId++);
  return 1;
}

// platformViewRequests(view) -> updates, invalidated rectangles (as tables)
int platformViewRequests(lua_State* L) {
  auto* platform = dynamic_cast<tv::OS_TrackViewPlatformView*>(Find(L, gTrackViews, 1).GetPlatformView());
  lua_pushinteger(L, platform->UpdateCount());
  lua_newtable(L);
  int i = 0;
  for (const tv::RectF& rect : platform->InvalidatedRects()) {
    zellua::limner::PushRectF32ToLua(L, rect);
    lua_rawseti(L, -2, ++i);
  }
  return 2;
}

// newOverlay(table [, layerType, state]) -> id, the overlay's userdata
int newOverlay(lua_State* L) {
  luaL_checktype(L, 1, LUA_TTABLE);
  const auto layer = static_cast<tv::Overlay::LayerType>(luaL_optinteger(L, 2, 0));
  const auto state = static_cast<tv::Overlay::State>(luaL_optinteger(L, 3, 0));
  auto overlay = std::make_unique<zt::LuaBackedOverlay>(L, zellua::binding::LuaRef(L, 1), layer, state);
  overlay->PushToLua(L);
  gOverlays[gNextId] = std::move(overlay);
  lua_pushinteger(L, gNextId++);
  lua_insert(L, -2);
  return 2;
}

// setTrackView(overlay [, view])
int setTrackView(lua_State* L) {
  zt::LuaBackedOverlay& overlay = Find(L, gOverlays, 1);
  overlay.SetTrackView(lua_isnoneornil(L, 2) ? nullptr : &Find(L, gTrackViews, 2));
  return 0;
}

int destroyOverlay(lua_State* L) {
  Find(L, gOverlays, 1);
  gOverlays.erase(static_cast<int>(lua_tointeger(L, 1)));
  return 0;
}

// overlayState(overlay) -> state, wants drag-drop events
int overlayState(lua_State* L) {
  zt::LuaBackedOverlay& overlay = Find(L, gOverlays, 1);
  lua_pushinteger(L, overlay.GetState());
  lua_pushboolean(L, overlay.DoWantsDragDropEvents());
  return 2;
}

// imageRect(overlay, left, top, width, height): the framework draws the overlay.
int imageRect(lua_State* L) {
  zt::LuaBackedOverlay& overlay = Find(L, gOverlays, 1);
  const tv::RectF rect{static_cast<float>(luaL_checknumber(L, 2)), static_cast<float>(luaL_checknumber(L, 3)),
                       static_cast<float>(luaL_checknumber(L, 4)), static_cast<float>(luaL_checknumber(L, 5))};
  zelui::testing::LendableContext lent;
  const boost::intrusive_ptr<zelui::ui::Theme> theme(new zelui::ui::Theme(0, 0));
  overlay.DoImageRect(rect, lent.Context(), *theme);
  return 0;
}

// contextMenu(overlay, x, y) -> handled
int contextMenu(lua_State* L) {
  lua_pushboolean(L, Find(L, gOverlays, 1).DoContextMenu(Point(L, 2), nullptr));
  return 1;
}

// doubleClick(overlay, flags, x, y) -> handled
int doubleClick(lua_State* L) {
  zt::LuaBackedOverlay& overlay = Find(L, gOverlays, 1);
  lua_pushboolean(L, overlay.DoDoubleClick(static_cast<std::uint8_t>(luaL_checkinteger(L, 2)), Point(L, 3)));
  return 1;
}

// acquireTracker(overlay, x, y, flag [, dragDrop]) -> whether a tracker was given (the framework
// keeps it: trackers() counts it)
int acquireTracker(lua_State* L) {
  zt::LuaBackedOverlay& overlay = Find(L, gOverlays, 1);
  const tv::PointF point = Point(L, 2);
  const bool flag = lua_toboolean(L, 4) != 0;
  tv::TrackerDragAndDropInterface* dragDrop = lua_isnoneornil(L, 5) ? nullptr : &Find(L, gDragDrops, 5);
  std::unique_ptr<tv::Tracker> tracker = overlay.DoAcquireTracker(point, flag, dragDrop);
  lua_pushboolean(L, tracker != nullptr);
  if (tracker) gTrackers.push_back(std::move(tracker));
  return 1;
}

// drag(i, flags, { x, y } ...): the framework drags with its i-th tracker: begins at the first
// point, continues through the middle ones, ends at the last; returns what DoCursor answered at
// the first point.
int drag(lua_State* L) {
  const auto i = static_cast<std::size_t>(luaL_checkinteger(L, 1));
  if (i < 1 || i > gTrackers.size()) return luaL_argerror(L, 1, "no such tracker");
  const auto flags = static_cast<std::uint8_t>(luaL_checkinteger(L, 2));
  std::vector<tv::PointF> points;
  for (int arg = 3; arg <= lua_gettop(L); ++arg) {
    lua_rawgeti(L, arg, 1);
    lua_rawgeti(L, arg, 2);
    points.push_back({static_cast<float>(lua_tonumber(L, -2)), static_cast<float>(lua_tonumber(L, -1))});
    lua_pop(L, 2);
  }
  if (points.size() < 2) return luaL_error(L, "a drag needs two points");
  tv::Tracker& tracker = *gTrackers[i - 1];
  const bool cursor = tracker.DoCursor(flags, points.front());
  tracker.BeginTracking(flags, points.front(), true);
  for (std::size_t p = 1; p + 1 < points.size(); ++p) tracker.ContinueTracking(flags, points[p]);
  tracker.EndTracking(flags, points.back(), false);
  lua_pushboolean(L, cursor);
  return 1;
}

// dropTrackers(): the framework's drags are over; it frees their trackers.
int dropTrackers(lua_State*) {
  gTrackers.clear();
  return 0;
}

// trackers() -> trackers the framework holds, trackers alive
int trackers(lua_State* L) {
  lua_pushinteger(L, static_cast<lua_Integer>(gTrackers.size()));
  lua_pushinteger(L, arx::testing::LiveTrackers());
  return 2;
}

// newDragDrop(text) -> id: a drag offering the text.
int newDragDrop(lua_State* L) {
  zelui::datatransfer::DataSet data;
  data.values[zelui::datatransfer::kUnicodeTextDataType] = zelcore::UTF8to16(luaL_checkstring(L, 1));
  gDragDrops[gNextId] = std::make_unique<tv::TrackerDragAndDropInterface>(std::move(data));
  lua_pushinteger(L, gNextId++);
  return 1;
}

// pushDragDrop(id) -> the interface's userdata
int pushDragDrop(lua_State* L) { return zt::PushDragDropInterfaceToLua(L, &Find(L, gDragDrops, 1)); }

// dropEffect(id) -> the effect set
int dropEffect(lua_State* L) {
  lua_pushinteger(L, Find(L, gDragDrops, 1).GetDropEffect());
  return 1;
}

// endDragDrop(id): the drag is over; its interface goes.
int endDragDrop(lua_State* L) {
  Find(L, gDragDrops, 1);
  gDragDrops.erase(static_cast<int>(lua_tointeger(L, 1)));
  return 0;
}

// checkTracker(value), checkDragDrop(value) -> whether the native check found an object
int checkTracker(lua_State* L) {
  lua_pushboolean(L, zt::zellua_checkTracker(L, 1) != nullptr);
  return 1;
}

int checkDragDrop(lua_State* L) {
  lua_pushboolean(L, zt::zellua_checkDragDropInterface(L, 1) != nullptr);
  return 1;
}

const luaL_Reg kFunctions[] = {{"openTrackViewModules", openTrackViewModules},
                               {"newTrackView", newTrackView},
                               {"platformViewRequests", platformViewRequests},
                               {"newOverlay", newOverlay},
                               {"setTrackView", setTrackView},
                               {"destroyOverlay", destroyOverlay},
                               {"overlayState", overlayState},
                               {"imageRect", imageRect},
                               {"contextMenu", contextMenu},
                               {"doubleClick", doubleClick},
                               {"acquireTracker", acquireTracker},
                               {"drag", drag},
                               {"dropTrackers", dropTrackers},
                               {"trackers", trackers},
                               {"newDragDrop", newDragDrop},
                               {"pushDragDrop", pushDragDrop},
                               {"dropEffect", dropEffect},
                               {"endDragDrop", endDragDrop},
                               {"checkTracker", checkTracker},
                               {"checkDragDrop", checkDragDrop},
                               {nullptr, nullptr}};
const glimmet::testing::TestControls kControls(kFunctions);

}  // namespace
