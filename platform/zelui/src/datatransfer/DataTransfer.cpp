#include "zelui/datatransfer/DataTransfer.h"

#include "zelcore/RecordAndAnswer.h"
#include "zelui/testing.h"

namespace zelui::datatransfer {

const zelcore::UTF16String kFileListDataType = u"zelui.data.file-list";
const zelcore::UTF16String kUnicodeTextDataType = u"zelui.data.unicode-text";

namespace {

// Main thread only, as the framework's data transfer is.
struct Transfers {
  DataSet clipboard;
  // Each drag, answered with the effect the drop target chose; an empty queue drops nothing.
  zelcore::testing::RecordAndAnswer<testing::DragRecord, int> drags{kDropEffectNone};
  std::vector<zelcore::UTF16String> customTypes;
  bool defaultCursorSupport = false;
  int liveReceiveData = 0;
  int liveSendData = 0;
};

Transfers& State() {
  static Transfers state;
  return state;
}

}  // namespace

OS_ReceiveDataBase::OS_ReceiveDataBase() { ++State().liveReceiveData; }
OS_ReceiveDataBase::~OS_ReceiveDataBase() { --State().liveReceiveData; }

bool OS_ReceiveDataBase::DataAvailable(const zelcore::UTF16String& type) const {
  const DataSet& data = Data();
  if (type == kFileListDataType && (!data.files.empty() || !data.folders.empty())) return true;
  return data.values.count(type) != 0;
}

zelcore::UTF16String OS_ReceiveDataBase::GetAsString(const zelcore::UTF16String& type) const {
  const DataSet& data = Data();
  const auto it = data.values.find(type);
  return it == data.values.end() ? zelcore::UTF16String() : it->second;
}

zelcore::UTF16String OS_ReceiveDataBase::GetAsText() const { return GetAsString(kUnicodeTextDataType); }

void OS_ReceiveDataBase::GetAsFiles(std::vector<zelcore::File>& files, std::vector<zelcore::Dir>& folders) const {
  files = Data().files;
  folders = Data().folders;
}

const DataSet& OS_ClipboardReceiveData::Data() const { return State().clipboard; }

OS_SendData::OS_SendData(Purpose purpose) : mPurpose(purpose) { ++State().liveSendData; }
OS_SendData::~OS_SendData() { --State().liveSendData; }

void OS_SendData::PutAsString(const zelcore::UTF16String& type, const zelcore::UTF16String& value) {
  mData.values[type] = value;
}

void OS_SendData::PutText(const zelcore::UTF16String& text) { mData.values[kUnicodeTextDataType] = text; }

int OS_SendData::DoDragAndDrop(int allowedEffects) {
  auto& drags = State().drags;
  const int answer = drags.Ask(testing::DragRecord{mData, allowedEffects, kDropEffectNone});
  // A drop target can only choose among the effects the drag allows.
  const int result = answer != kDropEffectNone && (answer & ~allowedEffects) == 0 ? answer : kDropEffectNone;
  drags.Last().result = result;
  return result;
}

void OS_SendData::PutOnClipboard() { State().clipboard = mData; }

void RegisterCustomDataType(const zelcore::UTF16String& name) { State().customTypes.push_back(name); }

void SetDefaultCursorSupport(bool support) { State().defaultCursorSupport = support; }

}  // namespace zelui::datatransfer

namespace zelui::testing {

using datatransfer::State;

void SetClipboard(const datatransfer::DataSet& data) { State().clipboard = data; }
const datatransfer::DataSet& Clipboard() { return State().clipboard; }
void QueueDropEffect(int effect) { State().drags.Queue(effect); }
const std::vector<DragRecord>& Drags() { return State().drags.Requests(); }
const std::vector<zelcore::UTF16String>& CustomDataTypes() { return State().customTypes; }
bool DefaultCursorSupport() { return State().defaultCursorSupport; }
int LiveReceiveData() { return State().liveReceiveData; }
int LiveSendData() { return State().liveSendData; }

void ResetDataTransfer() {
  auto& state = State();
  state.clipboard = {};
  state.drags.Reset();
  state.customTypes.clear();
  state.defaultCursorSupport = false;
}

}  // namespace zelui::testing
