#include "zelui/dialogs/SimpleInputBox.h"

#include "zelcore/RecordAndAnswer.h"
#include "zelui/ui/PopupTesting.h"
#include "zelui/ui/UI_Node.h"

namespace zelui::dialogs {

namespace {

zelcore::testing::RecordAndAnswer<testing::ShownInputBox, testing::InputBoxAnswer>& InputBoxes() {
  static zelcore::testing::RecordAndAnswer<testing::ShownInputBox, testing::InputBoxAnswer> boxes;
  return boxes;
}

}  // namespace

bool SimpleInputBox(limner::SupplierInterface* supplier, const zelcore::UTF16String& title,
                    const zelcore::UTF16String& prompt, zelcore::UTF16String& value, bool firstOption,
                    ui::UI_Node* parent, bool secondOption, float firstNumber, float secondNumber, int firstButton,
                    int secondButton) {
  const ui::UI_NodeP hold = ui::HoldDuringDispatch(parent);
  testing::ShownInputBox shown;
  shown.supplier = supplier;
  shown.title = title;
  shown.prompt = prompt;
  shown.initialValue = value;
  shown.firstOption = firstOption;
  shown.parent = parent;
  shown.secondOption = secondOption;
  shown.firstNumber = firstNumber;
  shown.secondNumber = secondNumber;
  shown.firstButton = firstButton;
  shown.secondButton = secondButton;
  testing::InputBoxAnswer answer = InputBoxes().Ask(std::move(shown));
  InputBoxes().Last().accepted = answer.accepted;
  if (answer.accepted) value = std::move(answer.text);
  return answer.accepted;
}

}  // namespace zelui::dialogs

namespace zelui::testing {

void QueueInputBoxAnswer(InputBoxAnswer answer) { dialogs::InputBoxes().Queue(std::move(answer)); }
const std::vector<ShownInputBox>& ShownInputBoxes() { return dialogs::InputBoxes().Requests(); }

void ResetInputBoxes() { dialogs::InputBoxes().Reset(); }

}  // namespace zelui::testing
