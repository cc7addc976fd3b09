// Table ranges as clipboard text, the form other programs exchange tables
// in: rows end with CR LF and the cells of a row are joined by one TAB.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "table/table_range.h"
#include "table/table_record.h"

// A field longer than this is cut when pasted.
inline constexpr std::size_t PASTE_FIELD_BYTES = 999;

// The text of a range: each cell's text (a long text in full), or, when
// `formulaLine` is given and returns a line for the cell, that formula
// line in its place.
std::string RangeClipboardText(const TableDocument& t, const TableRange& range,
                               const std::function<std::string(int row, int col)>& formulaLine = {});

// One field of pasted text at its place relative to the first cell. A
// formula line arrives as one field with `formula` set and its target,
// state, decimals and text in `parts` (missing parts empty).
struct PastedField {
  int iRow;
  int iCol;
  std::string_view text;
  bool bFormula;
  std::string_view parts[4];
};

// The rows and the widest row of pasted text: CR, LF or CR LF end a row
// (a last row needs no line end), TAB ends a field, and a formula line
// counts as one field.
struct PasteShape {
  int iRows;
  int iCols;
};
PasteShape MeasurePasteText(std::string_view text);

// Visit every field of pasted text in order; `visit` returns false to stop.
// Fields are cut to PASTE_FIELD_BYTES at a character boundary.
void ForEachPastedField(std::string_view text, const std::function<bool(const PastedField&)>& visit);
