#pragma once
// What only tests do with the workspace framework stand-in.
#include <vector>

#include "zelworkspace/MonitorInfo.h"

namespace zelworkspace::testing {

// Replaces the monitors (the first is monitor 0); an empty list restores the one default monitor.
void SetMonitors(const std::vector<Rect>& rects);

}  // namespace zelworkspace::testing
