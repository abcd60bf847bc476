#pragma once
// Command ids made at run time (menu items built from data), reserved from one range.

namespace arx::uisupport {

class SyntheticCmdMgr {
 public:
  static void InitSyntheticCmdMgr(int firstId);
  // Reserves count consecutive ids; returns the first.
  static int ReserveCmdRange(int count);
  static int NextFreeId();
};

}  // namespace arx::uisupport
