#include "files/table_file_write.h"

#include <algorithm>
#include <string>

#include "files/base64.h"
#include "files/safe_file_write.h"
#include "files/table_file_keys.h"
#include "formula/formula_registry.h"
#include "platform/cursor.h"
#include "platform/notices.h"
#include "platform/number_text.h"
#include "platform/text_buffer.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/long_text.h"
#include "table/table_access.h"
#include "table/table_range.h"

namespace {

// The cells a file's cell lines cover, first to last inclusive.
struct CellArea {
  int iRowFrom;
  int iRowTo;
  int iColFrom;
  int iColTo;
};

// Rows 1 .. iUsedRows-1 and columns 1 .. iUsedCols-1.
CellArea UsedArea(const TableDocument& t) {
  return {1, std::min(t.iUsedRows, t.iRows) - 1, 1, std::min(t.iUsedCols, t.iCols) - 1};
}

// The text a cell is written as: a long-text reference resolved, an empty
// text as " ". A TAB, CR or LF inside the text would split the field or
// the line when the file is read back, so each becomes a blank.
std::string_view CellFieldText(const TableDocument& t, const TableCell& cell, std::string& scratch) {
  std::string_view text = TextOf(cell.szText);
  if (IsLongTextRef(text) == 1) {
    const int slot = LongTextSlotOf(t, text);
    text = slot >= 0 ? LongTextAt(t, slot) : std::string_view();
  }
  if (text.empty()) return " ";
  const auto breaks = [](char c) { return c == '\t' || c == '\r' || c == '\n'; };
  if (std::none_of(text.begin(), text.end(), breaks)) return text;
  scratch.assign(text);
  std::replace_if(scratch.begin(), scratch.end(), breaks, ' ');
  return scratch;
}

// The cells of one row of the area, or null for a row outside the table.
const TableCell* RowCells(const TableDocument& t, int row, const CellArea& area) {
  if (row < 1 || row >= t.iRows || area.iColFrom < 1 || area.iColTo >= t.iCols) return nullptr;
  return &t.cells[static_cast<std::size_t>(row) * static_cast<std::size_t>(t.iCols)];
}

void AppendCellLines(const TableDocument& t, const CellArea& area, bool encode, SafeFileWriter& out) {
  std::string line;
  std::string scratch;
  for (int row = area.iRowFrom; row <= area.iRowTo; ++row) {
    const TableCell* cells = RowCells(t, row, area);
    if (!cells) continue;
    line.clear();
    for (int col = area.iColFrom; col <= area.iColTo; ++col) {
      if (col > area.iColFrom) line.push_back('\t');
      const std::string_view text = CellFieldText(t, cells[col], scratch);
      if (encode) {
        line.append(Base64Encode(text));
      } else {
        line.append(text);
        // A first cell that reads like a section key would end the cell
        // lines when read back: a trailing blank (dropped on reading)
        // keeps it a cell.
        if (col == area.iColFrom && IsTableFileKey(text)) line.push_back(' ');
      }
    }
    line.append("\r\n");
    out.Append(line);
  }
}

void AppendPasswordLine(const TableDocument& t, SafeFileWriter& out) {
  out.Append(JoinText(TableFileKeyText(KEY_PASSWORD), "\t", Base64Encode(TextOf(t.szPassword)), "\r\n"));
}

void AppendFormulaLines(const TableDocument& t, SafeFileWriter& out) {
  for (int slot = 0; slot < FORMULA_SLOTS; ++slot) {
    const std::string line = FormulaLineText(t, slot, true);
    if (!line.empty()) out.Append(line);
  }
}

// Colour lines of the cells of `area` that have a border or a fill.
void AppendColourLines(const TableDocument& t, const CellArea& area, SafeFileWriter& out) {
  std::string line;
  for (int row = area.iRowFrom; row <= area.iRowTo; ++row) {
    const TableCell* cells = RowCells(t, row, area);
    for (int col = area.iColFrom; cells && col <= area.iColTo; ++col) {
      const TableCell* cell = &cells[col];
      if (cell->iBorderStyle == 0 && cell->iFillOn == 0) continue;
      line = JoinText(TableFileKeyText(KEY_CELL_COLOR), "\t", CellReference(row, col));
      for (const std::int16_t value : {cell->iBorderStyle, cell->iBorderRed, cell->iBorderGreen, cell->iBorderBlue,
                                       cell->iFillOn, cell->iFillRed, cell->iFillGreen, cell->iFillBlue}) {
        line.push_back('\t');
        line.append(FormatInt(static_cast<std::uint16_t>(value)));
      }
      line.append("\r\n");
      out.Append(line);
    }
  }
}

void AppendStyleLines(const TableDocument& t, const CellArea& area, SafeFileWriter& out) {
  for (int row = area.iRowFrom; row <= area.iRowTo; ++row) {
    const TableCell* cells = RowCells(t, row, area);
    for (int col = area.iColFrom; cells && col <= area.iColTo; ++col) {
      const TableCell* cell = &cells[col];
      if (CellStyle(*cell) == STYLE_AUTOMATIC) continue;
      out.Append(JoinText(TableFileKeyText(KEY_CHAR_STYLE), "\t", CellReference(row, col), "\t",
                          FormatInt(CellStyle(*cell)), "\r\n"));
    }
  }
}

// The height line, the width line and the scroll origin.
void AppendLayoutLines(const TableRecord& t, const CellArea& used, SafeFileWriter& out) {
  std::string line(TableFileKeyText(KEY_CELL_H));
  for (int row = 1; row <= used.iRowTo; ++row) line.append(JoinText("\t", FormatInt(t.rowHeight[row])));
  line.append("\r\n");
  out.Append(line);
  line.assign(TableFileKeyText(KEY_CELL_W));
  for (int col = 1; col <= used.iColTo; ++col) line.append(JoinText("\t", FormatInt(t.colWidth[col])));
  line.append("\r\n");
  out.Append(line);
  out.Append(JoinText(TableFileKeyText(KEY_LEFT_TOP), "\t", CellReference(t.iTopRow, t.iLeftCol), "\r\n"));
}

// The rectangle of the undo kind, or false for a kind without one.
bool UndoArea(TableDocument& t, CellArea* area) {
  switch (t.iUndoKind) {
    case UNDO_SELECTION: {
      TableRange range{};
      if (TableGetRange(t, std::clamp(t.iSelCurrent, 0, SELECTION_RANGES - 1), RANGES_SELECTION, &range) != 0) {
        return false;
      }
      *area = {range.iRowFrom, range.iRowTo, range.iColFrom, range.iColTo};
      break;
    }
    case UNDO_BLOCK:
      *area = {std::min(t.undoRect[0], t.undoRect[1]), std::max(t.undoRect[0], t.undoRect[1]),
               std::min(t.undoRect[2], t.undoRect[3]), std::max(t.undoRect[2], t.undoRect[3])};
      break;
    case UNDO_TABLE_SAVED_EXTENT:
    case UNDO_TABLE_CURRENT_EXTENT:
      *area = UsedArea(t);
      break;
    default:
      return false;
  }
  // Only data cells of the table.
  area->iRowFrom = std::max(area->iRowFrom, 1);
  area->iColFrom = std::max(area->iColFrom, 1);
  area->iRowTo = std::min(area->iRowTo, t.iRows - 1);
  area->iColTo = std::min(area->iColTo, t.iCols - 1);
  return true;
}

// Why a save failed: a file with other hard links is refused with its own
// message, everything else is "Create file failed".
const char* SaveFailureText(const SafeFileWriter& out) {
  return Text(out.Error() == SAFE_WRITE_HARD_LINKED ? TXT_FILE_HARD_LINKED : TXT_CREATE_FILE_FAILED);
}

}  // namespace

int TableFileWrite(WindowHandle hwnd, std::string_view path, char mode) {
  const bool native = path.find(".orl") != std::string_view::npos;
  const bool encode = mode == SAVE_PRIVATE;
  SafeFileWriter out;
  bool ok = out.Open(path);
  if (ok) {
    SetWaitCursor(0);
    {
      TableLockGuard t(hwnd);
      ok = static_cast<bool>(t);
      if (ok) {
        const CellArea used = UsedArea(*t.get());
        AppendCellLines(*t.get(), used, encode, out);
        if (native) {
          if (encode) AppendPasswordLine(*t.get(), out);
          AppendFormulaLines(*t.get(), out);
          AppendColourLines(*t.get(), used, out);
          AppendStyleLines(*t.get(), used, out);
          AppendLayoutLines(*t.get(), used, out);
        }
      }
    }
    ok = ok && out.Commit(true);
    SetWaitCursor(1);
  }
  if (!ok) {
    ReportNotice(Text(TXT_CAPTION_ERROR), SaveFailureText(out));
    return -1;
  }
  return 0;
}

int TableRangeFileWrite(WindowHandle hwnd, std::string_view path) {
  CellArea area{};
  CellArea used{};
  CellArea layout{};
  {
    TableLockGuard t(hwnd);
    if (!t || !UndoArea(*t.get(), &area)) return -1;
    used = UsedArea(*t.get());
    // Lines that move (insert, delete) carry their heights and widths
    // beyond the used area: a whole-table back-up keeps all of them.
    if (t->iUndoKind == UNDO_TABLE_SAVED_EXTENT || t->iUndoKind == UNDO_TABLE_CURRENT_EXTENT) {
      layout = {1, t->iRows - 1, 1, t->iCols - 1};
    } else {
      layout = used;
    }
  }
  SafeFileWriter out;
  bool ok = out.Open(path);
  if (ok) {
    TableLockGuard t(hwnd);
    AppendCellLines(*t.get(), area, false, out);
    AppendFormulaLines(*t.get(), out);
    AppendColourLines(*t.get(), area, out);
    AppendStyleLines(*t.get(), used, out);
    AppendLayoutLines(*t.get(), layout, out);
    // A back-up needs no flush to disk: it only has to outlive the edit.
    ok = out.Commit(false);
  }
  if (!ok) {
    ReportNotice(path, SaveFailureText(out));
    return -1;
  }
  return 0;
}
