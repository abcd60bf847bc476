// The layout-description library stand-in: scripts that give a root, a root without layout or
// nothing; modal runs that replay queued actions and close cancelled when they run dry; buttons
// that send their actions; roots that outlive what gives them back only while they run.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "zelpelltova/Tova.h"
#include "zelpelltova/testing.h"
#include "zelui/controls/Controls.h"
#include "zelui/NodeManager.h"
#include "zelui/ui/OS_Window.h"

namespace pt = zelpelltova::testing;
using zelpelltova::any_regular_t;
using zelpelltova::name_t;
using zelpelltova::tova_root_t;

namespace {

const char* const kLogin =
    "# the sign-in dialog\r\n"
    "dialog Sign in to the service\r\n"
    "\r\n"
    "layout\r\n"
    "  text intro Who are you?\r\n"
    "  edit user guest\r\n"
    "  checkbox remember Remember me\r\n"
    "  button ok do_ok OK\r\n"
    "  button cancel do_cancel Cancel\r\n"
    "  button more show_more\r\n"
    "end\r\n";

// A holder that closes its dialog the way the layout dialogs do (do_ok accepts, do_cancel
// cancels) and logs what reaches its hooks.
class Holder : public zelpelltova::UI_Tova {
 public:
  Holder() : UI_Tova(nullptr, nullptr) {
    SetActionHandler([this](const name_t& action, const any_regular_t& value) {
      std::string text;
      log.push_back("action " + action.str() + (value.cast(text) ? " " + text : ""));
      if (onAction) onAction(action);
      auto* dialog = static_cast<zelui::ui::UI_Dialog*>(root ? root->GetNode() : nullptr);
      if (dialog && action == name_t("do_ok")) dialog->DefaultCloseOk();
      if (dialog && action == name_t("do_cancel")) dialog->DefaultCloseCancel();
    });
  }
  ~Holder() override { Release(root); }

  bool Initialize() override {
    log.push_back("initialize, modal depth " + std::to_string(zelui::ui::UI_NodeManager::Get()->GetModalWindows().size()));
    return true;
  }
  void Destruction() override { log.push_back("destruction"); }
  void SetupPostCloseCallback() override { log.push_back("closed"); }

  tova_root_t* Parse(const std::string& script) {
    std::istringstream in(script);
    root = ParseTovaScript(in, sheet);
    return root;
  }

  tova_root_t* root = nullptr;
  std::shared_ptr<zelpelltova::sheet_t> sheet = std::make_shared<zelpelltova::sheet_t>();
  std::vector<std::string> log;
  std::function<void(const name_t&)> onAction;
};

std::vector<pt::TovaAction> Actions(std::vector<std::string> names) {
  std::vector<pt::TovaAction> actions;
  for (auto& name : names) actions.push_back({name, any_regular_t()});
  return actions;
}

}  // namespace

TEST(TovaScripts, ReadIntoADialogOfNamedControls) {
  Holder holder;
  tova_root_t* root = holder.Parse(kLogin);
  ASSERT_NE(root, nullptr);
  ASSERT_NE(root->GetLayout(), nullptr);
  auto* dialog = dynamic_cast<zelui::ui::UI_Dialog*>(root->GetNode());
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->GetTitle(), u"Sign in to the service");
  EXPECT_EQ(root->GetContainer()->UI_GetParentNode(), dialog) << "the controls' container is the dialog's";
  EXPECT_EQ(root->GetContainer()->UI_GetContainer().ChildSize(), 6);

  auto* edit = dynamic_cast<zelui::controls::UI_TextEdit*>(holder.GetUINodePtr("user"));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->GetStringValue(), u"guest");
  auto* ok = dynamic_cast<zelui::controls::UI_TextButton*>(holder.GetUINodePtr("ok"));
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(ok->GetLabelText(), u"OK");
  EXPECT_EQ(ok->UI_GetNodeID(), "ok");
  EXPECT_NE(dynamic_cast<zelui::controls::UI_Checkbox*>(holder.GetUINodePtr("remember")), nullptr);
  EXPECT_NE(dynamic_cast<zelui::controls::UI_StaticText*>(holder.GetUINodePtr("intro")), nullptr);
  EXPECT_EQ(holder.GetUINodePtr("nobody"), nullptr);

  EXPECT_EQ(holder.sheet->count(), 2u) << "a cell for the checkbox and one for the edit";
  bool remember = true;
  EXPECT_TRUE(holder.sheet->get(name_t("remember")).cast(remember));
  EXPECT_FALSE(remember);
  std::string user;
  EXPECT_TRUE(holder.sheet->get(name_t("user")).cast(user));
  EXPECT_EQ(user, "guest");
  EXPECT_TRUE(holder.sheet->get(name_t("ok")).empty());
}

TEST(TovaScripts, WithoutDialogOrLayoutOrReadableLines) {
  struct Row {
    const char* name;
    const char* script;
    bool root, layout;
  };
  const Row rows[] = {
      {"empty", "", false, false},
      {"only a layout", "layout\nbutton ok do_ok OK\nend\n", false, false},
      {"dialog without layout", "dialog Just a title\n", true, false},
      {"dialog without title", "layout\nend\ndialog\n", true, true},
      {"unknown word", "dialog T\nwindow\n", false, false},
      {"control outside the block", "dialog T\nbutton ok do_ok\n", false, false},
      {"unknown control", "dialog T\nlayout\nslider s\nend\n", false, false},
      {"control without name", "dialog T\nlayout\ncheckbox\nend\n", false, false},
      {"button without action", "dialog T\nlayout\nbutton ok\nend\n", false, false},
      {"name used twice", "dialog T\nlayout\ntext a\nedit a\nend\n", false, false},
      {"second dialog line", "dialog T\ndialog U\n", false, false},
      {"second block", "dialog T\nlayout\nend\nlayout\nend\n", false, false},
      {"block left open", "dialog T\nlayout\ntext a\n", false, false},
      {"end outside a block", "dialog T\nend\n", false, false},
      {"words after layout", "dialog T\nlayout now\nend\n", false, false},
  };
  for (const Row& row : rows) {
    Holder holder;
    tova_root_t* root = holder.Parse(row.script);
    EXPECT_EQ(root != nullptr, row.root) << row.name;
    if (root) {
      EXPECT_EQ(root->GetLayout() != nullptr, row.layout) << row.name;
    }
  }
  EXPECT_EQ(pt::LiveLayoutRoots(), 0);
}

TEST(TovaRuns, ReplayQueuedActionsUntilTheDialogCloses) {
  struct Row {
    const char* name;
    bool queued;
    std::vector<std::string> actions;
    std::vector<std::string> delivered;
    int response;
    bool dry;
  };
  const Row rows[] = {
      {"nothing queued", false, {}, {}, 0, true},
      {"an empty list", true, {}, {}, 0, true},
      {"ok", true, {"do_ok"}, {"do_ok"}, 1, false},
      {"actions after the close are not delivered", true, {"show_more", "do_cancel", "do_ok"},
       {"show_more", "do_cancel"}, 0, false},
      {"left open when the actions run out", true, {"show_more", "do_help"}, {"show_more", "do_help"}, 0, true},
  };
  for (const Row& row : rows) {
    pt::ResetTova();
    Holder holder;
    ASSERT_NE(holder.Parse(kLogin), nullptr);
    if (row.queued) pt::QueueTovaActions(Actions(row.actions));
    holder.root->GetLayout()->evaluate(zelpelltova::evaluate_options_t::defaults, 0, 0);
    holder.root->Run();
    ASSERT_EQ(pt::TovaRuns().size(), 1u) << row.name;
    const pt::TovaRun& run = pt::TovaRuns()[0];
    EXPECT_EQ(run.actionsDelivered, row.delivered) << row.name;
    EXPECT_EQ(run.response, row.response) << row.name;
    EXPECT_EQ(run.closedWhenDry, row.dry) << row.name;
    EXPECT_EQ(run.evaluations, 1) << row.name;
    EXPECT_EQ(run.title, u"Sign in to the service") << row.name;
    ASSERT_EQ(run.controls.size(), 6u) << row.name;
    EXPECT_EQ(run.controls[3].action, "do_ok") << row.name;
    EXPECT_EQ(run.controls[3].label, "OK") << row.name;
    // The handler saw exactly what was delivered: a dry close does not reach it.
    std::vector<std::string> expectedLog{"initialize, modal depth 1"};
    for (const auto& action : row.delivered) expectedLog.push_back("action " + action);
    expectedLog.push_back("closed");
    EXPECT_EQ(holder.log, expectedLog) << row.name;
    EXPECT_TRUE(zelui::ui::UI_NodeManager::Get()->GetModalWindows().empty()) << row.name;
    EXPECT_FALSE(holder.root->GetNode()->UI_IsShown()) << row.name;
  }
}

TEST(TovaRuns, ValuesTitleChangesAndNestedButtonSends) {
  Holder holder;
  ASSERT_NE(holder.Parse(kLogin), nullptr);
  auto* dialog = static_cast<zelui::ui::UI_Dialog*>(holder.root->GetNode());
  // A handler that makes the OK button send its action, from inside another action.
  holder.onAction = [&](const name_t& action) {
    if (action != name_t("show_more")) return;
    dialog->SetTitle(u"More");
    static_cast<zelui::controls::UI_Button*>(holder.GetUINodePtr("ok"))->SendValueChangedMessage();
  };
  pt::QueueTovaActions({{"typed", any_regular_t(std::string("abc"))}, {"show_more", any_regular_t()}});
  holder.root->Run();
  ASSERT_EQ(pt::TovaRuns().size(), 1u);
  EXPECT_EQ(pt::TovaRuns()[0].actionsDelivered, (std::vector<std::string>{"typed", "show_more", "do_ok"}));
  EXPECT_EQ(pt::TovaRuns()[0].response, 1);
  EXPECT_EQ(pt::TovaRuns()[0].title, u"More") << "the title it closed with";
  EXPECT_EQ(holder.log[1], "action typed abc");
}

TEST(TovaRoots, GivenBackRootsSendNothingAndGoWhenNothingHoldsThem) {
  boost::intrusive_ptr<zelui::ui::UI_Node> keptButton;
  {
    Holder holder;
    ASSERT_NE(holder.Parse(kLogin), nullptr);
    EXPECT_EQ(pt::LiveLayoutRoots(), 1);
    keptButton = holder.GetUINodePtr("more");
    // Given back from inside its own run: the root lives until the run ends.
    holder.onAction = [&](const name_t&) {
      holder.Release(holder.root);
      holder.root = nullptr;
    };
    pt::QueueTovaActions(Actions({"show_more", "do_ok"}));
    tova_root_t* running = holder.root;
    running->Run();
    EXPECT_EQ(pt::LiveLayoutRoots(), 0) << "gone once its run ended";
    EXPECT_EQ(pt::TovaRuns()[0].actionsDelivered, (std::vector<std::string>{"show_more"}))
        << "a given-back root delivers nothing more";
    EXPECT_EQ(pt::TovaRuns()[0].response, 0);
    EXPECT_EQ(holder.GetUINodePtr("more"), nullptr) << "no current root";
    const auto logged = holder.log.size();
    static_cast<zelui::controls::UI_Button*>(keptButton.get())->SendValueChangedMessage();
    EXPECT_EQ(holder.log.size(), logged) << "a kept button of a gone root sends nothing";
    EXPECT_EQ(holder.log[2], "destruction");
  }
  // The holder is gone too; the button still sends nothing.
  static_cast<zelui::controls::UI_Button*>(keptButton.get())->SendValueChangedMessage();

  {
    Holder holder;
    holder.Parse(kLogin);
    holder.Parse("dialog second\n");
    EXPECT_EQ(pt::LiveLayoutRoots(), 2);
    holder.Release(nullptr);
    holder.Release(holder.root);
    holder.Release(holder.root);
    EXPECT_EQ(pt::LiveLayoutRoots(), 1) << "given back once";
    holder.root = nullptr;
  }
  EXPECT_EQ(pt::LiveLayoutRoots(), 0) << "a holder gives back the roots left";
}

TEST(TovaLayout, EvaluatePlacesControlsAndSizesTheDialog) {
  Holder holder;
  ASSERT_NE(holder.Parse("dialog T\nlayout\ntext a A\nbutton b go B\nend\n"), nullptr);
  zelpelltova::tova_t* layout = holder.root->GetLayout();
  layout->evaluate(zelpelltova::evaluate_options_t::defaults, 0, 0);
  EXPECT_EQ(holder.GetUINodePtr("a")->UI_GetLocalRectF(), (zelui::ui::RectF{10, 10, 200, 20}));
  EXPECT_EQ(holder.GetUINodePtr("b")->UI_GetLocalRectF(), (zelui::ui::RectF{10, 38, 200, 20}));
  EXPECT_EQ(holder.root->GetNode()->UI_GetLocalRectF(), (zelui::ui::RectF{0, 0, 220, 68}));
  layout->evaluate(zelpelltova::evaluate_options_t::defaults, 500, 10);
  EXPECT_EQ(holder.root->GetNode()->UI_GetLocalRectF(), (zelui::ui::RectF{0, 0, 500, 68}));
  EXPECT_EQ(layout->evaluation_count(), 2);
}
