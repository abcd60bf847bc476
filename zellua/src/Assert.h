#pragma once
// Internal faults of the binding library are shown through the framework's assertion dialog,
// once per call site unless the user keeps it, and the operation gives up. A Lua function
// writes ZELLUA_ASSERT(cond, 0) so that it returns no values.
#include <csignal>

#include "zelcore/Assert.h"

#define ZELLUA_ASSERT(cond, ...)                                                                   \
  do {                                                                                             \
    if (!(cond)) {                                                                                 \
      static bool sIgnoreThisSite = false;                                                         \
      if (zelcore::BreakAfterAssertDialog(sIgnoreThisSite, #cond, #cond, __FILE__, __LINE__,       \
                                          __func__))                                               \
        std::raise(SIGTRAP);                                                                       \
      return __VA_ARGS__;                                                                          \
    }                                                                                              \
  } while (0)
