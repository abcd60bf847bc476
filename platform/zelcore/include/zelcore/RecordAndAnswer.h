#pragma once
// Record the request, answer from a queue, an empty queue cancels: the one way a stand-in answers
// what a user would answer (an assertion dialog, an alert, a modal dialog, a chosen file, a popup
// choice, a modal run).
//
// A stand-in keeps one RecordAndAnswer per kind of question, made with the answer that means
// "cancel" (the user dismissed it without choosing), and asks it where the platform would wait
// for the user:
//
//   RecordAndAnswer<testing::ShownAlert, int>& Alerts() {
//     static RecordAndAnswer<testing::ShownAlert, int> alerts(Alert::kCancelled);
//     return alerts;
//   }
//   int Alert::Show(...) { return Alerts().Ask({...what the alert shows...}); }
//
// Its testing.h offers the test side in the stand-in's own words, one line each over the same
// object:
//
//   void QueueAlertAnswer(int answer)            { Alerts().Queue(answer); }
//   const std::vector<ShownAlert>& ShownAlerts() { return Alerts().Requests(); }
//   void ResetAlerts()                           { Alerts().Reset(); }
//
// A test queues its answers before the code asks, then reads what was shown. Nothing ever waits:
// once the queued answers are used up every question is cancelled at once, so no test can hang.
// Not thread-safe: a stand-in asked from several threads holds its own lock round it.
#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

namespace zelcore::testing {

template <typename Request, typename Answer>
class RecordAndAnswer {
 public:
  explicit RecordAndAnswer(Answer cancel = Answer()) : mCancel(std::move(cancel)) {}

  // Records the request and returns the oldest queued answer, or the cancel answer when none is
  // left.
  Answer Ask(Request request) {
    mRequests.push_back(std::move(request));
    if (mAnswers.empty()) return mCancel;
    Answer answer = std::move(mAnswers.front());
    mAnswers.pop_front();
    return answer;
  }

  // The request asked last, for a stand-in that notes on it how the question ended. Only after
  // an Ask.
  Request& Last() { return mRequests.back(); }
  // A request by its place in Requests(), for a question that others may follow before it ends
  // (a modal run during which a timer runs another); null once forgotten.
  Request* At(std::size_t index) { return index < mRequests.size() ? &mRequests[index] : nullptr; }

  // The test side: the answers of the next questions, oldest first; every request so far, oldest
  // first; and forgetting both.
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

}  // namespace zelcore::testing
