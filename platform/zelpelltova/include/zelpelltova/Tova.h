#pragma once
// The layout-description library: a view holder (UI_Tova) parses a layout script into a layout
// root, whose node is a modal dialog holding the script's controls; its buttons send their
// actions to the holder's action handler.
//
// Layout scripts are UTF-8 text, one statement a line; blank lines and lines starting with "#"
// are skipped, and words are separated by spaces or tabs:
//
//   dialog Sign in to the service         the dialog and its title (the rest of the line)
//   layout                                starts the layout block
//     text intro Who are you?             static text: name, then its label
//     edit user guest                     text edit: name, then its first text
//     checkbox remember Remember me       checkbox: name, then its label (starts unchecked)
//     button ok do_ok OK                  button: name, the action it sends, then its label
//   end                                   ends the layout block
//
// A script without a dialog line gives no root; one without a layout block gives a root without
// layout. Anything else that cannot be read (an unknown word, a control outside the block, a
// control without a name or a button without an action, a name used twice, a second dialog line
// or block, a block left open) gives no root.
#include <cstddef>
#include <functional>
#include <istream>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include <boost/intrusive_ptr.hpp>

#include "zelcore/utility/RefCountedObject.h"
#include "zelui/ui/OS_Window.h"
#include "zelui/ui/UI_Node.h"

namespace zelworkspace {
class DrawSupplier;
}

namespace zelpelltova {

namespace testing {
struct TovaRun;
}

// A name: an action, a cell or a control. Names compare as exact strings.
class name_t {
 public:
  name_t() = default;
  explicit name_t(std::string text) : mText(std::move(text)) {}
  explicit name_t(const char* text) : mText(text ? text : "") {}
  const char* c_str() const { return mText.c_str(); }
  const std::string& str() const { return mText; }
  bool operator==(const name_t& other) const { return mText == other.mText; }
  bool operator!=(const name_t& other) const { return mText != other.mText; }
  bool operator<(const name_t& other) const { return mText < other.mText; }

 private:
  std::string mText;
};

// A value of the layout's cells and actions: nothing, a boolean, a number or a UTF-8 string.
class any_regular_t {
 public:
  any_regular_t() = default;
  explicit any_regular_t(bool value) : mValue(value) {}
  explicit any_regular_t(double value) : mValue(value) {}
  explicit any_regular_t(std::string value) : mValue(std::move(value)) {}

  bool empty() const { return std::holds_alternative<std::monostate>(mValue); }
  // Copies the value into out when it holds a T (bool, double or std::string).
  template <typename T>
  bool cast(T& out) const {
    const T* held = std::get_if<T>(&mValue);
    if (held) out = *held;
    return held != nullptr;
  }
  bool operator==(const any_regular_t& other) const { return mValue == other.mValue; }

 private:
  std::variant<std::monostate, bool, double, std::string> mValue;
};

// A property sheet: the values of the layout's cells by name. A parse puts a cell for each
// checkbox (false) and each text edit (its first text).
class sheet_t {
 public:
  void set(const name_t& cell, const any_regular_t& value) { mCells[cell] = value; }
  // The cell's value; empty for a cell the sheet does not have.
  any_regular_t get(const name_t& cell) const;
  bool has(const name_t& cell) const { return mCells.count(cell) != 0; }
  std::size_t count() const { return mCells.size(); }

 private:
  std::map<name_t, any_regular_t> mCells;
};

enum class evaluate_options_t { defaults };

class tova_root_t;

// The layout of a root: its controls placed one below the other.
class tova_t {
 public:
  // Places the controls and sizes the dialog: at least the width and height given (0: the
  // layout's own size).
  void evaluate(evaluate_options_t options, long width, long height);
  int evaluation_count() const { return mEvaluations; }

 private:
  friend class tova_root_t;
  friend class UI_Tova;
  explicit tova_t(tova_root_t& root) : mRoot(root) {}

  tova_root_t& mRoot;
  int mEvaluations = 0;
};

class UI_Tova;

// What a parse gives: the dialog, its controls and their layout. Counted: the view holder's
// Release drops the parse's reference, and a running dialog keeps its root until it closes.
class tova_root_t : public zelcore::utility::RefCountedObject {
 public:
  // The layout; null for a script without a layout block.
  tova_t* GetLayout() const { return mLayout.get(); }
  // The dialog (a zelui::ui::UI_Dialog), and the container of its controls, whose parent it is.
  zelui::ui::UI_Node* GetNode() const { return mDialog.get(); }
  zelui::ui::UI_Node* GetContainer() const;
  // The control of that name, or null.
  zelui::ui::UI_Node* FindControl(const std::string& name) const;

  // Shows the dialog modally over its parent and returns when it has closed: the holder is
  // initialised (UI_Tova::Initialize), the actions queued for this run (zelpelltova/testing.h)
  // go to the holder's action handler one by one while the dialog is open, and a dialog still
  // open once they are used up is closed cancelled without asking the handler. Then the holder
  // is told (UI_Tova::SetupPostCloseCallback). A root already running is not run again.
  void Run();

  // Sends an action to the holder's action handler, as the root's buttons do; nothing once the
  // root was released.
  void SendAction(const name_t& action, const any_regular_t& value);

 private:
  friend class UI_Tova;
  friend class tova_t;
  struct Control {
    std::string kind, name, label, action;
    zelui::ui::UI_NodeP node;
  };
  // What a button reaches its root through: cleared when the root goes.
  struct Link {
    tova_root_t* root = nullptr;
  };

  tova_root_t(UI_Tova& holder, std::shared_ptr<sheet_t> sheet);
  ~tova_root_t() override;
  // The record of the run going on; null when the dialog does not run.
  testing::TovaRun* RunRecord() const;

  UI_Tova* mHolder;
  std::shared_ptr<sheet_t> mSheet;
  boost::intrusive_ptr<zelui::ui::UI_Dialog> mDialog;
  std::vector<Control> mControls;
  std::unique_ptr<tova_t> mLayout;
  std::shared_ptr<Link> mLink;
  bool mRunning = false;
  // The place of the running dialog's record among the runs, while it runs.
  std::ptrdiff_t mRunIndex = -1;
};

// The view holder: parses layout scripts for dialogs shown over a parent node, hands the
// dialogs' actions to its action handler, and finds their controls by name.
class UI_Tova {
 public:
  using ActionHandler = std::function<void(const name_t& action, const any_regular_t& value)>;

  // The supplier is the one the dialogs are drawn with; the parent node (may be null) is the one
  // they are shown over.
  UI_Tova(zelworkspace::DrawSupplier* supplier, zelui::ui::UI_Node* parent);
  UI_Tova(const UI_Tova&) = delete;
  UI_Tova& operator=(const UI_Tova&) = delete;
  // Releases every root not released yet.
  virtual ~UI_Tova();

  // Called when a dialog of the holder is about to be shown.
  virtual bool Initialize() { return true; }
  // Called when a root is released.
  virtual void Destruction() {}
  // Called when a dialog of the holder has closed.
  virtual void SetupPostCloseCallback() {}

  zelworkspace::DrawSupplier* GetDrawSupplier() const { return mSupplier; }
  zelui::ui::UI_Node* GetParentNode() const { return mParent.get(); }

  void SetActionHandler(ActionHandler handler) { mActionHandler = std::move(handler); }

  // Parses the script, putting the cells of its controls into the sheet (a sheet of its own when
  // null). Returns the new root, which the caller owns and gives back through Release, or null
  // when the script gives none. The new root becomes the holder's current one.
  tova_root_t* ParseTovaScript(std::istream& script, std::shared_ptr<sheet_t> sheet);
  // The node of the current root's control of that name; null when there is none.
  zelui::ui::UI_Node* GetUINodePtr(const std::string& name) const;
  // Gives a root back: its buttons send nothing from now on, and it goes once no running dialog
  // holds it. Null, or a root of another holder or one already given back, changes nothing.
  void Release(tova_root_t* root);

 private:
  friend class tova_root_t;

  zelworkspace::DrawSupplier* mSupplier;
  zelui::ui::UI_NodeP mParent;
  ActionHandler mActionHandler;
  std::vector<tova_root_t*> mRoots;
  tova_root_t* mCurrent = nullptr;
};

}  // namespace zelpelltova
