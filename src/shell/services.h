// The shell's services: diagnostic boxes, the help page and the open-file
// dialog of each file kind. Message boxes, the wait cursor and the save
// dialog live in the platform layer, which every part may use.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/cursor.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "platform/window.h"

// Diagnostic boxes.
void ShowNumber(std::string_view caption, std::int32_t value);
void ShowValues(std::string_view caption, double value, std::int32_t a, std::int32_t b, std::int32_t c);

// Open the help page (szHelpPath) in the desktop's browser; when the page
// is missing or no browser takes it, a message names the file. Tests may
// put a recorder in place of the browser (false: it failed).
void OpenHelpPage();
using HelpOpener = bool (*)(std::string_view path);
void SetHelpOpener(HelpOpener opener);  // nullptr: the browser again

// File dialog kinds.
enum FileDialogKind : int {
  FILES_ACCESS = 1,
  FILES_DBASE = 2,
  FILES_FOXPRO = 3,
  FILES_PARADOX = 4,
  FILES_MODAS = 5,
  FILES_NETCDF = 6,
  FILES_LIBRARY = 68,
  FILES_TABLES = 84,
};

// The open-file dialog of a kind; 0 after OK with szLastPath, szLastDir and
// szLastFileName set and the current directory moved to the file's folder;
// -1 when cancelled, for an unknown kind, or for a path too long to keep.
int OpenFileDialog(WindowHandle owner, int kind);

// Take `path` as the file chosen in a file dialog: szLastPath, szLastDir
// and szLastFileName are set and the current directory moves to its folder.
// -1 (after telling the user) when the path is too long to keep.
int RememberChosenFile(std::string_view path);

