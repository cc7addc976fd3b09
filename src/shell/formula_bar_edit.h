// The formula bar's editing: the target, the formula box, the state and
// decimal lists, and the text its buttons and function lists insert.
#pragma once

#include <string_view>

#include "shell/formula_bar.h"
#include "shell/formula_bar_build.h"

// Fill the four lists with their entries (the function lists on their
// headers, the state and decimal lists on the given entries); empty them.
void BarFillLists(FormulaBarState& bar, int stateEntry, int decimalsEntry);
void BarEmptyLists(FormulaBarState& bar);

// Both boxes back to their prompts, the state list on its first entry.
void BarClearFields(FormulaBarState& bar);

// A table sent a target (R<row>C<col>): the edit of the previous target is
// kept, then the new target and its formula are shown.
void BarShowTarget(FormulaBarState& bar, std::string_view target);
// Keep what the formula box holds for the shown target before the bar
// leaves it: an edited text is stored as an inactive formula, an unchanged
// one is stored again, an empty box deletes the formula.
void BarSettleTarget(FormulaBarState& bar);

// Whether the target box names cell (row, col) of the target's table.
bool BarShowsCell(const FormulaBarState& bar, int row, int col);
// When the shown target is cell (row, col): show its stored formula again
// (the formula changed outside the bar).
void BarReloadTarget(FormulaBarState& bar, int row, int col);

// An entry of the state list was chosen ("=" and Enter choose Run).
void BarStateAction(FormulaBarState& bar, int entry);
// The formula box changed.
void BarFormulaEdited(FormulaBarState& bar);
// An operator button, "( )", "if" or "Get cells": insert the selected cells.
void BarInsertCells(FormulaBarState& bar, int lowerButton);
// An entry of a function list (ID_BAR_MATH_LIST or ID_BAR_STATS_LIST).
void BarFunctionChosen(FormulaBarState& bar, int listId);
// An entry of the decimal places list.
void BarDecimalsChosen(FormulaBarState& bar);
// "View cells": mark the cells the formula box (or its selected part) names.
void BarViewCells(FormulaBarState& bar);
