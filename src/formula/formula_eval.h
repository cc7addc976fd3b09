// Evaluation of one operator or function over the argument list that the
// parser has just filled (iArgCount, szArgs of the table record).
#pragma once

#include <string_view>

#include "formula/formula_result.h"
#include "formula/formula_text.h"
#include "platform/window.h"
#include "table/table_record.h"

// Evaluate `name` (one of 49 operators and functions) and write its result
// text: a number formatted for the current decimal setting, or a matrix
// marker. 0, or -1 with the error text in `result`, already placed: into
// the current formula's target, or in a message box when no formula is
// current. An unknown name gives "Err ???" and places nothing.
// `form` chooses the result text: the display form of a cell (exponent
// form from 100000 on), or the spliced form that keeps every digit of the
// value within 15 significant digits; `value` receives the number.
int FormulaEvalOp(TableDocument& t, WindowHandle hwnd, std::string_view name, FormulaResultText& result,
                  ResultForm form = RESULT_DISPLAY, double* value = nullptr);
