// "zelWebView": the methods of a web view in Lua, after the generic node methods. Argument 1 is
// the wrapper ("Bad user data" for any other value; the framework's conversion error for a node
// that is no web view). A released wrapper counts as none: the methods with a boolean result
// give false, the others no values, and nothing reaches the node. Text crosses as UTF-8.
#include <chrono>
#include <string>

#include "ui/src/ControlsInternal.h"
#include "zelcore/Strings.h"
#include "zellua/ui/LuaWebView.h"
#include "zelwebview/ZELWebView.h"

namespace zellua::ui {

namespace {

using zelwebview::ZELWebView;
using zelwebview::ZELWebViewBase;

ZELWebView* WebView(lua_State* L) { return NodeAs<ZELWebView>(L, 1); }

std::string StringArgument(lua_State* L, int index) {
  size_t length = 0;
  const char* text = luaL_checklstring(L, index, &length);
  return std::string(text, length);
}

void PushUTF8(lua_State* L, const zelcore::UTF16String& text) {
  const std::string utf8 = zelcore::UTF16to8(text);
  lua_pushlstring(L, utf8.data(), utf8.size());
}

// Init() and LoadURL(url) give back their topmost argument.
int Init(lua_State* L) {
  ZELWebView* view = WebView(L);
  if (view == nullptr) return 0;
  view->Init();
  return 1;
}

int LoadURL(lua_State* L) {
  const std::string url = StringArgument(L, 2);
  ZELWebView* view = WebView(L);
  if (view == nullptr) return 0;
  view->LoadURL(zelcore::UTF8to16(url));
  return 1;
}

// The page's script may call back into Lua, which may let the wrapper go: the node is held
// until the script returns.
int RunJavaScript(lua_State* L) {
  const std::string code = StringArgument(L, 2);
  ZELWebView* view = WebView(L);
  if (view == nullptr) return 0;
  const UI_NodeP hold(view);
  PushUTF8(L, view->RunJavaScript(zelcore::UTF8to16(code), nullptr));
  return 1;
}

int HasDocument(lua_State* L) {
  ZELWebView* view = WebView(L);
  lua_pushboolean(L, view != nullptr && view->HasOpenDocument());
  return 1;
}

// The registrations: fn(...) must be a function; true when it was filed.
template <bool (*Notify)(lua_State*, ZELWebView*, binding::LuaRef)>
int Register(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  luaL_checktype(L, 2, LUA_TFUNCTION);
  binding::LuaRef function(L, 2);
  auto* view = node != nullptr ? zelcore::utility::NonOptionalDynamicCast<ZELWebView>(node) : nullptr;
  lua_pushboolean(L, view != nullptr && Notify(L, view, std::move(function)));
  return 1;
}

// Milliseconds of the high-precision clock, with their fraction; needs no web view.
int getTime(lua_State* L) {
  const auto nanoseconds =
      std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch());
  lua_pushnumber(L, static_cast<lua_Number>(nanoseconds.count()) / 1e6);
  return 1;
}

int GetZoomFactor(lua_State* L) {
  ZELWebView* view = WebView(L);
  if (view == nullptr) return 0;
  lua_pushnumber(L, view->GetZoomFactor());
  return 1;
}

int SetZoomFactor(lua_State* L) {
  const auto percent = static_cast<float>(luaL_checknumber(L, 2));
  if (ZELWebView* view = WebView(L)) view->SetZoomFactor(percent);
  return 0;
}

int ZoomIn(lua_State* L) {
  if (ZELWebView* view = WebView(L)) view->ZoomIn();
  return 0;
}

int ZoomOut(lua_State* L) {
  if (ZELWebView* view = WebView(L)) view->ZoomOut();
  return 0;
}

int GetCurrentURL(lua_State* L) {
  ZELWebView* view = WebView(L);
  if (view == nullptr) return 0;
  PushUTF8(L, view->GetCurrentURL());
  return 1;
}

int ShowWebInspector(lua_State* L) {
  if (ZELWebView* view = WebView(L)) view->DisplayWebViewInspector();
  return 0;
}

bool FlagArgument(lua_State* L, int index) {
  luaL_checktype(L, index, LUA_TBOOLEAN);
  return lua_toboolean(L, index) != 0;
}

int SetFocus(lua_State* L) {
  const bool focus = FlagArgument(L, 2);
  ZELWebView* view = WebView(L);
  lua_pushboolean(L, view != nullptr && view->SetFocus(focus));
  return 1;
}

int SetIsFocusAllowed(lua_State* L) {
  const bool allowed = FlagArgument(L, 2);
  ZELWebView* view = WebView(L);
  if (view != nullptr) view->SetIsFocusAllowed(allowed);
  lua_pushboolean(L, view != nullptr);
  return 1;
}

int IsFocusAllowed(lua_State* L) {
  ZELWebView* view = WebView(L);
  lua_pushboolean(L, view != nullptr && view->IsFocusAllowed());
  return 1;
}

int HasFocus(lua_State* L) {
  ZELWebView* view = WebView(L);
  lua_pushboolean(L, view != nullptr && view->HasFocus());
  return 1;
}

// The edit commands on the page's focused frame.
template <void (ZELWebViewBase::*Command)()>
int Edit(lua_State* L) {
  if (ZELWebView* view = WebView(L)) (view->*Command)();
  return 0;
}

}  // namespace

const luaL_Reg LuaUI_WebViewWrapper::methods[] = {
    {"Init", Init},
    {"LoadURL", LoadURL},
    {"RunJavaScript", RunJavaScript},
    {"HasDocument", HasDocument},
    {"NotifyWhenResourceLoaded", Register<LuaNotifyWhenResourceLoaded<ZELWebView>>},
    {"NotifyWhenAddressChange", Register<LuaNotifyWhenAddressChange<ZELWebView>>},
    {"NotifyOnBeforeBrowse", Register<LuaNotifyOnBeforeBrowse<ZELWebView>>},
    {"NotifyWhenFrameLocationChanged", Register<LuaNotifyWhenFrameLocationChanged<ZELWebView>>},
    {"NotifyOnJavaScriptTunnel", Register<LuaNotifyOnJavaScriptTunnel<ZELWebView>>},
    {"getTime", getTime},
    {"GetZoomFactor", GetZoomFactor},
    {"SetZoomFactor", SetZoomFactor},
    {"ZoomIn", ZoomIn},
    {"ZoomOut", ZoomOut},
    {"GetCurrentURL", GetCurrentURL},
    {"ShowWebInspector", ShowWebInspector},
    {"SetFocus", SetFocus},
    {"SetIsFocusAllowed", SetIsFocusAllowed},
    {"IsFocusAllowed", IsFocusAllowed},
    {"HasFocus", HasFocus},
    {"Cut", Edit<&ZELWebViewBase::Cut>},
    {"Copy", Edit<&ZELWebViewBase::Copy>},
    {"Paste", Edit<&ZELWebViewBase::Paste>},
    {"Delete", Edit<&ZELWebViewBase::Delete>},
    {"SelectAll", Edit<&ZELWebViewBase::SelectAll>},
    {"Undo", Edit<&ZELWebViewBase::Undo>},
    {"Redo", Edit<&ZELWebViewBase::Redo>},
    {nullptr, nullptr}};

ZELLUA_DEFINE_CONTROL_WRAPPER(LuaUI_WebViewWrapper, kZelWebViewMetatableName, LuaUI_NodeWrapper)

}  // namespace zellua::ui
