// Painting a table: the layers of the grid drawn from the record into a
// painter the size of the client area.
#pragma once

#include <QFont>

#include <memory>
#include <string_view>

#include "table/qt/fast_text.h"

#include "table/table_record.h"

class QPainter;

// The three fonts of a table window.
struct TableFonts {
  QFont cell;   // "Arial", 12 pixels
  QFont bold;   // the default face, 12 pixels, bold
  QFont small;  // "Arial", 10 pixels
  std::shared_ptr<const AsciiGlyphs> cellGlyphs;
  std::shared_ptr<const AsciiGlyphs> boldGlyphs;
};

TableFonts MakeTableFonts();

// The width a cell text is taken to need: its characters at the font's
// average width, half as much again for a number. A text whose estimate
// reaches its column's width less 4 pixels is painted as a grey bar.
int CellTextEstimate(int averageCharWidth, std::string_view text);

// Line types of the etched and grid lines: 0 etched (a 128-grey line one
// pixel before the position and a white one at it); 1 grey 192, 2 white,
// 3 grey 128, 4 grid grey 228, 5 blue, others black, each one pixel before.
enum LineType : int { LINE_ETCHED = 0, LINE_GREY = 1, LINE_WHITE = 2, LINE_DARK = 3, LINE_GRID = 4, LINE_BLUE = 5 };

// A horizontal line from x1 to x2 (inclusive) at y, and a vertical one from
// y1 to y2 at x, by line type.
void DrawEtchedLineH(QPainter& p, int x1, int x2, int y, int type);
void DrawEtchedLineV(QPainter& p, int y1, int y2, int x, int type);

// Paint the whole client area (width x height) of a table.
void TablePaintRecord(const TableRecord& t, QPainter& p, int width, int height, const TableFonts& fonts);

// Drawn over a table after everything else (the browse panel of a
// coloured table); a higher area sets it once at start-up.
using TableOverlayPainter = void (*)(const TableRecord& t, QPainter& p, int width, int height,
                                     const TableFonts& fonts);
void SetTableOverlayPainter(TableOverlayPainter painter);
