#pragma once
// An overlay: one layer of a track view's drawing and mouse handling. Its owner (the host)
// keeps it; the hooks are what the framework calls, and their defaults draw and handle nothing.
#include <cstdint>
#include <memory>

#include "arx/trackview/TrackView.h"

namespace limner {
class Limner;
}
namespace zelui::ui {
class Theme;
class UI_Node;
}  // namespace zelui::ui

namespace arx::trackview {

class Tracker;
class TrackerDragAndDropInterface;

class Overlay {
 public:
  // Where the overlay sits among the layers.
  enum LayerType : int { Overlay_Floating = 0, Overlay_Editing = 1 };
  // What the overlay takes part in. Values from outside are kept as given.
  enum State : int { Overlay_Enabled = 0, Overlay_NotDrawing = 1, Overlay_JustDrawing = 2, Overlay_Disabled = 3 };

  Overlay(LayerType layerType, State state);
  Overlay(const Overlay&) = delete;
  Overlay& operator=(const Overlay&) = delete;
  virtual ~Overlay();

  LayerType GetLayerType() const { return mLayerType; }
  State GetState() const { return mState; }
  void SetState(State state) { mState = state; }

  // Draws the part of the overlay in the rectangle (local coordinates).
  virtual void DoImageRect(const RectF& rect, limner::Limner& context, const zelui::ui::Theme& theme);
  // A double click with the modifier flags at the point (local coordinates); true when handled.
  virtual bool DoDoubleClick(std::uint8_t flags, const PointF& point);
  // A context-menu request at the point over the node; true when handled.
  virtual bool DoContextMenu(const PointF& point, zelui::ui::UI_Node* node);
  // A tracker for a mouse-down (or, with the interface, a drag entering the view) at the point;
  // the framework owns what it is given. The flag is the framework's, handed on as given.
  virtual std::unique_ptr<Tracker> DoAcquireTracker(const PointF& point, bool flag,
                                                    TrackerDragAndDropInterface* dragDrop);
  // Whether drags entering the view are offered to this overlay.
  virtual bool DoWantsDragDropEvents() const { return false; }

 private:
  LayerType mLayerType;
  State mState;
};

}  // namespace arx::trackview
