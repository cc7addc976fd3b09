#include "table/cell_store.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstring>

#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "table/cell_text.h"
#include "table/long_text.h"
#include "table/number_format.h"
#include "table/table_access.h"
#include "table/table_events.h"

inline constexpr int LONG_TEXT_KEEP = 514;  // a cut long text keeps this much and " ..."

int TableCellIndex(int row, int col, int rows, int cols, int* index) {
  if (row < 0 || col < 0 || row >= rows || col >= cols) {
    *index = 0;
    return -1;
  }
  *index = row * cols + col;
  return 0;
}

TableCell* TableCellAt(TableDocument& t, int row, int col) {
  int index = 0;
  if (TableCellIndex(row, col, t.iRows, t.iCols, &index) != 0 || index >= TABLE_CELL_CAPACITY) return nullptr;
  return &t.cells[index];
}

const TableCell* TableCellAt(const TableDocument& t, int row, int col) {
  return TableCellAt(const_cast<TableDocument&>(t), row, col);
}

namespace {

void UpdateExtremes(TableDocument& t, int row, int col, double value) {
  if (value >= t.dMaxValue) {
    t.dMaxValue = value;
    t.iMaxRow = row;
    t.iMaxCol = col;
  }
  if (value <= t.dMinValue) {
    t.dMinValue = value;
    t.iMinRow = row;
    t.iMinCol = col;
  }
}

void UpdateExtent(TableDocument& t, int row, int col) {
  if (t.iUsedRows < row + 1 && t.iUsedRows < t.iRows) t.iUsedRows = row + 1;
  if (t.iUsedCols < col + 1 && t.iUsedCols < t.iCols) t.iUsedCols = col + 1;
}

// The value of a short fixed-point text such as "-12.375" (at most 15
// digits): its digits as an integer over a power of ten. Both are exact
// doubles and division rounds correctly, so this is the value parsing the
// text gives.
double FixedTextValue(std::string_view text) {
  static constexpr double kPowers[] = {1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9,
                                       1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  if (text.empty()) return 0.0;
  std::int64_t digits = 0;
  int places = -1;
  int count = 0;
  for (const char c : text) {
    if (c == '.') {
      places = 0;
    } else if (c >= '0' && c <= '9') {
      digits = digits * 10 + (c - '0');
      ++count;
      if (places >= 0) ++places;
    }
  }
  if (count > 15 || places > 15) return TextToDouble(text);
  const double value = static_cast<double>(digits) / kPowers[places < 0 ? 0 : places];
  return text.front() == '-' ? -value : value;
}

// Store a number text that is already in the cell's own form (what the
// text path would keep unchanged), with the value it shows.
void StoreNumberText(TableDocument& t, TableCell& cell, int row, int col, std::string_view text, double shown) {
  // Only a text starting "CHAR" can name a long-text slot.
  if (cell.szText[0] == 'C' && IsLongTextRef(TextOf(cell.szText)) == 1) LongTextRelease(t, TextOf(cell.szText));
  UpdateExtremes(t, row, col, shown);
  CopyText(cell.szText, text);
  UpdateExtent(t, row, col);
}

}  // namespace

int TableStoreCellText(TableDocument& t, int row, int col, std::string_view input) {
  TableCell* cell = TableCellAt(t, row, col);
  if (!cell) return -1;
  // Cell texts end at their first zero byte; the cut to length is in
  // NormalizeCellInput. The text is copied before the cell changes, since
  // it may be the cell's own text or pool slot; a short text in its cell
  // form already is copied to the stack.
  input = input.substr(0, input.find('\0'));
  std::array<char, 64> shortCopy;
  std::string changed;
  std::string_view text;
  if (input.size() <= shortCopy.size() && CellInputIsNormal(input)) {
    if (!input.empty()) std::memcpy(shortCopy.data(), input.data(), input.size());
    text = std::string_view(shortCopy.data(), input.size());
  } else {
    changed.assign(input.substr(0, NORMALIZE_LIMIT + 4));
    NormalizeCellInput(changed, 'N');
    text = changed;
  }

  // A cell that held a long text gives its slot back whatever it gets now,
  // so editing a text cell again and again never fills the pool. Only a
  // real reference names a slot: a literal such as a database field name
  // "CHARGE" in a header cell must leave slot 0 alone.
  if (cell->szText[0] == 'C' && IsLongTextRef(TextOf(cell->szText)) == 1) LongTextRelease(t, TextOf(cell->szText));

  if (text.empty()) {
    ClearText(cell->szText);
    return 0;
  }
  // A number too large for a double (1e999) stays the text it was typed
  // as, rather than turning into "inf".
  const int form = CellNumberForm(text);
  const bool numeric = CellIsText(text, form) == 0;
  double value = numeric ? TextToDouble(text) : 0.0;
  if (numeric && std::isfinite(value)) {
    if (text.size() >= 20 || form == 1) {
      changed = FormatExponent(value);
      text = changed;
      value = TextToDouble(text);  // the value the cell now shows
    }
    UpdateExtremes(t, row, col, value);
    CopyText(cell->szText, text);
  } else {
    if (text == "+" || text == "=") {
      changed = std::string(text) + ' ';
      text = changed;
    } else if (text.size() >= LONG_TEXT_BYTES) {
      std::string cut(text.substr(0, TextCutLength(text, LONG_TEXT_KEEP)));
      cut.append(" ...");
      changed = std::move(cut);
      text = changed;
    }
    const int slot = LongTextStore(t, text);
    if (slot < 0) {
      // No memory for the text: the cell says so and the loss is counted
      // for the report at the end of the operation.
      CopyText(cell->szText, "Memory overflow");
      ++t.iLongTextLost;
    } else {
      LongTextWriteRef(cell->szText, slot);
    }
  }
  UpdateExtent(t, row, col);
  return 0;
}

int TableStoreCellNumber(TableDocument& t, int row, int col, double value) {
  if (!std::isfinite(value)) return TableStoreCellText(t, row, col, FormatNumber(value));
  TableCell* cell = TableCellAt(t, row, col);
  if (!cell) return -1;
  char text[NUMBER_TEXT_CAPACITY];
  const std::size_t length = FormatNumberTo(text, sizeof text, value);
  // A whole number below 100000 shows exactly itself; any other text shows
  // the value it was rounded to.
  const double magnitude = std::fabs(value);
  const std::string_view shownText(text, length);
  double shown = value;
  if (magnitude >= 100000.0 || magnitude < 0.00001) {
    shown = TextToDouble(shownText);
  } else if (value != std::trunc(value)) {
    shown = FixedTextValue(shownText);
  }
  StoreNumberText(t, *cell, row, col, shownText, shown);
  return 0;
}

int TableStoreCellWhole(TableDocument& t, int row, int col, long long value) {
  char text[24];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
  const auto length = static_cast<std::size_t>(end - text);
  // Twenty characters and more take the exponent form on the text path.
  if (ec != std::errc() || length >= 20) return TableStoreCellText(t, row, col, FormatInt(value));
  TableCell* cell = TableCellAt(t, row, col);
  if (!cell) return -1;
  StoreNumberText(t, *cell, row, col, std::string_view(text, length), static_cast<double>(value));
  return 0;
}

std::string TableCellDisplayText(const TableDocument& t, int row, int col) {
  const TableCell* cell = TableCellAt(t, row, col);
  if (!cell) return {};
  std::string text(TextOf(cell->szText));
  if (IsLongTextRef(text) == 1) LongTextResolve(t, text);
  return text;
}

