// The save-file dialog and the current directory, shared by every part that
// writes files.
#pragma once

#include <string>
#include <string_view>

#include "platform/window.h"

// The save-file dialog: table files and text, or text only; 0 and the chosen
// path, or -1 when cancelled. The next file dialog starts in the chosen
// folder; the program's current directory never moves.
int SaveFileDialog(WindowHandle owner, int textOnly, std::string* path);

// The current directory (without a trailing '/').
std::string CurrentDirectory();

// The folder the next file dialog starts in: the folder of the file last
// chosen in one, else the current directory.
std::string FileDialogFolder();
// Remember the folder of a chosen file (empty: forget it).
void FileDialogRememberFolder(std::string_view dir);

// Split a path into its folder (the current directory when it has none;
// "/" for the root) and its name.
void SplitPath(const std::string& path, std::string* dir, std::string* name);
