#pragma once
// The script side of a document: one Duktape heap with the page globals (window, location.href,
// window.open, console.log) and the native functions of the extensions.
#include <string>
#include <vector>

#include "Engine.h"

struct duk_hthread;

namespace engine {

class FrameImpl;

class Document {
 public:
  Document(FrameImpl* frame, std::u16string url);
  ~Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // Runs every extension registered so far, in order.
  void RunExtensions();
  // Runs the code as a script of this document named `source`, its first line numbered
  // startLine. True when it ran without an uncaught exception (which goes to the console);
  // `result` then gets String(value), empty for undefined.
  bool Run(const std::u16string& code, const std::u16string& source, int startLine, std::u16string* result);

  // The frame showing the document; null once it was replaced or the engine stopped.
  FrameImpl* frame;
  const std::u16string url;
  const unsigned generation;
  // Scripts running in it now, nested ones included; it is not freed while any runs.
  int running = 0;

 private:
  duk_hthread* mContext;
};

// The extension's code with each "native function NAME();" taken out and NAME listed; the code
// then runs with those names bound to the native functions.
void PrepareExtension(Extension& extension);

}  // namespace engine
