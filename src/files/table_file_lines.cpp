// Reading the formula, colour and display-style lines of a table file:
// one scanner for the three kinds of keyed lines.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "files/read_drops.h"
#include "files/table_file_fields.h"
#include "files/table_file_keys.h"
#include "files/table_file_sections.h"
#include "table/cell_reference.h"
#include "formula/formula_registry.h"
#include "formula/formula_text.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/cell_text.h"
#include "table/table_access.h"

namespace {

enum LineKind : int { LINE_NONE, LINE_OTHER, LINE_FORMULA, LINE_COLOUR, LINE_STYLE };

// Fields a line keeps before its last one, and the bytes each may hold.
constexpr std::size_t kFormulaFields = 4;
constexpr std::size_t kFormulaFieldBytes = 519;
constexpr std::size_t kColourFields = 9;
constexpr std::size_t kStyleFields = 2;
constexpr std::size_t kValueFieldBytes = 49;
// The bytes of a field the reader looks at (a formula text keeps fewer).
constexpr std::size_t kFieldKeepBytes = 4096;

// A field cut to `keep` bytes and cleaned like typed cell input. A formula
// text may be longer than the cleaning takes, so a long one only loses its
// trailing blanks.
std::string CleanField(std::string_view raw, std::size_t keep) {
  std::string text(raw.substr(0, TextCutLength(raw, keep)));
  if (text.size() <= NORMALIZE_LIMIT) {
    NormalizeCellInput(text, 'N');
  } else {
    while (!text.empty() && text.back() == ' ') text.pop_back();
  }
  return text;
}

// A data cell of the table named by a reference, or null.
TableCell* CellOf(TableDocument& t, std::string_view reference) {
  const int r = RefRow(reference, t.iRows);
  const int c = RefCol(reference, t.iCols);
  if (r < 1 || c < 1) return nullptr;
  return TableCellAt(t, r, c);
}

// Whether a text is a cell reference that lies beyond the table.
bool IsBeyondTable(const TableDocument& t, std::string_view reference) {
  constexpr int kAnySize = 1 << 30;
  return RefRow(reference, kAnySize) >= 1 && RefCol(reference, kAnySize) >= 1 &&
         (RefRow(reference, t.iRows) < 1 || RefCol(reference, t.iCols) < 1);
}

std::int16_t Value16(std::string_view text) { return static_cast<std::int16_t>(TextToInt(text)); }

class KeyedLineReader final : public FieldSink {
 public:
  KeyedLineReader(TableDocument& t, const TableFileBytes& file) : t_(t), file_(file) {}

  // A TAB ended a field. Empty fields do not count.
  void Field(std::string_view raw) override {
    if (kind_ == LINE_OTHER) return;
    const std::string text =
        CleanField(TableFileFieldText(file_, raw, &scratch_), kind_ == LINE_FORMULA ? kFormulaFieldBytes : kValueFieldBytes);
    if (text.empty()) return;
    if (kind_ == LINE_NONE) {
      kind_ = KindOf(text);
      if (kind_ != LINE_OTHER) fields_[count_++] = text;
      return;
    }
    if (count_ < Kept()) fields_[count_++] = text;
  }

  // A line ended; `raw` is its last field.
  void LineEnd(std::string_view raw) override {
    if (kind_ == LINE_FORMULA || kind_ == LINE_COLOUR || kind_ == LINE_STYLE) {
      // A formula text is looked at whole: one too long is left out, never
      // cut.
      const std::string last =
          CleanField(TableFileFieldText(file_, raw, &scratch_), kind_ == LINE_FORMULA ? kFieldKeepBytes : kValueFieldBytes);
      if (count_ == Kept() && kind_ == LINE_FORMULA && last.size() > FORMULA_INPUT_CHARS) {
        NoteDrop(DROP_FORMULAS_TOO_LONG);
      } else if (count_ == Kept()) {
        Apply(last);
      }
    }
    kind_ = LINE_NONE;
    count_ = 0;
  }

 private:
  static int KindOf(std::string_view key) {
    if (key == TableFileKeyText(KEY_FORMULA)) return LINE_FORMULA;
    if (key == TableFileKeyText(KEY_CELL_COLOR)) return LINE_COLOUR;
    if (key == TableFileKeyText(KEY_CHAR_STYLE)) return LINE_STYLE;
    return LINE_OTHER;
  }

  std::size_t Kept() const {
    return kind_ == LINE_FORMULA ? kFormulaFields : kind_ == LINE_COLOUR ? kColourFields : kStyleFields;
  }

  void Apply(const std::string& last) {
    if (kind_ == LINE_FORMULA) {
      if (FormulaLoadLine(t_, fields_[0], fields_[1], fields_[2], fields_[3], last) != 0) NoteRefused();
      return;
    }
    TableCell* cell = CellOf(t_, fields_[1]);
    if (!cell) {
      if (IsBeyondTable(t_, fields_[1])) NoteDrop(DROP_ENTRIES_BEYOND_TABLE);
      return;
    }
    if (kind_ == LINE_STYLE) {
      SetCellStyle(*cell, Value16(last));
      return;
    }
    cell->iBorderStyle = 0;
    if (TextToInt(fields_[2]) > 0) {
      cell->iBorderStyle = Value16(fields_[2]);
      cell->iBorderRed = Value16(fields_[3]);
      cell->iBorderGreen = Value16(fields_[4]);
      cell->iBorderBlue = Value16(fields_[5]);
    }
    cell->iFillOn = 0;
    if (TextToInt(fields_[6]) == 1) {
      cell->iFillOn = 1;
      cell->iFillRed = Value16(fields_[7]);
      cell->iFillGreen = Value16(fields_[8]);
      cell->iFillBlue = Value16(last);
    }
  }

  // Why a formula line was not taken: beyond the table, or no slot left
  // (a line that names no cell is not a formula of the file).
  void NoteRefused() const {
    if (IsBeyondTable(t_, fields_[1])) {
      NoteDrop(DROP_ENTRIES_BEYOND_TABLE);
    } else if (CellOf(t_, fields_[1]) && t_.iFormulaCount >= FORMULA_SLOTS) {
      NoteDrop(DROP_FORMULAS_FULL);
    }
  }

  TableDocument& t_;
  const TableFileBytes& file_;
  std::string scratch_;
  int kind_ = LINE_NONE;
  std::size_t count_ = 0;
  std::array<std::string, kColourFields> fields_;
};

// Walk the lines of [from, to): TAB ends a field, CR or LF the line (with
// a CR or LF right after it), and so does the end of the range.
bool ScanKeyedLines(WindowHandle hwnd, const TableFileBytes& file, std::int64_t from, std::int64_t to) {
  TableLockGuard t(hwnd);
  if (!t) return true;
  KeyedLineReader reader(*t.get(), file);
  FieldSplitter splitter(FIELDS_IN_LINES, kFieldKeepBytes);
  const bool read = ForEachChunk(*file.pSource, from, std::min(to, file.iEnd),
                                 [&](std::string_view bytes) { splitter.Feed(bytes, reader); });
  splitter.Finish(reader);
  return read;
}

}  // namespace

bool ReadFormulaColorSection(WindowHandle hwnd, const TableFileBytes& file, std::int64_t from, std::int64_t to) {
  return ScanKeyedLines(hwnd, file, from, to);
}

bool ReadStyleSection(WindowHandle hwnd, const TableFileBytes& file, std::int64_t from, std::int64_t to) {
  return ScanKeyedLines(hwnd, file, from, to);
}
