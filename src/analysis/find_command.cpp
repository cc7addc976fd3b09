#include "analysis/find_command.h"

#include <algorithm>

#include "analysis/trend_colour.h"
#include "analysis/trend_colour_command.h"
#include "platform/colour_dialog.h"
#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/cell_text.h"
#include "table/table_access.h"
#include "table/table_find.h"
#include "table/table_select.h"
#include "table/table_window.h"

namespace {

// The text of a cell when it is a number, else empty.
std::string NumericText(const TableDocument& t, int row, int col) {
  const TableCell* cell = TableCellAt(t, row, col);
  if (!cell) return {};
  const std::string_view text = TextOf(cell->szText);
  return CellIsText(text) == 0 ? std::string(text) : std::string();
}

// Fill the dialog's model from the table.
void OpenModel(const TableRecord& t, FindDialogModel* model) {
  const int current = std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1);
  const int row = t.selRowFrom[current];
  const int col = t.selColFrom[current];
  model->szRangeText = row != 0 && col != 0 ? NumericText(t, row, col) : std::string();
  if (t.iBrowseRow != 0 && t.iBrowseCol != 0) {
    model->choice.szText = NumericText(t, t.iBrowseRow, t.iBrowseCol);
  } else {
    model->choice.szText = model->szRangeText;
  }
  model->choice.iMode = t.iFindMode;
  model->choice.iStyle = t.iHighlightStyle;
  model->iRgb = PackRgb(t.highlightColour[0], t.highlightColour[1], t.highlightColour[2]);
}

// The chooser from the dialog: a choice is stored in the table at once.
bool ChooseHighlight(WindowHandle hwnd, int* rgb) {
  if (ChooseColour(hwnd, rgb) != 0) return false;
  TableLockGuard t(hwnd);
  if (!t) return false;
  t->highlightColour = {RedOf(*rgb), GreenOf(*rgb), BlueOf(*rgb)};
  t->iHighlightStyle = HIGHLIGHT_SINGLE;
  return true;
}

}  // namespace

int RunFind(WindowHandle hwnd) {
  bool textSearch = false;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    textSearch = FindIsTextSearch(*t.get());
    if (!textSearch) HighlightValues(*t.get());
  }
  if (textSearch) {
    FindFirstText(hwnd);
    return -1;
  }
  TableRepaint(hwnd);
  return 0;
}

int FindData(WindowHandle hwnd) {
  FindDialogModel model;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    OpenModel(*t.get(), &model);
  }
  model.pfnChooseColour = [hwnd](int* rgb) { return ChooseHighlight(hwnd, rgb); };
  if (RunCustomDialog(hwnd, FIND_DIALOG_NAME, &model) != BUTTON_OK) return 1;
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    FindStoreChoice(*t.get(), model.choice);
  }
  if (RunFind(hwnd) != 0) return -1;
  RefreshTableStates(hwnd);
  if (!TrendIsColourMap(hwnd)) TrendShowColourMap(hwnd);
  return 0;
}

int CmdFindData(WindowHandle hwnd, unsigned, std::intptr_t) {
  FindData(hwnd);
  return 0;
}
