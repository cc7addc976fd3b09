// The one table of the formula language's functions and operators: each
// entry's name, the arguments it takes, how its result comes back, the
// evaluator that computes it and the formula bar list line that offers it.
// The name check, the parser, the evaluator and the formula bar all read
// this table; a new function is one new entry here and its evaluator.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

struct EvalCall;

// What a function or operator takes. The parser splits and resolves the
// arguments by it; the evaluator checks their number.
enum FunctionKind : int {
  FUNCTION_NONE = 0,
  FUNCTION_OPERATOR,    // an arithmetic operator: two numbers
  FUNCTION_COMPARISON,  // a comparison: two numbers, the result 1 or 0
  FUNCTION_ONE,         // exactly one number
  FUNCTION_TWO,         // exactly two numbers
  FUNCTION_RESERVED,    // accepted by the name check, never evaluated
  FUNCTION_STATISTIC,   // numbers, references and ranges
  FUNCTION_IF,          // a condition and two numbers
  FUNCTION_COUNT_IF,    // ranges or values, then the quoted condition
  FUNCTION_SUM_IF,      // tested ranges, the quoted condition, summed ranges
  FUNCTION_MATRIX,      // ranges or matrix results
};

// How an evaluation hands its result back.
enum FunctionResult : int {
  RESULT_NUMBER,  // a number that the caller formats; the caller places errors
  RESULT_MATRIX,  // a matrix marker; the function places its own errors
};

// The formula bar list that offers a function, if any.
enum BarList : int {
  BAR_LIST_NONE = 0,
  BAR_LIST_MATH,   // the mathematical functions: cells of the selection
  BAR_LIST_STATS,  // statistics and matrices: ranges of the selection
};

// Computes one operation over the argument list; 0, or -1 with the error
// text in the call.
using FunctionEvaluator = int (*)(EvalCall& c);

struct FormulaFunction {
  std::string_view szName;
  FunctionKind kind;
  int iOperands;  // arguments it needs exactly; 0 when the number varies
  FunctionResult result;
  FunctionEvaluator evaluate;  // null for a reserved name
  int iVariant;                // the operator or relation of a shared evaluator
  BarList bar;
  int iBarLine;  // its line in that list's template text (from 0)
};

// Every entry: the five arithmetic operators, the functions and the ten
// comparisons, in the order the matrix mixing check names them.
std::span<const FormulaFunction> FormulaFunctions();

// The entry of an operator or function name (exact, case-sensitive), or
// null.
const FormulaFunction* FindFormulaFunction(std::string_view name);

// The function a formula bar list offers at `line`, or null.
const FormulaFunction* BarFunction(BarList list, int line);

// Evaluators shared by several entries, told apart by `iVariant`.
int EvaluateArithmetic(EvalCall& c);
int EvaluateComparison(EvalCall& c);
int EvaluateIf(EvalCall& c);
// The scalar functions (formula_scalar.cpp).
int EvaluateAcos(EvalCall& c);
int EvaluateAsin(EvalCall& c);
int EvaluateAtan(EvalCall& c);
int EvaluateAtan2(EvalCall& c);
int EvaluateCos(EvalCall& c);
int EvaluateCosh(EvalCall& c);
int EvaluateExp(EvalCall& c);
int EvaluateFabs(EvalCall& c);
int EvaluateLn(EvalCall& c);
int EvaluateLog(EvalCall& c);
int EvaluateLog10(EvalCall& c);
int EvaluatePow(EvalCall& c);
int EvaluateSin(EvalCall& c);
int EvaluateSinh(EvalCall& c);
int EvaluateSqrt(EvalCall& c);
int EvaluateTan(EvalCall& c);
int EvaluateTanh(EvalCall& c);
int EvaluateDegrees(EvalCall& c);
int EvaluateRadians(EvalCall& c);
// The statistical and conditional functions (formula_stats.cpp).
int EvaluateAverage(EvalCall& c);
int EvaluateCount(EvalCall& c);
int EvaluateCountIf(EvalCall& c);
int EvaluateMaximum(EvalCall& c);
int EvaluateMedian(EvalCall& c);
int EvaluateMinimum(EvalCall& c);
int EvaluateSum(EvalCall& c);
int EvaluateSumIf(EvalCall& c);
// The matrix functions (formula_matrix.cpp), told apart by `iVariant`.
int EvaluateMatrix(EvalCall& c);

// Variants of the matrix functions.
enum MatrixVariant : int {
  MATRIX_PLUS,
  MATRIX_MINUS,
  MATRIX_MULT,
  MATRIX_TRANSP,
  MATRIX_DETERM,
  MATRIX_INVERSE,
};

// Variants of the comparisons: the relation of the first argument to the
// second.
enum RelationVariant : int {
  RELATION_EQUAL,
  RELATION_NOT_EQUAL,
  RELATION_LESS,
  RELATION_LESS_EQUAL,
  RELATION_GREATER,
  RELATION_GREATER_EQUAL,
};
