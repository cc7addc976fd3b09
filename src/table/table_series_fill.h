// Extending a numeric series by dragging the fill handle: a selection of
// one row or one column whose first and last cells hold numbers continues
// with the step between its last two cells.
#pragma once

#include <string>

#include "platform/window.h"
#include "table/table_record.h"

// Whether the selection can be extended: one block range, one row or one
// column wide but not one cell, numbers in its first and last cells, not
// in image view, no fill running and the editor not open on its cells.
bool SeriesFillQualifies(const TableRecord& t);
// Whether the point is on the fill handle (the 4 x 4 pixels at the
// bottom-right corner of the selection's last cell); remembers the
// ordered selection in fillRowFrom .. fillColTo when it qualifies.
bool SeriesFillHit(WindowHandle hwnd, int x, int y);
// The press on the handle: the selection restarts at the last cell and
// the fill drag begins.
void SeriesFillBegin(WindowHandle hwnd, int x, int y, unsigned keys);
// The drag: the range end follows the point along the series only.
void SeriesFillMove(WindowHandle hwnd, int x, int y);
// The release: fill from the cell after the series to the range end (or
// backwards when the end lies before the series' last cell).
void SeriesFillEnd(WindowHandle hwnd);

// The text a filled value is written as: the cell number text, unless that
// loses digits the plain decimal form keeps.
std::string SeriesValueText(double value);
