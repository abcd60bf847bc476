#pragma once
// The platform's modal file dialogs: open one or more files, save a file under a name, choose a
// folder. Each is made with its options, given a title and a start folder, and run; the run ends
// with the result 1 when the user chose something and 0 when the dialog was cancelled. What the
// user chooses comes from the answers tests queue (zelui/testing.h); with none queued the dialog
// is cancelled.
#include <string>
#include <vector>

#include "zelcore/Files.h"
#include "zelcore/Strings.h"

namespace zelui::ui {
class OS_Window;
}

namespace zelui::dialogs {

// One file-type filter: what the user reads, and the extension it lets through.
struct FileDialogFilterInfo {
  zelcore::UTF16String description;
  zelcore::UTF16String extension;
};
using FileDialogFilterList = std::vector<FileDialogFilterInfo>;

// Option bits of the dialogs, the platform's own.
enum FileDialogFlags : int {
  kFileDialog_AllowMultipleSelection = 0x01,
  kFileDialog_ConfirmReplace = 0x02,
  kFileDialog_MustExist = 0x04,
  kFileDialog_DontAddToRecent = 0x20,
};

// The results of a run.
enum FileDialogResult : int { kFileDialog_Cancelled = 0, kFileDialog_Chosen = 1 };

enum class FileDialogKind { kOpen, kSaveAs, kChooseFolder };

class OS_FileDialogBase {
 public:
  OS_FileDialogBase(const OS_FileDialogBase&) = delete;
  OS_FileDialogBase& operator=(const OS_FileDialogBase&) = delete;
  virtual ~OS_FileDialogBase();

  void SetTitle(const zelcore::UTF16String& title) { mTitle = title; }
  const zelcore::UTF16String& GetTitle() const { return mTitle; }
  // The folder the dialog shows first; an unset folder leaves the choice to the platform.
  void SetStartDirectory(const zelcore::Dir& folder) { mStartDirectory = folder; }
  const zelcore::Dir& GetStartDirectory() const { return mStartDirectory; }
  int GetFlags() const { return mFlags; }

  // Shows the dialog over its parent until the user ends it; returns the result, which
  // GetResult gives as well. A dialog runs once: a second run changes nothing.
  int RunModal();
  int GetResult() const { return mResult; }

 protected:
  OS_FileDialogBase(FileDialogKind kind, ui::OS_Window* parent, FileDialogFilterList filters, int defaultFilter,
                    zelcore::UTF16String proposedName, int flags);

  // Takes what the user chose: the full paths of the items, in the order chosen; never empty.
  virtual void TakeChoice(const std::vector<std::string>& paths) = 0;

 private:
  FileDialogKind mKind;
  ui::OS_Window* mParent;
  FileDialogFilterList mFilters;
  int mDefaultFilter;
  zelcore::UTF16String mProposedName;
  int mFlags;
  zelcore::UTF16String mTitle;
  zelcore::Dir mStartDirectory;
  int mResult = kFileDialog_Cancelled;
  bool mRan = false;
};

// Opens existing files: one, or several with kFileDialog_AllowMultipleSelection.
class OS_FileOpenDialog : public OS_FileDialogBase {
 public:
  // The parent may be null (a free dialog); defaultFilter is the position of the filter shown
  // first.
  OS_FileOpenDialog(ui::OS_Window* parent, const FileDialogFilterList& filters, int defaultFilter, int flags);
  // The files chosen, in the order the user chose them; empty unless the result is 1.
  const std::vector<zelcore::File>& GetFiles() const { return mFiles; }

 protected:
  void TakeChoice(const std::vector<std::string>& paths) override;

 private:
  std::vector<zelcore::File> mFiles;
};

// Names a file to save, proposing a name.
class OS_FileSaveAsDialog : public OS_FileDialogBase {
 public:
  OS_FileSaveAsDialog(ui::OS_Window* parent, const FileDialogFilterList& filters, int defaultFilter,
                      const zelcore::UTF16String& proposedName, int flags);
  // The file named; unset (an empty path) unless the result is 1.
  const zelcore::File& GetFile() const { return mFile; }

 protected:
  void TakeChoice(const std::vector<std::string>& paths) override;

 private:
  zelcore::File mFile;
};

class OS_FolderChooserDialog : public OS_FileDialogBase {
 public:
  OS_FolderChooserDialog(ui::OS_Window* parent, int flags);
  // The folder chosen; unset unless the result is 1.
  const zelcore::Dir& GetFolder() const { return mFolder; }

 protected:
  void TakeChoice(const std::vector<std::string>& paths) override;

 private:
  zelcore::Dir mFolder;
};

}  // namespace zelui::dialogs
