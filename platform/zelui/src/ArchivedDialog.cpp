#include "zelui/ArchivedDialog.h"

#include <sstream>

#include "zelcore/RecordAndAnswer.h"
#include "zelcore/xml/DocParserFactory.h"
#include "zelui/resources/Resources.h"
#include "zelui/testing.h"

namespace zelui {

namespace {

// A dialog the user closes without choosing is cancelled (the default answer is not OK).
zelcore::testing::RecordAndAnswer<testing::DialogRecord, testing::DialogAnswer>& Dialogs() {
  static zelcore::testing::RecordAndAnswer<testing::DialogRecord, testing::DialogAnswer> dialogs;
  return dialogs;
}

zelcore::UTF16String Attribute(const zelcore::xml::AttributeMap& attributes, const char16_t* name) {
  const auto it = attributes.find(name);
  return it == attributes.end() ? zelcore::UTF16String() : it->second;
}

// "left top width height"; missing numbers are 0.
ui::RectF ParseRect(const zelcore::UTF16String& text) {
  std::istringstream in(zelcore::UTF16to8(text));
  ui::RectF rect;
  in >> rect.left >> rect.top >> rect.width >> rect.height;
  return rect;
}

// Makes the controls listed by the dialog resource.
class DialogResourceHandler : public zelcore::xml::AbstractParseHandler {
 public:
  explicit DialogResourceHandler(std::vector<std::unique_ptr<ui::UI_Control>>* controls) : mControls(controls) {}

  void StartElement(const zelcore::UTF16String& name, const zelcore::xml::AttributeMap& attributes) override {
    if (name != u"control") return;
    const zelcore::UTF16String controlName = Attribute(attributes, u"name");
    const zelcore::UTF16String controlClass = Attribute(attributes, u"class");
    std::unique_ptr<ui::UI_Control> control;
    if (controlClass == u"button")
      control = std::make_unique<ui::UI_Button>(controlName);
    else if (controlClass == u"popup")
      control = std::make_unique<ui::UI_Popup>(controlName);
    else
      control = std::make_unique<ui::UI_Control>(controlName);
    control->UI_SetLocalRectF(ParseRect(Attribute(attributes, u"rect")));
    mControls->push_back(std::move(control));
  }

 private:
  std::vector<std::unique_ptr<ui::UI_Control>>* mControls;
};

}  // namespace

namespace ui {

void UI_Popup::SetValueString(const zelcore::UTF16String& text, bool) {
  for (const zelcore::UTF16String& item : mItems)
    if (item == text) mValue = text;
}

UI_ArchivedDialog::UI_ArchivedDialog(const zelcore::UTF16String& resourceName,
                                     const resources::ResourceManager& resources, zelworkspace::DrawSupplier* supplier,
                                     const zelcore::UTF16String& title, OS_Window* parent)
    : mResourceName(resourceName), mSupplier(supplier), mTitle(title), mParent(parent) {
  std::string bytes;
  if (!resources.Read(resourceName, u"xml", bytes)) return;
  std::vector<std::unique_ptr<UI_Control>> controls;
  auto parser = zelcore::xml::GetParser(std::make_unique<DialogResourceHandler>(&controls));
  // A resource that does not parse describes no dialog.
  if (parser && parser->ParseBuffer(bytes) == zelcore::xml::kParseSucceeded) mControls = std::move(controls);
}

UI_ArchivedDialog::~UI_ArchivedDialog() = default;

UI_Control* UI_ArchivedDialog::FindControlByName(const zelcore::UTF16String& name) const {
  for (const auto& control : mControls)
    if (control->GetName() == name) return control.get();
  return nullptr;
}

ModalResult UI_ArchivedDialog::RunModal() {
  testing::DialogRecord record;
  record.resourceName = mResourceName;
  record.title = mTitle;
  record.supplier = mSupplier;
  record.parent = mParent;
  if (mOKButton) record.okButton = mOKButton->GetName();
  if (mCancelButton) record.cancelButton = mCancelButton->GetName();
  for (const auto& control : mControls) {
    record.rects[control->GetName()] = control->UI_GetLocalRectF(false);
    if (const auto* popup = dynamic_cast<const UI_Popup*>(control.get())) {
      record.popupItems[popup->GetName()] = popup->GetItems();
      record.popupValues[popup->GetName()] = popup->GetValueString();
    }
  }

  const testing::DialogAnswer answer = Dialogs().Ask(std::move(record));
  for (const auto& [name, text] : answer.choices)
    if (auto* popup = dynamic_cast<UI_Popup*>(FindControlByName(name))) popup->SetValueString(text, true);
  // Without an OK button the dialog can only be cancelled.
  const ModalResult result = answer.ok && mOKButton ? kModalOK : kModalCancel;
  Dialogs().Last().result = result;
  return result;
}

}  // namespace ui

namespace testing {

void QueueDialogAnswer(DialogAnswer answer) { Dialogs().Queue(std::move(answer)); }
const std::vector<DialogRecord>& ModalDialogs() { return Dialogs().Requests(); }
void ResetDialogs() { Dialogs().Reset(); }

}  // namespace testing

}  // namespace zelui
