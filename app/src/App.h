#pragma once
// The application object: the framework's set-up steps supplied by the program, the start-up and
// shutdown order, and the one Lua state of the process.
#include <memory>
#include <vector>

#include "LocaleNameMapXMLParser.h"
#include "arx/app/App.h"
#include "arx/uisupport/CommandHandler.h"
#include "zelui/OSMenu.h"

namespace os {
class Menu;
class StatusItem;
}  // namespace os
namespace zelworkspace {
class WorkspacesCmdAttachment;
}

struct lua_State;

namespace fennick {

class Localizer;

enum AppCommand {
  kFirstSyntheticCmd = 37000,
  kAutoDisableBound = 35000,
  kWorkspaceFirstCmd = 35001,
  kWorkspaceSecondCmd = 35002,
  kWorkspaceSubMenuCmd = 35003,
  kToggleConsoleCmd = 35004,
  kAlwaysEnabledCmd = 35005,
};

class App : public arx::app::App, public arx::uisupport::CommandHandler {
 public:
  App();
  ~App() override;

  static App* GetFennickApp();
  // The kernel's throw hook; the host needs nothing from it.
  static void ThrowLuaException(lua_State* L, const char* message);

  void PreInitialize();

  // Preferences and the user-interface language, chosen once in PreInitialize.
  void MigratePreferences();
  bool CheckIsFirstTimeRun();
  void UpdateSupportLocales();
  void GetDefaultLocale(zelcore::UTF8String& code) const;
  void GetLocaleToRun(zelcore::UTF8String& code);
  bool CheckLocaleValid(const zelcore::UTF8String& code) const;
  static bool SetRunningLocale(const zelcore::UTF8String& code);
  static bool GetCurrentLocale(zelcore::UTF8String& code);
  static bool SetCurrentLocale(const zelcore::UTF8String& code);
  // The language dialog; true when it stored a new choice.
  bool DoChangeAppLocaleCmd();
  const zelcore::UTF16String& GetUILanguage() const { return mUILanguage; }
  const std::vector<zelcore::UTF16String>& GetInstalledLocales() const { return mInstalledLocales; }
  const zelcore::proplist::PropList& GetPreferences() const { return mPreferences; }
  // Loads the dictionary of the running language into the application's localiser.
  void InitializeLocalizer(arx::app::AppInitArgs& args);

  bool InitApplication(arx::app::AppInitArgs& args) override;
  void TerminateApplication() override;
  void DoIdle() override;
  bool DoPreEventProcessing(const os::Event& event) override;
  void DoHandleReopenEvent() override {}

  zelcore::UTF16String GetAppName() const override { return u"Glimmet"; }
  zelcore::UTF16String GetAppVersion() const override { return u"1.0"; }
  zelcore::UTF16String GetAppInternalVersion() const override { return u"1.0"; }
  zelcore::UTF16String GetAppCompany() const override { return u"Quorvin"; }
  zelcore::UTF16String GetAppBuildNumber() const override { return u"1.0"; }
  zelcore::UTF16String GetDefaultWorkspaceName() const override { return u"Default"; }

  // The status item and its tray menu.
  void SetTrayIconFromPng(const zelcore::UTF16String& pngResourceName);
  void OnTrayMenuClick();
  void ShowTrayMenu();
  // Builds the tray menu from the "TrayMenu" resource into the platform menu and keeps it.
  zelui::utility::OS_MenuP CreateTrayMenu(const std::shared_ptr<os::Menu>& menu);
  const std::shared_ptr<os::StatusItem>& GetStatusItem() const { return mStatusItem; }
  const zelui::utility::OS_MenuP& GetTrayMenu() const { return mTrayOSMenu; }

  // True when another copy of the application (or the earlier product) runs and this one must quit.
  bool deduplicateRunningInstances();

  lua_State* GetLuaState() const { return mLuaState; }
  bool IsLuaReady() const { return mLuaReady; }
  const LanguageMap& GetLanguageMap() const { return mLanguageMap; }
  Localizer* GetLocalizer() const { return mLocalizer.get(); }

 protected:
  zelcore::config::ErrorManager* InitErrorManager() override;
  zelcore::config::Localizer* InitLocalizer(arx::app::AppInitArgs& args) override;
  zelcore::xml::DocParserFactory* InitParserFactory() override;
  zelworkspace::Workspace* InitWorkspace() override;
  void RegisterTabCreators(zelworkspace::Workspace* workspace) override;
  void RegisterApplicationCommands() override;
  void ApplyDefaultWorkspace() override;
  zelworkspace::PlatformMenuHelperBase* InitWorkspaceMenuHelper(zelworkspace::Manager* manager) override;
  zelworkspace::Manager* InitWorkspaceManager() override;
  zelworkspace::WorkspaceProviderBase* InitWorkspaceProvider() override;

  bool DoHandleCommand(int commandId) override;
  bool DoCommandEnabled(int commandId, bool& enabled, bool& checked, zelcore::UTF16String& menuText) override;

 private:
  lua_State* mLuaState = nullptr;
  bool mLuaReady = false;
  std::unique_ptr<Localizer> mLocalizer;
  LanguageMap mLanguageMap;
  // Owned by this App's command handler, which destroys it when it is replaced.
  zelworkspace::WorkspacesCmdAttachment* mWorkspacesCmdAttachment = nullptr;
  zelui::utility::OS_MenuP mTrayOSMenu;
  std::shared_ptr<os::StatusItem> mStatusItem;

  void ChooseUILanguage();
  // The application's preferences: in memory only, empty at every start. "AppPrefs.xml" belongs
  // to another component; this program only copies the earlier product's file over once.
  zelcore::proplist::PropList mPreferences;
  std::vector<zelcore::UTF16String> mSupportedLocales;
  std::vector<zelcore::UTF16String> mInstalledLocales;
  zelcore::UTF16String mUILanguage;
};

// The program's whole run, from construction of the App to its destruction; returns the exit code.
int RunApplication();

}  // namespace fennick
