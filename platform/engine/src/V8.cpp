#include "V8.h"

#include "Browser.h"
#include "Script.h"

using engine::Engine;

CefRefPtr<CefV8Value> CefV8Value::CreateString(const CefString& value) {
  return new engine::V8ValueImpl(engine::V8ValueImpl::kString, 0, value.ToString16());
}

CefRefPtr<CefV8Context> CefV8Context::GetCurrentContext() {
  Engine& e = Engine::Get();
  if (!e.running || e.evaluations.empty() || !e.OnMainThread()) return nullptr;
  engine::FrameImpl* frame = e.evaluations.back().document->frame;
  if (frame == nullptr || !frame->Live()) return nullptr;
  return new engine::V8ContextImpl(frame->Browser(), frame);
}
