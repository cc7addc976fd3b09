// The "Table size" dialog: a choice of normal size, a number of rows or a
// number of columns, picked with a scroll bar; the other dimension follows
// from the cell capacity.
#pragma once

#include <string>

#include "platform/dialogs.h"
#include "platform/scrollbar.h"
#include "platform/window.h"

inline constexpr int TABLE_SIZE_SCROLL_MAX = 16334;

enum TableSizeChoice : int {
  TABLE_SIZE_NORMAL = 0,
  TABLE_SIZE_ROWS = 1,
  TABLE_SIZE_COLS = 2,
};

class TableSizeModel final : public DialogModel {
 public:
  int iChoice = TABLE_SIZE_NORMAL;
  int iScrollPos = 0;  // 0..TABLE_SIZE_SCROLL_MAX; the number is iScrollPos + 50
};

// Rows and columns that a choice and scroll position give.
void TableSizeResult(int choice, int scrollPos, int* rows, int* cols);
// Move the scroll position as a scroll-bar request does, clamped.
int TableSizeScroll(int scrollPos, int request, int thumbPos);
// The summary line shown under the scroll bar (two lines for a new size).
std::string TableSizeSummary(int choice, int scrollPos);
// The label of the normal choice, "Normal table setting = (R2000, C370)".
std::string TableSizeNormalLabel();

// Run the dialog for a table and apply the chosen size on OK: 0 after a
// change, 1 when nothing changed (cancel or the normal choice), -1 for a
// window that is not a table.
int TableSizeDialogRun(WindowHandle hwnd);
