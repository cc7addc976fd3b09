// Reading the cell lines of a table file.
#include <algorithm>
#include <string>

#include "files/base64.h"
#include "files/read_drops.h"
#include "files/table_file_fields.h"
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

// The bytes of a field the reader looks at: enough for a cell's 999 bytes
// in any code page, and for the Base64 form of 999 bytes with its line
// feeds.
constexpr std::size_t kFieldKeepBytes = 4096;

// Whether a field holds nothing but blanks (an empty cell is written " ").
bool IsBlank(std::string_view raw) {
  return std::all_of(raw.begin(), raw.end(), [](char c) { return c == ' '; });
}

// Where the cell lines go and how far the table reaches.
class CellReader final : public FieldSink {
 public:
  CellReader(WindowHandle hwnd, TableDocument& t, const TableFileBytes& file, bool isPrivate)
      : hwnd_(hwnd), t_(t), file_(file), bPrivate_(isPrivate) {
    TableRange range{};
    if (TableGetRange(t, std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1), RANGES_SELECTION, &range) == 0) {
      iRow_ = std::max(range.iRowFrom, 1);
      iOriginCol_ = std::max(range.iColFrom, 1);
    }
    iCol_ = iOriginCol_;
  }

  // A field ended: store it into the current cell and move one column on;
  // a field beyond the table is counted when it holds data.
  void Field(std::string_view raw) override {
    if (iRow_ < t_.iRows && iCol_ < t_.iCols) {
      Store(raw);
    } else if (!IsBlank(raw)) {
      ++iBeyond_;
    }
    if (iCol_ < t_.iCols) ++iCol_;
  }

  // A line ended: the next row starts at the origin's column.
  void LineEnd(std::string_view raw) override {
    Field(raw);
    if (iRow_ < t_.iRows) ++iRow_;
    iCol_ = iOriginCol_;
  }

  // Tell what was left out.
  void NoteDrops() const {
    NoteDrop(DROP_CELLS_BEYOND_TABLE, iBeyond_);
    NoteDrop(DROP_TEXTS_CUT, iCut_);
    NoteDrop(DROP_FIELDS_UNDECODABLE, iUndecodable_);
  }

 private:
  void Store(std::string_view raw) {
    std::string_view text = TableFileFieldText(file_, raw, &converted_);
    if (bPrivate_) {
      if (Base64Decode(raw, &decoded_) != 0) {
        ++iUndecodable_;
        decoded_.clear();
      }
      // Texts of older files are in the legacy code page of the language.
      if (!IsValidUtf8(decoded_)) decoded_ = FileTextToUtf8(decoded_, LanguageIsChinese());
      text = decoded_;
    }
    if (text.size() > TABLE_FILE_FIELD_BYTES) {
      ++iCut_;
      text = text.substr(0, TextCutLength(text, TABLE_FILE_FIELD_BYTES));
    }
    TableCell* cell = TableCellAt(t_, iRow_, iCol_);
    if (!cell) return;
    // A value read over a formula's target replaces the formula.
    if (CellFormulaSlot(*cell) >= 0) FormulaDelete(hwnd_, CellReference(iRow_, iCol_));
    SetCellStyle(*cell, STYLE_AUTOMATIC);
    TableStoreCellText(t_, iRow_, iCol_, text);
  }

  WindowHandle hwnd_;
  TableDocument& t_;
  const TableFileBytes& file_;
  bool bPrivate_;
  int iRow_ = 1;
  int iOriginCol_ = 1;
  int iCol_ = 1;
  std::int64_t iUndecodable_ = 0;
  std::int64_t iBeyond_ = 0;
  std::int64_t iCut_ = 0;
  std::string decoded_;
  std::string converted_;
};

}  // namespace

std::string_view TableFileFieldText(const TableFileBytes& file, std::string_view raw, std::string* scratch) {
  if (!file.bLegacy || std::none_of(raw.begin(), raw.end(), [](char c) { return (c & 0x80) != 0; })) return raw;
  ConvertToUtf8(raw, LanguageIsChinese() ? "GB18030" : "WINDOWS-1252", scratch);
  return *scratch;
}

CellSectionResult ReadCellSection(WindowHandle hwnd, const TableFileBytes& file, std::int64_t from,
                                  std::int64_t to, bool isPrivate) {
  CellSectionResult result;
  TableLockGuard t(hwnd);
  if (!t) return result;
  CellReader reader(hwnd, *t.get(), file, isPrivate);
  // Encoded fields hold line feeds of their own: in a private file only
  // CR LF ends a row.
  FieldSplitter splitter(isPrivate ? FIELDS_IN_PRIVATE_LINES : FIELDS_IN_LINES, kFieldKeepBytes);
  result.bReadFailed = !ForEachChunk(*file.pSource, from, std::min(to, file.iEnd),
                                     [&](std::string_view bytes) { splitter.Feed(bytes, reader); });
  // A last line without its line end still holds data: keep it.
  splitter.Finish(reader);
  reader.NoteDrops();
  return result;
}
