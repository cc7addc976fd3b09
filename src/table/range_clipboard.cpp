#include "table/range_clipboard.h"

#include <algorithm>

#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/long_text.h"

namespace {

constexpr std::string_view kFormulaLineKind = "User(+,-,x,/)";

// Splits pasted text into fields and rows as a paste reads them.
class PasteReader {
 public:
  explicit PasteReader(std::string_view text) : text_(text) {}

  // The next field; false at the end. `lineEnd` tells that a row ended
  // after it.
  bool Next(std::string_view* field, bool* lineEnd) {
    if (pos_ >= text_.size()) return false;
    std::size_t stop = pos_;
    while (stop < text_.size() && text_[stop] != '\t' && text_[stop] != '\r' && text_[stop] != '\n') ++stop;
    *field = text_.substr(pos_, stop - pos_);
    *lineEnd = stop == text_.size() || text_[stop] != '\t';
    pos_ = stop;
    if (pos_ < text_.size()) {
      // A CR LF pair ends one row.
      if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
      ++pos_;
    }
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

std::string_view Cut(std::string_view field) {
  return field.size() <= PASTE_FIELD_BYTES ? field : field.substr(0, TextCutLength(field, PASTE_FIELD_BYTES));
}

}  // namespace

std::string RangeClipboardText(const TableDocument& t, const TableRange& range,
                               const std::function<std::string(int row, int col)>& formulaLine) {
  std::string out;
  const int rowTo = std::min(range.iRowTo, t.iRows - 1);
  const int colTo = std::min(range.iColTo, t.iCols - 1);
  out.reserve(static_cast<std::size_t>(std::max(0, rowTo - range.iRowFrom + 1)) *
              static_cast<std::size_t>(std::max(0, colTo - range.iColFrom + 1)) * 8);
  for (int row = std::max(range.iRowFrom, 0); row <= rowTo; ++row) {
    for (int col = std::max(range.iColFrom, 0); col <= colTo; ++col) {
      if (col > range.iColFrom) out.push_back('\t');
      const TableCell* cell = TableCellAt(t, row, col);
      if (!cell) continue;
      if (formulaLine && CellFormulaSlot(*cell) >= 0) {
        const std::string line = formulaLine(row, col);
        if (!line.empty()) {
          out.append(line);
          continue;
        }
      }
      const std::string_view text = TextOf(cell->szText);
      if (IsLongTextRef(text) == 1) {
        const int slot = LongTextSlotOf(t, text);
        out.append(slot >= 0 ? LongTextAt(t, slot) : std::string_view());
      } else {
        out.append(text);
      }
    }
    out.append("\r\n");
  }
  return out;
}

PasteShape MeasurePasteText(std::string_view text) {
  PasteShape shape{0, 0};
  PasteReader reader(text);
  std::string_view field;
  bool lineEnd = false;
  int cols = 0;
  int skip = 0;  // fields that belong to a formula line
  while (reader.Next(&field, &lineEnd)) {
    if (skip > 0) {
      --skip;
    } else {
      ++cols;
      if (field.substr(0, kFormulaLineKind.size()) == kFormulaLineKind) skip = 4;
    }
    if (lineEnd) {
      ++shape.iRows;
      shape.iCols = std::max(shape.iCols, cols);
      cols = 0;
      skip = 0;
    }
  }
  // Text ending in a TAB ends a row too.
  if (cols > 0) {
    ++shape.iRows;
    shape.iCols = std::max(shape.iCols, cols);
  }
  return shape;
}

void ForEachPastedField(std::string_view text, const std::function<bool(const PastedField&)>& visit) {
  PasteReader reader(text);
  std::string_view field;
  bool lineEnd = false;
  int row = 0;
  int col = 0;
  while (reader.Next(&field, &lineEnd)) {
    PastedField pasted{row, col, Cut(field), false, {}};
    if (field.substr(0, kFormulaLineKind.size()) == kFormulaLineKind) {
      pasted.bFormula = true;
      // Its target, state, decimals and text follow in the same row.
      for (int part = 0; part < 4 && !lineEnd; ++part) {
        if (!reader.Next(&field, &lineEnd)) break;
        pasted.parts[part] = field;  // the registry refuses a text too long
      }
    }
    if (!visit(pasted)) return;
    ++col;
    if (lineEnd) {
      ++row;
      col = 0;
    }
  }
}
