#pragma once
// What only tests do with the kernel stand-in.
#include <functional>

#include "kqkernel/KqKernel.h"

namespace kqkernel::testing {

// Called with every state the kernel opens, right after it is opened.
void SetStateOpenedHook(std::function<void(lua_State*)> hook);
// Installs (or with null removes) a debugger capture hook on the main universe.
void SetCaptureCodeHook(KqCaptureCodeHook hook);

}  // namespace kqkernel::testing
