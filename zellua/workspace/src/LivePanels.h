#pragma once
// The Lua-backed panels alive in the process, by id: how proxies reach a panel that the workspace
// does not hold (one being made or being destroyed) without ever reaching a dead one.
#include <cstdint>

#include "zellua/workspace/LuaWorkspace.h"

namespace zellua::workspace {

void AddLivePanel(TabPanel* panel, LuaBackedTabPanelBase* base);
void RemoveLivePanel(std::int32_t id);
// The live Lua-backed panel with the id, or null.
TabPanel* FindLivePanel(std::int32_t id);

}  // namespace zellua::workspace
