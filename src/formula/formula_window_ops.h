// The window-handle forms of formula operations, for window code that holds
// a table window rather than its document. Each locks the window's table and
// runs the operation of the same name (formula_eval.h, formula_parse.h,
// formula_result.h) with that window; when the handle is not a table they
// give -1 (FormulaEvalOp with "Err ???" as its result) or do nothing.
#pragma once

#include <string>
#include <string_view>

#include "formula/formula_eval.h"
#include "formula/formula_parse.h"
#include "platform/window.h"

int FormulaEvalOp(WindowHandle hwnd, std::string_view name, FormulaResultText& result);
int FormulaProcess(WindowHandle hwnd, std::string_view text, int stage, int mode, std::string_view context,
                   FormulaWorkText& out);
int FormulaCheck(WindowHandle hwnd, std::string& text);
void FormulaErrorToCell(WindowHandle hwnd, std::string_view text);
