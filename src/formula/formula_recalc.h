// Recalculation of the formulas that read a cell.
//
// Formulas that read a changed cell run in slot order; each one's result
// store re-runs its own readers before the scan goes on (depth first). The
// walk keeps its frames on the heap, so a long chain of formulas needs no
// stack depth, and a formula already on the current path is not run again:
// formulas that feed each other in a cycle run once each per change.
#pragma once

#include "platform/window.h"
#include <vector>

#include "table/table_record.h"

// Re-run, depth first in slot order, every running formula that reads cell
// (row, col) of the table.
void RecalcDependants(WindowHandle hwnd, int row, int col);

// The same with matrix formulas passed over: run for the cells of a placed
// matrix result, whose matrix formula must not run again because of them.
void RecalcDependantsSkippingMatrix(WindowHandle hwnd, int row, int col);

// Run every running formula in slot order (each with its readers, depth
// first); a failure moves on to the next slot.
void RecalcAll(WindowHandle hwnd);

// Evaluate the formula of `slot` and write its result into its target (a
// matrix result is placed from the target on). 0, or -1 after the failure
// was written into the target.
int FormulaRunSlot(TableRecord& t, WindowHandle hwnd, int slot, bool newFormula);

// Run one formula as its own change: evaluate it, write its result and
// re-run its readers (the formula itself is on the path, so it does not
// run again through a cycle). 0, or -1 when its evaluation failed.
int RecalcRunFormula(WindowHandle hwnd, TableRecord& t, int slot, bool newFormula);

// What each slot reads is derived once from its text and kept until the
// text or the table's size changes. Every change of a slot's text or
// target must be followed by this call (the registry's own functions do).
void FormulaReadSetsChanged(const TableRecord& t);

// The lowest slot that may be free: every slot below it is taken. Reset to
// 0 by FormulaReadSetsChanged; a caller that takes the lowest free slot
// `slot` (after that call) may raise it to slot + 1.
int FormulaFreeSlotHint(const TableRecord& t);
void FormulaSetFreeSlotHint(const TableRecord& t, int hint);

// The lowest free slot from the hint on, or -1 when the registry is full.
int FormulaLowestFreeSlot(const TableRecord& t);

// Watch the walk: `observer` is told every slot about to be evaluated by a
// recalculation (null stops watching).
using RecalcObserver = void (*)(void* context, int slot);
void SetRecalcObserver(RecalcObserver observer, void* context);

// The running formulas whose text reads cell (row, col), in slot order
// (for tests and the naive comparison in the benchmarks).
void FormulaReadersOf(const TableRecord& t, int row, int col, bool skipMatrix, std::vector<int>& out);
