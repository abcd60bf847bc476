#pragma once
// Start and stop of the web engine for the whole process.

// Starts the engine; with useTimerPump the engine is pumped from a run-loop timer.
void GlobalWebViewInitialize(bool useTimerPump);
void GlobalWebViewTerminate();
