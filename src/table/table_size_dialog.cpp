#include "table/table_size_dialog.h"

#include <algorithm>

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/table_access.h"
#include "table/table_init.h"
#include "table/table_window.h"

void TableSizeResult(int choice, int scrollPos, int* rows, int* cols) {
  if (choice != TABLE_SIZE_ROWS && choice != TABLE_SIZE_COLS) {
    *rows = TABLE_NORMAL_ROWS;
    *cols = TABLE_NORMAL_COLS;
    return;
  }
  const int d = std::clamp(scrollPos, 0, TABLE_SIZE_SCROLL_MAX) + 50;
  int chosen = 0;
  int other = 0;
  if (d <= TABLE_MIN_DIMENSION) {
    chosen = TABLE_MIN_DIMENSION;
    other = TABLE_MAX_DIMENSION;
  } else if (d < TABLE_MAX_DIMENSION - 1) {
    chosen = d;
    other = TABLE_CELL_CAPACITY / d;
  } else {
    chosen = TABLE_MAX_DIMENSION;
    other = TABLE_MIN_DIMENSION;
  }
  *rows = choice == TABLE_SIZE_ROWS ? chosen : other;
  *cols = choice == TABLE_SIZE_ROWS ? other : chosen;
}

int TableSizeScroll(int scrollPos, int request, int thumbPos) {
  switch (request) {
    case SCROLL_LINE_LEFT: scrollPos -= 1; break;
    case SCROLL_LINE_RIGHT: scrollPos += 1; break;
    case SCROLL_PAGE_LEFT: scrollPos -= 10; break;
    case SCROLL_PAGE_RIGHT: scrollPos += 10; break;
    case SCROLL_THUMB_POSITION:
    case SCROLL_THUMB_TRACK: scrollPos = thumbPos; break;
    case SCROLL_LEFTMOST: scrollPos = 0; break;
    case SCROLL_RIGHTMOST: scrollPos = TABLE_SIZE_SCROLL_MAX; break;
    default: break;
  }
  return std::clamp(scrollPos, 0, TABLE_SIZE_SCROLL_MAX);
}

std::string TableSizeSummary(int choice, int scrollPos) {
  int rows = 0;
  int cols = 0;
  TableSizeResult(choice, scrollPos, &rows, &cols);
  std::string text = JoinText(Text(TXT_TABLE_SIZE_RESET_AS), FormatInt(rows - 1), Text(TXT_TABLE_SIZE_COLS_PART),
                              FormatInt(cols - 1), ")");
  if (choice != TABLE_SIZE_NORMAL) text += JoinText("\n", Text(TXT_TABLE_SIZE_TEXT_ONLY));
  return text;
}

std::string TableSizeNormalLabel() {
  return JoinText(Text(TXT_TABLE_SIZE_NORMAL_LABEL), FormatInt(TABLE_NORMAL_ROWS - 1), ", C",
                  FormatInt(TABLE_NORMAL_COLS - 1), ")");
}

int TableSizeDialogRun(WindowHandle hwnd) {
  TableSizeModel model;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    model.iScrollPos = std::clamp(t->iRows - 50, 0, TABLE_SIZE_SCROLL_MAX);
  }
  DialogRequest request;
  request.kind = DIALOG_CUSTOM;
  request.hOwner = hwnd;
  request.szName = "Table size";
  request.pModel = &model;
  if (RunDialog(request) != BUTTON_OK || model.iChoice == TABLE_SIZE_NORMAL) return 1;

  int rows = 0;
  int cols = 0;
  TableSizeResult(model.iChoice, model.iScrollPos, &rows, &cols);
  {
    TableLockGuard t(hwnd);
    if (!t || SetImportTableSize(*t.get(), rows, cols) != 0) return -1;
    RelabelHeaders(*t.get());
  }
  TableRepaint(hwnd);
  return 0;
}
