// Reading the cell lines of a table file.
#include <algorithm>
#include <string>

#include "files/base64.h"
#include "files/table_file_keys.h"
#include "files/table_file_sections.h"
#include "formula/formula_registry.h"
#include "platform/codepage.h"
#include "platform/text_buffer.h"
#include "resources/language.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_range.h"

namespace {

// Where the cell lines go and how far the table reaches.
class CellReader {
 public:
  CellReader(WindowHandle hwnd, TableRecord& t, bool isPrivate) : hwnd_(hwnd), t_(t), bPrivate_(isPrivate) {
    TableRange range{};
    if (TableGetRange(t, std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1), RANGES_SELECTION, &range) == 0) {
      iRow_ = std::max(range.iRowFrom, 1);
      iOriginCol_ = std::max(range.iColFrom, 1);
    }
    iCol_ = iOriginCol_;
  }

  // False once the rows of the table are used up.
  bool Open() const { return iRow_ < t_.iRows; }

  // A field ended: store it into the current cell and move one column on.
  void EndField(std::string_view raw) {
    if (iRow_ < t_.iRows && iCol_ < t_.iCols) Store(raw);
    if (iCol_ < t_.iCols) ++iCol_;
  }

  // A line ended: the next row starts at the origin's column.
  void EndRow() {
    ++iRow_;
    iCol_ = iOriginCol_;
  }

  int Undecodable() const { return iUndecodable_; }

 private:
  void Store(std::string_view raw) {
    std::string_view text = raw.substr(0, TextCutLength(raw, TABLE_FILE_FIELD_BYTES));
    if (bPrivate_) {
      if (Base64Decode(raw, &decoded_) != 0) {
        ++iUndecodable_;
        decoded_.clear();
      }
      // Texts of older files are in the legacy code page of the language.
      if (!IsValidUtf8(decoded_)) decoded_ = FileTextToUtf8(decoded_, LanguageIsChinese());
      text = std::string_view(decoded_).substr(0, TextCutLength(decoded_, TABLE_FILE_FIELD_BYTES));
    }
    TableCell* cell = TableCellAt(t_, iRow_, iCol_);
    if (!cell) return;
    // A value read over a formula's target replaces the formula.
    if (CellFormulaSlot(*cell) >= 0) FormulaDelete(hwnd_, CellReference(iRow_, iCol_));
    SetCellStyle(*cell, STYLE_AUTOMATIC);
    TableStoreCellText(t_, iRow_, iCol_, text);
  }

  WindowHandle hwnd_;
  TableRecord& t_;
  bool bPrivate_;
  int iRow_ = 1;
  int iOriginCol_ = 1;
  int iCol_ = 1;
  int iUndecodable_ = 0;
  std::string decoded_;
};

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

}  // namespace

CellSectionResult ReadCellSection(WindowHandle hwnd, std::string_view buffer, std::size_t from, std::size_t to,
                                  bool isPrivate) {
  CellSectionResult result;
  TableLockGuard t(hwnd);
  if (!t) return result;
  to = std::min(to, buffer.size());
  CellReader reader(hwnd, *t.get(), isPrivate);
  std::size_t start = from;  // first byte of the current field
  std::size_t i = from;
  while (i < to && reader.Open()) {
    const char c = buffer[i];
    if (c == '\t') {
      reader.EndField(buffer.substr(start, i - start));
      start = ++i;
    } else if (!IsLineEnd(c)) {
      ++i;
    } else if (isPrivate) {
      // Encoded fields hold line feeds of their own: only CR LF ends the
      // row, and the decoder passes over any other CR or LF.
      if (c == '\r' && i + 1 < to && buffer[i + 1] == '\n') {
        reader.EndField(buffer.substr(start, i - start));
        reader.EndRow();
        i += 2;
        start = i;
      } else {
        ++i;
      }
    } else {
      reader.EndField(buffer.substr(start, i - start));
      reader.EndRow();
      // CR LF, LF CR and a doubled line end close one row.
      i += i + 1 < to && IsLineEnd(buffer[i + 1]) ? 2 : 1;
      start = i;
    }
  }
  // A last line without its line end still holds data: keep it.
  if (reader.Open() && start < to) reader.EndField(buffer.substr(start, to - start));
  result.iUndecodable = reader.Undecodable();
  return result;
}
