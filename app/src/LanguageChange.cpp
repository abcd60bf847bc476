#include "LanguageChange.h"

#include <utility>

#include "App.h"
#include "arx/app/ResourceManager.h"
#include "zelcore/Localizer.h"
#include "zelui/ArchivedDialog.h"
#include "zelworkspace/Workspace.h"

namespace fennick {

namespace {

const char16_t kDialogResource[] = u"SelectLocaleDlog";
const char kDialogTitle[] = "$$$/veyra/SelectAppLocaleDlog/title=Change Language";

}  // namespace

bool App::DoChangeAppLocaleCmd() {
  using namespace zelui::ui;
  zelworkspace::Workspace* workspace = GetWorkspace();
  UI_ArchivedDialog dialog(kDialogResource, arx::app::GetAppResourceManager(),
                           workspace ? workspace->GetDrawSupplier() : nullptr, zelcore::config::Localize(kDialogTitle),
                           workspace ? workspace->GetMainTopLevelWindow() : nullptr);

  // The two buttons trade places.
  auto* cancelButton = dynamic_cast<UI_Button*>(dialog.FindControlByName(u"cancel_btn"));
  auto* okButton = dynamic_cast<UI_Button*>(dialog.FindControlByName(u"ok_btn"));
  if (cancelButton) dialog.SetCancelButton(cancelButton);
  if (okButton) dialog.SetOKButton(okButton);
  if (cancelButton && okButton) {
    const RectF cancelRect = cancelButton->UI_GetLocalRectF(false);
    cancelButton->UI_SetLocalRectF(okButton->UI_GetLocalRectF(false));
    okButton->UI_SetLocalRectF(cancelRect);
  }

  // A dialog without its popup offers nothing to choose.
  auto* popup = dynamic_cast<UI_Popup*>(dialog.FindControlByName(u"LocalePopup"));
  if (popup == nullptr) return false;
  for (const zelcore::UTF16String& locale : mInstalledLocales)
    popup->AddItem(LocaleNameMapXMLParser::GetLangNameByLocale(locale, mLanguageMap));
  zelcore::UTF8String current;
  GetCurrentLocale(current);
  popup->SetValueString(LocaleNameMapXMLParser::GetLangNameByLocale(zelcore::UTF8to16(current), mLanguageMap), true);

  if (dialog.RunModal() != kModalOK) return false;
  const zelcore::UTF8String chosen =
      zelcore::UTF16to8(LocaleNameMapXMLParser::GetLocaleCodeByLang(popup->GetValueString(), mLanguageMap));
  return chosen != current && SetCurrentLocale(chosen);
}

bool ChangeLanguage() {
  App* app = App::GetFennickApp();
  return app != nullptr && app->DoChangeAppLocaleCmd();
}

std::string GetCurrentLocalePreference() {
  std::string code;
  App::GetCurrentLocale(code);
  return code;
}

}  // namespace fennick
