// The file dialogs, answered from the queue tests fill.
#include "zelui/dialogs/FileDialogs.h"

#include <utility>

#include "zelcore/RecordAndAnswer.h"
#include "zelui/dialogs/FileDialogTesting.h"

namespace zelui {

namespace {

zelcore::testing::RecordAndAnswer<testing::FileDialogRun, testing::FileDialogAnswer>& FileDialogAnswers() {
  static zelcore::testing::RecordAndAnswer<testing::FileDialogRun, testing::FileDialogAnswer> answers(
      testing::FileDialogAnswer::Cancelled());
  return answers;
}

}  // namespace

namespace dialogs {

OS_FileDialogBase::OS_FileDialogBase(FileDialogKind kind, ui::OS_Window* parent, FileDialogFilterList filters,
                                     int defaultFilter, zelcore::UTF16String proposedName, int flags)
    : mKind(kind),
      mParent(parent),
      mFilters(std::move(filters)),
      mDefaultFilter(defaultFilter),
      mProposedName(std::move(proposedName)),
      mFlags(flags) {}

OS_FileDialogBase::~OS_FileDialogBase() = default;

int OS_FileDialogBase::RunModal() {
  if (mRan) return mResult;
  mRan = true;

  testing::FileDialogRun run;
  run.kind = mKind;
  run.title = mTitle;
  run.startFolder = mStartDirectory.FullPath();
  run.filters = mFilters;
  run.defaultFilter = mDefaultFilter;
  run.flags = mFlags;
  run.proposedName = mProposedName;
  run.parent = mParent;
  testing::FileDialogAnswer answer = FileDialogAnswers().Ask(run);

  // Only what a user could choose: one item, unless an open dialog allows several.
  const bool several = mKind == FileDialogKind::kOpen && (mFlags & kFileDialog_AllowMultipleSelection) != 0;
  if (!several && answer.paths.size() > 1) answer.paths.resize(1);
  mResult = answer.result;
  if (mResult == kFileDialog_Chosen && answer.paths.empty()) mResult = kFileDialog_Cancelled;
  if (mResult == kFileDialog_Chosen) TakeChoice(answer.paths);

  testing::FileDialogRun& asked = FileDialogAnswers().Last();
  asked.result = mResult;
  if (mResult == kFileDialog_Chosen) asked.chosen = answer.paths;
  return mResult;
}

OS_FileOpenDialog::OS_FileOpenDialog(ui::OS_Window* parent, const FileDialogFilterList& filters, int defaultFilter,
                                     int flags)
    : OS_FileDialogBase(FileDialogKind::kOpen, parent, filters, defaultFilter, {}, flags) {}

void OS_FileOpenDialog::TakeChoice(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) mFiles.emplace_back(path);
}

OS_FileSaveAsDialog::OS_FileSaveAsDialog(ui::OS_Window* parent, const FileDialogFilterList& filters,
                                         int defaultFilter, const zelcore::UTF16String& proposedName, int flags)
    : OS_FileDialogBase(FileDialogKind::kSaveAs, parent, filters, defaultFilter, proposedName, flags) {}

void OS_FileSaveAsDialog::TakeChoice(const std::vector<std::string>& paths) { mFile = zelcore::File(paths.front()); }

OS_FolderChooserDialog::OS_FolderChooserDialog(ui::OS_Window* parent, int flags)
    : OS_FileDialogBase(FileDialogKind::kChooseFolder, parent, {}, 0, {}, flags) {}

void OS_FolderChooserDialog::TakeChoice(const std::vector<std::string>& paths) { mFolder = zelcore::Dir(paths.front()); }

}  // namespace dialogs

namespace testing {

void QueueFileDialogAnswer(FileDialogAnswer answer) { FileDialogAnswers().Queue(std::move(answer)); }
const std::vector<FileDialogRun>& FileDialogRuns() { return FileDialogAnswers().Requests(); }
void ResetFileDialogs() { FileDialogAnswers().Reset(); }

}  // namespace testing

}  // namespace zelui
