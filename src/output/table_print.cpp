#include "output/table_print.h"

#include <algorithm>
#include <cstdint>

#include "platform/message_box.h"
#include "resources/string_table.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_editor.h"
#include "table/table_extension.h"

namespace {

constexpr int kWideAbove = 30;  // screen pixels beyond which a field is wide

TablePrintField FieldOf(const TableDocument& t, int column, std::string name) {
  TablePrintField field;
  field.iColumn = column;
  field.szName = std::move(name);
  field.bWide = t.colWidth[static_cast<std::size_t>(column)] > kWideAbove;
  field.iWidth = PrintFieldWidth(t.colWidth[static_cast<std::size_t>(column)]);
  return field;
}

// A database result: field j is table column j + 1, named in row 1 (its
// last named column ends the list); rows 0 up to the loaded rows print.
void DatabaseFields(const TableDocument& t, TablePrintLayout& layout) {
  int last = 0;
  for (int col = 1; col < t.iCols; ++col) {
    if (!TableCellDisplayText(t, 1, col).empty()) last = col;
  }
  for (int col = 1; col <= last; ++col) layout.fields.push_back(FieldOf(t, col, TableCellDisplayText(t, 1, col)));
  layout.iFirstRow = 0;
  layout.iEndRow = std::min(t.iLoadedRows, t.iRows);
}

// Any other table: its row labels and used columns under their labels,
// the used rows from row 1.
void UsedAreaFields(const TableDocument& t, TablePrintLayout& layout) {
  if (t.iUsedRows < 2 || t.iUsedCols < 2) return;
  for (int col = 0; col < std::min(t.iUsedCols, t.iCols); ++col) {
    layout.fields.push_back(FieldOf(t, col, TableCellDisplayText(t, 0, col)));
  }
  layout.iFirstRow = 1;
  layout.iEndRow = std::min(t.iUsedRows, t.iRows);
}

// The number of bytes of the first `chars` characters of UTF-8 text.
std::size_t BytesOfChars(const std::string& text, int chars) {
  std::size_t at = 0;
  for (int n = 0; n < chars && at < text.size(); ++n) {
    ++at;
    while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0u) == 0x80u) ++at;
  }
  return at;
}

// One page: the grid of `rows` rows, the headings and the rows' texts.
void DrawPage(const TableDocument& t, const TablePrintLayout& layout, int first, int rows, PrintSurface& s) {
  const int bottom = PRINT_ROW_PITCH * (rows + 2);
  for (int k = 0; k < rows + 2; ++k) {
    const int y = PRINT_ROW_PITCH * (k + 1);
    s.DrawLine(0, y, layout.iTotalWidth, y);
  }
  s.DrawLine(2, PRINT_ROW_PITCH, 2, bottom);
  s.DrawLine(0, PRINT_ROW_PITCH, 0, bottom);
  for (const TablePrintField& field : layout.fields) {
    const int right = field.iLeft + field.iWidth;
    s.DrawLine(right, PRINT_ROW_PITCH, right, bottom);
  }
  // All lines come before all texts: a surface may switch pens between them.
  for (const TablePrintField& field : layout.fields) s.DrawText(field.iLeft + 5, PRINT_ROW_PITCH + 3, field.szName);
  for (int i = 0; i < rows; ++i) {
    const int y = 2 * PRINT_ROW_PITCH + 3 + PRINT_ROW_PITCH * i;
    for (const TablePrintField& field : layout.fields) {
      const std::string text = TableCellDisplayText(t, first + i, field.iColumn);
      if (!text.empty()) s.DrawText(field.iLeft + 5, y, PrintFieldText(text, field.bWide));
    }
  }
}

}  // namespace

int PrintFieldWidth(int pixels) { return pixels > kWideAbove ? PRINT_WIDE_WIDTH : pixels * 8 + 9; }

TablePrintLayout TablePrintLayoutOf(const TableDocument& t) {
  TablePrintLayout layout;
  const bool database = TableExtensionGet(t, TableExtensionId::Database) != nullptr && t.iLoadedRows > 0;
  database ? DatabaseFields(t, layout) : UsedAreaFields(t, layout);
  if (layout.iEndRow <= layout.iFirstRow) layout.fields.clear();
  int left = 0;
  for (TablePrintField& field : layout.fields) {
    field.iLeft = left;
    left += field.iWidth;
  }
  layout.iTotalWidth = left;
  return layout;
}

int PrintPageWidth(const TablePrintLayout& layout, int screenWidth) { return std::max(screenWidth, layout.iTotalWidth); }

int PrintPageHeight(int pageWidth, int horz, int vert) {
  if (horz <= 0) return 0;
  return static_cast<int>(static_cast<std::int64_t>(pageWidth) * vert / horz);
}

int PrintRowsPerPage(int pageHeight) { return std::max(pageHeight / PRINT_ROW_SPACE, 1); }

int PrintPageCount(int rows, int perPage) { return rows <= 0 ? 0 : (rows + perPage - 1) / perPage; }

std::string PrintFieldText(const std::string& text, bool wide) {
  if (!wide) return text;
  const std::size_t cut = BytesOfChars(text, PRINT_WIDE_CHARS);
  if (cut >= text.size()) return text;
  return text.substr(0, cut) + "...";
}

int DrawTablePages(const TableDocument& t, const TablePrintLayout& layout, PrintSurface& surface) {
  const int width = PrintPageWidth(layout, surface.ScreenWidth());
  const int height = PrintPageHeight(width, surface.PageWidth(), surface.PageHeight());
  const int perPage = PrintRowsPerPage(height);
  for (int first = layout.iFirstRow; first < layout.iEndRow; first += perPage) {
    if (surface.StartPage() != 0) return -1;
    surface.SetIsotropicWindow(width, height);
    surface.SetTextHeight(PRINT_FONT_HEIGHT);
    DrawPage(t, layout, first, std::min(perPage, layout.iEndRow - first), surface);
  }
  return 0;
}

int PrintTable(WindowHandle hwnd) {
  if (TableIsEditing(hwnd)) EditorCommand(hwnd, EDITOR_COMMIT_CLOSE);
  {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    if (TablePrintLayoutOf(*t.get()).fields.empty()) {
      ShowMessage(Text(TXT_CAPTION_MESSAGE), Text(TXT_PRINT_EMPTY_TABLE));
      return -1;
    }
  }
  // The table is read afresh for every drawing (the preview draws again
  // when its page changes), and never held across the dialogs.
  return RunPrintJob(hwnd, "Information", false, [hwnd](PrintSurface& surface) {
    TableLockGuard t(hwnd);
    if (!t) return -1;
    return DrawTablePages(*t.get(), TablePrintLayoutOf(*t.get()), surface);
  });
}

int CmdPrintTable(WindowHandle hwnd, unsigned, std::intptr_t) { return PrintTable(hwnd) < 0 ? -1 : 0; }
