// Printing a table as a list: the fields and their print widths, the page
// geometry and the pages drawn on a print surface. A database result
// prints its field list over the rows it loaded; any other table prints
// its used area under its column labels, its row labels as the first field.
#pragma once

#include <string>
#include <vector>

#include "output/print_job.h"
#include "table/table_record.h"

inline constexpr int PRINT_ROW_PITCH = 20;    // units between printed lines
inline constexpr int PRINT_ROW_SPACE = 21;    // units a row takes when counting rows per page
inline constexpr int PRINT_WIDE_WIDTH = 249;  // print width of a wide field
inline constexpr int PRINT_WIDE_CHARS = 25;   // characters a wide field shows
inline constexpr int PRINT_FONT_HEIGHT = 12;

struct TablePrintField {
  int iColumn = 0;       // the table column it prints
  std::string szName;    // its heading
  bool bWide = false;    // wider than 30 pixels on screen
  int iWidth = 0;        // print width in units
  int iLeft = 0;         // units from the left edge to its print cell
};

struct TablePrintLayout {
  std::vector<TablePrintField> fields;
  int iFirstRow = 0;     // printed rows: iFirstRow .. iEndRow - 1
  int iEndRow = 0;
  int iTotalWidth = 0;   // the sum of the print widths
};

// The print width of a column `pixels` wide on screen (249 when wider than
// 30, else pixels x 8 + 9).
int PrintFieldWidth(int pixels);

// The fields and rows a table prints. A table with nothing to print gives
// no fields.
TablePrintLayout TablePrintLayoutOf(const TableDocument& t);

// The logical page width: the larger of the screen width and the fields'.
int PrintPageWidth(const TablePrintLayout& layout, int screenWidth);
// The page height for a page `pageWidth` units wide on a page of
// horz x vert device pixels, and the rows it holds (at least 1).
int PrintPageHeight(int pageWidth, int horz, int vert);
int PrintRowsPerPage(int pageHeight);
// The number of pages for `rows` printed rows at `perPage` rows a page.
int PrintPageCount(int rows, int perPage);

// A cell's text as printed in a field: a wide field cuts it to its first
// 25 characters followed by "..."; a text that fits is printed whole.
std::string PrintFieldText(const std::string& text, bool wide);

// Draw every page of the layout on a surface; 0 or -1.
int DrawTablePages(const TableDocument& t, const TablePrintLayout& layout, PrintSurface& surface);

// "Print" of a table window: commit an open cell edit, ask for the
// printer and print the table as the document "Information". 0 printed,
// 1 cancelled, -1 failed (reported).
int PrintTable(WindowHandle hwnd);

// The command handler of "Print" in a table window.
int CmdPrintTable(WindowHandle hwnd, unsigned id, std::intptr_t lParam);
