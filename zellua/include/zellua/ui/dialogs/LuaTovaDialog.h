#pragma once
// Modal dialogs described by a layout file: TovaDialog reads the layout, runs the dialog over the
// workspace's main window and maps the standard actions do_ok, do_cancel and do_help to OK, cancel
// and help; LuaTovaDialog answers initialisation and actions with the functions of a Lua handler
// table. Scripts reach them through the library "TovaDialog" (doTovaDialog) and the dialog
// userdata "Tova.TovaDialog" handed to their handlers.
#include <memory>
#include <vector>

extern "C" {
#include <lua.h>
}

#include "zelcore/Strings.h"
#include "zelcore/utility/RefCountedObject.h"
#include "zelpelltova/Tova.h"
#include "zellua/binding/LuaRef.h"
#include "zelui/ui/OS_Window.h"

namespace zelworkspace {
class Workspace;
}

namespace zel::lua::tova {

// The name of the global library: "TovaDialog".
extern const char* const LUA_TOVADIALOGLIBNAME;

class TovaDialog : public zelpelltova::UI_Tova, public zelcore::utility::RefCountedObject {
 public:
  // Shown over the workspace's main top-level window and drawn with its supplier (none without a
  // workspace).
  TovaDialog(const zelcore::UTF16String& layoutPath, zelworkspace::Workspace* workspace);
  ~TovaDialog() override;

  // Reads the layout and shows the dialog modally; false when the layout gives no dialog with a
  // layout (nothing is shown).
  bool LaunchFromConfigFile();
  // Gives the dialog the title; once shown it is laid out again.
  void SetTitle(const zelcore::UTF16String& title);
  const zelcore::UTF16String& GetTitle() const { return mTitle; }
  // 1 after OK, 0 after cancel.
  int GetResult() const { return mResult; }

  bool Initialize() override;

  // The layout always comes from the file: no stream.
  virtual std::unique_ptr<std::istream> GetLayoutStream(const zelcore::UTF16String& path);
  virtual bool InitControls() = 0;
  virtual void ConnectControls() {}
  virtual void InitDialog() {}
  virtual bool ValidateAndCommit() { return true; }
  virtual int GetHelpID() { return 0; }
  virtual void OnOK();
  virtual void OnCancel();
  virtual void OnHelp() {}
  virtual void HandleActionCallback(const zelpelltova::name_t& action, const zelpelltova::any_regular_t& value);

  void CloseOK();
  void CloseCancel();
  void ReEvaluateLayout();
  // The dialog that holds the layout, or none.
  boost::intrusive_ptr<zelui::ui::UI_Dialog> GetParentDialog() const;
  boost::intrusive_ptr<zelui::ui::UI_Dialog> GetDialogNode() const;

 private:
  void Close(int result);

  zelpelltova::tova_root_t* mRoot = nullptr;
  int mResult = 0;
  zelcore::UTF16String mLayoutPath;
  zelcore::UTF16String mTitle;
  std::shared_ptr<zelpelltova::sheet_t> mSheet;
};

class LuaTovaDialog : public TovaDialog {
 public:
  // The handler table is held by a registry reference when the value at handlerIndex of L is a
  // table (0: no handlers).
  LuaTovaDialog(const zelcore::UTF16String& layoutPath, zelworkspace::Workspace* workspace, lua_State* L,
                int handlerIndex);
  // Empties every dialog userdata handed to a handler: they give no values from then on.
  ~LuaTovaDialog() override;

  void PushLua(lua_State* L) { mLuaStates.push_back(L); }
  void PopLua();
  // Pushes the state, runs the dialog, pops the state; answers true.
  bool DoModal(lua_State* L);
  // When the handler table has a function under the name: pushes it and a dialog userdata on the
  // current state and answers true; else pushes nothing and answers false.
  bool PushCallback(const char* handlerName);

  bool InitControls() override;
  void ConnectControls() override {}
  void InitDialog() override {}
  bool ValidateAndCommit() override { return true; }
  void OnOK() override;
  void OnCancel() override;
  void OnHelp() override {}
  void HandleActionCallback(const zelpelltova::name_t& action, const zelpelltova::any_regular_t& value) override;

  // Makes the metatable "Tova.TovaDialog" and the library "TovaDialog", opens the control
  // bindings and returns what their opener returns.
  static int InitLua(lua_State* L);

 private:
  lua_State* CurrentState() const { return mLuaStates.empty() ? nullptr : mLuaStates.back(); }

  std::vector<lua_State*> mLuaStates;
  // The handler table of the doTovaDialog call.
  zellua::binding::LuaRef mHandlers;
  zellua::binding::StateToken mToken;
  // The dialog userdata handed out, emptied when the dialog goes (anchored so that none is
  // collected while the dialog may still empty it).
  std::vector<zellua::binding::LuaRef> mUserdata;
};

}  // namespace zel::lua::tova
