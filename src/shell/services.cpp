#include "shell/services.h"

#include <unistd.h>

#include <climits>

#include "platform/backend.h"
#include "platform/cursor.h"
#include "platform/dialogs.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "shell/program_state.h"
#include "table/number_format.h"

namespace {

int RunMessageBox(DialogKind kind, WindowHandle owner, std::string_view caption, std::string_view text) {
  DialogRequest request;
  request.kind = kind;
  request.hOwner = owner;
  request.szCaption = std::string(caption);
  request.szText = std::string(text);
  return RunDialog(request);
}

struct FileDialogKindInfo {
  int iKind;
  const char* szDefaultExt;
  std::initializer_list<FileFilter> filters;
};

const FileDialogKindInfo* FindKind(int kind) {
  static const FileDialogKindInfo kKinds[] = {
      {FILES_ACCESS, "txt", {{"MS Access database file(*.mdb)", "*.mdb"}}},
      {FILES_DBASE, "txt", {{"dBase database file(*.dbf)", "*.dbf"}}},
      {FILES_FOXPRO, "txt", {{"FoxPro database file(*.dbf)", "*.dbf"}}},
      {FILES_PARADOX, "txt", {{"Paradox database file(*.db)", "*.db"}}},
      {FILES_MODAS, "txt", {{"MODAS file (*.DAT)", "*.dat"}}},
      {FILES_NETCDF, "txt", {{"MODAS file (*.nc)", "*.nc"}}},
      {FILES_LIBRARY, "dll", {{"Plug In Library file (*.DLL)", "*.dll"}}},
      {FILES_TABLES, "orf",
       {{"All Ostrel File (*.orl; *.txt; *.csv; *.tsv)", "*.orl;*.txt;*.csv;*.tsv"},
        {"Ostrel File (*.orl)", "*.orl"},
        {"Text Document (*.txt; *.csv; *.tsv)", "*.txt;*.csv;*.tsv"},
        {"All File (*.*)", "*.*"}}},
  };
  for (const auto& info : kKinds) {
    if (info.iKind == kind) return &info;
  }
  return nullptr;
}

void SplitPath(const std::string& path, std::string* dir, std::string* name) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) {
    *dir = CurrentDirectory();
    *name = path;
  } else {
    *dir = path.substr(0, slash);
    *name = path.substr(slash + 1);
  }
  if (dir->empty()) *dir = "/";
}

}  // namespace

void ShowMessage(std::string_view caption, std::string_view text) {
  RunMessageBox(DIALOG_MESSAGE, Program().hFrameWnd, caption, text);
}

int AskYesNo(std::string_view caption, std::string_view text) {
  return AskYesNoFor(Program().hFrameWnd, caption, text);
}

int AskYesNoFor(WindowHandle owner, std::string_view caption, std::string_view text) {
  return RunMessageBox(DIALOG_YES_NO, owner, caption, text) == BUTTON_YES ? 1 : -1;
}

void ShowNumber(std::string_view caption, std::int32_t value) { ShowMessage(caption, FormatInt(value)); }

void ShowValues(std::string_view caption, double value, std::int32_t a, std::int32_t b, std::int32_t c) {
  ShowMessage(caption, JoinText("[", FormatNumber(value), "]   [", FormatInt(a), "]   [", FormatInt(b),
                                "]   [", FormatInt(c), "]"));
}

namespace {
HelpOpener pfnHelpOpener = nullptr;

// Without a browser (or without the page) the user still learns where the
// page is, to open it by hand.
void ShowHelpNotOpened(const std::string& path) {
  ShowMessage(Text(TXT_CAPTION_MESSAGE), JoinText(Text(TXT_HELP_NOT_OPENED), path));
}
}  // namespace

void OpenHelpPage() {
  const std::string path(TextOf(Program().szHelpPath));
  SetBrowserFailedHandler(ShowHelpNotOpened);
  const bool opened = pfnHelpOpener ? pfnHelpOpener(path)
                                    : access(path.c_str(), R_OK) == 0 && Backend().OpenInBrowser(path);
  if (!opened) ShowHelpNotOpened(path);
}

void SetHelpOpener(HelpOpener opener) { pfnHelpOpener = opener; }

void SetWaitCursor(int restore) {
  if (restore == 0) {
    Program().iSavedCursor = CurrentCursorSlot();
    SetCursorSlot(CURSOR_WAIT);
  } else {
    SetCursorSlot(Program().iSavedCursor);
  }
}

std::string CurrentDirectory() {
  char buf[PATH_MAX];
  if (!getcwd(buf, sizeof buf)) return ".";
  return buf;
}

int OpenFileDialog(WindowHandle owner, int kind) {
  const FileDialogKindInfo* info = FindKind(kind);
  if (!info) return -1;
  DialogRequest request;
  request.kind = DIALOG_OPEN_FILE;
  request.hOwner = owner;
  request.filters.assign(info->filters.begin(), info->filters.end());
  request.szDefaultExt = info->szDefaultExt;
  request.szStartDir = CurrentDirectory();
  request.bMustExist = true;
  if (RunDialog(request) != BUTTON_OK || request.szPath.empty()) return -1;

  return RememberChosenFile(request.szPath);
}

int RememberChosenFile(std::string_view path) {
  std::string dir;
  std::string name;
  SplitPath(std::string(path), &dir, &name);
  ProgramState& program = Program();
  if (dir.size() + 1 >= program.szLastDir.size() || name.size() >= program.szLastFileName.size()) {
    ShowMessage(Text(TXT_CAPTION_ERROR), Text(TXT_PATH_TOO_LONG));
    return -1;
  }
  // Like the system dialog, leave the current directory at the chosen folder
  // so the next dialog starts there.
  if (chdir(dir.c_str()) == 0) dir = CurrentDirectory();
  if (dir.empty() || dir.back() != '/') dir.push_back('/');
  CopyText(program.szLastDir, dir);
  CopyText(program.szLastFileName, name);
  CopyText(program.szLastPath, dir + name);
  return 0;
}

int SaveFileDialog(WindowHandle owner, int textOnly, std::string* path) {
  DialogRequest request;
  request.kind = DIALOG_SAVE_FILE;
  request.hOwner = owner;
  if (!textOnly) request.filters.push_back({"Ostrel File (*.orl)", "*.orl"});
  request.filters.push_back({"Table file (*.txt)", "*.txt"});
  request.szDefaultExt = "orf";
  request.szStartDir = CurrentDirectory();
  request.bPromptOverwrite = true;
  if (RunDialog(request) != BUTTON_OK || request.szPath.empty()) return -1;
  std::string dir;
  std::string name;
  SplitPath(request.szPath, &dir, &name);
  if (chdir(dir.c_str()) == 0) dir = CurrentDirectory();
  *path = dir == "/" ? "/" + name : dir + "/" + name;
  return 0;
}
