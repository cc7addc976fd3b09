#include "plots/plot_cells.h"

#include <string_view>

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/cell_text.h"

bool PlotCellNumber(const TableDocument& t, int row, int col, double* value) {
  const TableCell* cell = TableCellAt(t, row, col);
  if (!cell) return false;
  const std::string_view text = TextOf(cell->szText);
  if (text.empty() || CellIsText(text) != 0) return false;
  *value = TextToDouble(text);
  return true;
}
