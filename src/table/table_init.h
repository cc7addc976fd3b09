// Initialising a table record, relabelling headers and resizing.
#pragma once

#include <string_view>

#include "platform/window.h"
#include "table/table_record.h"

// Fill a zero-filled document with the state of a new table opened in
// `mode`. `fileName` is the window title text (a path, the untitled name or
// empty); `sourceDir` is the folder of the file for the file modes.
void TableInitDocument(TableDocument& t, int mode, std::string_view fileName, std::string_view sourceDir);

// Initialise a whole record: its document as above, a new window's view,
// and the selection at R1C1.
void TableInitRecord(TableRecord& t, int mode, std::string_view fileName, std::string_view sourceDir);

// Write the header labels for the current size (R1.. in column 0, C1.. in
// row 0) and reset every data cell to an empty text with the default style
// and text colour; borders, fills and formula slots stay.
void RelabelHeaders(TableDocument& t);

// Give the table a new size and mark it resized (saved as text only).
// -1 when the size lies outside the limits.
int SetImportTableSize(TableDocument& t, int rows, int cols);

// Give a new table (nothing stored, formatted or resized since
// TableInitDocument) a new size, as SetImportTableSize and RelabelHeaders
// do, touching only the header label cells: its other cells are the
// untouched defaults already. A table that shows any content takes the
// full relabel. -1 when the size lies outside the limits.
//
// A caller that fills rows in order may take the row labels from row
// `labelsFrom` on upon itself, writing each with TableWriteRowLabel as it
// fills that row: the rows' memory is then gone through once, not twice.
// It must label every row of the new size from `labelsFrom` on.
int ResizeNewTable(TableRecord& t, int rows, int cols, int labelsFrom = TABLE_MAX_DIMENSION);

// Write the header label of `row` ("R" and the row number) into its
// header cell; nothing for a row outside the table or the header row.
void TableWriteRowLabel(TableDocument& t, int row);

// An import is about to write `usedCols` cells in each of the rows
// [firstRow, firstRow + rows): when that touches most of those rows'
// memory anyway, have it made resident in large blocks at once rather
// than page by page. 1 when it was, 0 when the writes are too sparse.
int TablePrepareRows(TableDocument& t, int firstRow, int rows, int usedCols);

// The name part of a path with everything after its last "." removed, the
// "." kept ("data.csv" gives "data.").
std::string_view SourceFileStem(std::string_view path);
