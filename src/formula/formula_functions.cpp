#include "formula/formula_functions.h"

#include <array>

namespace {

constexpr FormulaFunction Operator(std::string_view name, char op) {
  return FormulaFunction{name, FUNCTION_OPERATOR, 2, RESULT_NUMBER, EvaluateArithmetic, op, BAR_LIST_NONE, -1};
}

constexpr FormulaFunction Relation(std::string_view name, RelationVariant relation) {
  return FormulaFunction{name, FUNCTION_COMPARISON, 2, RESULT_NUMBER, EvaluateComparison, relation, BAR_LIST_NONE,
                         -1};
}

constexpr FormulaFunction Math(std::string_view name, FunctionKind kind, FunctionEvaluator evaluate, int line) {
  return FormulaFunction{name, kind, kind == FUNCTION_TWO ? 2 : 1, RESULT_NUMBER, evaluate, 0, BAR_LIST_MATH, line};
}

constexpr FormulaFunction Stats(std::string_view name, FunctionKind kind, FunctionEvaluator evaluate, int line) {
  return FormulaFunction{name, kind, 0, RESULT_NUMBER, evaluate, 0, BAR_LIST_STATS, line};
}

constexpr FormulaFunction Matrix(std::string_view name, int operands, MatrixVariant variant, int line) {
  return FormulaFunction{name,
                         FUNCTION_MATRIX,
                         operands,
                         variant == MATRIX_DETERM ? RESULT_NUMBER : RESULT_MATRIX,
                         EvaluateMatrix,
                         variant,
                         BAR_LIST_STATS,
                         line};
}

// The order is the one in which the matrix mixing check looks for names.
constexpr std::array kFunctions = {
    Operator("+", '+'),
    Operator("-", '-'),
    Operator("*", '*'),
    Operator("/", '/'),
    Operator("^", '^'),
    Math("acos", FUNCTION_ONE, EvaluateAcos, 0),
    Math("asin", FUNCTION_ONE, EvaluateAsin, 1),
    Math("atan", FUNCTION_ONE, EvaluateAtan, 2),
    Math("cos", FUNCTION_ONE, EvaluateCos, 4),
    Math("cosh", FUNCTION_ONE, EvaluateCosh, 5),
    Math("exp", FUNCTION_ONE, EvaluateExp, 7),
    Math("fabs", FUNCTION_ONE, EvaluateFabs, 8),
    Math("ln", FUNCTION_ONE, EvaluateLn, 9),
    Math("log", FUNCTION_ONE, EvaluateLog, 10),
    Math("log10", FUNCTION_ONE, EvaluateLog10, 11),
    Math("sin", FUNCTION_ONE, EvaluateSin, 14),
    Math("sinh", FUNCTION_ONE, EvaluateSinh, 15),
    Math("sqrt", FUNCTION_ONE, EvaluateSqrt, 16),
    Math("tan", FUNCTION_ONE, EvaluateTan, 17),
    Math("tanh", FUNCTION_ONE, EvaluateTanh, 18),
    Math("degrees", FUNCTION_ONE, EvaluateDegrees, 6),
    Math("radians", FUNCTION_ONE, EvaluateRadians, 13),
    Math("atan2", FUNCTION_TWO, EvaluateAtan2, 3),
    Math("pow", FUNCTION_TWO, EvaluatePow, 12),
    Stats("average", FUNCTION_STATISTIC, EvaluateAverage, 0),
    Stats("maximum", FUNCTION_STATISTIC, EvaluateMaximum, 3),
    Stats("median", FUNCTION_STATISTIC, EvaluateMedian, 4),
    Stats("minimum", FUNCTION_STATISTIC, EvaluateMinimum, 5),
    Stats("sum", FUNCTION_STATISTIC, EvaluateSum, 6),
    Relation("=", RELATION_EQUAL),
    Relation("==", RELATION_EQUAL),
    Relation("!=", RELATION_NOT_EQUAL),
    Relation("<>", RELATION_NOT_EQUAL),
    Relation("<", RELATION_LESS),
    Relation("<=", RELATION_LESS_EQUAL),
    Relation("=<", RELATION_LESS_EQUAL),
    Relation(">", RELATION_GREATER),
    Relation(">=", RELATION_GREATER_EQUAL),
    Relation("=>", RELATION_GREATER_EQUAL),
    FormulaFunction{"if", FUNCTION_IF, 3, RESULT_NUMBER, EvaluateIf, 0, BAR_LIST_NONE, -1},
    Stats("sum_if", FUNCTION_SUM_IF, EvaluateSumIf, 7),
    Stats("count", FUNCTION_STATISTIC, EvaluateCount, 1),
    Stats("count_if", FUNCTION_COUNT_IF, EvaluateCountIf, 2),
    Matrix("m_determ", 1, MATRIX_DETERM, 8),
    Matrix("m_inverse", 1, MATRIX_INVERSE, 9),
    Matrix("m_minus", 2, MATRIX_MINUS, 10),
    Matrix("m_mult", 2, MATRIX_MULT, 11),
    Matrix("m_plus", 2, MATRIX_PLUS, 12),
    Matrix("m_transp", 1, MATRIX_TRANSP, 13),
    FormulaFunction{"fmod", FUNCTION_RESERVED, 0, RESULT_NUMBER, nullptr, 0, BAR_LIST_NONE, -1},
};
static_assert(kFunctions.size() == 50, "49 operations and one reserved name");

// Entries by the first character of their names, for a lookup that
// compares only a few names.
struct FirstCharIndex {
  std::array<unsigned char, 128> first{};  // 1 + index of the first entry, 0 none
  std::array<unsigned char, kFunctions.size()> next{};  // 1 + index of the next one
};

constexpr FirstCharIndex BuildIndex() {
  FirstCharIndex index;
  for (std::size_t k = kFunctions.size(); k-- > 0;) {
    const unsigned char c = static_cast<unsigned char>(kFunctions[k].szName[0]) & 127;
    index.next[k] = index.first[c];
    index.first[c] = static_cast<unsigned char>(k + 1);
  }
  return index;
}

constexpr FirstCharIndex kIndex = BuildIndex();

}  // namespace

std::span<const FormulaFunction> FormulaFunctions() { return kFunctions; }

const FormulaFunction* FindFormulaFunction(std::string_view name) {
  if (name.empty() || static_cast<unsigned char>(name[0]) >= 128) return nullptr;
  for (int k = kIndex.first[static_cast<unsigned char>(name[0])]; k != 0; k = kIndex.next[k - 1]) {
    if (kFunctions[k - 1].szName == name) return &kFunctions[k - 1];
  }
  return nullptr;
}

const FormulaFunction* BarFunction(BarList list, int line) {
  if (list == BAR_LIST_NONE) return nullptr;
  for (const FormulaFunction& f : kFunctions) {
    if (f.bar == list && f.iBarLine == line) return &f;
  }
  return nullptr;
}
