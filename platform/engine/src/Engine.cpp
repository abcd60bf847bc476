#include "Engine.h"

#include "Browser.h"
#include "Script.h"

namespace engine {

std::atomic<int> gLive[kLiveKinds];

Engine& Engine::Get() {
  static Engine engine;
  return engine;
}

void Engine::Post(std::function<void()> task) {
  if (running) tasks.push_back(std::move(task));
}

void Engine::Retire(std::unique_ptr<Document> document) {
  if (!document) return;
  document->frame = nullptr;
  if (Busy() || document->running > 0) retired.push_back(std::move(document));
}

void Engine::FreeRetired() {
  if (Busy()) return;
  auto documents = std::move(retired);
  retired.clear();
}

void IoThread::Start() {
  std::lock_guard<std::mutex> lock(mMutex);
  mStop = false;
  mJob = nullptr;
  mThread = std::thread([this] { Loop(); });
}

void IoThread::Stop() {
  {
    std::lock_guard<std::mutex> lock(mMutex);
    mStop = true;
  }
  mChanged.notify_all();
  if (mThread.joinable()) mThread.join();
}

bool IoThread::Call(const std::function<bool()>& job) {
  std::unique_lock<std::mutex> lock(mMutex);
  if (mStop || !mThread.joinable()) return false;
  mJob = &job;
  mError = nullptr;
  mChanged.notify_all();
  mChanged.wait(lock, [this] { return mJob == nullptr; });
  if (mError) std::rethrow_exception(std::exchange(mError, nullptr));
  return mAnswer;
}

void IoThread::Loop() {
  std::unique_lock<std::mutex> lock(mMutex);
  for (;;) {
    mChanged.wait(lock, [this] { return mStop || mJob != nullptr; });
    if (mJob == nullptr) return;  // stopping with nothing to run
    const std::function<bool()>* job = mJob;
    lock.unlock();
    bool answer = false;
    std::exception_ptr error;
    try {
      answer = (*job)();
    } catch (...) {
      error = std::current_exception();
    }
    lock.lock();
    mAnswer = answer;
    mError = error;
    mJob = nullptr;
    mChanged.notify_all();
  }
}

}  // namespace engine

using engine::Engine;

bool CefInitialize(const CefSettings& settings, CefRefPtr<CefApp>) {
  Engine& e = Engine::Get();
  if (e.running || settings.multi_threaded_message_loop) return false;
  e.settings = settings;
  e.extensions.clear();
  ++e.generation;
  e.mainThread = std::this_thread::get_id();
  e.io.Start();
  e.running = true;
  return true;
}

void CefShutdown() {
  Engine& e = Engine::Get();
  if (!e.running || !e.OnMainThread()) return;
  // Nothing below calls a client any more: every callback first checks that the engine runs.
  e.running = false;
  ++e.shutdowns;
  e.io.Stop();
  auto tasks = std::move(e.tasks);
  e.tasks.clear();
  tasks.clear();
  auto browsers = std::move(e.browsers);
  e.browsers.clear();
  for (auto& browser : browsers) browser->Close();
  browsers.clear();
  auto extensions = std::move(e.extensions);
  e.extensions.clear();
  extensions.clear();
  e.FreeRetired();
}

void CefDoMessageLoopWork() {
  Engine& e = Engine::Get();
  if (!e.running || e.Busy() || e.tasks.empty() || !e.OnMainThread()) return;
  {
    std::function<void()> task = std::move(e.tasks.front());
    e.tasks.pop_front();
    struct Depth {
      int& depth;
      explicit Depth(int& d) : depth(d) { ++depth; }
      ~Depth() { --depth; }
    } depth(e.taskDepth);
    task();
  }
  e.FreeRetired();
}

bool CefRegisterExtension(const CefString& extension_name, const CefString& javascript_code,
                          CefRefPtr<CefV8Handler> handler) {
  Engine& e = Engine::Get();
  if (!e.running) return false;
  for (const auto& extension : e.extensions)
    if (extension.name == extension_name) return false;
  engine::Extension extension{extension_name, javascript_code, handler, {}, {}};
  engine::PrepareExtension(extension);
  e.extensions.push_back(std::move(extension));
  return true;
}
