// Result texts of formulas: number formatting, decimal places, and where
// error texts go.
#pragma once

#include <string>
#include <string_view>

#include "table/formula_slot.h"
#include "formula/formula_text.h"
#include "platform/window.h"
#include "table/table_record.h"

// Places of a number text. A plain number has as many places as it has
// characters after its first '.' (3.250 has 3). A number in exponent form
// has the places its value needs, at most 12 (1e-3 has 3, 1.5e3 has 0,
// 1.25e-1 has 3).
int DecimalsOf(std::string_view text);

// Where a result text goes: into a cell as the formula's final text, or
// back into the formula text for the operations still to come.
enum ResultForm : int {
  RESULT_DISPLAY,
  RESULT_SPLICED,
};

// Spliced results below this magnitude are written in fixed notation.
inline constexpr double SPLICED_FIXED_LIMIT = 1e15;

// The text of a formula result, never with more significant digits than a
// double holds (15). Values of 100000 and more, or below 0.00001, are
// written in exponent form ("%e" for display; 15 significant digits when
// spliced, where fixed notation goes on up to 1e15); others with 13 places
// below 100 and one fewer per further integer digit. With `automatic`
// trailing zeros go; then the text is rounded on its digits (half away from
// zero) and cut to `places` places.
void FormatResult(double value, int places, bool automatic, FormulaResultText& out,
                  ResultForm form = RESULT_DISPLAY);
std::string FormatResult(double value, int places, bool automatic);

// The slot of the formula being evaluated, or null for an evaluation that
// belongs to no formula.
FormulaSlot* CurrentFormula(TableDocument& t);
// Decimal places that apply to results now: the current formula's setting,
// or the table's setting for evaluations outside a formula; -1 is full
// precision.
int CurrentDecimals(TableDocument& t);

// Store a text into a cell and recalculate what reads it (no recalculation
// without a window).
void FormulaSetCell(TableDocument& t, WindowHandle hwnd, int row, int col, std::string_view text);

// A parser error: the text goes into the current formula's target and the
// formula becomes inactive. Nothing happens without a current formula.
void FormulaErrorToCell(TableDocument& t, WindowHandle hwnd, std::string_view text);

// An evaluation error: into the current formula's target (the formula
// keeps running), or in a message box when no formula is current.
void FormulaPlaceError(TableDocument& t, WindowHandle hwnd, std::string_view text);

// An error of a matrix-producing function: stored into the current
// formula's target without recalculation, or shown in a message box when no
// formula is current.
void FormulaPlaceMatrixError(TableDocument& t, WindowHandle hwnd, std::string_view text);

// The final text of a whole formula: a single reference (possibly with a
// leading '-') becomes the referenced cell's text, negated by the sign;
// every other text stays.
void FormulaResolveResult(const TableDocument& t, FormulaResultText& text);
