// Alerts over the main window, unified-dispatch attachments, attachments that go while commands
// run, and the command chain from the current handler to the application's.
#include <gtest/gtest.h>

#include "WorkspaceTestSupport.h"
#include "arx/testing.h"
#include "arx/uisupport/Alert.h"
#include "arx/uisupport/CommandHandler.h"
#include "zelworkspace/testing.h"

using arx::uisupport::Alert;
using arx::uisupport::CommandHandler;
using arx::uisupport::CommandHandlerBase;
using arx::uisupport::UnifiedDispatchCmdAttachment;
using namespace workspacetest;

namespace {

// A handler that handles and enables exactly one command, and counts what it was asked.
class OneCommand : public CommandHandler {
 public:
  explicit OneCommand(int id) : mId(id) {}
  int asked = 0;

 protected:
  bool DoHandleCommand(int id) override {
    ++asked;
    return id == mId;
  }
  bool DoCommandEnabled(int id, bool& enabled, bool& checked, zelcore::UTF16String& text) override {
    ++asked;
    if (id != mId) return false;
    enabled = true;
    checked = true;
    text = u"one";
    return true;
  }

 private:
  int mId;
};

// The application object with its own command handler, as the program's is.
class TestApp : public arx::app::App, public OneCommand {
 public:
  TestApp() : OneCommand(1) {}
};

// An attachment that answers from a fixed row, and may run something while it is asked.
class RowAttachment : public UnifiedDispatchCmdAttachment {
 public:
  RowAttachment(bool handled, UnifiedDispatchCmdAttachment::EnableState answer) : mHandled(handled), mAnswer(answer) {}
  std::function<void()> during;
  std::vector<bool> asked;  // true for enablement, false for running

 protected:
  bool UnifiedDispatch(int, EnableState* state) override {
    asked.push_back(state != nullptr);
    if (during) during();
    if (mHandled && state != nullptr) *state = mAnswer;
    return mHandled;
  }

 private:
  bool mHandled;
  EnableState mAnswer;
};

}  // namespace

TEST(Alerts, EachKindShowsOverItsParentAndAnUnscriptedOneIsCancelled) {
  Workspace workspace;
  zelui::ui::OS_Window* window = workspace.GetMainTopLevelWindow();
  arx::testing::QueueAlertAnswer(Alert::kResponseYes);
  EXPECT_EQ(Alert::Show(Alert::kTypeYesNo, Alert::kIconQuestion, u"Keep?", u"It changed.", window),
            Alert::kResponseYes);
  Alert::ShowNote(u"note", u"n", window);
  Alert::ShowStop(u"stop", u"s", nullptr);
  Alert::ShowCaution(u"caution", u"c", window);
  EXPECT_EQ(Alert::Show(Alert::kTypeOkCancel, Alert::kIconNone, u"", u"", nullptr), Alert::kResponseCancel);

  struct Row {
    int type, icon;
    const char* message;
    const zelui::ui::OS_Window* parent;
  };
  const Row rows[] = {{Alert::kTypeYesNo, Alert::kIconQuestion, "Keep?", window},
                      {Alert::kTypeOk, Alert::kIconNote, "note", window},
                      {Alert::kTypeOk, Alert::kIconStop, "stop", nullptr},
                      {Alert::kTypeOk, Alert::kIconCaution, "caution", window},
                      {Alert::kTypeOkCancel, Alert::kIconNone, "", nullptr}};
  const auto& shown = arx::testing::ShownAlerts();
  ASSERT_EQ(shown.size(), std::size(rows));
  for (std::size_t i = 0; i < shown.size(); ++i) {
    EXPECT_EQ(shown[i].type, rows[i].type) << i;
    EXPECT_EQ(shown[i].icon, rows[i].icon) << i;
    EXPECT_EQ(shown[i].message, rows[i].message) << i;
    EXPECT_EQ(shown[i].parent, rows[i].parent) << i;
  }
  EXPECT_EQ(shown[0].detail, "It changed.");
}

// The outs are the attachment's only when it handles the command; otherwise they stay the
// caller's and the handler's own answer follows.
TEST(UnifiedDispatch, OneFunctionRunsAndEnablesAndItsAnswerCountsOnlyWhenHandled) {
  struct Row {
    const char* name;
    bool handled;
    UnifiedDispatchCmdAttachment::EnableState answer;
    arx::testing::CommandEnablement expected;
  };
  const arx::testing::CommandEnablement start{false, true, true, u"before"};
  const Row rows[] = {
      {"handled, disabled", true, {false, false, u"after"}, {true, false, false, u"after"}},
      {"handled, enabled", true, {true, true, u"before"}, {true, true, true, u"before"}},
      {"not handled", false, {false, false, u"after"}, {false, true, true, u"before"}},
  };
  for (const Row& row : rows) {
    OneCommand handler(99);
    auto attachment = std::make_unique<RowAttachment>(row.handled, row.answer);
    RowAttachment* seen = attachment.get();
    handler.AddAttachment(std::move(attachment));
    const auto answer = arx::testing::AskCommandEnabled(handler, 5, start);
    EXPECT_EQ(answer.handled, row.expected.handled) << row.name;
    EXPECT_EQ(answer.enabled, row.expected.enabled) << row.name;
    EXPECT_EQ(answer.checked, row.expected.checked) << row.name;
    EXPECT_EQ(answer.text, row.expected.text) << row.name;
    EXPECT_EQ(handler.HandleCommand(5), row.handled) << row.name;
    EXPECT_EQ(seen->asked, (std::vector<bool>{true, false})) << row.name;
    EXPECT_EQ(handler.asked, row.handled ? 0 : 2) << row.name << ": the handler's own answer follows";
  }
}

// An attachment may remove itself or another while it is asked: the one removed goes once the
// dispatch is over, and one removed before its turn is not asked.
TEST(CommandHandlers, AttachmentsRemovedWhileCommandsRunGoAfterwards) {
  OneCommand handler(99);
  auto first = std::make_unique<RowAttachment>(false, UnifiedDispatchCmdAttachment::EnableState{});
  auto second = std::make_unique<RowAttachment>(false, UnifiedDispatchCmdAttachment::EnableState{});
  auto third = std::make_unique<RowAttachment>(false, UnifiedDispatchCmdAttachment::EnableState{});
  RowAttachment *a = first.get(), *b = second.get(), *c = third.get();
  a->during = [&] {
    handler.RemoveAttachment(a);
    handler.RemoveAttachment(c);
    a->asked.push_back(true);  // still alive: its removal waits for the dispatch to end
  };
  handler.AddAttachment(std::move(first));
  handler.AddAttachment(std::move(second));
  handler.AddAttachment(std::move(third));
  EXPECT_FALSE(handler.HandleCommand(5));
  EXPECT_EQ(b->asked.size(), 1u);
  EXPECT_EQ(handler.AttachmentCount(), 1u);
  EXPECT_FALSE(handler.HandleCommand(5));
  EXPECT_EQ(b->asked.size(), 2u);
}

TEST(CommandChain, TheCurrentHandlerComesFirstThenTheApplication) {
  TestApp app;
  OneCommand current(5);
  struct Row {
    const char* name;
    CommandHandlerBase* current;
    int id;
    bool handled;
    int currentAsked, appAsked;
  };
  const Row rows[] = {
      {"no current handler, the application's command", nullptr, 1, true, 0, 1},
      {"no current handler, nobody's", nullptr, 7, false, 0, 1},
      {"the current handler's command", &current, 5, true, 1, 0},
      {"past the current handler to the application", &current, 1, true, 1, 1},
      {"the application as the current handler is asked once", &app, 7, false, 0, 1},
  };
  for (const Row& row : rows) {
    CommandHandlerBase::SetCurrentCommandHandler(row.current);
    current.asked = app.asked = 0;
    EXPECT_EQ(CommandHandlerBase::CallCommandChain(row.id), row.handled) << row.name;
    EXPECT_EQ(current.asked, row.currentAsked) << row.name;
    EXPECT_EQ(app.asked, row.appAsked) << row.name;

    current.asked = app.asked = 0;
    const auto answer = arx::testing::AskChainCommandEnabled(row.id, {false, true, true, u"x"});
    EXPECT_EQ(answer.handled, row.handled) << row.name;
    EXPECT_EQ(answer.enabled, row.handled) << row.name << ": nobody answering disables";
    EXPECT_EQ(answer.checked, row.handled) << row.name;
    EXPECT_EQ(current.asked, row.currentAsked) << row.name;
    EXPECT_EQ(app.asked, row.appAsked) << row.name;
  }
  CommandHandlerBase::SetCurrentCommandHandler(nullptr);
  EXPECT_EQ(arx::testing::ChainedCommands().size(), std::size(rows));
}

// A focused panel that handles commands may close itself while it runs one: the chain holds it.
TEST(CommandChain, AFocusedPanelMayCloseItselfWhileItRunsACommand) {
  class SelfClosing : public TabPanel, public CommandHandler {
   public:
    using TabPanel::TabPanel;
    int ran = 0;

   protected:
    bool DoHandleCommand(int) override {
      zelworkspace::WorkspaceUtils::CloseTab(GetWorkspace(), this);
      ++ran;  // after the close: the panel must still be alive
      return true;
    }
  };
  class Focusing : public Workspace {
    void OnTabPanelGainedFocus(TabPanel* panel) override {
      if (auto* handler = dynamic_cast<CommandHandler*>(panel))
        handler->SetAsCurrentCommandHandler(false);
      else
        CommandHandlerBase::SetCurrentCommandHandler(nullptr);
    }
  } workspace;
  struct Creator : zelworkspace::TabCreator {
    Creator() : TabCreator("Self") {}
    TabPanelP CreateTabPanel(Workspace* w, WorkspaceFrameBase* f) override { return new SelfClosing(w, f, "Self", u"s"); }
  };
  workspace.RegisterTabCreator(std::make_unique<Creator>());
  TabPanel* panel = zelworkspace::WorkspaceUtils::CreateOrReanimateTab(&workspace, "Self");
  ASSERT_NE(panel, nullptr);
  ASSERT_EQ(CommandHandlerBase::GetCurrentCommandHandler(), dynamic_cast<CommandHandlerBase*>(panel));
  EXPECT_TRUE(CommandHandlerBase::CallCommandChain(3));
  EXPECT_EQ(workspace.GetTabPanels().size(), 0u);
  EXPECT_EQ(CommandHandlerBase::GetCurrentCommandHandler(), nullptr);

  panel = zelworkspace::WorkspaceUtils::CreateOrReanimateTab(&workspace, "Self");
  EXPECT_TRUE(arx::testing::AskPanelHandleCommand(*panel, 3)) << "the test hook holds the panel as well";
}

TEST(CommandChain, APanelThatIsNoHandlerAnswersNothing) {
  Workspace workspace;
  const TabPanelP plain(new TabPanel(&workspace, nullptr, "Plain", u"p"));
  const auto answer = arx::testing::AskPanelCommandEnabled(*plain, 1, {true, true, false, u"kept"});
  EXPECT_FALSE(answer.handled);
  EXPECT_TRUE(answer.enabled);
  EXPECT_EQ(answer.text, u"kept");
  EXPECT_FALSE(arx::testing::AskPanelHandleCommand(*plain, 1));
}
