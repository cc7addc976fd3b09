// What the current selection of a table allows: the tests behind the
// enabled states of the range commands in the menus and pop-up menus.
#pragma once

#include "table/table_range.h"
#include "table/table_record.h"

// 1 when the table has exactly one selection range and it was not cleared
// (its first row and column are set) and is of a known kind; the range,
// ordered and expanded to the used extent, goes to `range` when not null.
int SelectionIsSingle(TableDocument& t, TableRange* range = nullptr);

// 1 when the single range may be cut, pasted over, deleted or inserted at:
// it is not one cell of a position-locked row or column, nor one cell that
// shows a formula's result.
int SelectionIsChangeable(TableDocument& t);

// 1 when row `row` or column `col` is held in place by a position lock.
int CellIsPositionLocked(const TableDocument& t, int row, int col);

// 1 when the cell shows the result of a registered formula.
int CellIsFormulaTarget(const TableDocument& t, int row, int col);

// 1 when the single range is one run of at least 3 cells down one column
// or along one row: one whole column over the used rows, one whole row
// over the used columns, or a one-column or one-row block. The shape a
// plot coordinate declaration takes.
int SelectionIsCoordinateRun(TableDocument& t);
