// The modal run of a dialog, answered from the queue tests fill.
#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

#include "os/testing.h"
#include "zelui/controls/Controls.h"
#include "zelui/ui/ControlsTesting.h"
#include "zelui/ui/ModalStack.h"
#include "zelui/ui/OS_Window.h"

namespace zelui {

namespace {

// Records each question and answers it from the queue, oldest first; an empty queue answers
// with the cancel answer.
template <typename Request, typename Answer>
class AnswerQueue {
 public:
  explicit AnswerQueue(Answer cancel) : mCancel(std::move(cancel)) {}

  Answer Ask(Request request) {
    mRequests.push_back(std::move(request));
    if (mAnswers.empty()) return mCancel;
    Answer answer = std::move(mAnswers.front());
    mAnswers.pop_front();
    return answer;
  }
  // A request by its place in Requests(), for a question that others may follow before it ends;
  // null once forgotten.
  Request* At(std::size_t index) { return index < mRequests.size() ? &mRequests[index] : nullptr; }
  void Queue(Answer answer) { mAnswers.push_back(std::move(answer)); }
  const std::vector<Request>& Requests() const { return mRequests; }
  void Reset() {
    mRequests.clear();
    mAnswers.clear();
  }

 private:
  Answer mCancel;
  std::vector<Request> mRequests;
  std::deque<Answer> mAnswers;
};

AnswerQueue<testing::ModalRunRecord, testing::ModalAnswer>& ModalRunAnswers() {
  static AnswerQueue<testing::ModalRunRecord, testing::ModalAnswer> answers(testing::ModalAnswer::Cancel());
  return answers;
}

}  // namespace

namespace ui {

void UI_Dialog::RunModal() {
  if (mRunningModal) return;
  const UI_NodeP hold = HoldDuringDispatch(this);
  mRunningModal = true;
  mClosed = false;
  PushModalWindow(this);
  UI_Show(true);

  testing::ModalRunRecord record;
  record.title = GetTitle();
  record.parent = GetParentWindow();
  record.okButton = mOkButton.get();
  record.cancelButton = mCancelButton.get();
  record.initialFocus = mInitialFocus.get();
  record.modalDepth = ModalWindows().size();
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
  PopModalWindow(this);
}

}  // namespace ui

namespace testing {

void QueueModalAnswer(ModalAnswer answer) { ModalRunAnswers().Queue(answer); }
const std::vector<ModalRunRecord>& ModalRuns() { return ModalRunAnswers().Requests(); }
void ResetModalRuns() { ModalRunAnswers().Reset(); }

}  // namespace testing

}  // namespace zelui
