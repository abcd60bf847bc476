#pragma once
// Internal faults of the binding library are shown through the framework's assertion dialog, once
// per call site until the user turns that site off, and the operation gives up. A Lua function
// writes ZELLUA_ASSERT(cond, 0) so that it returns no values; a void function ZELLUA_ASSERT(cond).
#include <csignal>

#include "zelcore/Assert.h"

namespace zellua::binding {

// Shows the dialog for a failed condition; stops in the debugger when the user asks to break and
// one is attached.
inline void ReportAssertion(bool& siteDisabled, const char* condition, const char* file, int line,
                            const char* function) {
  if (siteDisabled) return;
  if (zelcore::BreakAfterAssertDialog(siteDisabled, condition, "", file, line, function) &&
      zelcore::IsDebuggerAttached())
    std::raise(SIGTRAP);
}

}  // namespace zellua::binding

#define ZELLUA_ASSERT(cond, ...)                                                                        \
  do {                                                                                                  \
    if (!(cond)) {                                                                                      \
      static bool sAssertSiteDisabled = false;                                                          \
      ::zellua::binding::ReportAssertion(sAssertSiteDisabled, #cond, __FILE__, __LINE__, __PRETTY_FUNCTION__); \
      return __VA_ARGS__;                                                                               \
    }                                                                                                   \
  } while (0)

// Reports a fault that has no condition of its own (a released or out-of-scope object used) with
// its text, and gives up like ZELLUA_ASSERT.
#define ZELLUA_FAIL(text, ...)                                                                          \
  do {                                                                                                  \
    static bool sAssertSiteDisabled = false;                                                            \
    ::zellua::binding::ReportAssertion(sAssertSiteDisabled, text, __FILE__, __LINE__, __PRETTY_FUNCTION__); \
    return __VA_ARGS__;                                                                                 \
  } while (0)

// Reports a failed condition and goes on.
#define ZELLUA_CHECK(cond)                                                                              \
  do {                                                                                                  \
    if (!(cond)) {                                                                                      \
      static bool sAssertSiteDisabled = false;                                                          \
      ::zellua::binding::ReportAssertion(sAssertSiteDisabled, #cond, __FILE__, __LINE__, __PRETTY_FUNCTION__); \
    }                                                                                                   \
  } while (0)
