#include "platform/file_dialogs.h"

#include <unistd.h>

#include <climits>

#include "platform/dialogs.h"

namespace {
std::string szDialogFolder;
}  // namespace

std::string FileDialogFolder() { return szDialogFolder.empty() ? CurrentDirectory() : szDialogFolder; }

void FileDialogRememberFolder(std::string_view dir) { szDialogFolder = std::string(dir); }

std::string CurrentDirectory() {
  char buf[PATH_MAX];
  if (!getcwd(buf, sizeof buf)) return ".";
  return buf;
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

int SaveFileDialog(WindowHandle owner, int textOnly, std::string* path) {
  DialogRequest request;
  request.kind = DIALOG_SAVE_FILE;
  request.hOwner = owner;
  if (!textOnly) request.filters.push_back({"Ostrel File (*.orl)", "*.orl"});
  request.filters.push_back({"Table file (*.txt)", "*.txt"});
  request.szDefaultExt = "orf";
  request.szStartDir = FileDialogFolder();
  request.bPromptOverwrite = true;
  if (RunDialog(request) != BUTTON_OK || request.szPath.empty()) return -1;
  std::string dir;
  std::string name;
  SplitPath(request.szPath, &dir, &name);
  FileDialogRememberFolder(dir);
  *path = dir == "/" ? "/" + name : dir + "/" + name;
  return 0;
}
