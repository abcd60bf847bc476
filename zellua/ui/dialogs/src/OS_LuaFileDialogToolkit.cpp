// "zelOSFileDialogToolkit": the platform's file dialogs for scripts. A dialog's options table is
// the topmost argument; every field is checked, and its strings are left on the stack, before any
// native object is made, so that an argument error never jumps over one. A folder is remembered
// per key in the application settings' group "RecentDirs" as a UTF-8 string.
#include "zellua/ui/dialogs/OS_LuaFileDialogToolkit.h"

#include <filesystem>
#include <string>
#include <vector>

#include "arx/app/App.h"
#include "zelcore/Files.h"
#include "zelcore/PropList.h"
#include "zelui/dialogs/FileDialogs.h"
#include "zelworkspace/Workspace.h"
#include "zellua/binding/Module.h"
#include "utility/src/LuaText.h"

namespace zel::lua::ui::dialogs {

const std::string OS_LuaFileDialogToolkit::sCurrDirSettingsKey = "RecentDirs";

namespace {

namespace zd = zelui::dialogs;

const char* const kZelLuaFileDialogToolkitClassName = "zelOSFileDialogToolkit";
// The key of the folder remembered when a script names none.
const char* const kDefaultDirKey = "OpenDocPath";

enum DialogKind { kOpenDialog = 0, kSaveAsDialog = 1, kChooseFolderDialog = 2 };

// Raises the argument error of the options table (argument options) for one of its fields, whose
// value is on top of the stack.
void FieldError(lua_State* L, int options, const char* field, int element, const char* expected) {
  const char* got = luaL_typename(L, -1);
  const char* message = element > 0
                            ? lua_pushfstring(L, "field 'filters[%d].%s': %s expected, got %s", element, field, expected, got)
                            : lua_pushfstring(L, "field '%s': %s expected, got %s", field, expected, got);
  luaL_argerror(L, options, message);
}

// Pushes the string field of the table at index table (element > 0: of that filter), a number
// turned into its string; the argument error when it is neither.
void PushStringField(lua_State* L, int options, int table, const char* field, int element = 0) {
  lua_getfield(L, table, field);
  if (!lua_isstring(L, -1)) FieldError(L, options, field, element, "string");
  lua_tolstring(L, -1, nullptr);
}

// What the options say, read from the values left on the stack by CheckOptions.
struct Options {
  zd::FileDialogFilterList filters;
  zelcore::UTF16String documentPath;
  std::string customDocPathKey;
  zelcore::UTF16String windowTitle;
  zelcore::UTF16String documentName;
  bool allowMultipleFiles = false;
  bool addToRecent = false;
};

// The places of the checked values on the stack.
struct CheckedOptions {
  int filterStrings = 0;  // description, extension, description, ... from here
  int filterCount = 0;
  int strings = 0;  // documentPath, customDocPathKey, windowTitle, then documentName (save-as)
  bool allowMultipleFiles = false;
  bool addToRecent = false;
};

// Checks the options table at index options and leaves its strings on the stack. Raises the
// argument error for a wrong value; makes no native object.
CheckedOptions CheckOptions(lua_State* L, int options, int kind) {
  luaL_checktype(L, options, LUA_TTABLE);
  CheckedOptions checked;
  lua_getfield(L, options, "filters");
  if (!lua_istable(L, -1)) FieldError(L, options, "filters", 0, "table");
  const int filters = lua_gettop(L);
  const size_t length = lua_objlen(L, filters);
  if (length > static_cast<size_t>(LUAI_MAXCSTACK)) luaL_error(L, "too many filters");
  checked.filterCount = static_cast<int>(length);
  luaL_checkstack(L, 2 * checked.filterCount + 8, "too many filters");
  checked.filterStrings = filters + 1;
  for (int i = 1; i <= checked.filterCount; ++i) {
    lua_rawgeti(L, filters, i);
    const int element = lua_gettop(L);
    if (!lua_istable(L, element)) {
      lua_pushfstring(L, "field 'filters[%d]': table expected, got %s", i, luaL_typename(L, element));
      luaL_argerror(L, options, lua_tostring(L, -1));
    }
    PushStringField(L, options, element, "description", i);
    PushStringField(L, options, element, "extension", i);
    lua_remove(L, element);
  }
  checked.strings = lua_gettop(L) + 1;
  PushStringField(L, options, options, "documentPath");
  PushStringField(L, options, options, "customDocPathKey");
  PushStringField(L, options, options, "windowTitle");
  if (kind == kSaveAsDialog) PushStringField(L, options, options, "documentName");
  if (kind == kOpenDialog) {
    lua_getfield(L, options, "allowMultipleFiles");
    checked.allowMultipleFiles = lua_toboolean(L, -1) != 0;
    lua_getfield(L, options, "addToRecent");
    checked.addToRecent = lua_toboolean(L, -1) != 0;
    lua_pop(L, 2);
  }
  return checked;
}

std::string StackString(lua_State* L, int index) { return lua_tostring(L, index); }

Options ReadOptions(lua_State* L, const CheckedOptions& checked, int kind) {
  Options options;
  for (int i = 0; i < checked.filterCount; ++i) {
    const int at = checked.filterStrings + 2 * i;
    options.filters.push_back({zellua::utility::WideText(lua_tostring(L, at)),
                               zellua::utility::WideText(lua_tostring(L, at + 1))});
  }
  options.documentPath = zellua::utility::WideText(lua_tostring(L, checked.strings));
  options.customDocPathKey = StackString(L, checked.strings + 1);
  options.windowTitle = zellua::utility::WideText(lua_tostring(L, checked.strings + 2));
  if (kind == kSaveAsDialog) options.documentName = zellua::utility::WideText(lua_tostring(L, checked.strings + 3));
  options.allowMultipleFiles = checked.allowMultipleFiles;
  options.addToRecent = checked.addToRecent;
  return options;
}

zelcore::Dir DirFromPath(const zelcore::UTF16String& path) {
  return zelcore::Dir(std::filesystem::path(zelcore::UTF16to8(path)));
}

// The application's settings; null without an application.
zelcore::proplist::PropList* AppSettings() {
  arx::app::App* app = arx::app::App::GetApp();
  return app ? &app->GetAppSettings() : nullptr;
}

// The window dialogs open over: the workspace's main top-level window, or none.
zelui::ui::OS_Window* DialogParent() {
  arx::app::App* app = arx::app::App::GetApp();
  zelworkspace::Workspace* workspace = app ? app->GetWorkspace() : nullptr;
  return workspace ? workspace->GetMainTopLevelWindow() : nullptr;
}

void Prepare(zd::OS_FileDialogBase& dialog, const Options& options, const zelcore::Dir& start) {
  dialog.SetTitle(options.windowTitle);
  dialog.SetStartDirectory(start);
}

int RunOpenDialog(lua_State* L, const Options& options, const std::string& key, const zelcore::Dir& start) {
  int flags = zd::kFileDialog_MustExist;
  if (options.allowMultipleFiles) flags |= zd::kFileDialog_AllowMultipleSelection;
  if (!options.addToRecent) flags |= zd::kFileDialog_DontAddToRecent;
  zd::OS_FileOpenDialog dialog(DialogParent(), options.filters, 0, flags);
  Prepare(dialog, options, start);
  dialog.RunModal();
  const std::vector<zelcore::File>& files = dialog.GetFiles();
  if (dialog.GetResult() != zd::kFileDialog_Chosen || files.empty()) return 0;
  OS_LuaFileDialogToolkit::SaveDirectoryPath(key, files.back().Parent().FullPath());
  lua_pushboolean(L, true);
  lua_createtable(L, static_cast<int>(files.size()), 0);
  for (std::size_t i = 0; i < files.size(); ++i) {
    zellua::utility::PushUTF8(L, files[i].FullPath());
    lua_rawseti(L, -2, static_cast<int>(i + 1));
  }
  return 2;
}

int RunSaveAsDialog(lua_State* L, const Options& options, const zelcore::Dir& start) {
  zd::OS_FileSaveAsDialog dialog(DialogParent(), options.filters, 0, options.documentName, zd::kFileDialog_ConfirmReplace);
  Prepare(dialog, options, start);
  if (dialog.RunModal() != zd::kFileDialog_Chosen) return 0;
  // Whatever key the script named, a saved file's folder is remembered as the default one.
  OS_LuaFileDialogToolkit::SaveDirectoryPath(kDefaultDirKey, dialog.GetFile().Parent().FullPath());
  lua_pushboolean(L, true);
  zellua::utility::PushUTF8(L, dialog.GetFile().FullPath());
  return 2;
}

int RunFolderDialog(lua_State* L, const Options& options, const zelcore::Dir& start) {
  zd::OS_FolderChooserDialog dialog(DialogParent(), 0);
  Prepare(dialog, options, start);
  if (dialog.RunModal() != zd::kFileDialog_Chosen) return 0;
  lua_pushboolean(L, true);
  zellua::utility::PushUTF8(L, dialog.GetFolder().FullPath());
  return 2;
}

// Runs the dialog of the kind over the checked options; the number of results, 0 when nothing
// was chosen.
int RunDialog(lua_State* L, const CheckedOptions& checked, int kind) {
  const Options options = ReadOptions(L, checked, kind);
  const std::string key = options.customDocPathKey.empty() ? kDefaultDirKey : options.customDocPathKey;
  zelcore::Dir start;
  if (!options.documentPath.empty()) {
    start = DirFromPath(options.documentPath);
  } else {
    const zelcore::UTF16String remembered = OS_LuaFileDialogToolkit::GetDirectoryPath(key);
    start = remembered.empty() ? zelcore::Dir::UserDocsDir() : DirFromPath(remembered);
  }
  switch (kind) {
    case kOpenDialog:
      return RunOpenDialog(L, options, key, start);
    case kSaveAsDialog:
      return RunSaveAsDialog(L, options, start);
    case kChooseFolderDialog:
      return RunFolderDialog(L, options, start);
    default:
      return 0;
  }
}

const luaL_Reg kFunctions[] = {{"doOpenFileDialog", OS_LuaFileDialogToolkit::doOpenFileDialog},
                               {"doSaveAsFileDialog", OS_LuaFileDialogToolkit::doSaveAsFileDialog},
                               {"doChooseFolderDialog", OS_LuaFileDialogToolkit::doChooseFolderDialog},
                               {"GetDefaultPath", OS_LuaFileDialogToolkit::GetDefaultPath},
                               {nullptr, nullptr}};

}  // namespace

int OS_LuaFileDialogToolkit::doFileModelFileDialog(lua_State* L, int kind) {
  // The options are the topmost argument; with none at all the missing first one is reported.
  const int options = lua_gettop(L) > 0 ? lua_gettop(L) : 1;
  const CheckedOptions checked = CheckOptions(L, options, kind);
  const int results = RunDialog(L, checked, kind);
  if (results > 0) return results;
  lua_pushboolean(L, false);
  return 1;
}

int OS_LuaFileDialogToolkit::doOpenFileDialog(lua_State* L) { return doFileModelFileDialog(L, kOpenDialog); }

int OS_LuaFileDialogToolkit::doSaveAsFileDialog(lua_State* L) { return doFileModelFileDialog(L, kSaveAsDialog); }

int OS_LuaFileDialogToolkit::doChooseFolderDialog(lua_State* L) {
  return doFileModelFileDialog(L, kChooseFolderDialog);
}

int OS_LuaFileDialogToolkit::GetDefaultPath(lua_State* L) {
  zelcore::UTF16String path = GetDirectoryPath(kDefaultDirKey);
  if (path.empty()) path = zelcore::Dir::UserDocsDir().FullPath();
  return zellua::utility::PushUTF8(L, path);
}

zelcore::UTF16String OS_LuaFileDialogToolkit::GetDirectoryPath(const std::string& key) {
  zelcore::proplist::PropList* settings = AppSettings();
  zelcore::proplist::PropList* group = settings ? settings->GetSubList(sCurrDirSettingsKey) : nullptr;
  std::string path;
  if (group == nullptr || !group->GetStringValue(key, path)) return {};
  return zelcore::UTF8to16(path);
}

void OS_LuaFileDialogToolkit::SaveDirectoryPath(const std::string& key, const zelcore::UTF16String& directory) {
  zelcore::proplist::PropList* settings = AppSettings();
  if (settings == nullptr) return;
  zelcore::proplist::PropList* group = settings->GetSubList(sCurrDirSettingsKey);
  if (group == nullptr) group = settings->NewSubList(sCurrDirSettingsKey);
  group->SetStringValue(key, zelcore::UTF16to8(directory));
}

int OS_LuaFileDialogToolkit::InitLua(lua_State* L) {
  return zellua::binding::OpenModule(L, kZelLuaFileDialogToolkitClassName, kFunctions);
}

}  // namespace zel::lua::ui::dialogs

extern "C" int luaopen_zellua_zelOSFileDialogToolkit(lua_State* L) {
  return zel::lua::ui::dialogs::OS_LuaFileDialogToolkit::InitLua(L);
}
