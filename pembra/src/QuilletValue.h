#pragma once
// The value behind pembra::Quillet: one shared UTF-16 run.
#include "UnicodeRun.h"

namespace pembra_private {

class Quillet {
 public:
  explicit Quillet(UnicodeRun run = {}) : run_(std::move(run)) {}
  const UnicodeRun& Run() const { return run_; }

 private:
  UnicodeRun run_;
};

}  // namespace pembra_private
