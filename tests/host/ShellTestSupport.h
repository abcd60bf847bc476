#pragma once
// The tests of the application shell and the small resources they read. Each test starts with a
// clean status bar, run loop, running-application list, alert record and resource set, as every
// test does (ProcessState.h), with the run loop's clock held by the test.
#include <gtest/gtest.h>

#include <string>

#include "os/testing.h"

namespace glimmet::testing {

class ShellTest : public ::testing::Test {
 protected:
  // The tests move the run loop's clock by hand.
  void SetUp() override { os::testing::TakeOverRunLoopClock(); }
};

// The bytes of a PNG file of that size (signature and header chunk; enough to size an image).
std::string PngOfSize(unsigned width, unsigned height);

constexpr const char* kCommandRegistry =
    "<CommandRegistry><Command name='ToggleConsole' id='35004'/><Command name='Quit' id='35005'/>"
    "<Command name='Workspaces' id='35003'/></CommandRegistry>";

}  // namespace glimmet::testing
