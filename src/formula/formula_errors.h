// The error texts the formula engine writes into cells. They are data, not
// messages: a cell holding a text that begins with "Err" carries the error
// on to every formula that reads it, so they read the same in both
// languages. Texts that name an argument are built from these pieces.
#pragma once

#include <string_view>

enum FormulaError : int {
  // Parser.
  ERR_MISSING_SYMBOL,
  ERR_MISSING_DATA,
  ERR_UNKNOWN_OPERATION,
  ERR_TEXT_TOO_LONG,       // a rewritten text would outgrow its buffer
  ERR_SUM_IF_CONDITION,    // the quoted condition stands elsewhere
  ERR_COUNT_IF_CONDITION,
  ERR_MATRIX_QUOTED,       // a quoted operand of a two-matrix function
  // Results that are no number.
  ERR_INFINITE,
  ERR_NEGATIVE_INFINITE,
  ERR_NOT_A_NUMBER,
  // Argument counts.
  ERR_COUNT_PLUS,
  ERR_COUNT_MINUS,
  ERR_COUNT_TIMES,
  ERR_COUNT_DIVIDE,
  ERR_COUNT_POWER,
  ERR_COUNT_IF,
  ERR_COUNT_SUM_IF_EVEN,
  // Domain errors of the scalar functions.
  ERR_ACOS_BELOW,
  ERR_ACOS_ABOVE,
  ERR_ASIN_BELOW,
  ERR_ASIN_ABOVE,
  ERR_LN_DOMAIN,
  ERR_LOG_DOMAIN,
  ERR_LOG10_DOMAIN,
  ERR_POW_DOMAIN,
  ERR_SQRT_DOMAIN,
  ERR_IF_CONDITION,
  // Statistics without a value to work on, or with too many.
  ERR_AVERAGE_NO_VALUE,
  ERR_MEDIAN_NO_VALUE,
  ERR_MEDIAN_TOO_MANY,
  // Matrix buffer markers.
  ERR_MATRIX_MARKER_BELOW,
  ERR_MATRIX_MARKER_ABOVE,
  // Reasons that follow a matrix function's prefix.
  ERR_MATRIX_NEED_TWO,
  ERR_MATRIX_NEED_ONE,
  ERR_MATRIX_ROWS_DIFFER,
  ERR_MATRIX_COLS_DIFFER,
  ERR_MATRIX_MULT_SHAPE,
  ERR_MATRIX_NOT_SQUARE,
  ERR_MATRIX_EMPTY_CELLS,
  ERR_MATRIX_TOO_MANY_ROWS,
  ERR_MATRIX_TOO_MANY_COLS,
  ERR_MATRIX_SINGULAR,
  ERR_COUNT_OF_ERRORS
};

// The text of a fixed error or error piece.
std::string_view FormulaErrorText(FormulaError error);

// True when a text is an error carried by a cell (begins with "Err").
inline bool IsErrorText(std::string_view text) { return text.substr(0, 3) == "Err"; }
