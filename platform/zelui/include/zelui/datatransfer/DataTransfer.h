#pragma once
// Data transfer of the UI framework: one clipboard, data received from it or from a drop, data
// sent to it or dragged. Texts are UTF-16; values are kept by data type.
#include <map>
#include <vector>

#include "zelcore/Files.h"
#include "zelcore/Strings.h"

namespace zelui::datatransfer {

// The framework's names of the file-list and Unicode-text data types.
extern const zelcore::UTF16String kFileListDataType;
extern const zelcore::UTF16String kUnicodeTextDataType;

// Bit flags: what a drop may do with the data.
enum DropEffect : int { kDropEffectNone = 0, kDropEffectCopy = 1, kDropEffectMove = 4, kDropEffectLink = 8 };

// What a clipboard, a drop or a drag carries: values by data type (the text under
// kUnicodeTextDataType), and the files and folders of a file list.
struct DataSet {
  std::map<zelcore::UTF16String, zelcore::UTF16String> values;
  std::vector<zelcore::File> files;
  std::vector<zelcore::Dir> folders;
};

// Data offered to the application.
class OS_ReceiveDataBase {
 public:
  OS_ReceiveDataBase();
  OS_ReceiveDataBase(const OS_ReceiveDataBase&) = delete;
  OS_ReceiveDataBase& operator=(const OS_ReceiveDataBase&) = delete;
  virtual ~OS_ReceiveDataBase();

  // Whether data of the type is offered (the file-list type: any file or folder).
  bool DataAvailable(const zelcore::UTF16String& type) const;
  // The value offered under the type; empty when there is none.
  zelcore::UTF16String GetAsString(const zelcore::UTF16String& type) const;
  zelcore::UTF16String GetAsText() const;
  // The offered files and folders, in the order they were offered.
  void GetAsFiles(std::vector<zelcore::File>& files, std::vector<zelcore::Dir>& folders) const;

 protected:
  virtual const DataSet& Data() const = 0;
};

// What the clipboard holds at the moment of each call.
class OS_ClipboardReceiveData : public OS_ReceiveDataBase {
 protected:
  const DataSet& Data() const override;
};

// The data of one drop.
class OS_DropReceiveData : public OS_ReceiveDataBase {
 public:
  explicit OS_DropReceiveData(DataSet data) : mData(std::move(data)) {}

 protected:
  const DataSet& Data() const override { return mData; }

 private:
  DataSet mData;
};

// Data the application offers: to the clipboard, or to a drag that starts from the
// application's current event.
class OS_SendData {
 public:
  enum class Purpose { kDrag, kClipboard };
  explicit OS_SendData(Purpose purpose);
  OS_SendData(const OS_SendData&) = delete;
  OS_SendData& operator=(const OS_SendData&) = delete;
  virtual ~OS_SendData();

  Purpose GetPurpose() const { return mPurpose; }
  const DataSet& Data() const { return mData; }
  void PutAsString(const zelcore::UTF16String& type, const zelcore::UTF16String& value);
  void PutText(const zelcore::UTF16String& text);
  // Runs the drag until the user drops: the effect the drop ended with (one of the allowed
  // ones), kDropEffectNone when the drop was refused or cancelled.
  int DoDragAndDrop(int allowedEffects);
  // Replaces what the clipboard holds with this data.
  void PutOnClipboard();

 private:
  Purpose mPurpose;
  DataSet mData;
};

// Makes a data type of the application's own known to the platform.
void RegisterCustomDataType(const zelcore::UTF16String& name);
// Whether drags show the platform's default cursors.
void SetDefaultCursorSupport(bool support);

}  // namespace zelui::datatransfer
