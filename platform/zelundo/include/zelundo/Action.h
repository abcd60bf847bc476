#pragma once
// The undo framework's actions and state restorers. The framework's stack, which decides when
// they run, is not part of this stand-in: whoever holds an action calls Undo and Redo.
#include "zelcore/Strings.h"

namespace zelundo {

class Action {
 public:
  // The two flags are the stack's to read (whether the action changes the document, whether it
  // may merge with the one before it); the name describes the action in the Edit menu.
  Action(bool changesDocument, bool mergeable, const zelcore::UTF16String& name)
      : mChangesDocument(changesDocument), mMergeable(mergeable), mName(name) {}
  Action(const Action&) = delete;
  Action& operator=(const Action&) = delete;
  virtual ~Action() = default;

  virtual zelcore::UTF16String GetActionString() const { return mName; }
  virtual zelcore::UTF16String GetUndoDescription() const { return u"Undo " + mName; }
  virtual zelcore::UTF16String GetRedoDescription() const { return u"Redo " + mName; }
  virtual void Undo() { UndoSelf(); }
  virtual void Redo() { RedoSelf(); }
  virtual bool DoStillViable() const { return true; }
  virtual void RedoSelf() = 0;
  virtual void UndoSelf() = 0;

  bool ChangesDocument() const { return mChangesDocument; }
  bool Mergeable() const { return mMergeable; }

 private:
  bool mChangesDocument;
  bool mMergeable;
  zelcore::UTF16String mName;
};

// Puts back a state saved before a change.
class StateRestorer {
 public:
  StateRestorer() = default;
  StateRestorer(const StateRestorer&) = delete;
  StateRestorer& operator=(const StateRestorer&) = delete;
  virtual ~StateRestorer() = default;

  virtual void RestoreState() = 0;
  // Takes over what a later restorer of the same state would put back; false when it cannot,
  // which is the default.
  virtual bool MergeIn(StateRestorer& later) {
    (void)later;
    return false;
  }
};

}  // namespace zelundo
