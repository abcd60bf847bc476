#pragma once
// A small modal dialog that asks for one line of text. What the user enters, or that the user
// cancels, comes from the answers tests queue (zelui/testing.h); with none queued it is cancelled.
#include "zelcore/Strings.h"

namespace limner {
class SupplierInterface;
}
namespace zelui::ui {
class UI_Node;
}

namespace zelui::dialogs {

// Shows the title and the prompt over the parent node (none: a free dialog), drawn through the
// supplier, with value as the text to start from. True when the user accepted: value then holds
// the text entered; after a cancel value is unchanged. The two options, the two numbers and the
// two button values are the toolkit's and are kept as given.
bool SimpleInputBox(limner::SupplierInterface* supplier, const zelcore::UTF16String& title,
                    const zelcore::UTF16String& prompt, zelcore::UTF16String& value, bool firstOption,
                    ui::UI_Node* parent, bool secondOption, float firstNumber, float secondNumber, int firstButton,
                    int secondButton);

}  // namespace zelui::dialogs
