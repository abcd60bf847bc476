// The modal run of a dialog, answered from the queue tests fill.
#include <cstddef>
#include <vector>

#include "os/testing.h"
#include "zelcore/RecordAndAnswer.h"
#include "zelui/controls/Controls.h"
#include "zelui/ui/ControlsTesting.h"
#include "zelui/NodeManager.h"
#include "zelui/ui/OS_Window.h"

namespace zelui {

namespace {

zelcore::testing::RecordAndAnswer<testing::ModalRunRecord, testing::ModalAnswer>& ModalRunAnswers() {
  static zelcore::testing::RecordAndAnswer<testing::ModalRunRecord, testing::ModalAnswer> answers(testing::ModalAnswer::Cancel());
  return answers;
}

}  // namespace

namespace ui {

void UI_Dialog::RunModal() {
  if (mRunningModal) return;
  const UI_NodeP hold = HoldDuringDispatch(this);
  mRunningModal = true;
  mClosed = false;
  UI_NodeManager::Get()->PushModalWindow(this);
  UI_Show(true);

  testing::ModalRunRecord record;
  record.title = GetTitle();
  record.parent = GetParentWindow();
  record.okButton = mOkButton.get();
  record.cancelButton = mCancelButton.get();
  record.initialFocus = mInitialFocus.get();
  record.modalDepth = UI_NodeManager::Get()->GetModalWindows().size();
  // A timer may run further dialogs while this one waits: their runs are recorded after this one.
  const std::size_t recordIndex = ModalRunAnswers().Requests().size();
  const testing::ModalAnswer answer = ModalRunAnswers().Ask(record);
  switch (answer.kind) {
    case testing::ModalAnswer::kOk:
      DefaultCloseOk();
      break;
    case testing::ModalAnswer::kCancel:
      DefaultCloseCancel();
      break;
    case testing::ModalAnswer::kAdvanceClock:
      os::testing::AdvanceRunLoopClock(answer.seconds);
      break;
  }
  if (!mClosed) DefaultCloseCancel();
  if (testing::ModalRunRecord* asked = ModalRunAnswers().At(recordIndex)) asked->response = mResponse;

  mRunningModal = false;
  UI_Show(false);
  UI_NodeManager::Get()->PopModalWindow(this);
}

}  // namespace ui

namespace testing {

void QueueModalAnswer(ModalAnswer answer) { ModalRunAnswers().Queue(answer); }
const std::vector<ModalRunRecord>& ModalRuns() { return ModalRunAnswers().Requests(); }
void ResetModalRuns() { ModalRunAnswers().Reset(); }

}  // namespace testing

}  // namespace zelui
