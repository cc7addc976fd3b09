// The formula registry of a table: storing, running, deactivating and
// deleting formulas, copying them to other cells with shifted references,
// the text line that stands for a formula in files and on the clipboard,
// and the marks of the cells a formula names.
#pragma once

#include <string>
#include <string_view>

#include "platform/window.h"
#include "table/table_record.h"

enum FormulaRunMode : int {
  FORMULA_MODE_INACTIVE = 2,
  FORMULA_MODE_RUN = 3,
};

inline constexpr std::string_view FORMULA_LINE_KIND = "User(+,-,x,/)";
inline constexpr std::string_view FORMULA_KEY_RUN = "RUN=";
inline constexpr std::string_view FORMULA_KEY_INACTIVE = "INACTIVE=";

// Store a formula for the target cell named by `target` (R<row>C<col>):
// Run checks and evaluates it, Inactive stores it as it is. 0, or -1 after
// a refusal message (no formula text, a text naming its own target).
int FormulaRun(WindowHandle hwnd, std::string_view target, int mode, std::string_view formula, int decimals);

// Delete the formula of a target: 1 deleted, 0 the cell's link led to no
// slot of that target, -1 a bad target or a cell without a formula.
int FormulaDelete(WindowHandle hwnd, std::string_view target);

// The slot of target (row, col), else the lowest free slot (*isNew set),
// else -1 after the "registry full" message.
int FindFormulaSlot(TableDocument& t, int row, int col, bool* isNew);

// Alignment of a formula text to its target: every reference in the
// target's row, every reference in its column (both for no references).
void FormulaAlignment(std::string_view text, int row, int col, bool* rowAligned, bool* colAligned);

// A formula text moved from a source target to a new target: every
// reference shifts by the move, except that a row-aligned text takes the
// new target's row and a column-aligned text the new target's column.
// Unreadable references become "???", numbers that fall to 0 or below
// "?REF?".
std::string ShiftReferences(bool rowAligned, bool colAligned, int srcRow, int srcCol, int newRow, int newCol,
                            std::string_view text, int rows, int cols);

// Copy the formula whose marker was picked (iFormulaCellRow/Col) to every
// cell of the current selection range, then recalculate all. 0, -1 when
// the registry filled up (cells filled so far keep their formulas).
int FormulaFill(WindowHandle hwnd);

// The line of a slot: kind, target, state key, decimals and text joined by
// tabs, with "\r\n" when asked; empty for a slot that holds no formula.
std::string FormulaLineText(const TableDocument& t, int slot, bool lineEnd);

// Register a formula line read from a table file. 0 taken, -1 dropped.
int FormulaLoadLine(TableDocument& t, std::string_view kind, std::string_view target, std::string_view stateKey,
                    std::string_view decimals, std::string_view text);

// Register a pasted formula line for cell (newRow, newCol), shifted from
// its source target (row or column below 1: a target that did not read).
// 0, or -1 after which the cell reads "Err MathFormula": a bad target,
// decimals other than a whole number in -1..8, a text over 999 characters,
// a full registry.
int FormulaPasteLine(WindowHandle hwnd, int srcRow, int srcCol, int newRow, int newCol, std::string_view stateKey,
                     std::string_view decimals, std::string_view text);

// Whole rows ('R') or columns ('C') were inserted (count > 0) before line
// `at` or deleted (count < 0) from it, and the cells have moved: targets
// and references follow their cells (see ShiftTextForLines). A formula
// whose target was deleted, that now names its own target, or that names
// a cell beyond the table is removed and its target emptied.
void FormulaShiftLines(WindowHandle hwnd, char bar, int at, int count);

// Mark the cells a formula text names (on: toggles the show mode and sets
// the marks; off: the show mode ends).
void MarkFormulaRefs(TableDocument& t, std::string_view text, bool on);

// Decimal places for the table, the target's formula and every formula
// whose target lies in the current selection; recalculates when any
// formula changed.
void FormulaSetDecimals(WindowHandle hwnd, std::string_view target, int places);
