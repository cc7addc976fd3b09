#include "formula/formula_eval.h"

#include <cmath>

#include "formula/formula_errors.h"
#include "formula/formula_eval_call.h"
#include "formula/formula_result.h"
#include "platform/number_text.h"
#include "table/cell_text.h"
#include "table/table_access.h"

namespace {

enum Family : int {
  FAMILY_ARITHMETIC,
  FAMILY_SCALAR,
  FAMILY_STATISTIC,
  FAMILY_COMPARISON,
  FAMILY_IF,
  FAMILY_MATRIX,
  FAMILY_MATRIX_NUMBER,  // m_determ: a matrix in, a number out
};

struct Operation {
  const char* szName;
  Family family;
};

// The 49 operations, in their fixed order.
constexpr Operation kOperations[] = {
    {"+", FAMILY_ARITHMETIC},        {"-", FAMILY_ARITHMETIC},      {"*", FAMILY_ARITHMETIC},
    {"/", FAMILY_ARITHMETIC},        {"^", FAMILY_ARITHMETIC},      {"acos", FAMILY_SCALAR},
    {"asin", FAMILY_SCALAR},         {"atan", FAMILY_SCALAR},       {"atan2", FAMILY_SCALAR},
    {"cos", FAMILY_SCALAR},          {"cosh", FAMILY_SCALAR},       {"exp", FAMILY_SCALAR},
    {"fabs", FAMILY_SCALAR},         {"ln", FAMILY_SCALAR},         {"log", FAMILY_SCALAR},
    {"log10", FAMILY_SCALAR},        {"pow", FAMILY_SCALAR},        {"sin", FAMILY_SCALAR},
    {"sinh", FAMILY_SCALAR},         {"sqrt", FAMILY_SCALAR},       {"tan", FAMILY_SCALAR},
    {"tanh", FAMILY_SCALAR},         {"average", FAMILY_STATISTIC}, {"maximum", FAMILY_STATISTIC},
    {"median", FAMILY_STATISTIC},    {"minimum", FAMILY_STATISTIC}, {"sum", FAMILY_STATISTIC},
    {"=", FAMILY_COMPARISON},        {"==", FAMILY_COMPARISON},     {"!=", FAMILY_COMPARISON},
    {"<>", FAMILY_COMPARISON},       {"<", FAMILY_COMPARISON},      {"<=", FAMILY_COMPARISON},
    {"=<", FAMILY_COMPARISON},       {">", FAMILY_COMPARISON},      {">=", FAMILY_COMPARISON},
    {"=>", FAMILY_COMPARISON},       {"if", FAMILY_IF},             {"degrees", FAMILY_SCALAR},
    {"radians", FAMILY_SCALAR},      {"sum_if", FAMILY_STATISTIC},  {"count", FAMILY_STATISTIC},
    {"count_if", FAMILY_STATISTIC},  {"m_determ", FAMILY_MATRIX_NUMBER}, {"m_inverse", FAMILY_MATRIX},
    {"m_minus", FAMILY_MATRIX},      {"m_mult", FAMILY_MATRIX},     {"m_plus", FAMILY_MATRIX},
    {"m_transp", FAMILY_MATRIX},
};
static_assert(sizeof(kOperations) / sizeof(kOperations[0]) == 49);

const Operation* FindOperation(std::string_view name) {
  for (const Operation& op : kOperations) {
    if (name == op.szName) return &op;
  }
  return nullptr;
}

double ArgValue(const EvalCall& c, int k) { return TextToDouble(c.Arg(k)); }

int Arithmetic(EvalCall& c) {
  const char op = c.name[0];
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

int Comparison(EvalCall& c) {
  if (c.ArgCount() != 2) {
    c.text.Assign("Err ?");
    c.text.AppendCut(c.name);
    c.text.AppendCut("?");
    return -1;
  }
  if (RequireNumbers(c, RULE_TWO, 0, 2) != 0) return -1;
  const double a = ArgValue(c, 0);
  const double b = ArgValue(c, 1);
  const std::string_view op = c.name;
  bool holds = false;
  if (op == "=" || op == "==") {
    holds = a == b;
  } else if (op == "!=" || op == "<>") {
    holds = a != b;
  } else if (op == "<") {
    holds = a < b;
  } else if (op == "<=" || op == "=<") {
    holds = a <= b;
  } else if (op == ">") {
    holds = a > b;
  } else {
    holds = a >= b;
  }
  c.value = holds ? 1.0 : 0.0;
  c.places = 0;
  return 0;
}

int If(EvalCall& c) {
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

// "Err name(?)": the text of a function called with no argument.
int MissingArguments(EvalCall& c) {
  c.text.Assign("Err ");
  c.text.AppendCut(c.name);
  c.text.AppendCut("(?)");
  return -1;
}

}  // namespace

int RequireNumbers(EvalCall& c, ArgumentRule rule, int first, int count) {
  bool allNumbers = true;
  for (int k = first; k < first + count; ++k) {
    const std::string_view argument = c.Arg(k);
    if (IsErrorText(argument)) return c.Error(argument);
    if (CellIsText(argument) != 0) allNumbers = false;
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

int FormulaEvalOp(TableRecord& t, WindowHandle hwnd, std::string_view name, FormulaResultText& result) {
  result.Clear();
  const Operation* op = FindOperation(name);
  if (!op) {
    result.Assign(FormulaErrorText(ERR_UNKNOWN_OPERATION));
    return -1;
  }
  EvalCall c{t, hwnd, name, result};
  int status = 0;
  switch (op->family) {
    case FAMILY_ARITHMETIC:
      status = Arithmetic(c);
      break;
    case FAMILY_SCALAR:
      status = EvaluateScalar(c);
      break;
    case FAMILY_COMPARISON:
      status = Comparison(c);
      break;
    case FAMILY_IF:
      status = If(c);
      break;
    case FAMILY_STATISTIC:
      if (c.ArgCount() < 1) {
        status = MissingArguments(c);
      } else if (name == "sum_if" && c.ArgCount() % 2 == 0) {
        status = c.Error(FormulaErrorText(ERR_COUNT_SUM_IF_EVEN));
      } else {
        status = EvaluateStatistic(c);
      }
      break;
    case FAMILY_MATRIX:
    case FAMILY_MATRIX_NUMBER:
      if (c.ArgCount() < 1) {
        status = MissingArguments(c);
        // The matrix-producing functions place their own errors.
        if (op->family == FAMILY_MATRIX) {
          FormulaPlaceMatrixError(t, hwnd, result.view());
          return -1;
        }
      } else {
        status = EvaluateMatrix(c);
        if (op->family == FAMILY_MATRIX) return status;
      }
      break;
  }
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
    FormatResult(c.value, c.places, true, result);
  } else {
    FormatResult(c.value, decimals, false, result);
  }
  return 0;
}

int FormulaEvalOp(WindowHandle hwnd, std::string_view name, FormulaResultText& result) {
  TableLockGuard t(hwnd);
  if (!t) {
    result.Assign(FormulaErrorText(ERR_UNKNOWN_OPERATION));
    return -1;
  }
  return FormulaEvalOp(*t.get(), hwnd, name, result);
}
