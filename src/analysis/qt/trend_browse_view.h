// The browse panel of a coloured table, drawn over its bottom-right corner
// while the right button is dragged over the table.
#pragma once

#include "table/qt/table_paint.h"

// Draw the panel when the table shows trend colours, the right button is
// held, the image-pixel button has not hidden it and the client is at
// least 380 pixels wide; otherwise draw nothing.
void PaintTrendBrowsePanel(const TableRecord& t, QPainter& p, int width, int height, const TableFonts& fonts);
