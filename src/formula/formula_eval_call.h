// One evaluation in progress: the table, the operation's name and the
// argument list, and what the operation hands back. Shared by the
// evaluator and its function families.
#pragma once

#include <string_view>

#include "formula/formula_functions.h"
#include "formula/formula_text.h"
#include "platform/text_buffer.h"
#include "platform/window.h"
#include "table/table_record.h"

struct EvalCall {
  TableDocument& t;
  WindowHandle hwnd;
  std::string_view name;
  FormulaResultText& text;  // the error text, or the marker of a matrix result
  const FormulaFunction& fn;
  double value = 0.0;
  int places = 0;

  int ArgCount() const { return t.iArgCount; }
  std::string_view Arg(int k) const { return TextOf(t.szArgs[k]); }

  int Error(std::string_view error) {
    text.Assign("");
    text.AppendCut(error);
    return -1;
  }
};

// How an operation names its arguments in the error text of a non-numeric
// argument.
enum ArgumentRule : int {
  RULE_OPERATOR,   // "Err " a op b
  RULE_ONE,        // "Err " name "(" a ")"
  RULE_TWO,        // "Err " name "(" a "," b ")"
};

// Require numeric arguments `first` to `first + count - 1`: an argument
// holding an error passes that error on; any other text fails with a text
// built from the shortened arguments. 0, or -1 with the error set.
int RequireNumbers(EvalCall& c, ArgumentRule rule, int first, int count);
