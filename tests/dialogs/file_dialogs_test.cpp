// File dialogs of the UI framework stand-in: what each kind gives for the answers tests queue,
// and what a run records.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "zelui/dialogs/FileDialogs.h"
#include "zelui/testing.h"
#include "zelui/ui/OS_Window.h"

namespace zd = zelui::dialogs;
namespace zt = zelui::testing;

namespace {

std::vector<std::string> Paths(const std::vector<zelcore::File>& files) {
  std::vector<std::string> paths;
  for (const auto& file : files) paths.push_back(zelcore::UTF16to8(file.FullPath()));
  return paths;
}

// Runs a dialog of the kind with the flags; the result and what it gave back.
struct Outcome {
  int result;
  std::vector<std::string> chosen;
};

Outcome RunDialog(zd::FileDialogKind kind, int flags) {
  switch (kind) {
    case zd::FileDialogKind::kOpen: {
      zd::OS_FileOpenDialog dialog(nullptr, {}, 0, flags);
      return {dialog.RunModal(), Paths(dialog.GetFiles())};
    }
    case zd::FileDialogKind::kSaveAs: {
      zd::OS_FileSaveAsDialog dialog(nullptr, {}, 0, u"name", flags);
      const int result = dialog.RunModal();
      const std::string path = zelcore::UTF16to8(dialog.GetFile().FullPath());
      return {result, path.empty() ? std::vector<std::string>{} : std::vector<std::string>{path}};
    }
    case zd::FileDialogKind::kChooseFolder: {
      zd::OS_FolderChooserDialog dialog(nullptr, flags);
      const int result = dialog.RunModal();
      const std::string path = zelcore::UTF16to8(dialog.GetFolder().FullPath());
      return {result, path.empty() ? std::vector<std::string>{} : std::vector<std::string>{path}};
    }
  }
  return {};
}

}  // namespace

TEST(FileDialogs, GiveOnlyWhatAUserCouldChoose) {
  using K = zd::FileDialogKind;
  const std::vector<std::string> three{"/docs/a.txt", "/docs/b.txt", "/other/c.txt"};
  struct Row {
    const char* name;
    K kind;
    int flags;
    bool queued;
    zt::FileDialogAnswer answer;
    int result;
    std::vector<std::string> chosen;
  };
  const Row rows[] = {
      {"nothing queued cancels", K::kOpen, 0, false, {}, 0, {}},
      {"cancelled", K::kSaveAs, 0, true, zt::FileDialogAnswer::Cancelled(), 0, {}},
      {"chosen nothing is a cancel", K::kOpen, 0, true, zt::FileDialogAnswer::Chosen({}), 0, {}},
      {"result 0 with paths gives none", K::kOpen, 0, true, {0, three}, 0, {}},
      {"several for one open", K::kOpen, zd::kFileDialog_MustExist, true, zt::FileDialogAnswer::Chosen(three), 1,
       {"/docs/a.txt"}},
      {"several allowed", K::kOpen, zd::kFileDialog_AllowMultipleSelection, true, zt::FileDialogAnswer::Chosen(three),
       1, three},
      {"save-as takes one", K::kSaveAs, zd::kFileDialog_AllowMultipleSelection, true,
       zt::FileDialogAnswer::Chosen(three), 1, {"/docs/a.txt"}},
      {"folder", K::kChooseFolder, 0, true, zt::FileDialogAnswer::Chosen({"/docs"}), 1, {"/docs"}},
      {"other result kept, nothing taken", K::kChooseFolder, 0, true, {2, {"/docs"}}, 2, {}},
  };
  for (const Row& row : rows) {
    zt::ResetFileDialogs();
    if (row.queued) zt::QueueFileDialogAnswer(row.answer);
    const Outcome outcome = RunDialog(row.kind, row.flags);
    EXPECT_EQ(outcome.result, row.result) << row.name;
    EXPECT_EQ(outcome.chosen, row.chosen) << row.name;
    ASSERT_EQ(zt::FileDialogRuns().size(), 1u) << row.name;
    EXPECT_EQ(zt::FileDialogRuns()[0].result, row.result) << row.name;
    EXPECT_EQ(zt::FileDialogRuns()[0].chosen, row.chosen) << row.name;
  }
}

TEST(FileDialogs, RecordWhatTheyShowedAndRunOnce) {
  const boost::intrusive_ptr<zelui::ui::OS_Window> parent(new zelui::ui::OS_Window());
  zt::QueueFileDialogAnswer(zt::FileDialogAnswer::Chosen({"/tmp/saved.txt"}));
  zt::QueueFileDialogAnswer(zt::FileDialogAnswer::Chosen({"/tmp/next.txt"}));
  zd::OS_FileSaveAsDialog dialog(parent.get(), {{u"Text", u"txt"}, {u"All", u"*"}}, 1, u"notes.txt",
                                 zd::kFileDialog_ConfirmReplace);
  dialog.SetTitle(u"Save the notes");
  dialog.SetStartDirectory(zelcore::Dir("/home/user/Documents"));
  EXPECT_EQ(dialog.RunModal(), 1);
  EXPECT_EQ(dialog.RunModal(), 1) << "a second run changes nothing";
  EXPECT_EQ(zelcore::UTF16to8(dialog.GetFile().FullPath()), "/tmp/saved.txt");

  ASSERT_EQ(zt::FileDialogRuns().size(), 1u);
  const zt::FileDialogRun& run = zt::FileDialogRuns()[0];
  EXPECT_EQ(run.kind, zd::FileDialogKind::kSaveAs);
  EXPECT_EQ(run.title, u"Save the notes");
  EXPECT_EQ(run.startFolder, u"/home/user/Documents");
  ASSERT_EQ(run.filters.size(), 2u);
  EXPECT_EQ(run.filters[1].description, u"All");
  EXPECT_EQ(run.filters[1].extension, u"*");
  EXPECT_EQ(run.defaultFilter, 1);
  EXPECT_EQ(run.flags, zd::kFileDialog_ConfirmReplace);
  EXPECT_EQ(run.proposedName, u"notes.txt");
  EXPECT_EQ(run.parent, parent.get());

  zd::OS_FolderChooserDialog folder(nullptr, 0);
  folder.RunModal();
  ASSERT_EQ(zt::FileDialogRuns().size(), 2u);
  EXPECT_TRUE(zt::FileDialogRuns()[1].startFolder.empty()) << "no start folder set";
  EXPECT_EQ(zt::FileDialogRuns()[1].parent, nullptr);
  EXPECT_EQ(zelcore::UTF16to8(folder.GetFolder().FullPath()), "/tmp/next.txt");
}
