// Writing a table to a table file: the cell lines (TAB between fields,
// CR LF after each line, " " for an empty cell), and for a native file
// (a name containing ".orl") the formula, colour, style and layout lines.
#pragma once

#include <string_view>

#include "platform/window.h"
#include "table/table_record.h"

// How a table is saved: Save, Save As, Save Private File.
enum SaveMode : char {
  SAVE_PLAIN = 'S',
  SAVE_AS = 'A',
  SAVE_PRIVATE = 'P',
};

// Write the whole table to `path`; mode 'P' writes each cell field in
// Base64 and, for a native file, the password line. The file is replaced
// only once the new one is complete. 0, or -1 after "Create file failed".
int TableFileWrite(WindowHandle hwnd, std::string_view path, char mode);

// Write the rectangle chosen by the table's undo kind (the current
// selection, the stored undo rectangle, or the used area) and all other
// sections, never encoded. 0, or -1 when the kind names no rectangle or
// the file cannot be written (after "Create file failed" titled with the
// path).
int TableRangeFileWrite(WindowHandle hwnd, std::string_view path);
