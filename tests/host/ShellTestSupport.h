#pragma once
// A clean status bar, run loop (its clock held by the test), running-application list, alert
// record and resource set for each test of the application shell, and the small resources those
// tests read.
#include <gtest/gtest.h>

#include <string>

#include "arx/testing.h"
#include "os/testing.h"
#include "zelcore/testing.h"

namespace glimmet::testing {

class ShellTest : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override { Reset(); }

 private:
  static void Reset() {
    os::testing::ResetStatusBar();
    os::testing::ResetTimers();
    // The tests move the run loop's clock by hand.
    os::testing::TakeOverRunLoopClock();
    os::testing::ResetApplications();
    os::testing::ResetAlerts();
    arx::testing::ClearResources();
    zelcore::testing::ResetAssertions();
  }
};

// The bytes of a PNG file of that size (signature and header chunk; enough to size an image).
std::string PngOfSize(unsigned width, unsigned height);

constexpr const char* kCommandRegistry =
    "<CommandRegistry><Command name='ToggleConsole' id='35004'/><Command name='Quit' id='35005'/>"
    "<Command name='Workspaces' id='35003'/></CommandRegistry>";

}  // namespace glimmet::testing
