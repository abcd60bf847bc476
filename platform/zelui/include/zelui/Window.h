#pragma once
// A top-level window of the UI framework, the parent of the dialogs shown over it.
#include "zelui/ui/OS_Window.h"
