#pragma once
// Web views for scripts: the "zelWebView" wrapper ("zelcontrols".NewWebView makes one) and the
// five binders that turn a web view's listener lists into calls of Lua functions. Each binder
// lives in a slot of the node's binding table, registers its one listener with the node when it
// is made and stays registered for the node's life; it holds state-aware references to the
// functions filed with it. Resource loads reach every function filed, in order; the other four
// notifications reach the first function filed only. Main thread only.
#include <memory>
#include <utility>
#include <vector>

extern "C" {
#include <lua.h>
}

#include "zelcore/Strings.h"
#include "zellua/binding/LuaRef.h"
#include "zellua/ui/LuaBinder.h"
#include "zellua/ui/LuaControlWrapper.h"

namespace zelwebview {
class ZELWebView;
}

namespace zellua::ui {

inline constexpr char kZelWebViewMetatableName[] = "zelWebView";

// The generic node methods, then the web view's own.
ZELLUA_CONTROL_WRAPPER(LuaUI_WebViewWrapper, LuaControlWrapperBase)

// What the five binders share: the functions filed, in registration order.
class WebViewBinder : public LuaBinder {
 public:
  void Add(binding::LuaRef function) { mEntries.emplace_back(std::move(function)); }

 protected:
  ~WebViewBinder() override;
  // The first function filed, or null; the caller's copy keeps it through the call.
  std::shared_ptr<const binding::LuaRef> First() const;

  std::vector<LuaFunctionEntry> mEntries;
};

// Calls every function filed with the URL (UTF-8) of each main-frame load that ended.
template <class View>
class ResourceLoadedBinder : public WebViewBinder {
 public:
  explicit ResourceLoadedBinder(View* view);

 protected:
  ~ResourceLoadedBinder() override;

 private:
  void OnResourceLoaded(const zelcore::UTF16String& url);
};

// Calls the first function with the URL the engine reports.
template <class View>
class AddressChangeBinder : public WebViewBinder {
 public:
  explicit AddressChangeBinder(View* view);

 protected:
  ~AddressChangeBinder() override;

 private:
  void OnAddressChange(const zelcore::UTF16String& url);
};

// Asks the first function about each main-frame navigation: the Lua truth of its result cancels
// it, and a function that raises cancels it too (its error value stands in the result's place).
template <class View>
class BeforeBrowseBinder : public WebViewBinder {
 public:
  explicit BeforeBrowseBinder(View* view);

 protected:
  ~BeforeBrowseBinder() override;

 private:
  bool OnBeforeBrowse(const zelcore::UTF16String& url);
};

// Calls the first function with the frame-location flag.
template <class View>
class FrameLocationChangedBinder : public WebViewBinder {
 public:
  explicit FrameLocationChangedBinder(View* view);

 protected:
  ~FrameLocationChangedBinder() override;

 private:
  void OnFrameLocationChanged(bool changed);
};

// Hands a page's tunnel call to the first function: the string or number it returns becomes
// the reply; anything else, or a call that raises, leaves the reply as it was (no value for the
// page when nothing else wrote one). The call may come while Lua runs the page's script
// (RunJavaScript): it runs on the same state, above that caller's frame.
template <class View>
class JavaScriptTunnelBinder : public WebViewBinder {
 public:
  explicit JavaScriptTunnelBinder(View* view);

 protected:
  ~JavaScriptTunnelBinder() override;

 private:
  bool OnJavaScriptTunnel(const zelcore::UTF16String& in, zelcore::UTF16String& out);
};

// File the function with the view's binder of that notification, made in its slot of the
// view's binding table when absent; false without a view (the function let go).
template <class View>
bool LuaNotifyWhenResourceLoaded(lua_State* L, View* view, binding::LuaRef function);
template <class View>
bool LuaNotifyWhenAddressChange(lua_State* L, View* view, binding::LuaRef function);
template <class View>
bool LuaNotifyOnBeforeBrowse(lua_State* L, View* view, binding::LuaRef function);
template <class View>
bool LuaNotifyWhenFrameLocationChanged(lua_State* L, View* view, binding::LuaRef function);
template <class View>
bool LuaNotifyOnJavaScriptTunnel(lua_State* L, View* view, binding::LuaRef function);

extern template class ResourceLoadedBinder<zelwebview::ZELWebView>;
extern template class AddressChangeBinder<zelwebview::ZELWebView>;
extern template class BeforeBrowseBinder<zelwebview::ZELWebView>;
extern template class FrameLocationChangedBinder<zelwebview::ZELWebView>;
extern template class JavaScriptTunnelBinder<zelwebview::ZELWebView>;
extern template bool LuaNotifyWhenResourceLoaded(lua_State*, zelwebview::ZELWebView*, binding::LuaRef);
extern template bool LuaNotifyWhenAddressChange(lua_State*, zelwebview::ZELWebView*, binding::LuaRef);
extern template bool LuaNotifyOnBeforeBrowse(lua_State*, zelwebview::ZELWebView*, binding::LuaRef);
extern template bool LuaNotifyWhenFrameLocationChanged(lua_State*, zelwebview::ZELWebView*, binding::LuaRef);
extern template bool LuaNotifyOnJavaScriptTunnel(lua_State*, zelwebview::ZELWebView*, binding::LuaRef);

}  // namespace zellua::ui
