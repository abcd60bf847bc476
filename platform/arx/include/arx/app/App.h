#pragma once
// The application framework's application object: start-up in a fixed order of virtual set-up
// steps, the event loop with its idle turns, and termination.
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "arx/app/AppActivationMessage.h"
#include "arx/app/AppInitArgs.h"
#include "zelcore/PropList.h"
#include "zelcore/Strings.h"

namespace zelcore {
namespace config { class ErrorManager; class Localizer; }
namespace xml { class DocParserFactory; }
}  // namespace zelcore
namespace zelworkspace {
class Workspace;
class Manager;
class WorkspaceProviderBase;
class PlatformMenuHelperBase;
}
namespace os {
class Menu;
}
namespace zelui::resources {
class ResourceManager;
class LimnerImageResourceCache;
}
namespace os {
struct Event;
}

namespace arx::app {

class AppBase {
 public:
  virtual ~AppBase();

  zelworkspace::Workspace* GetWorkspace() const { return mWorkspace.get(); }
  zelworkspace::Manager* GetWorkspaceManager() const { return mWorkspaceManager.get(); }
  // The main menu bar, built from the start-up arguments' menu resources; null before start-up.
  const std::shared_ptr<os::Menu>& GetMainMenu() const { return mMainMenu; }
  // Commands with ids from this bound on would be disabled unless a handler enables them; this
  // framework builds no menu state, so there is nothing to disable.
  void AutoDisableUserCmds(int bound) { (void)bound; }

  // The application's settings, held in memory for the life of the application object.
  zelcore::proplist::PropList& GetAppSettings();
  void SaveAppSettings();
  // Tells its listeners when the application becomes active or inactive.
  AppActivationBroadcaster& GetAppActivationNotifier() { return mAppActivationNotifier; }
  // The application's resources (the application framework's resource manager) and the cache of
  // the images drawn from them.
  zelui::resources::ResourceManager& GetResourceManager() const;
  zelui::resources::LimnerImageResourceCache& GetImageCache() const;

 protected:
  std::unique_ptr<zelcore::config::ErrorManager> mErrorManager;
  std::unique_ptr<zelworkspace::Workspace> mWorkspace;
  // The provider, the manager that uses it, and the menu helper that uses both: made in that
  // order, destroyed in the reverse one, before the workspace.
  std::unique_ptr<zelworkspace::WorkspaceProviderBase> mWorkspaceProvider;
  std::unique_ptr<zelworkspace::Manager> mWorkspaceManager;
  std::unique_ptr<zelworkspace::PlatformMenuHelperBase> mWorkspaceMenuHelper;
  std::shared_ptr<os::Menu> mMainMenu;
  zelcore::proplist::PropListRef mAppSettings;
  AppActivationBroadcaster mAppActivationNotifier;
};

class OS_AppBase : public AppBase {};

class App : public OS_AppBase {
 public:
  App();
  ~App() override;

  // The one application object, or null.
  static App* GetApp();

  // Runs the set-up steps, then InitApplication; false ends the program without an event loop.
  bool Initialize(AppInitArgs& args);
  // Runs TerminateApplication and tears the framework down.
  void Terminate();

  // Runs until EndEventLoop is called or the process is asked to quit (SIGINT, SIGTERM). Between
  // turns it waits for queued work, at most until the main run loop's next timer is due.
  virtual void RunEventLoop();
  virtual void EndEventLoop();

  // Queues work for the event loop; may be called from any thread.
  void PostToEventLoop(std::function<void()> work);
  // One turn of the event loop: the queued work, one pass of the main run loop in its default
  // mode (its clock moves on by the time that passed, and timers that fell due fire), then one
  // idle call. False once the loop ended.
  bool RunOneTurn();
  bool EndRequested() const { return mEndRequested; }

 protected:
  virtual zelcore::config::ErrorManager* InitErrorManager() { return nullptr; }
  virtual zelcore::config::Localizer* InitLocalizer(AppInitArgs& args) { (void)args; return nullptr; }
  virtual zelcore::xml::DocParserFactory* InitParserFactory() { return nullptr; }
  virtual zelworkspace::Workspace* InitWorkspace() { return nullptr; }
  virtual zelworkspace::PlatformMenuHelperBase* InitWorkspaceMenuHelper(zelworkspace::Manager* manager) {
    (void)manager;
    return nullptr;
  }
  virtual zelworkspace::Manager* InitWorkspaceManager() { return nullptr; }
  virtual zelworkspace::WorkspaceProviderBase* InitWorkspaceProvider() { return nullptr; }
  virtual void TerminateWorkspace() {}
  virtual void InitPreferences() {}
  virtual void InitDrawing() {}
  virtual void TerminateDrawing() {}
  virtual void LoadDefaultTheme() {}
  virtual void OSInitialize() {}
  virtual void OSTerminate() {}

 public:
  virtual zelcore::UTF16String GetAppName() const { return {}; }
  virtual zelcore::UTF16String GetAppVersion() const { return {}; }
  virtual zelcore::UTF16String GetAppInternalVersion() const { return {}; }
  virtual zelcore::UTF16String GetAppCompany() const { return {}; }
  virtual zelcore::UTF16String GetAppBuildNumber() const { return {}; }

  virtual bool InitApplication(AppInitArgs& args);
  virtual void TerminateApplication() {}

 protected:
  virtual void RegisterTabCreators(zelworkspace::Workspace* workspace) { (void)workspace; }
  virtual void ApplyDefaultWorkspace() {}
  virtual void RegisterApplicationCommands() {}

 public:
  virtual void DoIdle() {}
  // Sees each platform event before the framework does; false when it consumed the event.
  virtual bool DoPreEventProcessing(const os::Event& event) { (void)event; return true; }
  virtual zelcore::UTF16String GetDefaultWorkspaceName() const { return {}; }
  virtual void DoHandleReopenEvent() {}

 private:
  std::mutex mQueueMutex;
  std::condition_variable mQueueSignal;
  std::deque<std::function<void()>> mQueue;
  void BuildMainMenu(const AppInitArgs& args);
  void TerminateWorkspaceManagement();

  std::atomic<bool> mEndRequested{false};
  bool mInitialized = false;
};

}  // namespace arx::app
