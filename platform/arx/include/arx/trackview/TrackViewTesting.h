#pragma once
// What only tests do with the track views (through arx/testing.h): count what is alive.
namespace arx::testing {

int LiveTrackViews();
int LiveOverlays();
int LiveTrackers();
int LiveDragAndDropInterfaces();

}  // namespace arx::testing
