// Layout scripts read line by line into a dialog of controls; modal runs replay the actions
// tests queue.
#include "zelpelltova/Tova.h"

#include <algorithm>
#include <atomic>
#include <set>
#include <string_view>
#include <utility>

#include "zelcore/RecordAndAnswer.h"
#include "zelcore/Strings.h"
#include "zelpelltova/testing.h"
#include "zelui/controls/Controls.h"
#include "zelui/NodeManager.h"

namespace zelpelltova {

namespace {

namespace controls = zelui::controls;

std::atomic<int> gLiveRoots{0};

zelcore::testing::RecordAndAnswer<testing::TovaRun, std::vector<testing::TovaAction>>& Runs() {
  static zelcore::testing::RecordAndAnswer<testing::TovaRun, std::vector<testing::TovaAction>> runs;
  return runs;
}

// What a script says, before anything is made of it.
struct Script {
  bool hasDialog = false;
  std::string title;
  bool hasLayout = false;
  std::vector<testing::TovaControl> controls;
};

constexpr std::string_view kBlanks = " \t";

std::string_view Trim(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

// The first word of rest; rest keeps what follows it, trimmed.
std::string NextWord(std::string_view& rest) {
  const auto end = std::min(rest.find_first_of(kBlanks), rest.size());
  std::string word(rest.substr(0, end));
  rest = Trim(rest.substr(end));
  return word;
}

bool IsControlKind(const std::string& word) {
  return word == "button" || word == "checkbox" || word == "edit" || word == "text";
}

// Reads the script; false when a line cannot be read.
bool ReadScript(std::istream& in, Script& script) {
  bool inBlock = false;
  std::set<std::string> names;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::string_view rest = Trim(line);
    if (rest.empty() || rest.front() == '#') continue;
    const std::string word = NextWord(rest);
    if (!inBlock) {
      if (word == "dialog" && !script.hasDialog) {
        script.hasDialog = true;
        script.title = std::string(rest);
      } else if (word == "layout" && !script.hasLayout && rest.empty()) {
        script.hasLayout = inBlock = true;
      } else {
        return false;
      }
      continue;
    }
    if (word == "end" && rest.empty()) {
      inBlock = false;
      continue;
    }
    if (!IsControlKind(word)) return false;
    testing::TovaControl control;
    control.kind = word;
    control.name = NextWord(rest);
    if (word == "button") control.action = NextWord(rest);
    control.label = std::string(rest);
    if (control.name.empty() || (word == "button" && control.action.empty())) return false;
    if (!names.insert(control.name).second) return false;
    script.controls.push_back(std::move(control));
  }
  return !inBlock;
}

// Where evaluate places the controls: one below the other, all of one size.
constexpr float kMargin = 10, kControlWidth = 200, kControlHeight = 20, kGap = 8;

}  // namespace

any_regular_t sheet_t::get(const name_t& cell) const {
  const auto it = mCells.find(cell);
  return it == mCells.end() ? any_regular_t() : it->second;
}

void tova_t::evaluate(evaluate_options_t, long width, long height) {
  float y = kMargin;
  for (const auto& control : mRoot.mControls) {
    control.node->UI_SetLocalRectF({kMargin, y, kControlWidth, kControlHeight});
    y += kControlHeight + kGap;
  }
  const float naturalWidth = 2 * kMargin + kControlWidth;
  const float naturalHeight = mRoot.mControls.empty() ? 2 * kMargin : y - kGap + kMargin;
  const zelui::ui::RectF bounds{0, 0, std::max(naturalWidth, static_cast<float>(width)),
                                std::max(naturalHeight, static_cast<float>(height))};
  mRoot.GetContainer()->UI_SetLocalRectF(bounds);
  mRoot.mDialog->UI_SetLocalRectF(bounds);
  ++mEvaluations;
}

tova_root_t::tova_root_t(UI_Tova& holder, std::shared_ptr<sheet_t> sheet)
    : mHolder(&holder), mSheet(std::move(sheet)), mLink(std::make_shared<Link>()) {
  mLink->root = this;
  ++gLiveRoots;
}

tova_root_t::~tova_root_t() { --gLiveRoots; }

testing::TovaRun* tova_root_t::RunRecord() const {
  return mRunning && mRunIndex >= 0 ? Runs().At(static_cast<std::size_t>(mRunIndex)) : nullptr;
}

zelui::ui::UI_Node* tova_root_t::GetContainer() const { return mDialog->GetContainer(); }

zelui::ui::UI_Node* tova_root_t::FindControl(const std::string& name) const {
  for (const auto& control : mControls)
    if (control.name == name) return control.node.get();
  return nullptr;
}

void tova_root_t::SendAction(const name_t& action, const any_regular_t& value) {
  if (mHolder == nullptr) return;
  if (testing::TovaRun* run = RunRecord()) run->actionsDelivered.push_back(action.str());
  // The handler may give the root back: it stays until the handler returns.
  const boost::intrusive_ptr<tova_root_t> hold(this);
  if (mHolder->mActionHandler) mHolder->mActionHandler(action, value);
}

void tova_root_t::Run() {
  if (mRunning) return;
  const boost::intrusive_ptr<tova_root_t> hold(this);
  const boost::intrusive_ptr<zelui::ui::UI_Dialog> dialog = mDialog;
  mRunning = true;
  dialog->SetResponse(-1);

  testing::TovaRun record;
  for (const auto& control : mControls) record.controls.push_back({control.kind, control.name, control.label, control.action});
  mRunIndex = static_cast<std::ptrdiff_t>(Runs().Requests().size());
  const std::vector<testing::TovaAction> actions = Runs().Ask(std::move(record));

  zelui::ui::UI_NodeManager::Get()->PushModalWindow(dialog.get());
  dialog->UI_Show(true);
  if (mHolder) mHolder->Initialize();
  for (const testing::TovaAction& action : actions) {
    if (dialog->GetResponse() != -1) break;
    SendAction(name_t(action.action), action.value);
  }
  const bool dry = dialog->GetResponse() == -1;
  if (dry) dialog->DefaultCloseCancel();

  if (testing::TovaRun* run = RunRecord()) {
    run->title = dialog->GetTitle();
    run->response = dialog->GetResponse();
    run->closedWhenDry = dry;
    run->evaluations = mLayout ? mLayout->evaluation_count() : 0;
  }
  dialog->UI_Show(false);
  zelui::ui::UI_NodeManager::Get()->PopModalWindow(dialog.get());
  mRunning = false;
  mRunIndex = -1;
  if (mHolder) mHolder->SetupPostCloseCallback();
}

UI_Tova::UI_Tova(zelworkspace::DrawSupplier* supplier, zelui::ui::UI_Node* parent)
    : mSupplier(supplier), mParent(parent) {}

UI_Tova::~UI_Tova() {
  while (!mRoots.empty()) Release(mRoots.back());
}

tova_root_t* UI_Tova::ParseTovaScript(std::istream& in, std::shared_ptr<sheet_t> sheet) {
  Script script;
  if (!ReadScript(in, script) || !script.hasDialog) return nullptr;
  if (!sheet) sheet = std::make_shared<sheet_t>();

  auto* root = new tova_root_t(*this, sheet);
  root->AddRef();
  root->mDialog = new zelui::ui::UI_Dialog(nullptr, zelcore::UTF8to16(script.title), {0, 0}, {0, 0}, false,
                                           mParent.get(), true, false, true, true, 0, 0, nullptr);
  if (script.hasLayout) root->mLayout.reset(new tova_t(*root));
  const std::weak_ptr<tova_root_t::Link> link = root->mLink;
  for (const testing::TovaControl& control : script.controls) {
    zelui::ui::UI_NodeP node;
    const zelcore::UTF16String label = zelcore::UTF8to16(control.label);
    if (control.kind == "button") {
      boost::intrusive_ptr<controls::UI_TextButton> button(new controls::UI_TextButton);
      button->SetLabelText(label);
      button->NotifyWhenChanged([link, action = name_t(control.action)](const controls::UI_ControlMessage&) {
        if (const auto live = link.lock(); live && live->root) live->root->SendAction(action, any_regular_t());
      });
      node = button;
    } else if (control.kind == "checkbox") {
      boost::intrusive_ptr<controls::UI_Checkbox> checkbox(new controls::UI_Checkbox);
      checkbox->SetLabelText(label);
      sheet->set(name_t(control.name), any_regular_t(false));
      node = checkbox;
    } else if (control.kind == "edit") {
      node = new controls::UI_TextEdit(label);
      sheet->set(name_t(control.name), any_regular_t(control.label));
    } else {
      boost::intrusive_ptr<controls::UI_StaticText> text(new controls::UI_StaticText);
      text->SetLabelText(label);
      node = text;
    }
    node->UI_SetNodeID(control.name);
    root->GetContainer()->UI_GetContainer().ChildPushBack(node.get());
    root->mControls.push_back({control.kind, control.name, control.label, control.action, node});
  }
  mRoots.push_back(root);
  mCurrent = root;
  return root;
}

zelui::ui::UI_Node* UI_Tova::GetUINodePtr(const std::string& name) const {
  return mCurrent ? mCurrent->FindControl(name) : nullptr;
}

void UI_Tova::Release(tova_root_t* root) {
  const auto it = std::find(mRoots.begin(), mRoots.end(), root);
  if (root == nullptr || it == mRoots.end()) return;
  mRoots.erase(it);
  if (mCurrent == root) mCurrent = nullptr;
  root->mHolder = nullptr;
  root->mLink->root = nullptr;
  Destruction();
  root->Release();
}

}  // namespace zelpelltova

namespace zelpelltova::testing {

void QueueTovaActions(std::vector<TovaAction> actions) { Runs().Queue(std::move(actions)); }
const std::vector<TovaRun>& TovaRuns() { return Runs().Requests(); }
void ResetTova() { Runs().Reset(); }
int LiveLayoutRoots() { return gLiveRoots; }

}  // namespace zelpelltova::testing
