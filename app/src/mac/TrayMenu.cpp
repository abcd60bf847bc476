// The status item in the menu bar and the tray menu it pops up.
#include <cmath>

#include "App.h"
#include "arx/app/ResourceManager.h"
#include "arx/uisupport/CommandRegistry.h"
#include "mac/MenuHack.h"
#include "os/Application.h"
#include "os/StatusBar.h"
#include "os/Timer.h"
#include "zelcore/Assert.h"
#include "zelworkspace/Workspace.h"

namespace fennick {

namespace {

constexpr const char16_t* kTrayIconName = u"glimmet_menu_icon";
// How long after the activation the menu pops up, so that the activation is processed first.
constexpr double kShowTrayMenuDelay = 0.005;

// Counts the workspace's tabs.
class TabCounter : public zelworkspace::TabVisitor {
 public:
  bool VisitTab(zelworkspace::TabPanel*) override {
    ++mCount;
    return true;
  }
  int Count() const { return mCount; }

 private:
  int mCount = 0;
};

}  // namespace

// The framework would lay out the default workspace here; this application lives in the menu bar
// and shows its status item instead.
void App::ApplyDefaultWorkspace() {
  mStatusItem = os::StatusBar::SystemStatusBar().StatusItemWithLength(os::kVariableStatusItemLength);
  mStatusItem->SetHighlightMode(true);
  mStatusItem->SetTarget(&MenuHack::Class());
  mStatusItem->SetAction("onTrayMenuClick:");
  SetTrayIconFromPng(kTrayIconName);
}

void App::SetTrayIconFromPng(const zelcore::UTF16String& pngResourceName) {
  std::string bytes;
  arx::app::GetAppResourceManager().Read(pngResourceName, u"png", bytes);
  auto image = os::Image::FromData(bytes);
  // Centred in the bar, 4 points of it left for the highlight, on a whole point.
  const double thickness = os::StatusBar::SystemStatusBar().Thickness();
  const double y = std::trunc((thickness - 4 - image->Height()) / 2);
  image->SetAlignmentRect(os::Rect{0, y, image->Width(), image->Height()});
  if (mStatusItem) mStatusItem->SetImage(std::move(image));
}

void App::OnTrayMenuClick() {
  TabCounter counter;
  zelworkspace::WorkspaceUtils::VisitEachTab(GetWorkspace(), counter);
  if (counter.Count() == 0) {
    ShowTrayMenu();
    return;
  }
  // With tabs open the application comes to the front first, and the menu follows shortly.
  os::Application::Shared().ActivateIgnoringOtherApps(true);
  os::Timer::ScheduledTimer(kShowTrayMenuDelay, &MenuHack::Class(), "showTrayMenu:", nullptr, false);
}

void App::ShowTrayMenu() {
  std::shared_ptr<os::Menu> menu = os::Menu::New();
  if (!menu) return;
  CreateTrayMenu(menu);
  if (mStatusItem) mStatusItem->PopUpStatusItemMenu(menu.get());
}

zelui::utility::OS_MenuP App::CreateTrayMenu(const std::shared_ptr<os::Menu>& menu) {
  mTrayOSMenu = zelui::utility::CreateOSMenuFromPlatformMenu(menu);
  if (!mTrayOSMenu) {
    static bool sAssertSiteDisabled = false;
    zelcore::BreakAfterAssertDialog(sAssertSiteDisabled, "mTrayOSMenu", "", __FILE__, __LINE__, __func__);
    return mTrayOSMenu;
  }
  zelui::utility::ScAllowAccelerators::Allow(mTrayOSMenu.get(), true);
  std::string xml;
  arx::app::GetAppResourceManager().Read(u"TrayMenu", u"xml", xml);
  zelui::utility::UI_XMLMenuParser::SubMenuMap subMenus;
  zelui::utility::UI_XMLMenuParser(mTrayOSMenu.get(), xml, subMenus, [](const zelcore::UTF16String& name) {
    return arx::uisupport::CommandRegistry::Get().CommandIDForName(name);
  });
  return mTrayOSMenu;
}

}  // namespace fennick
