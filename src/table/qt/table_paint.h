// Painting a table: the layers of the grid drawn from the record into a
// painter the size of the client area.
#pragma once

#include <QFont>

#include <memory>

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

// Paint the whole client area (width x height) of a table.
void TablePaintRecord(const TableRecord& t, QPainter& p, int width, int height, const TableFonts& fonts);
