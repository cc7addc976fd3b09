#include "table/table_geometry.h"

namespace {

int LineAtSlot(const std::array<std::int32_t, LOCK_SLOTS>& index, const std::array<std::int16_t, LOCK_SLOTS>& used,
               const std::array<std::int32_t, LOCK_SLOTS>& slots, int origin, int slot, bool* locked) {
  for (int k = 0; k < LOCK_SLOTS; ++k) {
    if (used[k] && slots[k] == slot) {
      if (locked) *locked = true;
      return index[k];
    }
  }
  if (locked) *locked = false;
  return origin + slot;
}

// The walk shared by rows and columns: `count` lines in the table, sizes in
// `sizes`, starting at the header size, stopping past `limit`.
template <typename SlotFn>
void WalkLines(const std::array<std::int32_t, TABLE_MAX_DIMENSION>& sizes, int count, int origin, int limit,
               SlotFn lineAtSlot, ScreenLines* out) {
  out->iCount = 0;
  int pos = sizes[0];
  for (int slot = 0; origin + slot < count && out->iCount < TABLE_MAX_DIMENSION; ++slot) {
    const int due = origin + slot;
    bool locked = false;
    int shown = lineAtSlot(slot, &locked);
    if (shown <= 0 || shown >= count) {
      shown = due;
      locked = false;
    }
    const int size = sizes[due] < 0 ? 0 : sizes[due];
    out->lines[out->iCount++] = {shown, pos, pos + size, locked ? 1 : 0};
    pos += size;
    if (pos > limit) break;
  }
}

}  // namespace

int TableRowAtSlot(const TableRecord& t, int slot, bool* locked) {
  return LineAtSlot(t.lockRowIndex, t.lockRowUsed, t.lockRowSlot, t.iTopRow, slot, locked);
}

int TableColAtSlot(const TableRecord& t, int slot, bool* locked) {
  return LineAtSlot(t.lockColIndex, t.lockColUsed, t.lockColSlot, t.iLeftCol, slot, locked);
}

void TableScreenRows(const TableRecord& t, int clientHeight, ScreenLines* out) {
  const int origin = t.iTopRow < 1 ? 1 : t.iTopRow;
  WalkLines(t.rowHeight, t.iRows, origin, clientHeight,
            [&t](int slot, bool* locked) { return TableRowAtSlot(t, slot, locked); }, out);
}

void TableScreenCols(const TableRecord& t, int clientWidth, ScreenLines* out) {
  const int origin = t.iLeftCol < 1 ? 1 : t.iLeftCol;
  WalkLines(t.colWidth, t.iCols, origin, clientWidth,
            [&t](int slot, bool* locked) { return TableColAtSlot(t, slot, locked); }, out);
}

int ScreenLineAt(const ScreenLines& lines, int pos) {
  for (int i = 0; i < lines.iCount; ++i) {
    const ScreenLine& line = lines.lines[i];
    if (pos > line.iStart && pos <= line.iEnd) return i;
  }
  return -1;
}

namespace {

ScreenLines& ScratchRows() {
  static ScreenLines rows;
  return rows;
}

ScreenLines& ScratchCols() {
  static ScreenLines cols;
  return cols;
}

}  // namespace

bool TableCellAtPoint(const TableRecord& t, int x, int y, int* row, int* col) {
  if (x < 0 || y < 0 || x >= t.iClientWidth || y >= t.iClientHeight) return false;
  ScreenLines& rows = ScratchRows();
  ScreenLines& cols = ScratchCols();
  TableScreenRows(t, t.iClientHeight, &rows);
  TableScreenCols(t, t.iClientWidth, &cols);
  const int r = ScreenLineAt(rows, y);
  const int c = ScreenLineAt(cols, x);
  if (r < 0 || c < 0) return false;
  *row = rows.lines[r].iIndex;
  *col = cols.lines[c].iIndex;
  return true;
}

bool TableCellRectOf(const TableRecord& t, int row, int col, CellRect* rect) {
  ScreenLines& rows = ScratchRows();
  ScreenLines& cols = ScratchCols();
  TableScreenRows(t, t.iClientHeight, &rows);
  TableScreenCols(t, t.iClientWidth, &cols);
  int r = -1;
  int c = -1;
  for (int i = 0; i < rows.iCount && r < 0; ++i) {
    if (rows.lines[i].iIndex == row) r = i;
  }
  for (int i = 0; i < cols.iCount && c < 0; ++i) {
    if (cols.lines[i].iIndex == col) c = i;
  }
  if (r < 0 || c < 0) return false;
  *rect = {cols.lines[c].iStart, rows.lines[r].iStart, cols.lines[c].iEnd, rows.lines[r].iEnd};
  return true;
}

namespace {

// The last line due at a slot that ends inside the client (a locked line
// shown there does not count: the line behind it is the one scrolled past).
int LastFull(const ScreenLines& lines, int limit, int origin) {
  int last = origin;
  for (int i = 0; i < lines.iCount; ++i) {
    if (lines.lines[i].iEnd <= limit) last = origin + i;
  }
  return last;
}

}  // namespace

int TableLastFullRow(const TableRecord& t) {
  ScreenLines& rows = ScratchRows();
  TableScreenRows(t, t.iClientHeight, &rows);
  return LastFull(rows, t.iClientHeight, t.iTopRow < 1 ? 1 : t.iTopRow);
}

int TableLastFullCol(const TableRecord& t) {
  ScreenLines& cols = ScratchCols();
  TableScreenCols(t, t.iClientWidth, &cols);
  return LastFull(cols, t.iClientWidth, t.iLeftCol < 1 ? 1 : t.iLeftCol);
}

namespace {

int BorderAt(const ScreenLines& lines, int headerSize, int pos) {
  constexpr int kHiddenReach = 20;
  const auto near = [pos](int boundary) { return pos >= boundary - 2 && pos <= boundary + 1; };
  // The hidden lines starting right after line `from` (or the first lines).
  const auto lastHiddenAfter = [&lines](int from) {
    int target = -1;
    for (int k = from + 1; k < lines.iCount && k <= from + kHiddenReach; ++k) {
      if (lines.lines[k].iEnd != lines.lines[k].iStart) break;
      target = lines.lines[k].iIndex;
    }
    return target;
  };
  if (near(headerSize)) return 0;
  for (int i = 0; i < lines.iCount; ++i) {
    const ScreenLine& line = lines.lines[i];
    if (line.iEnd == line.iStart) continue;
    if (!near(line.iEnd)) continue;
    const int hidden = lastHiddenAfter(i);
    return hidden > 0 ? hidden : line.iIndex;
  }
  return -1;
}

}  // namespace

int RowBorderAt(const TableRecord& t, int y) {
  ScreenLines& rows = ScratchRows();
  TableScreenRows(t, t.iClientHeight, &rows);
  return BorderAt(rows, t.rowHeight[0], y);
}

int ColBorderAt(const TableRecord& t, int x) {
  ScreenLines& cols = ScratchCols();
  TableScreenCols(t, t.iClientWidth, &cols);
  return BorderAt(cols, t.colWidth[0], x);
}
