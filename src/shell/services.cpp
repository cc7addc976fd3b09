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

}  // namespace

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

int OpenFileDialog(WindowHandle owner, int kind) {
  const FileDialogKindInfo* info = FindKind(kind);
  if (!info) return -1;
  DialogRequest request;
  request.kind = DIALOG_OPEN_FILE;
  request.hOwner = owner;
  request.filters.assign(info->filters.begin(), info->filters.end());
  request.szDefaultExt = info->szDefaultExt;
  request.szStartDir = FileDialogFolder();
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
  // Like the system dialog, the next dialog starts in the chosen folder.
  FileDialogRememberFolder(dir);
  if (dir.empty() || dir.back() != '/') dir.push_back('/');
  CopyText(program.szLastDir, dir);
  CopyText(program.szLastFileName, name);
  CopyText(program.szLastPath, dir + name);
  return 0;
}
