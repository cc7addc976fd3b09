// Cell references (R12C3) and ranges (R1C1:R5C3) in formula texts.
#pragma once

#include <string>
#include <string_view>

// The reference of cell (row, col): "R" row "C" column (R12C3).
std::string CellReference(int row, int col);

// Whether a text has the form of a reference with a row and a column
// number, whatever the table's size ("R99999C1" does).
bool IsReferenceForm(std::string_view text);

// Row of a reference, or -1 when the text is no reference or the row lies
// beyond the table (rows counts the header row). A reference holds exactly
// one R, then exactly one C, digits, and at most one other character (so
// -R1C1 reads as a reference); leading zeros are allowed.
int RefRow(std::string_view text, int rows);
// Column of a reference, or -1 (cols counts the header column).
int RefCol(std::string_view text, int cols);

// A block of cells named by a range, corners sorted.
struct FormulaRange {
  int iRowFrom;
  int iRowTo;
  int iColFrom;
  int iColTo;
};

// Read two references joined by the first ':' of the text. Both corners
// must lie in the table with row and column at least 1 (header cells are
// never part of a range); corners may come in either order. 0, or -1 when
// the text does not read as a range.
int ReadRange(std::string_view text, int rows, int cols, FormulaRange* range);
