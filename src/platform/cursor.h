// Cursor slots: the program names its cursors by slot number; the backend
// maps each slot to a shape. Slot 0 is the arrow.
#pragma once

inline constexpr int CURSOR_SLOT_COUNT = 40;
inline constexpr int CURSOR_ARROW = 0;
inline constexpr int CURSOR_WAIT = 17;

// Show the cursor of a slot; -1 for a slot outside 0..CURSOR_SLOT_COUNT-1.
int SetCursorSlot(int slot);
int CurrentCursorSlot();

// 0: remember the current cursor and show the wait cursor; 1: show the
// remembered cursor again. Calls do not nest.
void SetWaitCursor(int restore);
