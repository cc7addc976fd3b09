// The vocabulary of the formula language: character classes, the sign
// rule and the questions the parser asks about names (answered from the
// function table).
#pragma once

#include <string_view>

#include "formula/formula_functions.h"

// Lower-case letters and the underscore start and make up names.
inline bool IsNameChar(char c) { return (c >= 'a' && c <= 'z') || c == '_'; }

// Characters that decide whether a following '-' is a sign.
inline bool IsOperatorChar(char c) {
  switch (c) {
    case '!': case '*': case '+': case ',': case '-': case '/': case '<': case '=': case '>': case '^':
      return true;
    default:
      return false;
  }
}

inline bool IsComparisonChar(char c) { return c == '!' || c == '<' || c == '=' || c == '>'; }

// The exponent letter of a number. Results are written with 'e'; a typed
// 'E' works the same.
inline bool IsExponentChar(char c) { return c == 'e' || c == 'E'; }

// True when the '+' or '-' at `i` belongs to a number instead of being an
// operator: a '+' or '-' right after an exponent letter, and a '-' at the
// start of the text or right after an operator character.
inline bool IsSignAt(std::string_view text, std::size_t i) {
  const char c = text[i];
  if (c != '-' && c != '+') return false;
  if (i > 0 && IsExponentChar(text[i - 1])) return true;
  if (c == '+') return false;
  return i == 0 || IsOperatorChar(text[i - 1]);
}

// True when the character at `i` is an operator '+' or '-'.
inline bool IsAddOperatorAt(std::string_view text, std::size_t i) {
  return (text[i] == '+' || text[i] == '-') && !IsSignAt(text, i);
}

// Names of at least this many characters are never function names.
inline constexpr std::size_t FUNCTION_NAME_LIMIT = 20;

// The kind of a function name (FUNCTION_NONE for operators and names that
// are no function).
FunctionKind FunctionKindOf(std::string_view name);
inline bool IsFunctionName(std::string_view name) { return FunctionKindOf(name) != FUNCTION_NONE; }

// Functions that expand ranges themselves.
inline bool IsStatisticContext(std::string_view name) {
  const FunctionKind kind = FunctionKindOf(name);
  return kind == FUNCTION_STATISTIC || kind == FUNCTION_COUNT_IF || kind == FUNCTION_SUM_IF;
}
inline bool IsMatrixFunction(std::string_view name) { return FunctionKindOf(name) == FUNCTION_MATRIX; }

// True for the ten comparison operators.
bool IsComparisonOperator(std::string_view name);

// Functions whose arguments may hold commas: all that take more than one.
bool AllowsCommas(std::string_view name);

// The marker that stands for a matrix result in a formula text.
inline constexpr std::string_view MATRIX_MARKER = "MATRIXBUFPOINT";
