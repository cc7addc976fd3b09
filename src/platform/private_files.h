// Files only this running program may see: one folder under the system's
// temporary folder (TMPDIR, else /tmp), readable by the user alone, made on
// first use and removed with everything in it when the program ends. The
// undo back-ups of the table windows live there, one file each.
#pragma once

#include <string>
#include <string_view>

// The system's temporary folder the private folder is made in.
std::string PrivateFolderRoot();

// The program's private folder, made (mode 0700) on first call; empty when
// it cannot be made.
std::string PrivateFolder();

// Create a new empty file in the private folder whose name starts with
// `stem`, exclusively and readable by the user alone (mode 0600). Its path,
// or empty when the folder or the file cannot be made.
std::string CreatePrivateFile(std::string_view stem);

// Remove the private folder and everything in it (at exit; again safe).
void RemovePrivateFolder();
