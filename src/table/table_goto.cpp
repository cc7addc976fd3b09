#include "table/table_goto.h"

#include <cstddef>
#include <string>

#include "table/cell_reference.h"
#include "resources/command_ids.h"
#include "table/cell_store.h"
#include "table/selection_states.h"
#include "table/table_access.h"
#include "table/table_select.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

// A reference piece this long or longer is no reference.
constexpr std::size_t MAX_PIECE = 20;

bool IsPieceChar(char c) { return (c >= '0' && c <= '9') || c == 'C'; }

}  // namespace

int CmdGoTo(WindowHandle hwnd, unsigned, std::intptr_t) {
  int row = 1;
  int col = 1;
  if (GoToTarget(hwnd, &row, &col) == 1) GoToCell(hwnd, row, col);
  return 0;
}

int GoToTarget(TableDocument& t, int* row, int* col) {
  *row = 1;
  *col = 1;
  TableRange range{};
  if (!SelectionIsSingle(t, &range) || range.iRowFrom != range.iRowTo || range.iColFrom != range.iColTo) return -1;
  const std::string text = TableCellDisplayText(t, range.iRowFrom, range.iColFrom);
  const std::size_t start = text.find('R');
  if (start == std::string::npos) return -1;
  std::size_t end = start + 1;
  while (end < text.size() && IsPieceChar(text[end])) ++end;
  if (end - start >= MAX_PIECE) return -1;
  const std::string_view piece = std::string_view(text).substr(start, end - start);
  const int r = RefRow(piece, t.iRows);
  const int c = RefCol(piece, t.iCols);
  if (r < 1 || c < 1) return -1;
  *row = r;
  *col = c;
  return 1;
}

