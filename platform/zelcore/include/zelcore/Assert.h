#pragma once
// The framework's assertion dialog.

namespace zelcore {

// Shows an assertion for one call site. siteFlag belongs to the site: once the user chose to
// ignore that site it is set, and the dialog no longer shows for it. Returns true when the user
// asked to break into the debugger.
bool BreakAfterAssertDialog(bool& siteFlag, const char* condition, const char* message,
                            const char* file, int line, const char* function);
bool IsDebuggerAttached();

}  // namespace zelcore
