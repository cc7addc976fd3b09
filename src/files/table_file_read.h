// Opening table files: native table files (".orl" in any letter case) are
// read here, every other file goes to the text import.
#pragma once

#include <string_view>

#include "files/text_source.h"
#include "platform/window.h"

// Whether a path names a native table file: ".orl" in any letter case.
bool IsNativeTableName(std::string_view path);

// Open `path` into a freshly created table window: the native reader for a
// name holding ".ORL" in any letter case, the text import otherwise.
int TableFileOpen(WindowHandle hwnd, std::string_view path);

// Read a native table file into the table. 0, or -1 when the file cannot
// be opened or read, the password is refused, or its sections are out of
// order (after the message saying so). Title, file name, read-only flag
// and table size stay; the table is marked modified.
int TableFileRead(WindowHandle hwnd, std::string_view path);

// The same on the file's bytes; `title` names the file in messages. A
// buffer that is not valid UTF-8 is read in the legacy code page of the
// language (GB18030 in Chinese, Windows-1252 in English).
int TableFileReadBuffer(WindowHandle hwnd, std::string_view bytes, std::string_view title);

// The same on an opened source, read chunk by chunk: memory stays small
// whatever the file's size. Bytes beyond the largest table file are not
// read; that, and whatever else had to be left out, is noted as a drop
// (files/read_drops.h) for the caller to show.
int TableFileReadSource(WindowHandle hwnd, const TextSource& source, std::string_view title);

// Read an undo back-up into the table from the top-left cell of the
// current selection: the table keeps its shape, and sections out of order
// are reported as "Read Undo back-up file failed" (titled with the path)
// after what was read is kept. 0, or -1.
int TableFileReadBackup(WindowHandle hwnd, std::string_view path);
