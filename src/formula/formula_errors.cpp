#include "formula/formula_errors.h"

namespace {

struct ErrorEntry {
  FormulaError id;
  const char* szText;
};

constexpr ErrorEntry kErrors[] = {
    {ERR_MISSING_SYMBOL, "Err missing symbol"},
    {ERR_MISSING_DATA, "Err missing data"},
    {ERR_UNKNOWN_OPERATION, "Err ???"},
    {ERR_TEXT_TOO_LONG, "Err text too long"},
    {ERR_SUM_IF_CONDITION, "sum_if( ?if-condition? )"},
    {ERR_COUNT_IF_CONDITION, "count_if( ?if-condition? )"},
    {ERR_MATRIX_QUOTED, "count_if( ?RC:RC? )"},
    {ERR_INFINITE, "Err INF"},
    {ERR_NEGATIVE_INFINITE, "Err -INF"},
    {ERR_NOT_A_NUMBER, "Err NAN"},
    {ERR_COUNT_PLUS, "Err ?+?"},
    {ERR_COUNT_MINUS, "Err ?-?"},
    {ERR_COUNT_TIMES, "Err ?*?"},
    {ERR_COUNT_DIVIDE, "Err  ?/?"},
    {ERR_COUNT_POWER, "Err ?^?"},
    {ERR_COUNT_IF, "Err if(?,?,?)"},
    {ERR_COUNT_SUM_IF_EVEN, "Err sum_if(??]"},
    {ERR_ACOS_BELOW, "Err acos(-1>x)"},
    {ERR_ACOS_ABOVE, "Err acos(x>1)"},
    {ERR_ASIN_BELOW, "Err asin(-1>x)"},
    {ERR_ASIN_ABOVE, "Err asin(x>1)"},
    {ERR_LN_DOMAIN, "Err ln(x<=0)"},
    {ERR_LOG_DOMAIN, "Err log(x<=0)"},
    {ERR_LOG10_DOMAIN, "Err log10(x<=0)"},
    {ERR_POW_DOMAIN, "Err pow(0=x,0>y)"},
    {ERR_SQRT_DOMAIN, "Err sqrt(x<0)"},
    {ERR_IF_CONDITION, "Err if(?,N,M)"},
    {ERR_AVERAGE_NO_VALUE, "Err average(no value)"},
    {ERR_MEDIAN_NO_VALUE, "Err median(no value)"},
    {ERR_MEDIAN_TOO_MANY, "Err median(>16385 values)"},
    {ERR_MATRIX_MARKER_BELOW, "Err 0 > iMatrixBuffP"},
    {ERR_MATRIX_MARKER_ABOVE, "Err MATH_MATRIX_BUF_N < iMatrixBuffP"},
    {ERR_MATRIX_NEED_TWO, "need 2 parameters )"},
    {ERR_MATRIX_NEED_ONE, "need 1 parameter )"},
    {ERR_MATRIX_ROWS_DIFFER, "Matrix does not have an equal number of rows )"},
    {ERR_MATRIX_COLS_DIFFER, "Matrix does not have an equal number of columns )"},
    {ERR_MATRIX_MULT_SHAPE, "M1 number of columns should match M2 number of rows )"},
    {ERR_MATRIX_NOT_SQUARE, "Matrix does not have an equal number of rows and columns )"},
    {ERR_MATRIX_EMPTY_CELLS, "Any cells in array are empty or contain text )"},
    {ERR_MATRIX_TOO_MANY_ROWS, "50 < number of rows )"},
    {ERR_MATRIX_TOO_MANY_COLS, "50 < number of columns )"},
    {ERR_MATRIX_SINGULAR, "(...)"},
};

static_assert(sizeof(kErrors) / sizeof(kErrors[0]) == ERR_COUNT_OF_ERRORS, "every error needs one text");

constexpr bool ErrorsInOrder() {
  for (int i = 0; i < ERR_COUNT_OF_ERRORS; ++i) {
    if (kErrors[i].id != i) return false;
  }
  return true;
}
static_assert(ErrorsInOrder(), "error texts must follow the order of FormulaError");

}  // namespace

std::string_view FormulaErrorText(FormulaError error) {
  if (error < 0 || error >= ERR_COUNT_OF_ERRORS) return "Err ???";
  return kErrors[error].szText;
}
