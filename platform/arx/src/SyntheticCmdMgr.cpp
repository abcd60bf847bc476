#include "arx/uisupport/SyntheticCmdMgr.h"

#include <limits>

namespace arx::uisupport {

namespace {
int gFirstId = 0;
int gNextId = 0;
}

void SyntheticCmdMgr::InitSyntheticCmdMgr(int firstId) { gFirstId = gNextId = firstId; }

int SyntheticCmdMgr::ReserveCmdRange(int count) {
  const int first = gNextId;
  // A range that would run past the largest id is refused.
  if (count > std::numeric_limits<int>::max() - gNextId) return -1;
  if (count > 0) gNextId += count;
  return first;
}


int SyntheticCmdMgr::ReserveCmd() { return ReserveCmdRange(1); }

bool SyntheticCmdMgr::IsSyntheticCmdID(int id) { return id >= gFirstId && id < gNextId; }

}  // namespace arx::uisupport
