#include "table/table_find.h"

#include <algorithm>
#include <string>

#include "platform/message_box.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/cell_text.h"
#include "table/long_text.h"
#include "table/table_access.h"
#include "table/table_input_hooks.h"
#include "table/table_range.h"
#include "table/table_select.h"

namespace {

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Whether a cell's text is a plain decimal (digits, '-', '.'): the common
// number, told without measuring the text first. Anything else is left to
// the full numeric test.
bool PlainDecimal(const std::array<char, CELL_TEXT_BYTES>& text) {
  for (char c : text) {
    if (c == '\0') return true;
    if (c < '-' || c > '9' || c == '/') return false;
  }
  return false;
}

// The text a candidate cell shows, or nothing for an empty or numeric cell.
// Pool texts are read in place.
bool CandidateText(const TableDocument& t, int row, int col, std::string_view* text) {
  const TableCell* cell = TableCellAt(t, row, col);
  if (!cell || cell->szText[0] == '\0' || PlainDecimal(cell->szText)) return false;
  const std::string_view raw = TextOf(cell->szText);
  if (IsLongTextRef(raw) == 1) {
    const int slot = LongTextSlotOf(t, raw);
    *text = slot < 0 ? raw : LongTextAt(t, slot);
    return true;
  }
  if (CellIsText(raw) == 0) return false;
  *text = raw;
  return true;
}

// Search the rows from `row` (its columns from `col`, the following rows
// from column 1) up to the last used row.
bool SearchFrom(const TableDocument& t, int row, int col, int* foundRow, int* foundCol) {
  const std::string_view needle = TextOf(t.szFindText);
  const bool fold = FindFoldsCase(needle);
  const int rows = std::min(t.iUsedRows, t.iRows);
  const int cols = std::min(t.iUsedCols, t.iCols);
  std::string_view text;
  for (int r = std::max(row, 1); r < rows; ++r) {
    for (int c = r == row ? std::max(col, 1) : 1; c < cols; ++c) {
      if (!CandidateText(t, r, c, &text) || !FindTextIn(text, needle, fold)) continue;
      *foundRow = r;
      *foundCol = c;
      return true;
    }
  }
  return false;
}

// Show a match, or say that there is none.
void ShowFindResult(WindowHandle hwnd, bool found, int row, int col) {
  std::string needle;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    if (found) TakeFindMatch(*t.get(), row, col);
    needle.assign(TextOf(t->szFindText));
  }
  if (found) {
    GoToCell(hwnd, row, col);
  } else {
    ShowMessage(Text(TXT_CAPTION_MESSAGE), FindNotFoundText(needle));
  }
}

}  // namespace

bool FindFoldsCase(std::string_view needle) {
  return std::all_of(needle.begin(), needle.end(), [](char c) { return static_cast<unsigned char>(c) < 128; });
}

bool FindTextIn(std::string_view text, std::string_view needle, bool fold) {
  if (!fold) return text.find(needle) != std::string_view::npos;
  return std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                     [](char a, char b) { return UpperAscii(a) == UpperAscii(b); }) != text.end() ||
         needle.empty();
}

bool FindFirstCell(const TableDocument& t, int* row, int* col) { return SearchFrom(t, 1, 1, row, col); }

bool FindNextCell(TableDocument& t, int* row, int* col) {
  t.iFindRow = std::min(t.iFindRow, t.iUsedRows);
  t.iFindCol = std::min(t.iFindCol, t.iUsedCols);
  int startRow = t.iFindRow;
  int startCol = t.iFindCol + 1;
  if (startCol == t.iUsedCols) {
    startRow = t.iFindRow + 1 == t.iUsedRows ? 1 : t.iFindRow + 1;
    startCol = 1;
  }
  if (SearchFrom(t, startRow, startCol, row, col)) return true;
  t.iFindRow = 1;
  t.iFindCol = 0;
  return false;
}

void TakeFindMatch(TableRecord& t, int row, int col) {
  ResetSelection(t);
  t.selRowFrom[0] = t.selRowTo[0] = row;
  t.selColFrom[0] = t.selColTo[0] = col;
  t.selKind[0] = SELECT_BLOCK;
  t.iTopRow = row;
  t.iLeftCol = col;
  t.iFindRow = row;
  t.iFindCol = col;
}

std::string FindNotFoundText(std::string_view needle) {
  return JoinText(Text(TXT_FIND_NOT_FOUND_1), needle, Text(TXT_FIND_NOT_FOUND_2));
}

void FindFirstText(WindowHandle hwnd) {
  int row = 0;
  int col = 0;
  bool found = false;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    found = FindFirstCell(*t.get(), &row, &col);
  }
  ShowFindResult(hwnd, found, row, col);
}

void FindNextText(WindowHandle hwnd) {
  int row = 0;
  int col = 0;
  bool found = false;
  {
    TableLockGuard t(hwnd);
    if (!t) return;
    const std::string_view needle = TextOf(t->szFindText);
    if (needle.empty() || CellIsText(needle) == 0) return;
    found = FindNextCell(*t.get(), &row, &col);
  }
  ShowFindResult(hwnd, found, row, col);
}

void InstallFindHooks() { TableHooks().pfnFindNext = FindNextText; }
