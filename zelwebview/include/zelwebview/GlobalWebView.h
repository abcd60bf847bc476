#pragma once
// Start and stop of the web engine for the whole process (CEFClient::InitZELCEF and
// CEFClient::TerminateZELCEF): the host starts it before any web view exists and stops it after
// the last is gone.
namespace zelwebview {

// Starts the engine once per process; with useTimer the engine is pumped from a run-loop timer,
// otherwise from an observer of the run loop's waits.
void GlobalWebViewInitialize(bool useTimer);
void GlobalWebViewTerminate();

}  // namespace zelwebview
