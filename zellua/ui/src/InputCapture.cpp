// "zellua.InputCapture": mouse input captured by a script. A userdata is one pointer holding a
// counted reference to its capture; the node manager holds another while the capture is
// current. A userdata collected (or cleared by a call of __gc) holds nothing and does nothing.
#include "zellua/binding/Module.h"
#include "zellua/binding/StackGuard.h"
#include "zellua/binding/Userdata.h"
#include "zellua/limner/Converters.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zellua/ui/LuaEvents.h"

namespace zellua::ui {

namespace {

const char* const kInputCaptureMetaTableName = "zellua.InputCapture";
const char* const kInputCaptureClassName = "InputCapture";

const char* const kCaptureBegin = "captureBegin";
const char* const kCaptureEnd = "captureEnd";
const char* const kMouseEvent = "uiMouseEvent";
const char* const kDoCursor = "doCursor";
const char* const kTimerNotify = "timerNotify";

struct CaptureBlock {
  LuaInputCapture* capture;
};

CaptureBlock* CheckCapture(lua_State* L, int index) {
  return binding::CheckUserdata<CaptureBlock>(L, index, kInputCaptureMetaTableName);
}

int NoArguments(lua_State*) { return 0; }

}  // namespace

LuaInputCapture::LuaInputCapture(lua_State* L, zelui::ui::UI_Node* target, const zelui::ui::MouseEvent& startEvent)
    : InputCapture(target, startEvent), LuaBindery(L) {}

LuaInputCapture::~LuaInputCapture() = default;

template <typename PushArgs>
bool LuaInputCapture::InvokeBoundFxn(const char* name, PushArgs&& pushArgs) {
  lua_State* L = LiveState();
  if (L == nullptr) return false;
  const binding::StackGuard guard(L);
  if (!lua_checkstack(L, LUA_MINSTACK) || !pushBoundFxn(name)) return false;
  // A capture that lets go of its last holder in its own callback lives to its end.
  const LuaInputCaptureP self(this);
  lua_pcall(L, pushArgs(L), 0, 0);
  return true;
}

void LuaInputCapture::Begin() { InvokeBoundFxn(kCaptureBegin, NoArguments); }

void LuaInputCapture::End() { InvokeBoundFxn(kCaptureEnd, NoArguments); }

bool LuaInputCapture::DoMouseEvent(const zelui::ui::MouseEvent& event) {
  InvokeBoundFxn(kMouseEvent, [&event](lua_State* L) { return PushMouseEventToLua(L, event); });
  return false;
}

bool LuaInputCapture::DoKeyboardEvent(const zelui::ui::KeyboardEvent&) { return false; }

bool LuaInputCapture::DoCursor(const zelui::ui::PointF& where, zelui::ui::ModifierFlags modifiers) {
  return InvokeBoundFxn(kDoCursor, [&](lua_State* L) {
    limner::PushPointF32ToLua(L, where);
    lua_pushinteger(L, modifiers);
    return 2;
  });
}

bool LuaInputCapture::DoTimerNotify(int id) {
  InvokeBoundFxn(kTimerNotify, [id](lua_State* L) {
    lua_pushinteger(L, id);
    return 1;
  });
  return false;
}

LuaInputCapture* zellua_checkInputCapture(lua_State* L, int index) { return CheckCapture(L, index)->capture; }

namespace {

// newInputCapture(node, event): nothing for a released node, or when the event is not read.
int NewInputCapture(lua_State* L) {
  UI_Node* node = GetControlNode(L, 1);
  zelui::ui::MouseEvent event;
  if (!ReadMouseEventFromLua(L, 2, event) || node == nullptr) return 0;
  auto* block = binding::PushEmptyBlock<CaptureBlock>(L, kInputCaptureMetaTableName);
  LuaInputCaptureP capture(new LuaInputCapture(L, node, event));
  block->capture = capture.detach();
  return 1;
}

int Gc(lua_State* L) {
  CaptureBlock* block = CheckCapture(L, 1);
  LuaInputCapture* capture = block->capture;
  block->capture = nullptr;
  if (capture != nullptr) capture->Release();
  return 0;
}

int ToString(lua_State* L) { return binding::PushTypeAndAddress(L, kInputCaptureClassName, CheckCapture(L, 1)); }

// capture:BindZelOperation(name, function) gives the name; nothing for a collected capture.
int BindZelOperation(lua_State* L) {
  LuaInputCapture* capture = zellua_checkInputCapture(L, 1);
  return capture != nullptr ? capture->BindZELOperation(L) : 0;
}

const luaL_Reg kMethods[] = {
    {"__gc", Gc}, {"__tostring", ToString}, {"BindZelOperation", BindZelOperation}, {nullptr, nullptr}};

const luaL_Reg kFunctions[] = {{"newInputCapture", NewInputCapture}, {nullptr, nullptr}};

}  // namespace

}  // namespace zellua::ui

extern "C" int luaopen_zellua_InputCapture(lua_State* L) {
  zellua::binding::ModuleSpec spec;
  spec.metaTableName = zellua::ui::kInputCaptureMetaTableName;
  spec.methods[0] = zellua::ui::kMethods;
  spec.className = zellua::ui::kInputCaptureClassName;
  spec.functions = zellua::ui::kFunctions;
  zellua::binding::OpenModule(L, spec);
  for (const char* name : {zellua::ui::kCaptureBegin, zellua::ui::kCaptureEnd, zellua::ui::kMouseEvent,
                           zellua::ui::kDoCursor, zellua::ui::kTimerNotify}) {
    lua_pushstring(L, name);
    lua_setfield(L, -2, name);
  }
  return 1;
}
