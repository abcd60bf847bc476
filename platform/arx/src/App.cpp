#include "arx/app/App.h"

#include <algorithm>
#include <chrono>
#include <csignal>

#include "arx/testing.h"
#include "zelcore/ErrorManager.h"
#include "zelcore/Localizer.h"
#include "zelcore/threads/Executor.h"
#include "zelcore/xml/DocParserFactory.h"
#include "arx/app/ResourceManager.h"
#include "arx/uisupport/CommandRegistry.h"
#include "os/Menu.h"
#include "os/RunLoop.h"
#include "zelui/OSMenu.h"
#include "zelworkspace/MenuHelper.h"
#include "zelworkspace/Workspace.h"

namespace arx::app {

namespace {

App* gApp = nullptr;
volatile std::sig_atomic_t gQuitSignal = 0;
long gIdleTurnLimit = -1;  // tests only: end the loop after this many turns

void OnQuitSignal(int) { gQuitSignal = 1; }

// Installs the quit handlers for the life of one event loop and restores the earlier ones.
class QuitSignals {
 public:
  QuitSignals() {
    gQuitSignal = 0;
    struct sigaction action {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &mOldInt);
    sigaction(SIGTERM, &action, &mOldTerm);
  }
  ~QuitSignals() {
    sigaction(SIGINT, &mOldInt, nullptr);
    sigaction(SIGTERM, &mOldTerm, nullptr);
  }

 private:
  struct sigaction mOldInt {};
  struct sigaction mOldTerm {};
};

// How long an idle loop waits for queued work before its next idle turn, unless a run-loop timer
// falls due sooner.
constexpr std::chrono::duration<double> kIdleInterval = std::chrono::milliseconds(10);

std::chrono::duration<double> TimeToWait() {
  const std::optional<double> timer = os::RunLoop::Main().TimeUntilNextTimer(os::kCFRunLoopDefaultMode);
  return timer ? std::min(kIdleInterval, std::chrono::duration<double>(*timer)) : kIdleInterval;
}

}  // namespace

AppBase::~AppBase() = default;

App::App() {
  gApp = this;
  // Executors on the current event loop post to this application's loop.
  zelcore::threads::SetEventLoopPoster([this](zelcore::threads::Work work) { PostToEventLoop(std::move(work)); });
}

App::~App() {
  if (gApp == this) {
    zelcore::threads::SetEventLoopPoster(nullptr);
    gApp = nullptr;
  }
}

App* App::GetApp() { return gApp; }

bool App::Initialize(AppInitArgs& args) {
  mErrorManager.reset(InitErrorManager());
  InitPreferences();
  zelcore::Localizer::Set(InitLocalizer(args));
  if (zelcore::xml::DocParserFactory* factory = InitParserFactory())
    zelcore::xml::SetParserFactory(std::unique_ptr<zelcore::xml::DocParserFactory>(factory));
  InitDrawing();
  LoadDefaultTheme();
  mWorkspace.reset(InitWorkspace());
  RegisterTabCreators(mWorkspace.get());
  RegisterApplicationCommands();
  BuildMainMenu(args);
  mWorkspaceProvider.reset(InitWorkspaceProvider());
  mWorkspaceManager.reset(InitWorkspaceManager());
  mWorkspaceMenuHelper.reset(InitWorkspaceMenuHelper(mWorkspaceManager.get()));
  OSInitialize();
  ApplyDefaultWorkspace();
  mInitialized = true;
  return InitApplication(args);
}

bool App::InitApplication(AppInitArgs&) { return true; }

void App::BuildMainMenu(const AppInitArgs& args) {
  mMainMenu = os::Menu::New();
  auto menu = zelui::utility::CreateOSMenuFromPlatformMenu(mMainMenu);
  if (!menu) return;
  zelui::utility::UI_XMLMenuParser::SubMenuMap subMenus;
  auto idForName = [](const zelcore::UTF16String& name) {
    return uisupport::CommandRegistry::Get().CommandIDForName(name);
  };
  for (const std::string& name : args.mainMenuResources) {
    std::string bytes;
    if (GetAppResourceManager().Read(zelcore::UTF8to16(name), u"xml", bytes))
      zelui::utility::UI_XMLMenuParser(menu.get(), bytes, subMenus, idForName);
  }
}

void App::TerminateWorkspaceManagement() {
  mWorkspaceMenuHelper.reset();
  mWorkspaceManager.reset();
  mWorkspaceProvider.reset();
  mMainMenu.reset();
}

void App::Terminate() {
  TerminateApplication();
  if (mInitialized) {
    TerminateWorkspace();
    TerminateWorkspaceManagement();
    mWorkspace.reset();
    OSTerminate();
    TerminateDrawing();
    zelcore::Localizer::Set(nullptr);
    mErrorManager.reset();
    mInitialized = false;
  }
}

void App::RunEventLoop() {
  // An end requested before the loop runs (during start-up) ends it at once.
  QuitSignals signals;
  long turns = 0;
  while (RunOneTurn()) {
    if (gIdleTurnLimit >= 0 && ++turns >= gIdleTurnLimit) break;
    const auto wait = TimeToWait();
    std::unique_lock<std::mutex> lock(mQueueMutex);
    mQueueSignal.wait_for(lock, wait, [&] { return !mQueue.empty() || mEndRequested; });
  }
}

bool App::RunOneTurn() {
  if (gQuitSignal) mEndRequested = true;
  if (mEndRequested) return false;
  std::deque<std::function<void()>> work;
  {
    std::lock_guard<std::mutex> lock(mQueueMutex);
    work.swap(mQueue);
  }
  for (auto& w : work) w();
  if (mEndRequested) return false;
  // Run-loop timers that fell due since the last turn fire, on the run loop's clock.
  os::RunLoop::Main().RunOnce(os::kCFRunLoopDefaultMode);
  if (mEndRequested) return false;
  DoIdle();
  return !mEndRequested;
}

void App::EndEventLoop() {
  mEndRequested = true;
  mQueueSignal.notify_all();
}

void App::PostToEventLoop(std::function<void()> work) {
  {
    std::lock_guard<std::mutex> lock(mQueueMutex);
    mQueue.push_back(std::move(work));
  }
  mQueueSignal.notify_all();
}

}  // namespace arx::app

namespace arx::testing {

void SetIdleTurnLimit(long turns) { app::gIdleTurnLimit = turns; }

int RunIdleTurns(app::App& app, int turns) {
  int done = 0;
  while (done < turns && app.RunOneTurn()) ++done;
  return done;
}

}  // namespace arx::testing
