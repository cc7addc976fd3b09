#include "formula/formula_window_ops.h"

#include "formula/formula_errors.h"
#include "formula/formula_eval.h"
#include "formula/formula_parse.h"
#include "formula/formula_result.h"
#include "table/table_access.h"

// Run one operation by name on the operands pushed by the parser.
int FormulaEvalOp(WindowHandle hwnd, std::string_view name, FormulaResultText& result) {
  TableLockGuard t(hwnd);
  if (!t) {
    result.Assign(FormulaErrorText(ERR_UNKNOWN_OPERATION));
    return -1;
  }
  return FormulaEvalOp(*t.get(), hwnd, name, result);
}

// Process a formula text at a stage of the parser.
int FormulaProcess(WindowHandle hwnd, std::string_view text, int stage, int mode, std::string_view context,
                   FormulaWorkText& out) {
  TableLockGuard t(hwnd);
  if (!t) return -1;
  return FormulaProcess(*t.get(), hwnd, text, stage, mode, context, out);
}

// Check a formula before it is stored.
int FormulaCheck(WindowHandle hwnd, std::string& text) {
  TableLockGuard t(hwnd);
  if (!t) return -1;
  return FormulaCheck(*t.get(), hwnd, text);
}

// Put a parser error into the current formula's target.
void FormulaErrorToCell(WindowHandle hwnd, std::string_view text) {
  TableLockGuard t(hwnd);
  if (t) FormulaErrorToCell(*t.get(), hwnd, text);
}
