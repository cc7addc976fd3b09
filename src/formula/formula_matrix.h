// Matrix functions and the placement of a matrix result. A matrix result
// does not fit a cell, so it waits in an entry of the table's matrix buffer
// and stands in the formula text as "MATRIXBUFPOINT" and the entry number.
#pragma once

#include <string_view>

#include "platform/window.h"
#include "table/table_record.h"

// The lowest entry not in use, or -1 when all are taken.
int AllocMatrixEntry(TableDocument& t);
// Mark every entry free.
void FreeMatrixEntries(TableDocument& t);

// Entry number of a marker text, or -1 when the text is none.
int MatrixMarkerEntry(std::string_view text);

// The rows and columns of the block a matrix-producing formula text places,
// read from the ranges it names (nested calls included); false when the
// text does not tell (then only the run shows it).
bool MatrixResultShape(std::string_view text, int rows, int cols, int* outRows, int* outCols);

// Re-runs the formulas that read a cell of a placed block (other than its
// bottom-right cell, whose store recalculates as usual).
using MatrixCellRecalc = void (*)(WindowHandle hwnd, int row, int col);

// Write matrix entry `entry` into the cells from (row, col) right and
// down: every cell inside the table gets a green border and the element's
// text (empty where the element has none). The bottom-right cell is stored
// with recalculation, then `recalc` runs for every other cell. For a new
// formula the block becomes the selection and its area is backed up for
// undo first. Afterwards every entry is free.
// 0, or -1 for a bad entry or a window that is no table.
int PlaceMatrixResult(WindowHandle hwnd, int entry, int row, int col, bool newFormula,
                      MatrixCellRecalc recalc = nullptr);
