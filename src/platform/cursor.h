// Cursor slots: the program names its cursors by slot number; the backend
// maps each slot to a shape. Slot 0 is the arrow.
#pragma once

inline constexpr int CURSOR_SLOT_COUNT = 40;

// The slots the program uses, one name each (the backend gives each a shape).
enum CursorSlot : int {
  CURSOR_ARROW = 0,
  CURSOR_WAIT = 17,                // busy
  CURSOR_COORDINATE = 19,          // over a table while a plot coordinate waits for its data cells
  CURSOR_BROWSE = 22,              // right-button browsing of a table and its linked windows
  CURSOR_COL_BORDER = 24,          // over a column-header border: resize the column
  CURSOR_SELECT = 25,              // dragging a selection over cells
  CURSOR_FORMULA_HANDLE = 27,      // over the handle of a formula target
  CURSOR_ROW_BORDER = 28,          // over a row-header border: resize the row
  CURSOR_MOVE_RANGE = 31,          // over the fill handle, or moving a range
  CURSOR_FORMULA_ALIGNED = 34,     // over the handle of a row- or column-aligned formula
};

// Show the cursor of a slot; -1 for a slot outside 0..CURSOR_SLOT_COUNT-1.
int SetCursorSlot(int slot);
int CurrentCursorSlot();

// 0: remember the current cursor and show the wait cursor; 1: show the
// remembered cursor again. Calls do not nest: a 0 while the wait cursor
// shows keeps the cursor remembered before, so the first 1 brings it back.
void SetWaitCursor(int restore);
