// The formula text the formula bar's buttons and lists insert: references
// of the selected cells of a table, joined as each button asks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "formula/formula_functions.h"
#include "table/table_record.h"

// What the built text will be used for.
enum BuildKind : int {
  BUILD_OPERATOR,   // + - * / ^: the cells joined by the operator
  BUILD_GET_CELLS,  // "Get cells" and "( )": the cells joined by "?"
  BUILD_IF,         // if(...): the cells joined by "?"
  BUILD_TWO_ARGS,   // atan2 and pow: the cells joined by ","
  BUILD_ONE_ARG,    // the other mathematical functions: joined by "?"
};

// A built list may not reach this many characters.
inline constexpr std::size_t BUILD_TEXT_LIMIT = 999;

// The list of every selected cell except the target (row, col), built for
// `kind` (`op` is the operator of BUILD_OPERATOR). False when the list
// would reach the limit (nothing is built then).
bool BuildCellList(TableRecord& t, int targetRow, int targetCol, BuildKind kind, char op, std::string* out);

// The selection ranges as R1C1:R2C2 joined by ","; "?" when the target lies
// in one of them. `pairs` is for the functions that take two ranges
// (count_if, sum_if and the matrix functions of two operands). False when
// the list would reach the limit.
bool BuildRangeList(TableRecord& t, int targetRow, int targetCol, bool pairs, std::string* out);

// The entries of a function list in the current language: the template of
// every function the function table puts into that list, in list order.
std::vector<std::string> BarFunctionEntries(BarList list);

// The call the function list entry at `line` (from 0) inserts: the name
// of the function the table puts there, "(", the selection's cells joined
// for that function (mathematical list; two arguments joined by ",") or
// its ranges (statistics list; pairs for the functions of two ranges), and
// ")". `out` stays empty when no function is at that line. False when the
// list would reach the limit (nothing is built then).
bool BuildFunctionCall(TableRecord& t, int targetRow, int targetCol, BarList list, int line, std::string* out);
