// Storing and reading cell texts.
#pragma once

#include <string>
#include <string_view>

#include "platform/window.h"
#include "table/table_record.h"

// Index of cell (row, col) in a table of rows x cols: 0 and the index, or
// -1 (index 0) for a cell outside.
int TableCellIndex(int row, int col, int rows, int cols, int* index);

// Store a text into a cell without recalculation: numbers stay in the cell,
// every other text goes to the long-text pool. -1 for a cell outside the
// table.
int TableStoreCellText(TableDocument& t, int row, int col, std::string_view text);

// Store a number as the text FormatNumber gives it, or a whole number as
// its decimal digits: the same cell, extremes and extent as storing that
// text, without reading the text back. -1 for a cell outside the table.
int TableStoreCellNumber(TableDocument& t, int row, int col, double value);
int TableStoreCellWhole(TableDocument& t, int row, int col, long long value);

// The text a cell shows: its text with a long-text reference resolved; the
// empty text for a cell outside the table.
std::string TableCellDisplayText(const TableDocument& t, int row, int col);

// The cell at (row, col), or null outside the table.
TableCell* TableCellAt(TableDocument& t, int row, int col);
const TableCell* TableCellAt(const TableDocument& t, int row, int col);
