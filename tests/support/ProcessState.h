#pragma once
// Everything process-wide that tests change, put back as a fresh process has it, so that the
// tests of one program pass together and in any order, not only one by one. The test programs'
// main (TestMain.cpp) calls it before every test.
namespace glimmet::testing {

void ResetProcessState();

}  // namespace glimmet::testing
