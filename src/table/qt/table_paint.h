// Painting a table: the layers of the grid drawn from the record into a
// painter the size of the client area.
#pragma once

#include <QFont>

#include "table/table_record.h"

class QPainter;

// The three fonts of a table window.
struct TableFonts {
  QFont cell;   // "Arial", 12 pixels
  QFont bold;   // the default face, 12 pixels, bold
  QFont small;  // "Arial", 10 pixels
};

TableFonts MakeTableFonts();

// Paint the whole client area (width x height) of a table.
void TablePaintRecord(const TableRecord& t, QPainter& p, int width, int height, const TableFonts& fonts);
