// Controls the scripts rely on: list-box rows, selection by the user and its callback, checkbox
// notifications, the radio group's selection, section callbacks, split validation on a drag, the
// popup's value, and in-place editing of a hot-text number begun by a click.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "zelui/controls/Controls.h"
#include "zelui/testing.h"

namespace ui = zelui::ui;
namespace controls = zelui::controls;
namespace zt = zelui::testing;

namespace {

template <typename T>
using Counted = boost::intrusive_ptr<T>;

Counted<controls::UI_ListBox> NewListBox(std::initializer_list<const char16_t*> texts) {
  Counted<controls::UI_ListBox> list(new controls::UI_ListBox(false, false, false, false));
  for (const char16_t* text : texts) list->AppendItem(text);
  return list;
}

// The rows' texts, read through their labels: "a b c".
std::string RowTexts(const controls::UI_ListBox& list) {
  std::string texts;
  for (std::ptrdiff_t i = 0; i < list.CountItems(); ++i)
    texts += (i ? " " : "") + zelcore::UTF16to8(list.GetItem(i)->GetItemLabel()->GetStringValue());
  return texts;
}

std::vector<std::ptrdiff_t> Positions(std::initializer_list<std::ptrdiff_t> positions) { return positions; }

}  // namespace

TEST(ListBox, RowsAtPositionsOutsideTheListAreNeitherMadeNorFound) {
  const auto list = NewListBox({u"b", u"c"});
  EXPECT_NE(list->InsertItem(0, u"a"), nullptr);
  EXPECT_NE(list->InsertItem(3, u"d"), nullptr);
  EXPECT_EQ(list->InsertItem(5, u"x"), nullptr);
  EXPECT_EQ(list->InsertItem(-1, u"x"), nullptr);
  EXPECT_EQ(RowTexts(*list), "a b c d");
  EXPECT_EQ(list->GetItem(-1), nullptr);
  EXPECT_EQ(list->GetItem(4), nullptr);

  // A child that is no row does not shift the rows' positions.
  list->UI_GetContainer().ChildPushBack(new controls::UI_StaticText());
  list->InsertItem(4, u"e");
  EXPECT_EQ(list->CountItems(), 5);
  EXPECT_EQ(RowTexts(*list), "a b c d e");

  list->ClearItems();
  EXPECT_EQ(list->CountItems(), 0);
  EXPECT_EQ(list->UI_GetContainer().ChildSize(), 1);
}

TEST(ListBox, SelectItemAddsOrReplacesAndKeepsPositionsAscending) {
  const auto list = NewListBox({u"a", u"b", u"c", u"d"});
  list->SelectItem(3, true, false);
  list->SelectItem(1, false, true);
  EXPECT_EQ(list->GetSelectedItems(), Positions({1, 3}));
  EXPECT_EQ(list->GetScrolledToItem(), 1);
  list->SelectItem(2, true, true);
  EXPECT_EQ(list->GetSelectedItems(), Positions({2}));
  list->SelectItem(9, true, true);
  EXPECT_EQ(list->GetSelectedItems(), Positions({2}));
  list->DeselectAllItems();
  EXPECT_TRUE(list->GetSelectedItems().empty());
}

TEST(ListBox, UserSelectionChangesTheSelectionThenCallsTheCallbackWithTheModifiers) {
  struct Click {
    std::ptrdiff_t position;
    ui::ModifierFlags modifiers;
  };
  struct Row {
    const char* name;
    std::vector<Click> clicks;
    std::vector<std::ptrdiff_t> selected;
  };
  const std::vector<Row> rows = {
      {"plain clicks replace", {{1, 0}, {3, 0}}, {3}},
      {"command adds", {{1, 0}, {3, ui::kModCommand}}, {1, 3}},
      {"command toggles off", {{1, 0}, {1, ui::kModCommand}}, {}},
      {"shift adds the run from the last click", {{3, 0}, {1, ui::kModShift}}, {1, 2, 3}},
  };
  for (const Row& row : rows) {
    const auto list = NewListBox({u"a", u"b", u"c", u"d"});
    std::vector<ui::ModifierFlags> calls;
    list->SetItemSelectedCallback([&](controls::UI_ListBox* box, ui::ModifierFlags modifiers) {
      EXPECT_EQ(box, list.get());
      calls.push_back(modifiers);
    });
    for (const Click& click : row.clicks) EXPECT_TRUE(zt::UserSelectListItem(*list, click.position, click.modifiers));
    EXPECT_EQ(list->GetSelectedItems(), row.selected) << row.name;
    ASSERT_EQ(calls.size(), row.clicks.size()) << row.name;
    EXPECT_EQ(calls.back(), row.clicks.back().modifiers) << row.name;
  }
}

TEST(ListBox, NoCallbackWithoutARowUnderTheClickOrForProgramSelection) {
  const auto list = NewListBox({u"a", u"b"});
  int calls = 0;
  list->SetItemSelectedCallback([&](controls::UI_ListBox*, ui::ModifierFlags) { ++calls; });
  list->SelectItem(0, true, true);
  EXPECT_FALSE(zt::UserSelectListItem(*list, 2));
  zt::InjectMouseEvent(*list, ui::MouseEvent(ui::kMouseDown, 0, 1, {1, 45}, 0, nullptr, 0, 0, 0, 0, 0, 0));
  list->SetRowHeight(0);
  EXPECT_FALSE(zt::UserSelectListItem(*list, 0));
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(list->GetSelectedItems(), Positions({0}));
}

TEST(ListBox, ACallbackThatClearsTheListRunsSafely) {
  Counted<controls::UI_ListBox> list = NewListBox({u"a", u"b"});
  controls::UI_ListBox* raw = list.get();
  list->SetItemSelectedCallback([&](controls::UI_ListBox* box, ui::ModifierFlags) {
    box->ClearItems();
    list.reset();
  });
  EXPECT_TRUE(zt::UserSelectListItem(*raw, 1));
  EXPECT_EQ(list, nullptr);
}

TEST(ListBox, CheckboxStatesAndTheRowsNotification) {
  const auto list = NewListBox({u"a", u"b"});
  list->SetCheckboxState(1, controls::kCheckboxMixed);
  list->SetCheckboxState(7, controls::kCheckboxChecked);
  EXPECT_EQ(list->GetCheckboxState(1), controls::kCheckboxMixed);
  EXPECT_EQ(list->GetCheckboxState(7), controls::kCheckboxUnchecked);

  std::vector<controls::CheckboxState> told;
  list->GetItem(1)->SetRequestCheckboxNotify([&](controls::UI_ListBoxItem* item, controls::CheckboxState state) {
    EXPECT_EQ(item, list->GetItem(1));
    told.push_back(state);
  });
  EXPECT_TRUE(zt::UserClickItemCheckbox(*list, 1));
  EXPECT_TRUE(zt::UserClickItemCheckbox(*list, 1));
  EXPECT_TRUE(zt::UserClickItemCheckbox(*list, 0));
  EXPECT_FALSE(zt::UserClickItemCheckbox(*list, 2));
  EXPECT_EQ(told, (std::vector<controls::CheckboxState>{controls::kCheckboxChecked, controls::kCheckboxUnchecked}));
  EXPECT_EQ(list->GetCheckboxState(0), controls::kCheckboxChecked);
}

TEST(RadioGroup, TheSelectedButtonIsTheFirstChildButtonSetOn) {
  struct Row {
    std::vector<bool> on;
    int selected;  // -1: none
  };
  for (const Row& row : {Row{{false, false}, -1}, Row{{false, true, true}, 1}, Row{{true, false}, 0}, Row{{}, -1}}) {
    const Counted<controls::UI_RadioGroup> group(new controls::UI_RadioGroup());
    // A checkbox that is on is no radio button.
    auto* checkbox = new controls::UI_Checkbox();
    checkbox->SetChecked(true);
    group->UI_GetContainer().ChildPushBack(checkbox);
    std::vector<controls::UI_RadioButton*> buttons;
    for (const bool on : row.on) {
      buttons.push_back(new controls::UI_RadioButton());
      buttons.back()->SetValue(on);
      group->UI_GetContainer().ChildPushBack(buttons.back());
    }
    EXPECT_EQ(group->GetSelectedRadioButton(), row.selected < 0 ? nullptr : buttons[row.selected]);
  }
}

TEST(SectionView, EveryChangeOfTheOpenedStateCallsEachCallbackInOrder) {
  const Counted<controls::UI_SectionView> section(new controls::UI_SectionView(u"", true));
  std::string log;
  for (const char* name : {"first", "second"})
    section->AddOpenedStateChangedCallback([&log, name, &section](controls::UI_SectionView* changed) {
      EXPECT_EQ(changed, section.get());
      log += std::string(name) + (changed->GetOpened() ? "+ " : "- ");
    });
  section->SetOpened(true);  // no change
  section->SetOpened(false);
  section->SetOpened(false);
  section->SetOpened(true);
  EXPECT_EQ(log, "first- second- first+ second+ ");
}

TEST(SplitterView, ADragSetsWhatTheValidationFunctionReturns) {
  const Counted<controls::UI_SplitterView> splitter(new controls::UI_SplitterView(0, 0.5f, 6.0f));
  EXPECT_EQ(zt::DragSplitter(*splitter, 0.3f), 0.3f);
  EXPECT_EQ(splitter->GetSplitPercentage(), 0.3f);
  std::vector<float> proposed;
  splitter->SetSplitValidationFunction([&](float split) {
    proposed.push_back(split);
    return std::fmin(split, 0.8f);
  });
  EXPECT_EQ(zt::DragSplitter(*splitter, 0.95f), 0.8f);
  EXPECT_EQ(splitter->GetSplitFraction(), 0.8f);
  EXPECT_EQ(proposed, std::vector<float>{0.95f});
}

TEST(SplitterView, PanesAreChildrenAndAViewMovesBetweenSides) {
  const Counted<controls::UI_SplitterView> splitter(new controls::UI_SplitterView(0, 0.5f, 6.0f));
  const ui::UI_NodeP left(new ui::UI_SubView()), right(new ui::UI_SubView());
  splitter->SetTopLeftView(left.get());
  splitter->SetBottomRightView(right.get());
  splitter->SetTopLeftView(right.get());
  EXPECT_EQ(splitter->GetTopLeftView(), right.get());
  EXPECT_EQ(splitter->GetBottomRightView(), nullptr);
  EXPECT_EQ(left->UI_GetParentNode(), nullptr);
  EXPECT_EQ(right->UI_GetParentNode(), splitter.get());
  EXPECT_EQ(splitter->UI_GetContainer().ChildSize(), 1);
}

TEST(Popup, TheValueIsTheChosenItemsText) {
  const Counted<controls::UI_Popup> popup(new controls::UI_Popup(0, false));
  int changes = 0;
  popup->NotifyWhenChanged([&](const controls::UI_ControlMessage&) { ++changes; });
  popup->AddItem(u"one");
  popup->AddItem(u"two");
  EXPECT_EQ(popup->GetValueString(), u"");
  popup->SetValueString(u"two", true);
  popup->SetValueString(u"three", true);
  EXPECT_EQ(popup->GetValueString(), u"two");
  popup->SetValueString(u"two", true);
  popup->SetValueString(u"one", false);
  EXPECT_EQ(popup->GetValueString(), u"one");
  EXPECT_EQ(changes, 1);
  popup->DeleteAllItems();
  EXPECT_EQ(popup->GetValueString(), u"");
}

TEST(ScrollView, ScrollingIntoViewMovesTheLeastAndSetsTheBars) {
  const Counted<controls::UI_ScrollView> view(new controls::UI_ScrollView(0, new ui::UI_SubView()));
  view->UI_SetLocalRectF({0, 0, 100, 50});
  view->SetContentRectF({0, 0, 400, 300});
  view->ScrollIntoView({150, 20, 30, 10}, true);
  EXPECT_EQ(view->GetViewedContentRectF(), (ui::RectF{80, 0, 100, 50}));
  EXPECT_EQ(view->GetScrollBarX()->GetValueRange(), controls::FloatPair(0, 400));
  EXPECT_EQ(view->GetScrollBarX()->GetNumericValuePair(), controls::FloatPair(80, 180));
  view->ScrollIntoView({10, 100, 10, 10}, true);
  EXPECT_EQ(view->GetScrollPosition(), (ui::PointF{10, 60}));
  EXPECT_EQ(view->GetScrollBarY()->GetNumericValuePair(), controls::FloatPair(60, 110));
}

// In-place editing of a hot-text number.

namespace {

struct HotText {
  Counted<controls::UI_HotTextNumber> number{new controls::UI_HotTextNumber()};
  std::vector<controls::InteractiveChange> steps;
  int valueChanges = 0;

  HotText() {
    number->UI_SetLocalRectF({0, 0, 60, 20});
    number->SetMinValue(0);
    number->SetMaxValue(100);
    number->SetValue(42);
    number->NotifyWhenChangedInteractively(
        [this](const controls::UI_InteractiveControlMessage& message) { steps.push_back(message.change); });
    number->NotifyWhenChanged([this](const controls::UI_ControlMessage&) { ++valueChanges; });
  }
};

}  // namespace

TEST(HotTextNumber, AClickOpensAnEditFromTheValueWithTheWholeTextSelected) {
  HotText h;
  EXPECT_EQ(h.number->GetText(), u"42");
  zt::InjectClick(*h.number, {5, 5});
  ASSERT_TRUE(h.number->IsEditingInPlace());
  controls::UI_TextEdit* edit = h.number->GetInPlaceEdit();
  EXPECT_EQ(edit->GetStringValue(), u"42");
  EXPECT_EQ(edit->GetSelection(), (std::pair<std::size_t, std::size_t>{0, 2}));
  EXPECT_EQ(edit->UI_GetLocalRectF(), (ui::RectF{0, 0, 60, 20}));
  EXPECT_TRUE(edit->UI_HasKeyboardFocus(false));
  // Setting up the edit tells nobody of a change.
  EXPECT_TRUE(h.steps.empty());
  EXPECT_EQ(h.number->GetChangeNotificationNesting(), 0);
}

TEST(HotTextNumber, AClickOnADisabledControlOpensNothing) {
  HotText h;
  h.number->UI_SetDisabled(true);
  zt::InjectClick(*h.number, {5, 5});
  EXPECT_FALSE(h.number->IsEditingInPlace());
  EXPECT_EQ(h.number->GetInPlaceEdit(), nullptr);
}

TEST(HotTextNumber, TheTypedTextBecomesTheValueAndTheEditGoesASecondLater) {
  struct Row {
    const char* name;
    const char16_t* typed;
    zt::TypingEnd end;
    double value;
    std::vector<controls::InteractiveChange> steps;
    int valueChanges;
  };
  using controls::kBeginChange, controls::kContinueChange, controls::kFinishChange, controls::kCancelChange;
  const std::vector<Row> rows = {
      {"number", u"17.25", zt::TypingEnd::kReturn, 17.25, {kBeginChange, kContinueChange, kFinishChange}, 1},
      {"above the maximum", u"1e6", zt::TypingEnd::kReturn, 100, {kBeginChange, kContinueChange, kFinishChange}, 1},
      {"below the minimum", u" -3 ", zt::TypingEnd::kReturn, 0, {kBeginChange, kContinueChange, kFinishChange}, 1},
      {"no number", u"12abc", zt::TypingEnd::kReturn, 42, {kBeginChange, kContinueChange, kFinishChange}, 1},
      {"not a number", u"nan", zt::TypingEnd::kReturn, 42, {kBeginChange, kContinueChange, kFinishChange}, 1},
      {"cancelled", u"7", zt::TypingEnd::kEscape, 42, {kBeginChange, kContinueChange, kCancelChange}, 0},
  };
  for (const Row& row : rows) {
    HotText h;
    zt::InjectClick(*h.number, {5, 5});
    const ui::UI_NodeP edit(h.number->GetInPlaceEdit());
    zt::TypeText(static_cast<controls::UI_TextEdit&>(*edit), row.typed, row.end);
    EXPECT_EQ(h.number->GetValue(), row.value) << row.name;
    EXPECT_EQ(h.steps, row.steps) << row.name;
    EXPECT_EQ(h.valueChanges, row.valueChanges) << row.name;
    // Hidden, and removed when the timer fires.
    EXPECT_FALSE(h.number->IsEditingInPlace()) << row.name;
    EXPECT_EQ(edit->UI_GetParentNode(), h.number.get()) << row.name;
    EXPECT_EQ(h.number->UI_GetTimers().at(h.number->GetInPlaceEditTimerID()), 1.0f) << row.name;
    EXPECT_TRUE(h.number->DispatchTimer(h.number->GetInPlaceEditTimerID()));
    EXPECT_EQ(edit->UI_GetParentNode(), nullptr) << row.name;
    EXPECT_FALSE(h.number->UI_HasTimer(h.number->GetInPlaceEditTimerID())) << row.name;
  }
}

TEST(HotTextNumber, ANewEditRemovesTheOldOneAndItsTimerAtOnce) {
  HotText h;
  zt::InjectClick(*h.number, {5, 5});
  const ui::UI_NodeP first(h.number->GetInPlaceEdit());
  zt::TypeText(static_cast<controls::UI_TextEdit&>(*first), u"5", zt::TypingEnd::kReturn);
  h.number->BeginInPlaceEdit(false, 0, u"8");
  EXPECT_EQ(first->UI_GetParentNode(), nullptr);
  EXPECT_FALSE(h.number->UI_HasTimer(h.number->GetInPlaceEditTimerID()));
  controls::UI_TextEdit* second = h.number->GetInPlaceEdit();
  EXPECT_EQ(second->GetStringValue(), u"8");
  EXPECT_EQ(second->GetSelection(), (std::pair<std::size_t, std::size_t>{1, 1}));
  // The removed edit no longer reaches the control.
  const auto steps = h.steps.size();
  static_cast<controls::UI_TextEdit&>(*first).FinishInteractiveChange();
  EXPECT_EQ(h.steps.size(), steps);
}

TEST(HotTextNumber, OtherTimersGoToTheNotifyFunctions) {
  HotText h;
  int fired = 0;
  h.number->UI_InstallTimer(0.5f, 7);
  h.number->UI_InstallTimerNotifyFunction(std::make_shared<ui::UI_Node::TimerNotifyFunction>([&](int id) {
    fired += id;
    return true;
  }));
  EXPECT_TRUE(h.number->DispatchTimer(7));
  EXPECT_EQ(fired, 7);
}

TEST(HotTextNumber, AnEditThatOutlivesItsControlReachesNothing) {
  ui::UI_NodeP edit;
  {
    HotText h;
    zt::InjectClick(*h.number, {5, 5});
    edit = h.number->GetInPlaceEdit();
  }
  zt::TypeText(static_cast<controls::UI_TextEdit&>(*edit), u"1", zt::TypingEnd::kReturn);
  EXPECT_EQ(edit->UI_GetParentNode(), nullptr);
}
