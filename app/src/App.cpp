#include "App.h"

extern "C" {
#include <lauxlib.h>
#include <lualib.h>
}

#include "AppUtilsLua.h"
#include "AboutTabCreator.h"
#include "ColorTheme.h"
#include "ErrorManager.h"
#include "FennickModel.h"
#include "LuaAppWorkspace.h"
#include "Localizer.h"
#include "LuaInitializer.h"
#include "arx/app/ResourceManager.h"
#include "arx/uisupport/CommandRegistry.h"
#include "arx/uisupport/SyntheticCmdMgr.h"
#include "arx/uisupport/WorkspacesCmdAttachment.h"
#include "kqkernel/KqKernel.h"
#include "os/Event.h"
#include "zelcore/Config.h"
#include "zelcore/ConsoleCommand.h"
#include "zelcore/Locale.h"
#include "zelcore/xml/DocParserFactory.h"
#include "zelxml/LibXML2ParserFactory.h"
#include "zellua/ExecLuaConsoleCmd.h"
#include "zellua/binding/LuaRef.h"
#include "zellua/workspace/LuaWorkspace.h"
#include "zelwebview/GlobalWebView.h"
#include "zelworkspace/ConsolePanel.h"
#include "zelworkspace/MenuHelper.h"

namespace fennick {

namespace {
App* sFennickApp = nullptr;
}

App::App() {
  arx::uisupport::SyntheticCmdMgr::InitSyntheticCmdMgr(kFirstSyntheticCmd);
  AutoDisableUserCmds(kAutoDisableBound);
  sFennickApp = this;
}

App::~App() {
  if (zelcore::config::Localizer::Get() == mLocalizer.get()) zelcore::config::Localizer::Set(nullptr);
  if (sFennickApp == this) sFennickApp = nullptr;
}

App* App::GetFennickApp() { return sFennickApp; }

void App::ThrowLuaException(lua_State*, const char*) {}

void App::PreInitialize() {
  namespace config = zelcore::config;
  config::SetClientName(GetAppName());
  config::SetClientVersion(GetAppVersion());
  config::SetClientInternalVersion(GetAppInternalVersion());
  config::SetCompanyName(GetAppCompany());
  config::SetClientBuildNumber(GetAppBuildNumber());
  // Every XML parse of the process goes through libxml2 from here on.
  zelcore::xml::SetParserFactory(std::unique_ptr<zelcore::xml::DocParserFactory>(InitParserFactory()));
  MigratePreferences();
  LocaleNameMapXMLParser(zelcore::File(zelcore::Dir::ResourcesDir(), sLangMapFileName).FullPath(), &mLanguageMap);
  ChooseUILanguage();
}

void App::InitializeLocalizer(arx::app::AppInitArgs& args) {
  zelcore::Locale::Initialize(mUILanguage.empty() ? zelcore::UTF16String(u"en_US") : mUILanguage);
  InitLocalizer(args);
  mLocalizer->LoadAppDictionary();
}

zelcore::config::Localizer* App::InitLocalizer(arx::app::AppInitArgs&) {
  if (!mLocalizer) mLocalizer = std::make_unique<Localizer>();
  return mLocalizer.get();
}

zelcore::config::ErrorManager* App::InitErrorManager() { return new ErrorManager(); }

zelcore::xml::DocParserFactory* App::InitParserFactory() { return new zelcore::xml::LibXML2ParserFactory(); }

zelworkspace::Workspace* App::InitWorkspace() { return new LuaAppWorkspace(); }

void App::RegisterTabCreators(zelworkspace::Workspace* workspace) {
  if (workspace == nullptr) return;
  workspace->RegisterTabCreator(std::make_unique<zelworkspace::ConsolePanelTabCreator>());
  workspace->RegisterTabCreator(std::make_unique<AboutTabCreator>());
}

void App::RegisterApplicationCommands() {
  std::string bytes;
  if (arx::app::GetAppResourceManager().Read(u"CommandRegistry", u"xml", bytes))
    arx::uisupport::CommandRegistry::Get().LoadFromBuffer(bytes);
}

bool App::InitApplication(arx::app::AppInitArgs& args) {
  ApplyColorTheme(GetWorkspace());
  zelwebview::GlobalWebViewInitialize(true);

  KrInit();
  KqExceptions_setThrowHook(&App::ThrowLuaException);
  mLuaState = KqLuaState_open(KqLuaUniverse_createMainUniverse(0));
  if (mLuaState == nullptr) return false;

  luaL_openlibs(mLuaState);
  RegisterAppUtilsLua(mLuaState);

  zellua::console::ExecLuaConsoleCmd::SetLuaState(mLuaState);
  zelcore::console::CommandRegistry::Get().Register(std::make_unique<zellua::console::ExecLuaConsoleCmd>(
      zellua::console::ExecLuaConsoleCmd::kName, zellua::console::ExecLuaConsoleCmd::kDescription));

  args.openWindowsAtStart = false;
  const bool result = arx::app::App::InitApplication(args);

  // Another copy runs: start-up ends here and the program quits, with Lua never ready.
  if (deduplicateRunningInstances()) return false;

  LuaInitializer::Init(mLuaState, GetWorkspace());
  mLuaReady = true;
  return result;
}

void App::TerminateApplication() {
  if (mLuaState != nullptr) {
    FennickModel::Terminate(mLuaState);
    zellua::console::ExecLuaConsoleCmd::SetLuaState(nullptr);
    // The workspace and its Lua panels outlive the state: scripts' workspace calls end here.
    zellua::workspace::TerminateWorkspace();
    zellua::binding::MarkStateClosed(mLuaState);
    lua_close(mLuaState);
    mLuaState = nullptr;
    mLuaReady = false;
  }
  zelwebview::GlobalWebViewTerminate();
  arx::app::App::TerminateApplication();
  // The framework destroys the workspace, its manager and its menu helper next; the attachment
  // that runs their commands goes first, so that no command reaches them afterwards.
  if (mWorkspacesCmdAttachment != nullptr) {
    RemoveAttachment(mWorkspacesCmdAttachment);
    mWorkspacesCmdAttachment = nullptr;
  }
}

void App::DoIdle() {
  if (mLuaReady) FennickModel::DoIdle(mLuaState);
}

bool App::DoHandleCommand(int commandId) {
  if (commandId != kToggleConsoleCmd) return false;
  zelworkspace::WorkspaceUtils::ToggleTabState(GetWorkspace(), zelworkspace::ConsolePanel::kTabType, false);
  return true;
}

bool App::DoCommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String&) {
  switch (commandId) {
    case kToggleConsoleCmd:
      enabled = true;
      checked = zelworkspace::WorkspaceUtils::TabIsShown(GetWorkspace(), zelworkspace::ConsolePanel::kTabType);
      break;
    case kAlwaysEnabledCmd:
      enabled = true;
      break;
    default:
      enabled = false;
      break;
  }
  return true;
}

}  // namespace fennick
