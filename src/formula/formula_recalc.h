// Recalculation of the formulas that read a cell.
//
// A change starts a pass: the running formulas that read the changed cell
// wait in a heap ordered by their places in the dependency order, and each
// one that runs adds the readers of the cells it stores. Every formula runs
// at most once per pass, after the formulas whose results it reads (a
// topological order over the cached read sets, slot order among formulas
// that do not depend on each other). Formulas that read each other, directly
// or through a range, form a cycle that runs once per pass in slot order, so
// a pass costs time linear in its formulas and the cells they read, and
// always ends. A failed evaluation does not stop the pass.
#pragma once

#include "platform/window.h"
#include <vector>

#include "table/table_record.h"

// Re-run every running formula that reads cell (row, col) of the table, and
// what reads their results, once each in dependency order.
void RecalcDependants(WindowHandle hwnd, int row, int col);

// The same with matrix formulas passed over: run for the cells of a placed
// matrix result, whose matrix formula must not run again because of them.
void RecalcDependantsSkippingMatrix(WindowHandle hwnd, int row, int col);

// Run every running formula once, in dependency order; a failure moves on
// to the next formula.
void RecalcAll(WindowHandle hwnd);

// Evaluate the formula of `slot` and write its result into its target (a
// matrix result is placed from the target on). 0, or -1 after the failure
// was written into the target.
int FormulaRunSlot(TableDocument& t, WindowHandle hwnd, int slot, bool newFormula);

// Run one formula as its own change: evaluate it, write its result and
// re-run what reads it (the formula itself has run in this pass, so it does
// not run again through a cycle). 0, or -1 when its evaluation failed.
int RecalcRunFormula(WindowHandle hwnd, TableDocument& t, int slot, bool newFormula);

// What each slot reads is derived once from its text and kept until the
// text or the table's size changes. Every change of a slot's text or
// target must be followed by this call (the registry's own functions do).
void FormulaReadSetsChanged(const TableDocument& t);

// The lowest slot that may be free: every slot below it is taken. Reset to
// 0 by FormulaReadSetsChanged; a caller that takes the lowest free slot
// `slot` (after that call) may raise it to slot + 1.
int FormulaFreeSlotHint(const TableDocument& t);
void FormulaSetFreeSlotHint(const TableDocument& t, int hint);

// The lowest free slot from the hint on, or -1 when the registry is full.
int FormulaLowestFreeSlot(const TableDocument& t);

// Watch the passes: `observer` is told every slot about to be evaluated by a
// recalculation (null stops watching).
using RecalcObserver = void (*)(void* context, int slot);
void SetRecalcObserver(RecalcObserver observer, void* context);

// The running formulas whose text reads cell (row, col), in slot order
// (for tests and the naive comparison in the benchmarks).
void FormulaReadersOf(const TableDocument& t, int row, int col, bool skipMatrix, std::vector<int>& out);
