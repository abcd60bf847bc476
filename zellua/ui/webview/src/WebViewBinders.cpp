// The web view's binders: one listener each on the node, calling the Lua functions filed with
// it through lua_pcall without a handler. Every call puts the stack top back where it found it,
// so a notification that comes while a Lua caller still runs (a tunnel call inside
// RunJavaScript) leaves that caller's frame alone.
#include <string>

#include <boost/intrusive_ptr.hpp>
#include <boost/make_shared.hpp>

#include "zellua/binding/StackGuard.h"
#include "zellua/ui/LuaWebView.h"
#include "zelwebview/ZELWebView.h"

namespace zellua::ui {

using zelcore::UTF16String;

namespace {

void PushUTF8(lua_State* L, const UTF16String& text) {
  const std::string utf8 = zelcore::UTF16to8(text);
  lua_pushlstring(L, utf8.data(), utf8.size());
}

// Arguments for LuaRef::Call: the text as UTF-8.
auto TextArgument(const UTF16String& text) {
  return [&text](lua_State* L) {
    PushUTF8(L, text);
    return 1;
  };
}

// Files the function with the binder B of the view's slot.
template <class B, class View>
bool File(View* view, LuaBindingTable::Slot slot, binding::LuaRef function) {
  const LuaBindingTableP table = LuaBindingTable::GetLuaBindingTable(view, true);
  if (!table) return false;
  table->GetOrMakeBinder<B>(slot, [view] { return LuaBinderP(new B(view)); })->Add(std::move(function));
  return true;
}

}  // namespace

WebViewBinder::~WebViewBinder() = default;

std::shared_ptr<const binding::LuaRef> WebViewBinder::First() const {
  return mEntries.empty() ? nullptr : mEntries.front().function;
}

// Each listener holds its binder, which the node also holds through its binding table; the
// binder holds nothing of the node.

template <class View>
ResourceLoadedBinder<View>::ResourceLoadedBinder(View* view) {
  const boost::intrusive_ptr<ResourceLoadedBinder> self(this);
  view->NotifyWhenResourceLoaded(boost::make_shared<typename View::ResourceLoadedFunction>(
      [self](View*, const UTF16String& url) { self->OnResourceLoaded(url); }));
}

template <class View>
ResourceLoadedBinder<View>::~ResourceLoadedBinder() = default;

// By index, up to the functions filed when the load ended: a function may file another, which
// hears the next load.
template <class View>
void ResourceLoadedBinder<View>::OnResourceLoaded(const UTF16String& url) {
  const size_t count = mEntries.size();
  for (size_t i = 0; i < count && i < mEntries.size(); ++i) {
    const auto function = mEntries[i].function;
    function->Call(TextArgument(url));
  }
}

template <class View>
AddressChangeBinder<View>::AddressChangeBinder(View* view) {
  const boost::intrusive_ptr<AddressChangeBinder> self(this);
  view->NotifyWhenAddressChange(boost::make_shared<typename View::AddressChangeFunction>(
      [self](View*, const UTF16String& url) { self->OnAddressChange(url); }));
}

template <class View>
AddressChangeBinder<View>::~AddressChangeBinder() = default;

template <class View>
void AddressChangeBinder<View>::OnAddressChange(const UTF16String& url) {
  if (const auto function = First()) function->Call(TextArgument(url));
}

template <class View>
BeforeBrowseBinder<View>::BeforeBrowseBinder(View* view) {
  const boost::intrusive_ptr<BeforeBrowseBinder> self(this);
  view->NotifyOnBeforeBrowse(boost::make_shared<typename View::BeforeBrowseFunction>(
      [self](View*, const UTF16String& url) { return self->OnBeforeBrowse(url); }));
}

template <class View>
BeforeBrowseBinder<View>::~BeforeBrowseBinder() = default;

template <class View>
bool BeforeBrowseBinder<View>::OnBeforeBrowse(const UTF16String& url) {
  const auto function = First();
  return function && CallForTruth(*function, TextArgument(url)).value_or(false);
}

template <class View>
FrameLocationChangedBinder<View>::FrameLocationChangedBinder(View* view) {
  const boost::intrusive_ptr<FrameLocationChangedBinder> self(this);
  view->NotifyWhenFrameLocationChanged(boost::make_shared<typename View::FrameLocationChangedFunction>(
      [self](View*, bool changed) { self->OnFrameLocationChanged(changed); }));
}

template <class View>
FrameLocationChangedBinder<View>::~FrameLocationChangedBinder() = default;

template <class View>
void FrameLocationChangedBinder<View>::OnFrameLocationChanged(bool changed) {
  const auto function = First();
  if (!function) return;
  function->Call([changed](lua_State* L) {
    lua_pushboolean(L, changed);
    return 1;
  });
}

template <class View>
JavaScriptTunnelBinder<View>::JavaScriptTunnelBinder(View* view) {
  const boost::intrusive_ptr<JavaScriptTunnelBinder> self(this);
  view->NotifyOnJavaScriptTunnel(boost::make_shared<typename View::JavaScriptTunnelFunction>(
      [self](View*, const UTF16String& in, UTF16String& out) { return self->OnJavaScriptTunnel(in, out); }));
}

template <class View>
JavaScriptTunnelBinder<View>::~JavaScriptTunnelBinder() = default;

// The one result sits right above the top saved before the call, wherever a running Lua caller
// left that top.
template <class View>
bool JavaScriptTunnelBinder<View>::OnJavaScriptTunnel(const UTF16String& in, UTF16String& out) {
  const auto function = First();
  if (!function || !function->IsValid()) return false;
  lua_State* L = function->State();
  const binding::StackGuard guard(L);
  if (!function->Call(TextArgument(in), 1)) return false;
  if (lua_gettop(L) == guard.Top() + 1 && lua_isstring(L, -1)) {
    size_t length = 0;
    const char* reply = lua_tolstring(L, -1, &length);
    out = zelcore::UTF8to16(std::string(reply, length));
  }
  return true;
}

template <class View>
bool LuaNotifyWhenResourceLoaded(lua_State*, View* view, binding::LuaRef function) {
  return File<ResourceLoadedBinder<View>>(view, LuaBindingTable::kResourceLoadedSlot, std::move(function));
}

template <class View>
bool LuaNotifyWhenAddressChange(lua_State*, View* view, binding::LuaRef function) {
  return File<AddressChangeBinder<View>>(view, LuaBindingTable::kAddressChangeSlot, std::move(function));
}

template <class View>
bool LuaNotifyOnBeforeBrowse(lua_State*, View* view, binding::LuaRef function) {
  return File<BeforeBrowseBinder<View>>(view, LuaBindingTable::kBeforeBrowseSlot, std::move(function));
}

template <class View>
bool LuaNotifyWhenFrameLocationChanged(lua_State*, View* view, binding::LuaRef function) {
  return File<FrameLocationChangedBinder<View>>(view, LuaBindingTable::kFrameLocationChangedSlot,
                                                std::move(function));
}

template <class View>
bool LuaNotifyOnJavaScriptTunnel(lua_State*, View* view, binding::LuaRef function) {
  return File<JavaScriptTunnelBinder<View>>(view, LuaBindingTable::kJavaScriptTunnelSlot, std::move(function));
}

using zelwebview::ZELWebView;
template class ResourceLoadedBinder<ZELWebView>;
template class AddressChangeBinder<ZELWebView>;
template class BeforeBrowseBinder<ZELWebView>;
template class FrameLocationChangedBinder<ZELWebView>;
template class JavaScriptTunnelBinder<ZELWebView>;
template bool LuaNotifyWhenResourceLoaded(lua_State*, ZELWebView*, binding::LuaRef);
template bool LuaNotifyWhenAddressChange(lua_State*, ZELWebView*, binding::LuaRef);
template bool LuaNotifyOnBeforeBrowse(lua_State*, ZELWebView*, binding::LuaRef);
template bool LuaNotifyWhenFrameLocationChanged(lua_State*, ZELWebView*, binding::LuaRef);
template bool LuaNotifyOnJavaScriptTunnel(lua_State*, ZELWebView*, binding::LuaRef);

}  // namespace zellua::ui
