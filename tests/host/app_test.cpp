// The application object's commands, edit keys and error manager.
#include <gtest/gtest.h>

#include "AboutTab.h"
#include "ErrorManager.h"
#include "LuaAppWorkspace.h"
#include "HostRun.h"
#include "TempBundle.h"
#include "os/Event.h"
#include "zelworkspace/ConsolePanel.h"

using namespace glimmet::testing;

TEST(AppCommands, EnablementAndTheConsoleToggle) {
  TempBundle bundle;
  bundle.WriteBootstrap("");
  HostRun run;
  ASSERT_TRUE(run.Start());
  struct Row {
    int id;
    bool enabled;
  };
  // 35001-35003 belong to the workspace commands' attachment, which sees them first.
  for (const Row row : {Row{35004, true}, Row{35005, true}, Row{35001, true}, Row{35006, false}, Row{0, false},
                        Row{37000, false}}) {
    bool enabled = !row.enabled, checked = false;
    zelcore::UTF16String text;
    EXPECT_TRUE(run.App().CommandEnabled(row.id, enabled, checked, text)) << row.id;
    EXPECT_EQ(enabled, row.enabled) << row.id;
  }
  bool enabled = false, checked = true;
  zelcore::UTF16String text;
  EXPECT_EQ(zelworkspace::ConsolePanel::GetInstance(), nullptr);
  EXPECT_TRUE(run.App().HandleCommand(35004));
  EXPECT_NE(zelworkspace::ConsolePanel::GetInstance(), nullptr);
  run.App().CommandEnabled(35004, enabled, checked, text);
  EXPECT_TRUE(checked);
  EXPECT_TRUE(run.App().HandleCommand(35004));
  EXPECT_EQ(zelworkspace::ConsolePanel::GetInstance(), nullptr);
  EXPECT_FALSE(run.App().HandleCommand(35005));
}

TEST(AppEditKeys, CommandKeysGoToTheFirstResponder) {
  struct Row {
    const char* name;
    std::set<std::string> answers;
    unsigned flags;
    std::string characters;
    bool hasResponder;
    bool letFrameworkGoOn;
    std::vector<std::string> sent;
  };
  const unsigned cmd = os::kCommandKeyMask, shift = os::kShiftKeyMask;
  const Row rows[] = {
      {"select all", {"selectAll:", "copy:"}, cmd, "a", true, false, {"selectAll:"}},
      {"upper case", {"copy:"}, cmd | shift, "C", true, false, {"copy:"}},
      {"first row not answered, next tried", {"copy:"}, cmd, "ac", true, false, {"copy:"}},
      {"redo", {"redo:", "undo:"}, cmd | shift, "z", true, false, {"redo:"}},
      {"undo", {"redo:", "undo:"}, cmd, "z", true, false, {"undo:"}},
      {"undo not answered is still consumed", {}, cmd, "z", true, false, {}},
      {"no command key", {"copy:"}, shift, "c", true, true, {}},
      {"no first responder", {"copy:"}, cmd, "c", false, true, {}},
      {"other key", {"copy:"}, cmd, "q", true, true, {}},
  };
  fennick::App app;
  for (const Row& row : rows) {
    os::Responder responder(row.answers);
    os::Window window{row.hasResponder ? &responder : nullptr};
    os::Event event{os::kEventKeyDown, row.flags, row.characters, &window};
    EXPECT_EQ(app.DoPreEventProcessing(event), row.letFrameworkGoOn) << row.name;
    EXPECT_EQ(responder.Sent(), row.sent) << row.name;
  }
  os::Responder responder({"copy:"});
  os::Window window{&responder};
  EXPECT_TRUE(app.DoPreEventProcessing(os::Event{11, os::kCommandKeyMask, "c", &window})) << "key up";
  EXPECT_TRUE(app.DoPreEventProcessing(os::Event{os::kEventKeyDown, os::kCommandKeyMask, "c", nullptr})) << "no window";
}

TEST(AppErrorManager, LevelZeroEndsTheLoopOthersThrow) {
  fennick::App app;
  fennick::ErrorManager errors;
  EXPECT_EQ(errors.PurgeMemory(1 << 20), 0);
  EXPECT_THROW(errors.ThrowError(2, u"fatal", {}), int);
  EXPECT_FALSE(app.EndRequested());
  errors.ThrowError(0, u"quit", {});
  EXPECT_TRUE(app.EndRequested());
}

TEST(AppCommands, WorkspaceCommandsEndWithTheFrameworksTeardown) {
  TempBundle bundle;
  bundle.WriteBootstrap("");
  bundle.WriteFile(bundle.Resources() / "CommandRegistry.xml",
                   "<CommandRegistry><Command name='Workspaces' id='35003'/></CommandRegistry>");
  bundle.WriteFile(bundle.Resources() / "MainMenu.xml",
                   "<Menu><Menu title='Workspaces' command='Workspaces'/></Menu>");
  HostRun run;
  ASSERT_TRUE(run.Start());
  bool enabled = false, checked = false;
  zelcore::UTF16String text;
  ASSERT_TRUE(run.App().CommandEnabled(37000, enabled, checked, text));
  ASSERT_TRUE(enabled) << "the workspace item is listed";
  run.Stop();
  // The workspace, its manager and its menu helper are gone: their commands go with them.
  enabled = true;
  EXPECT_TRUE(run.App().CommandEnabled(37000, enabled, checked, text));
  EXPECT_FALSE(enabled);
  EXPECT_FALSE(run.App().HandleCommand(37000));
  EXPECT_FALSE(run.App().HandleCommand(35001));
}

TEST(AppWorkspace, AFocusedPanelThatHandlesCommandsBecomesTheCurrentHandler) {
  fennick::LuaAppWorkspace workspace;
  fennick::AboutTab about(&workspace, workspace.GetMainFrame());
  const zelworkspace::TabPanelP plain(
      new zelworkspace::TabPanel(&workspace, workspace.GetMainFrame(), "Vt/Plain", u"Plain"));
  const arx::uisupport::CommandHandlerBase* aboutHandler = &about;

  workspace.OnTabPanelGainedFocus(&about);
  EXPECT_EQ(arx::uisupport::CommandHandlerBase::GetCurrentCommandHandler(), aboutHandler);
  workspace.OnTabPanelGainedFocus(plain.get());
  EXPECT_EQ(arx::uisupport::CommandHandlerBase::GetCurrentCommandHandler(), nullptr) << "not a handler";
  workspace.OnTabPanelGainedFocus(&about);
  workspace.OnTabPanelGainedFocus(nullptr);
  EXPECT_EQ(arx::uisupport::CommandHandlerBase::GetCurrentCommandHandler(), nullptr) << "no panel";
}
