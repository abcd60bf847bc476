#pragma once
// The multi-column tree for scripts: a framework tree whose notifications and requests go to Lua
// functions bound by operation name ("mctDrawCell", "mctSelectionChanged", ...), rows that carry
// a script's UTF-8 id, the tree's wrapper "Zel.MultiColumnTree" (the sub-view methods, then the
// tree's own) and the row userdata "Zel.UI_MultiColumnTreeRow". Bound functions run through
// lua_pcall without a handler in the state they were bound in, and leave its stack as it was;
// once the state is closed every callback does what it does unbound.
#include <map>
#include <memory>
#include <string>
#include <vector>

extern "C" {
#include <lua.h>
}

#include "zelcore/Geometry.h"
#include "zellua/binding/LuaRef.h"
#include "zellua/ui/LuaBinder.h"
#include "zellua/ui/LuaControlWrapper.h"
#include "zelui/controls/MultiColumnTree.h"

namespace zellua::ui {

// Lua functions kept by a node under operation names, one per name.
class LuaBindableNode {
 public:
  LuaBindableNode() = default;
  // Lets go of every bound function (in its state, while that is open).
  virtual ~LuaBindableNode();
  LuaBindableNode(const LuaBindableNode&) = delete;
  LuaBindableNode& operator=(const LuaBindableNode&) = delete;

  // Keeps the function under the name, letting go of one kept before; true.
  virtual bool BindZELOperation(lua_State* L, const std::string& name, binding::LuaRef function);
  // The state of the function bound under the name; null when none is.
  lua_State* GetZELBoundLuaState(const std::string& name) const;
  // Its registry reference; 0 when none is bound. A name counts as bound from 1 up.
  int GetZELBoundFunctionIndex(const std::string& name) const;

 protected:
  // The function bound under the name while its state is open; null otherwise.
  std::shared_ptr<const binding::LuaRef> GetZELBoundFunction(const std::string& name) const;
  // The node hooks a node of this kind looks up among its own functions first; each calls the
  // function bound under "uiDraw", "uiMouseEvent" or "uiSizeChanged", results ignored.
  void CallOwnDrawHook(::limner::Limner& context) const;
  void CallOwnMouseHook(const zelui::ui::MouseEvent& event) const;
  void CallOwnSizeHook(const zelui::ui::RectF& rect) const;

 private:
  std::map<std::string, std::vector<LuaFunctionEntry>> mOperations;
};

// A framework control whose drawing, mouse and size handling first ask its own bound functions.
template <class T>
class LuaZelNode : public T, public LuaBindableNode {
 public:
  template <typename... Args>
  explicit LuaZelNode(Args&&... args) : T(std::forward<Args>(args)...) {}

  bool UI_DoMouseEvent(zelui::ui::UI_Node* target, const zelui::ui::MouseEvent& event) override {
    CallOwnMouseHook(event);
    return T::UI_DoMouseEvent(target, event);
  }
  void UI_SizeChanged(const zelui::ui::RectF& rect) override {
    CallOwnSizeHook(rect);
    T::UI_SizeChanged(rect);
  }

 protected:
  ~LuaZelNode() override = default;
  void UI_Draw(::limner::Limner& context) override {
    CallOwnDrawHook(context);
    T::UI_Draw(context);
  }
};

// A row with the script's id (bytes as given).
class LuaMultiColumnTreeRow : public zelui::controls::UI_MultiColumnTreeRow {
 public:
  LuaMultiColumnTreeRow() : LuaMultiColumnTreeRow(std::string()) {}
  explicit LuaMultiColumnTreeRow(std::string id) : UI_MultiColumnTreeRow(true), mID(std::move(id)) {}
  const std::string& GetID() const { return mID; }
  void SetID(std::string id) { mID = std::move(id); }

 protected:
  ~LuaMultiColumnTreeRow() override;

 private:
  std::string mID;
};

using LuaMultiColumnTreeRowP = boost::intrusive_ptr<LuaMultiColumnTreeRow>;

class LuaMultiColumnTree : public LuaZelNode<zelui::controls::UI_MultiColumnTree> {
 public:
  // One column, rows 18 high.
  LuaMultiColumnTree();

  // "mct" names install the framework callback that calls them the first time they are bound;
  // "mctSelectionChanged" and "mctRowContextMenu" are reached through the overridden operations.
  bool BindZELOperation(lua_State* L, const std::string& name, binding::LuaRef function) override;

  // Asks the framework's background request first; otherwise fills with the custom background
  // colour while one is set.
  void DrawBackground(::limner::Limner* context) override;
  // "mctSelectionChanged" with the selected rows, then the framework's own handling.
  void NotifyOfSelectionChanged(const zelui::controls::UI_MultiColumnTreeRowList& selected) override;
  // True when "mctRowContextMenu" answers true (an error counts); else the framework's answer.
  bool NotifyOfRowContextMenu(zelui::controls::UI_MultiColumnTreeRow* row, const zelui::ui::PointF& point,
                              zelui::ui::UI_Node& node, unsigned column) override;

  void SetCustomBackgroundColor(const zelcore::ColorRGBA& color);
  void ClearCustomBackgroundColor() { mHasCustomBackground = false; }
  bool HasCustomBackgroundColor() const { return mHasCustomBackground; }
  const zelcore::ColorRGBA& GetCustomBackgroundColor() const { return mCustomBackground; }
  // The selected rows are drawn in the colour until cleared.
  void SetCustomSelectionColor(zelui::controls::UI_Color color);
  void ClearCustomSelectionColor();
  bool HasCustomSelectionColor() const { return mHasCustomSelection; }
  zelui::controls::UI_Color GetCustomSelColor() const { return mCustomSelection; }

  // Sorts with the Lua function: true (the boolean) when the first row goes first; anything else,
  // an error included, is false.
  void SetLuaRowSortingFunction(binding::LuaRef function);

 protected:
  ~LuaMultiColumnTree() override;

 private:
  void OnDrawCellOfRow(::limner::Limner& context, zelui::controls::UI_MultiColumnTreeRow* row, std::size_t column,
                       const zelui::ui::RectF& cell);
  void OnRowVisibilityChanged(zelui::controls::UI_MultiColumnTreeRow* row);
  void OnRowDisclosureChanged(zelui::controls::UI_MultiColumnTreeRow* row, bool open);
  bool OnSelectedRowsBeingDragged(const zelui::ui::MouseEvent& event);
  bool OnDropSupport(int action, zelui::controls::UI_MultiColumnTreeDropData* data);
  void OnRowClick(const char* name, zelui::controls::UI_MultiColumnTreeRow* row, const zelui::ui::PointF& point,
                  zelui::ui::ModifierFlags modifiers, std::size_t column);

  zelcore::ColorRGBA mCustomBackground;
  bool mHasCustomBackground = false;
  zelui::controls::UI_Color mCustomSelection = 0;
  bool mHasCustomSelection = false;
};

// The row userdata: one counted reference to a row, null for a row the framework made itself or
// once collected (__gc clears it, so a second __gc does nothing; methods of a null row give no
// values).
struct LuaMultiColumnTreeRowWrapper {
  LuaMultiColumnTreeRowP row;
};

inline constexpr char kMultiColumnTreeMetaTableName[] = "Zel.MultiColumnTree";
inline constexpr char kMultiColumnTreeRowMetaTableName[] = "Zel.UI_MultiColumnTreeRow";

// Pushes a new row userdata for the row (holding no row unless it is a LuaMultiColumnTreeRow).
void PushMultiColumnTreeRow(lua_State* L, zelui::controls::UI_MultiColumnTreeRow* row);

ZELLUA_CONTROL_WRAPPER(LuaMultiColumnTreeWrapper, LuaControlWrapperBase)

// Makes the tree's metatable with its operation-name and drop-action fields, then the row
// metatable; the controls' opener calls it.
void RegisterMultiColumnTreeMetatables(lua_State* L);

// The node factory for views from XML: a new tree for the class "LuaMultiColumnTree", else null.
UI_NodeP MultiColumnTreeNodeFactory(const zelcore::UTF16String& className);

}  // namespace zellua::ui
