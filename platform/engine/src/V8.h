#pragma once
// Values that cross between page scripts and native code, and the context of the running script.
#include <cmath>
#include <string>

#include "Engine.h"

namespace engine {

class V8ValueImpl : public EngineObject<CefV8Value, kLiveValue> {
 public:
  enum Kind { kUndefined, kNull, kBool, kNumber, kString, kObject };
  explicit V8ValueImpl(Kind kind, double number = 0, std::u16string text = {})
      : kind(kind), number(number), text(std::move(text)) {}

  bool IsUndefined() override { return kind == kUndefined; }
  bool IsNull() override { return kind == kNull; }
  bool IsBool() override { return kind == kBool; }
  bool IsInt() override {
    return kind == kNumber && number == std::trunc(number) && number >= -2147483648.0 && number <= 2147483647.0;
  }
  bool IsDouble() override { return kind == kNumber; }
  bool IsString() override { return kind == kString; }
  bool IsObject() override { return kind == kObject; }
  CefString GetStringValue() override { return kind == kString ? text : std::u16string(); }

  const Kind kind;
  const double number;  // a number, or 1 / 0 for a boolean
  const std::u16string text;
};

class V8ContextImpl : public EngineObject<CefV8Context, kLiveContext> {
 public:
  V8ContextImpl(CefRefPtr<CefBrowser> browser, CefRefPtr<CefFrame> frame)
      : mBrowser(std::move(browser)), mFrame(std::move(frame)) {}
  CefRefPtr<CefBrowser> GetBrowser() override { return mBrowser; }
  CefRefPtr<CefFrame> GetFrame() override { return mFrame; }

 private:
  CefRefPtr<CefBrowser> mBrowser;
  CefRefPtr<CefFrame> mFrame;
};

}  // namespace engine
