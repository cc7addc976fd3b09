#include "formula/formula_eval.h"

#include <cmath>

#include "formula/formula_errors.h"
#include "formula/formula_eval_call.h"
#include "formula/formula_functions.h"
#include "formula/formula_number.h"
#include "formula/formula_result.h"
#include "platform/number_text.h"
#include "table/cell_text.h"
#include "table/table_access.h"

namespace {

double ArgValue(const EvalCall& c, int k) { return NumberValue(c.Arg(k)); }

}  // namespace

int EvaluateArithmetic(EvalCall& c) {
  const char op = static_cast<char>(c.fn.iVariant);
  if (c.ArgCount() != 2) {
    switch (op) {
      case '+': return c.Error(FormulaErrorText(ERR_COUNT_PLUS));
      case '-': return c.Error(FormulaErrorText(ERR_COUNT_MINUS));
      case '*': return c.Error(FormulaErrorText(ERR_COUNT_TIMES));
      case '/': return c.Error(FormulaErrorText(ERR_COUNT_DIVIDE));
      default: return c.Error(FormulaErrorText(ERR_COUNT_POWER));
    }
  }
  if (RequireNumbers(c, RULE_OPERATOR, 0, 2) != 0) return -1;
  const double a = ArgValue(c, 0);
  const double b = ArgValue(c, 1);
  const int placesA = DecimalsOf(c.Arg(0));
  const int placesB = DecimalsOf(c.Arg(1));
  const int larger = placesA > placesB ? placesA : placesB;
  switch (op) {
    case '+':
      c.value = a + b;
      c.places = larger;
      return 0;
    case '-':
      c.value = a - b;
      c.places = larger;
      return 0;
    case '*':
      c.value = (a == 0.0 || b == 0.0) ? 0.0 : a * b;
      // The exact product of two decimals has the places of both.
      c.places = placesA + placesB > 12 ? 12 : placesA + placesB;
      return 0;
    case '/':
      if (b == 0.0) {
        c.text.Assign("Err ");
        c.text.AppendCut(c.Arg(0));
        c.text.AppendCut("/0");
        return -1;
      }
      c.value = a / b;
      c.places = 12;
      return 0;
    default:
      if (a == 0.0 && b < 0.0) return c.Error(FormulaErrorText(ERR_POW_DOMAIN));
      c.value = std::pow(a, b);
      c.places = 12;
      return 0;
  }
}

int EvaluateComparison(EvalCall& c) {
  if (c.ArgCount() != 2) {
    c.text.Assign("Err ?");
    c.text.AppendCut(c.name);
    c.text.AppendCut("?");
    return -1;
  }
  if (RequireNumbers(c, RULE_TWO, 0, 2) != 0) return -1;
  const double a = ArgValue(c, 0);
  const double b = ArgValue(c, 1);
  bool holds = false;
  switch (c.fn.iVariant) {
    case RELATION_EQUAL: holds = a == b; break;
    case RELATION_NOT_EQUAL: holds = a != b; break;
    case RELATION_LESS: holds = a < b; break;
    case RELATION_LESS_EQUAL: holds = a <= b; break;
    case RELATION_GREATER: holds = a > b; break;
    default: holds = a >= b; break;
  }
  c.value = holds ? 1.0 : 0.0;
  c.places = 0;
  return 0;
}

int EvaluateIf(EvalCall& c) {
  if (c.ArgCount() != 3) return c.Error(FormulaErrorText(ERR_COUNT_IF));
  // A condition that is an error passes the error on rather than choosing.
  if (IsErrorText(c.Arg(0))) return c.Error(c.Arg(0));
  if (RequireNumbers(c, RULE_TWO, 1, 2) != 0) return -1;
  const double condition = std::trunc(ArgValue(c, 0));
  int chosen = 0;
  if (condition == 1.0) {
    chosen = 1;
  } else if (condition == 0.0) {
    chosen = 2;
  } else {
    return c.Error(FormulaErrorText(ERR_IF_CONDITION));
  }
  c.value = ArgValue(c, chosen);
  const int places1 = DecimalsOf(c.Arg(1));
  const int places2 = DecimalsOf(c.Arg(2));
  c.places = places1 > places2 ? places1 : places2;
  return 0;
}

namespace {

// "Err name(?)": the text of a function called with no argument.
int MissingArguments(EvalCall& c) {
  c.text.Assign("Err ");
  c.text.AppendCut(c.name);
  c.text.AppendCut("(?)");
  return -1;
}

// Check what the evaluator itself does not: functions over lists need an
// argument, sum_if an odd number of them. 0, or -1 with the error text.
int CheckArgumentList(EvalCall& c) {
  switch (c.fn.kind) {
    case FUNCTION_STATISTIC:
    case FUNCTION_COUNT_IF:
    case FUNCTION_MATRIX:
      return c.ArgCount() < 1 ? MissingArguments(c) : 0;
    case FUNCTION_SUM_IF:
      if (c.ArgCount() < 1) return MissingArguments(c);
      return c.ArgCount() % 2 == 0 ? c.Error(FormulaErrorText(ERR_COUNT_SUM_IF_EVEN)) : 0;
    default:
      return 0;
  }
}

}  // namespace

int RequireNumbers(EvalCall& c, ArgumentRule rule, int first, int count) {
  bool allNumbers = true;
  for (int k = first; k < first + count; ++k) {
    const std::string_view argument = c.Arg(k);
    if (IsErrorText(argument)) return c.Error(argument);
    if (!IsNumberText(argument)) allNumbers = false;
  }
  if (allNumbers) return 0;
  auto shortened = [&](int k) {
    const std::string_view argument = c.Arg(k);
    c.text.AppendCut(argument.substr(0, 4));
    if (argument.size() > 4) c.text.AppendCut("...");
  };
  c.text.Assign("Err ");
  std::size_t limit = 20;
  if (rule == RULE_OPERATOR) {
    shortened(first);
    c.text.AppendCut(c.name);
    shortened(first + 1);
  } else {
    c.text.AppendCut(c.name);
    c.text.AppendCut("(");
    shortened(first);
    if (rule == RULE_TWO) {
      c.text.AppendCut(",");
      shortened(first + 1);
      limit = 19;
    }
    c.text.AppendCut(")");
  }
  if (c.text.size() >= limit) {
    c.text.Truncate(14);
    c.text.AppendCut("...");
  }
  return -1;
}

int FormulaEvalOp(TableDocument& t, WindowHandle hwnd, std::string_view name, FormulaResultText& result,
                  ResultForm form, double* value) {
  result.Clear();
  const FormulaFunction* fn = FindFormulaFunction(name);
  if (!fn || !fn->evaluate) {
    result.Assign(FormulaErrorText(ERR_UNKNOWN_OPERATION));
    return -1;
  }
  EvalCall c{t, hwnd, name, result, *fn};
  if (CheckArgumentList(c) != 0) {
    // The matrix-producing functions place their own errors.
    if (fn->result == RESULT_MATRIX) {
      FormulaPlaceMatrixError(t, hwnd, result.view());
    } else {
      FormulaPlaceError(t, hwnd, result.view());
    }
    return -1;
  }
  int status = fn->evaluate(c);
  if (fn->result == RESULT_MATRIX) return status;
  if (status == 0) {
    if (std::isinf(c.value)) {
      status = c.Error(FormulaErrorText(c.value > 0 ? ERR_INFINITE : ERR_NEGATIVE_INFINITE));
    } else if (std::isnan(c.value)) {
      status = c.Error(FormulaErrorText(ERR_NOT_A_NUMBER));
    }
  }
  if (status != 0) {
    FormulaPlaceError(t, hwnd, result.view());
    return -1;
  }
  const int decimals = CurrentDecimals(t);
  if (decimals < 0) {
    FormatResult(c.value, c.places, true, result, form);
  } else {
    FormatResult(c.value, decimals, false, result, form);
  }
  if (value) *value = c.value;
  return 0;
}

