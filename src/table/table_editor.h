// The in-place cell editor of a table window: a child "edit" control over
// the cell being edited, and how typed text reaches the cell.
#pragma once

#include "platform/window.h"
#include "table/table_record.h"

enum EditorMode : int {
  EDITOR_COMMIT_CLOSE = 1,  // store the text and close
  EDITOR_OPEN = 2,          // open on the current cell
  EDITOR_CANCEL = 3,        // close without storing (Escape)
  EDITOR_CONTINUE = 4,      // open on the next cell after Tab or Enter
  EDITOR_RESET_CLOSE = 5,   // store, reset the selection and close
};

// Create the editor of a new table window (hidden, 519 characters).
WindowHandle CreateCellEditor(WindowHandle hwnd);

// Carry out an editor command.
void EditorCommand(WindowHandle hwnd, int mode);

// The editor's text changed: Tab and Enter store it and move on.
void EditorTextChanged(WindowHandle hwnd);

// Store the editor's text (up to its first line break or tab) into a cell,
// recalculating what reads the cell.
void StoreEditorText(WindowHandle hwnd, int row, int col);

// The column the next row starts at after Enter in (row, col): left over
// the non-empty cells of the row to the first column of that run, then in
// the next row right from there to the first empty cell, but not beyond
// `col` (`col` itself when every cell is filled).
int ReturnColumn(const TableDocument& t, int row, int col);

// 1 while the editor is shown (0 for a window without a record).
int TableIsEditing(WindowHandle hwnd);
