// Taking a block of table cells into a 3D plot's record (grid mode): where
// the block starts on each occasion (first view, browsing, scrolling), the
// node values, colours and height scaling, and the status texts.
#pragma once

#include "plots/plot3d_record.h"

struct TableDocument;

// Where a block starts in the table and which of its nodes has the focus.
struct Plot3DPlacement {
  int iOriginRow;
  int iOriginCol;
  int iFocusRow;  // node within the block
  int iFocusCol;
};

// Height multiplier for a data range: 1 within 300..2000 (and for a
// constant block), 2000 / range above, 300 / range below.
double Plot3DHeightMultiplier(double range);

// First view: the block starts at the first selection range's first cell;
// the focus is the middle of that range, within the block.
Plot3DPlacement Plot3DInitialPlacement(int rowFrom, int rowTo, int colFrom, int colTo, int rows, int cols);

// Browsing: the block of rows x cols is centred on the browse cell and kept
// inside a table of tableRows x tableCols (header row and column included);
// the focus is the browse cell's node.
Plot3DPlacement Plot3DBrowsePlacement(int browseRow, int browseCol, int tableRows, int tableCols, int rows, int cols);

// Scrolling: where the block starts after the table scrolled (bar
// SCROLLBAR_VERT or _HORZ) to first visible row `top` and column `left`,
// by the remembered first range (kind and bounds): whole columns follow
// vertical scrolls, whole rows horizontal ones, a block follows while it is
// in view, a single cell takes the origin. False when nothing changes. The
// focus is the block's first node.
bool Plot3DScrollPlacement(int kind, int rowFrom, int rowTo, int colFrom, int colTo, int top, int left, bool vertical,
                           Plot3DPlacement* place);

// Copy rows x cols cells from the placement's origin into the record: node
// validity, values, colours, scaled heights, the extremes' texts and the
// status texts. 0 when the block holds a number (hasData set), 1 when it
// holds none (hasData cleared, the record otherwise unchanged).
int Plot3DTransferGrid(const TableDocument& t, Plot3DRecord& p, const Plot3DPlacement& place, int rows, int cols);

// The window title after a layout.
std::string Plot3DTitle(const Plot3DRecord& p);
