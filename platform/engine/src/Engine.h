#pragma once
// The engine's process-wide state: whether it runs, its settings and extensions, the task queue
// of the main-thread loop, the open browsers, the scripts running now (innermost last) and the
// IO thread.
#include <atomic>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "engine/cef.h"

namespace engine {

class BrowserImpl;
class Document;

// Engine objects alive in the process, by kind (engine::testing::Live).
enum LiveKind { kLiveBrowser, kLiveFrame, kLiveRequest, kLiveContext, kLiveValue, kLiveDocument, kLiveKinds };
extern std::atomic<int> gLive[kLiveKinds];

// An engine object of the API: one atomic count, deleted at zero, counted among the live.
template <class Interface, LiveKind kKind>
class EngineObject : public Interface {
 public:
  EngineObject() { ++gLive[kKind]; }
  ~EngineObject() override { --gLive[kKind]; }
  EngineObject(const EngineObject&) = delete;
  EngineObject& operator=(const EngineObject&) = delete;

  int AddRef() override { return ++mCount; }
  int Release() override {
    const int count = --mCount;
    if (count == 0) delete this;
    return count;
  }
  int GetRefCt() override { return mCount.load(); }

 private:
  std::atomic<int> mCount{0};
};

// The thread that runs resource-load callbacks. The main thread hands it one job at a time and
// waits for the answer.
class IoThread {
 public:
  ~IoThread() { Stop(); }
  void Start();
  // Joins the thread; a later Call runs nothing and answers false.
  void Stop();
  // Runs the job on the IO thread and returns its answer; an exception it throws is rethrown here.
  bool Call(const std::function<bool()>& job);

 private:
  void Loop();

  std::thread mThread;
  std::mutex mMutex;
  std::condition_variable mChanged;
  const std::function<bool()>* mJob = nullptr;
  bool mAnswer = false;
  std::exception_ptr mError;
  bool mStop = false;
};

struct Extension {
  CefString name, code;
  CefRefPtr<CefV8Handler> handler;
  // The code as each context runs it, and the names of its native functions (CESU-8).
  std::u16string prepared;
  std::vector<std::string> natives;
};

// A script running now: the document it runs in and the name it runs under.
struct Evaluation {
  Document* document;
  std::u16string source;
};

class Engine {
 public:
  static Engine& Get();

  // Queued work runs only while the engine runs; on the main thread.
  void Post(std::function<void()> task);
  // Inside a task or a running script: the loop then runs nothing.
  bool Busy() const { return taskDepth > 0 || !evaluations.empty(); }
  bool OnMainThread() const { return std::this_thread::get_id() == mainThread; }
  // A document that leaves its frame: freed now when no task or script runs, else kept until
  // the call from the host that ran them returns (FreeRetired), so no caller is left holding a
  // freed document.
  void Retire(std::unique_ptr<Document> document);
  void FreeRetired();

  bool running = false;
  // How often the engine was shut down in this process.
  int shutdowns = 0;
  // Counts start-ups, so a script context made before a restart reaches no extension of it.
  unsigned generation = 0;
  std::thread::id mainThread;
  CefSettings settings;
  std::vector<Extension> extensions;
  std::deque<std::function<void()>> tasks;
  std::vector<CefRefPtr<BrowserImpl>> browsers;
  std::vector<Evaluation> evaluations;
  std::vector<std::unique_ptr<Document>> retired;
  int taskDepth = 0;
  IoThread io;
};

}  // namespace engine
