#include "arx/uisupport/SyntheticCmdMgr.h"

namespace arx::uisupport {

namespace {
int gNextId = 0;
}

void SyntheticCmdMgr::InitSyntheticCmdMgr(int firstId) { gNextId = firstId; }

int SyntheticCmdMgr::ReserveCmdRange(int count) {
  const int first = gNextId;
  if (count > 0) gNextId += count;
  return first;
}

int SyntheticCmdMgr::NextFreeId() { return gNextId; }

}  // namespace arx::uisupport
