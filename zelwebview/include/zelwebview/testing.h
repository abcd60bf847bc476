#pragma once
// What only tests do with the web view library.
namespace zelwebview::testing {

// Back to the state of a fresh process, in which the engine was never started: an engine that
// was started and not terminated is terminated first, and the first pump tick works out again
// whether the application answers isMouseKeyboardCaptured.
void ResetEngineStart();

}  // namespace zelwebview::testing
