// The Save, Save As and Save Private File commands of a table window.
#pragma once

#include <cstdint>

#include "platform/window.h"

// A table file's path (szFileName) holds at most this many bytes.
inline constexpr int TABLE_FILE_PATH_BYTES = 399;

// Save the table: mode 'S' writes to its file (asking for a name only while
// it has none), 'A' and 'P' always ask. A name holding neither ".orl" nor
// ".txt" gets ".txt" ('P': ".orl", so the file keeps its password). Only a
// successful write renames the table and clears its modified and read-only
// flags. 0, or -1 when nothing was written.
int TableFileSave(WindowHandle hwnd, char mode);

// Save Private File: the password dialog, then a private save. An empty
// password is refused, since such a file could never be opened again.
int TableFileSavePrivate(WindowHandle hwnd);

// The Save, Save As and Save Private File commands of a table window.
int CmdSave(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdSaveAs(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
int CmdSavePrivate(WindowHandle hwnd, unsigned id, std::intptr_t lParam);

// Let a table opened for a file read it when its load timer fires.
void InstallTableFileCommands();
