#include <algorithm>

#include "files/text_source.h"
#include "platform/notices.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "sources/stock_import.h"
#include "table/cell_store.h"
#include "table/number_format.h"
#include "table/table_init.h"

namespace {

// Rows readied for writing at a time.
constexpr int kPreparedRows = 128;

// Whether the value fields of a line read as numbers (a heading line's do not).
bool ValuesAreNumbers(const StockPivot& p, const StockLine& line) {
  double value = 0.0;
  if (p.options.iMode == STOCK_DIFFERENCE) {
    return ReadWholeNumber(line.Field(p.options.iFirstField), &value) &&
           ReadWholeNumber(line.Field(p.options.iSecondField), &value);
  }
  return ReadWholeNumber(line.Field(p.options.iDataField), &value);
}

// The value text of a record: the data field, or the difference of the two
// fields; "Missing" for a field too long to keep or a difference of
// fields that are not numbers.
std::string ValueText(const StockPivot& p, const StockLine& line) {
  const StockOptions& o = p.options;
  if (o.iMode != STOCK_DIFFERENCE) {
    return line.Long(o.iDataField) ? std::string(STOCK_MISSING) : std::string(line.Field(o.iDataField));
  }
  double a = 0.0;
  double b = 0.0;
  if (line.Long(o.iFirstField) || line.Long(o.iSecondField) || !ReadWholeNumber(line.Field(o.iFirstField), &a) ||
      !ReadWholeNumber(line.Field(o.iSecondField), &b)) {
    return std::string(STOCK_MISSING);
  }
  return FormatNumber(a - b);
}

// The row of a stock: the previous record's, a known stock's, or a new
// row with the name in column 1. 0 when a new stock finds the table full.
int RowOf(StockPivot& p, std::string_view name) {
  if (p.iLastRow > 0 && name == p.szLastName) return p.iLastRow;
  const auto found = p.rows.find(name);
  int row = 0;
  if (found != p.rows.end()) {
    row = found->second;
  } else {
    if (p.iNextRow >= p.pTable->iRows - 2) return 0;
    row = p.iNextRow++;
    // The rows ahead are readied in blocks once the dates so far fill
    // most of a row.
    if (row >= p.iPreparedRows && TablePrepareRows(*p.pTable, row, kPreparedRows, p.iNextCol) == 1) {
      p.iPreparedRows = row + kPreparedRows;
    }
    p.rows.emplace(std::string(name), row);
    TableStoreCellText(*p.pTable, row, 1, name);
  }
  p.szLastName.assign(name);
  p.iLastRow = row;
  return row;
}

// The column of a date: a known date's, or a new column with "[date]" in
// row 1. 0 when a new date finds the table full.
int ColumnOf(StockPivot& p, std::string_view date) {
  // Records of a stock mostly follow the dates in the order they first
  // came: the column after the previous record's is tried first.
  const std::size_t next = static_cast<std::size_t>(p.iLastCol + 1);
  if (p.iLastCol >= 2 && next < p.dates.size() && p.dates[next] == date) return p.iLastCol = static_cast<int>(next);
  const auto found = p.cols.find(date);
  if (found != p.cols.end()) return p.iLastCol = found->second;
  if (p.iNextCol >= p.pTable->iCols) return 0;
  const int col = p.iNextCol++;
  p.cols.emplace(std::string(date), col);
  p.dates.resize(static_cast<std::size_t>(col) + 1);
  p.dates[static_cast<std::size_t>(col)].assign(date);
  TableStoreCellText(*p.pTable, 1, col, JoinText("[", date, "]"));
  return p.iLastCol = col;
}

// Place one record of the file.
void PlaceRecord(StockPivot& p, const StockLine& line) {
  const StockOptions& o = p.options;
  if (line.nFields < std::max(o.iNameField, o.iDateField)) return;  // not a record
  if (line.Long(o.iNameField) || line.Long(o.iDateField)) {
    ++p.iLongKeys;
    return;
  }
  const int row = RowOf(p, line.Field(o.iNameField));
  const int col = row > 0 ? ColumnOf(p, line.Field(o.iDateField)) : 0;
  if (row == 0 || col == 0) {
    ++p.iLeftOut;
    return;
  }
  TableStoreCellText(*p.pTable, row, col, ValueText(p, line));
}

}  // namespace

std::string_view StockLine::Field(int number) const {
  if (number < 1 || number > nFields) return {};
  const std::size_t i = static_cast<std::size_t>(number - 1);
  return std::string_view(szFields[i].data(), iLengths[i]);
}

void SplitStockLine(std::string_view text, const TextSyntax& syntax, int wanted, StockLine* out, std::string& scratch) {
  out->nFields = 0;
  out->bLong.reset();
  const int limit = std::clamp(wanted, 0, STOCK_FIELDS);
  std::size_t pos = 0;
  while (pos != std::string_view::npos && out->nFields < limit) {
    std::size_t next = 0;
    const std::string_view field = NormalizeField(NextField(text, pos, syntax, &next), scratch);
    pos = next;
    const std::size_t i = static_cast<std::size_t>(out->nFields++);
    const std::size_t kept = TextCopyTo(out->szFields[i].data(), out->szFields[i].size(), field);
    out->iLengths[i] = static_cast<std::uint8_t>(kept);
    out->bLong[i] = field.size() > STOCK_FIELD_CHARS;
  }
}

void StockPivotStart(StockPivot& p, TableDocument& t, const TextSyntax& syntax, const StockOptions& options) {
  p.pTable = &t;
  p.syntax = syntax;
  p.options = options;
  p.iWanted = std::max({options.iNameField, options.iDateField,
                        options.iMode == STOCK_DIFFERENCE ? std::max(options.iFirstField, options.iSecondField)
                                                          : options.iDataField});
}

bool StockPivot::Line(std::string_view text) {
  ++iLines;
  SplitStockLine(text, syntax, iWanted, &line, scratch);
  if (iLines == 1) {
    // The first line is held back: it is a heading when its values are not
    // numbers while the next line's are.
    first = line;
    bFirstHeld = true;
    return true;
  }
  if (bFirstHeld) {
    bFirstHeld = false;
    if (ValuesAreNumbers(*this, first) || !ValuesAreNumbers(*this, line)) PlaceRecord(*this, first);
  }
  PlaceRecord(*this, line);
  return true;
}

int StockPivotSource(StockPivot& p, const TextSource& source, std::int64_t start, std::size_t chunkBytes) {
  const int status = ReadSourceLines(source, start, chunkBytes, p);
  if (p.bFirstHeld) {
    p.bFirstHeld = false;
    PlaceRecord(p, p.first);  // a file of one line: that line is a record
  }
  p.pTable->bModified = 1;
  return status;
}

std::string StockTitlePrefix(const StockOptions& o) {
  if (o.iMode == STOCK_DIFFERENCE) {
    return JoinText(Text(TXT_STOCK_TITLE_DIFFERENCE), FormatInt(o.iFirstField), ", ", FormatInt(o.iSecondField), ")",
                    Text(TXT_STOCK_TITLE_FROM));
  }
  return JoinText(Text(TXT_STOCK_TITLE_FIELD), FormatInt(o.iDataField), ")", Text(TXT_STOCK_TITLE_FROM));
}

void StockReportLeftOut(const StockPivot& p) {
  if (p.iLongKeys > 0) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE), JoinText(FormatInt(p.iLongKeys), Text(TXT_STOCK_LONG_KEYS)));
  }
  if (p.iLeftOut > 0) {
    ReportNotice(Text(TXT_CAPTION_MESSAGE), JoinText(FormatInt(p.iLeftOut), Text(TXT_SOURCE_TABLE_FULL)));
  }
}
