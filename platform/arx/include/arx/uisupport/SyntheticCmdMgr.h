#pragma once
// Command ids made at run time (menu items built from data), reserved from one range.

namespace arx::uisupport {

class SyntheticCmdMgr {
 public:
  static void InitSyntheticCmdMgr(int firstId);
  // Reserves count consecutive ids; returns the first.
  static int ReserveCmdRange(int count);
  // One id; the same as ReserveCmdRange(1).
  static int ReserveCmd();
  // Whether the id is one reserved so far.
  static bool IsSyntheticCmdID(int id);
};

}  // namespace arx::uisupport
