/*
 * Column tools: an example Cartovel plug-in.
 *
 * Two functions on the selected cells, column by column:
 *   "Column statistics"  count, sum, mean, standard deviation, minimum and
 *                        maximum of the numbers of each selected column;
 *   "Moving average"     the mean of a window of n values down each column,
 *                        trailing or centred.
 * Built by CMake from include/cartovel_plugin.h into
 * build/.../plugins/libcolumn_tools.so; load it with "Open plug-in".
 */
#define _POSIX_C_SOURCE 200809L

#include <cartovel_plugin.h>

#include <locale.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* ---- State kept between calls ------------------------------------------- */

/* One cell received from the table. */
typedef struct {
  int32_t range, row, col;
  int has_value;
  double value;
} Cell;

/* One column of input: its range and column, and its rows in order
 * (missing values are NAN). */
typedef struct {
  int32_t range, col, rows;
  double* values;
} Column;

enum { FUNCTION_STATISTICS = 0, FUNCTION_MOVING_AVERAGE = 1, FUNCTION_COUNT = 2 };

static int chinese;
static Cell* cells;
static size_t cell_count, cell_capacity;
static int selected_function;
static int statistic_on[6] = {1, 1, 1, 1, 1, 1};
static int sample_deviation = 1;
static int write_labels = 1;
static int window_length = 3;
static int centred;
static int32_t decimals = 12;
static char (*result)[CARTOVEL_PLUGIN_RESULT_BYTES];
static int32_t result_rows, result_cols;

static const char* const kNames[2][FUNCTION_COUNT] = {{"Column statistics", "Moving average"},
                                                      {"列统计", "移动平均"}};
static const char* const kStatistics[2][6] = {{"Count", "Sum", "Mean", "Std dev", "Min", "Max"},
                                              {"个数", "总和", "平均值", "标准差", "最小值", "最大值"}};

/* ---- Small helpers ------------------------------------------------------- */

/* Copy a text into a buffer of cap bytes, cut and terminated. */
static void copy_text(char* dst, size_t cap, const char* src) {
  if (cap == 0) return;
  size_t n = strlen(src);
  if (n >= cap) n = cap - 1;
  memcpy(dst, src, n);
  dst[n] = '\0';
}

/* Numbers travel with a decimal point whatever the user's locale: switch
 * this thread to the C locale around conversions. */
static locale_t c_locale(void) {
  static locale_t c;
  if (!c) c = newlocale(LC_ALL_MASK, "C", (locale_t)0);
  return c;
}

/* A number text, or NAN. */
static double parse_number(const char* text) {
  locale_t old = uselocale(c_locale());
  char* end = NULL;
  double value = strtod(text, &end);
  uselocale(old);
  return end != text && *end == '\0' ? value : NAN;
}

/* A number as text with the chosen decimal places; 12 places lose their
 * trailing zeros. */
static void format_number(char* dst, size_t cap, double value) {
  locale_t old = uselocale(c_locale());
  snprintf(dst, cap, "%.*f", (int)decimals, value);
  uselocale(old);
  if (decimals == 12 && strchr(dst, '.')) {
    size_t n = strlen(dst);
    while (n > 0 && dst[n - 1] == '0') dst[--n] = '\0';
    if (n > 0 && dst[n - 1] == '.') dst[--n] = '\0';
  }
}

static void free_result(void) {
  free(result);
  result = NULL;
  result_rows = result_cols = 0;
}

static int make_result(int32_t rows, int32_t cols) {
  free_result();
  if (rows <= 0 || cols <= 0) return 0;
  result = calloc((size_t)rows * (size_t)cols, sizeof *result);
  if (!result) return -1;
  result_rows = rows;
  result_cols = cols;
  return 0;
}

static char* result_cell(int32_t row, int32_t col) { return result[(size_t)row * (size_t)result_cols + (size_t)col]; }

/* The columns of the received cells, each with its rows in order; the
 * number of columns, or -1 when memory is short. */
static int collect_columns(Column** out) {
  Column* columns = NULL;
  int count = 0;
  for (size_t i = 0; i < cell_count; ++i) {
    const Cell* cell = &cells[i];
    int k = 0;
    while (k < count && !(columns[k].range == cell->range && columns[k].col == cell->col)) ++k;
    if (k == count) {
      Column* grown = realloc(columns, (size_t)(count + 1) * sizeof *columns);
      if (!grown) goto fail;
      columns = grown;
      columns[count].range = cell->range;
      columns[count].col = cell->col;
      columns[count].rows = 0;
      columns[count].values = NULL;
      ++count;
    }
    Column* column = &columns[k];
    if (cell->row >= column->rows) {
      double* values = realloc(column->values, (size_t)(cell->row + 1) * sizeof *values);
      if (!values) goto fail;
      for (int32_t r = column->rows; r <= cell->row; ++r) values[r] = NAN;
      column->values = values;
      column->rows = cell->row + 1;
    }
    column->values[cell->row] = cell->has_value ? cell->value : NAN;
  }
  *out = columns;
  return count;
fail:
  for (int k = 0; k < count; ++k) free(columns[k].values);
  free(columns);
  return -1;
}

static void free_columns(Column* columns, int count) {
  for (int k = 0; k < count; ++k) free(columns[k].values);
  free(columns);
}

/* ---- The functions --------------------------------------------------------- */

/* One row per chosen statistic (a label column first when asked), one
 * column per input column. */
static int compute_statistics(const Column* columns, int count, char* error) {
  int32_t rows = 0;
  for (int s = 0; s < 6; ++s) rows += statistic_on[s] != 0;
  const int32_t first = write_labels ? 1 : 0;
  if (make_result(rows, first + count) != 0) {
    copy_text(error, CARTOVEL_PLUGIN_ERROR_BYTES, "Column statistics: out of memory");
    return -1;
  }
  int32_t row = 0;
  for (int s = 0; s < 6; ++s) {
    if (!statistic_on[s]) continue;
    if (write_labels) copy_text(result_cell(row, 0), CARTOVEL_PLUGIN_RESULT_BYTES, kStatistics[chinese][s]);
    for (int k = 0; k < count; ++k) {
      double n = 0, sum = 0, sum2 = 0, lo = INFINITY, hi = -INFINITY;
      for (int32_t r = 0; r < columns[k].rows; ++r) {
        const double v = columns[k].values[r];
        if (isnan(v)) continue;
        n += 1;
        sum += v;
        lo = v < lo ? v : lo;
        hi = v > hi ? v : hi;
      }
      const double mean = n > 0 ? sum / n : NAN;
      for (int32_t r = 0; r < columns[k].rows; ++r) {
        const double v = columns[k].values[r];
        if (!isnan(v)) sum2 += (v - mean) * (v - mean);
      }
      const double divisor = sample_deviation ? n - 1 : n;
      const double values[6] = {n, sum, mean, divisor > 0 ? sqrt(sum2 / divisor) : NAN, n > 0 ? lo : NAN,
                                n > 0 ? hi : NAN};
      char* out = result_cell(row, first + k);
      if (isnan(values[s])) {
        copy_text(out, CARTOVEL_PLUGIN_RESULT_BYTES, "");
      } else {
        format_number(out, CARTOVEL_PLUGIN_RESULT_BYTES, values[s]);
      }
    }
    ++row;
  }
  return 0;
}

/* One output column per input column, as many rows as the input; cells
 * without a full window of numbers stay empty. */
static int compute_moving_average(const Column* columns, int count, char* error) {
  int32_t rows = 0;
  for (int k = 0; k < count; ++k) rows = columns[k].rows > rows ? columns[k].rows : rows;
  if (make_result(rows, count) != 0) {
    copy_text(error, CARTOVEL_PLUGIN_ERROR_BYTES, "Moving average: out of memory");
    return -1;
  }
  const int32_t before = centred ? (window_length - 1) / 2 : window_length - 1;
  for (int k = 0; k < count; ++k) {
    for (int32_t r = 0; r < columns[k].rows; ++r) {
      const int32_t from = r - before;
      const int32_t to = from + window_length - 1;
      if (from < 0 || to >= columns[k].rows) continue;
      double sum = 0;
      int32_t i = from;
      while (i <= to && !isnan(columns[k].values[i])) sum += columns[k].values[i++];
      if (i <= to) continue;
      format_number(result_cell(r, k), CARTOVEL_PLUGIN_RESULT_BYTES, sum / window_length);
    }
  }
  return 0;
}

/* ---- The dialog items ------------------------------------------------------ */

/* Item `item` of function `function` into text (cap bytes). */
static void describe_item(int function, int32_t item, char* text, size_t cap) {
  static const char* const kStatisticsItems[CARTOVEL_ITEM_COUNT] = {
      [0] = "Column statistics",
      [1] = "Count, sum, mean, standard deviation, minimum and maximum of the numbers in each selected "
            "column. The result starts at the current cell.",
      [2] = "Standard deviation", [3] = "1",
      [4] = "1", [5] = "1", [6] = "Sample (n - 1)",
      [7] = "1", [8] = "0", [9] = "Population (n)",
      [10] = "-1", [13] = "-1",
      [16] = "Options", [17] = "1",
      [18] = "1", [19] = "1", [20] = "Labels in the first column",
      [21] = "1", [22] = "1", [23] = "Count, sum and mean",
      [24] = "1", [25] = "1", [26] = "Standard deviation",
      [27] = "1", [28] = "1", [29] = "Minimum and maximum",
      [30] = "-1", [34] = "-1", [38] = "-1", [42] = "-1", [46] = "-1", [50] = "-1", [54] = "-1",
      [58] = "1"};
  static const char* const kAverageItems[CARTOVEL_ITEM_COUNT] = {
      [0] = "Moving average",
      [1] = "The mean of a window of values down each selected column, written beside the current cell. A "
            "window with an empty or non-numeric cell gives no value.",
      [2] = "", [3] = "-1", [16] = "", [17] = "-1",
      [30] = "1", [31] = "Window", [32] = "Trailing (ends at the row)&Centred on the row", [33] = "0",
      [34] = "-1",
      [38] = "1", [39] = "6", [40] = "Window length (values)", [41] = "3",
      [42] = "-1", [46] = "-1", [50] = "-1", [54] = "-1",
      [58] = "0"};
  const char* const* items = function == FUNCTION_STATISTICS ? kStatisticsItems : kAverageItems;
  const char* value = item >= 0 && item < CARTOVEL_ITEM_COUNT && items[item] ? items[item] : "";
  if (item == 0) value = kNames[chinese][function];
  copy_text(text, cap, value);
}

/* ---- The exports ------------------------------------------------------------ */

CARTOVEL_PLUGIN_EXPORT int32_t InitializeDLLMenuItems(int32_t language) {
  chinese = language == 1;
  return 0;
}

CARTOVEL_PLUGIN_EXPORT int32_t GetDLLBufCapability(int32_t* max_ranges, int32_t* max_rows, int32_t* max_cols) {
  *max_ranges = 10;
  *max_rows = 100000;
  *max_cols = 100;
  return 0;
}

CARTOVEL_PLUGIN_EXPORT int32_t GetDLLDescription(char* text, int32_t text_capacity, char* error) {
  (void)error;
  copy_text(text, (size_t)text_capacity,
            chinese ? "列工具 1.0: 列统计与移动平均. 示例插入功能库."
                    : "Column tools 1.0: column statistics and moving averages. An example plug-in.");
  return 0;
}

CARTOVEL_PLUGIN_EXPORT int32_t GetDLLMenuItems(int32_t function, int32_t item, char* text, char* function_name,
                                               char* error) {
  const size_t cap = function < 0 ? CARTOVEL_PLUGIN_ITEM_BYTES : CARTOVEL_PLUGIN_LISTING_BYTES;
  if (function < 0) {
    function = -1;
    for (int f = 0; f < FUNCTION_COUNT; ++f) {
      if (strcmp(function_name, kNames[chinese][f]) == 0) function = f;
    }
    if (function < 0) {
      copy_text(error, CARTOVEL_PLUGIN_ERROR_BYTES, "Unknown function");
      return -1;
    }
  } else if (function >= FUNCTION_COUNT) {
    return -1;
  }
  describe_item(function, item, text, cap);
  return 0;
}

CARTOVEL_PLUGIN_EXPORT int32_t SetSelectedDLLMenuItem(int32_t item, const char* function_name, const char* value,
                                                      char* error) {
  if (item == 0) {
    selected_function = -1;
    for (int f = 0; f < FUNCTION_COUNT; ++f) {
      if (strcmp(function_name, kNames[chinese][f]) == 0) selected_function = f;
    }
    if (selected_function < 0) {
      copy_text(error, CARTOVEL_PLUGIN_ERROR_BYTES, "Unknown function");
      return -1;
    }
    /* A new choice: forget the cells of the last run. */
    cell_count = 0;
  }
  const int on = strcmp(value, "1") == 0;
  if (selected_function == FUNCTION_STATISTICS) {
    if (item == 5) sample_deviation = on;
    if (item == 19) write_labels = on;
    if (item == 22) statistic_on[0] = statistic_on[1] = statistic_on[2] = on;
    if (item == 25) statistic_on[3] = on;
    if (item == 28) statistic_on[4] = statistic_on[5] = on;
  } else {
    if (item == 33) centred = strcmp(value, "1") == 0;
    if (item == 41) {
      const double length = parse_number(value);
      if (!(length >= 1 && length <= 10000) || length != floor(length)) {
        copy_text(error, CARTOVEL_PLUGIN_ERROR_BYTES, "Window length: a whole number from 1 to 10000, please.");
        return -1;
      }
      window_length = (int)length;
    }
  }
  return 0;
}

CARTOVEL_PLUGIN_EXPORT int32_t SendDataToDllBuff(int32_t range, int32_t row, int32_t col, int32_t range_number,
                                                 int16_t numeric, const char* text, char* error) {
  (void)range_number;
  if (cell_count == cell_capacity) {
    const size_t capacity = cell_capacity ? 2 * cell_capacity : 1024;
    Cell* grown = realloc(cells, capacity * sizeof *cells);
    if (!grown) {
      copy_text(error, CARTOVEL_PLUGIN_ERROR_BYTES, "Out of memory");
      return -1;
    }
    cells = grown;
    cell_capacity = capacity;
  }
  Cell* cell = &cells[cell_count++];
  cell->range = range;
  cell->row = row;
  cell->col = col;
  cell->value = numeric ? parse_number(text) : NAN;
  cell->has_value = !isnan(cell->value);
  return 0;
}

CARTOVEL_PLUGIN_EXPORT int32_t SetSpreadsheetCapabilityForResult(int32_t first_row, int32_t first_col, int32_t rows,
                                                                 int32_t cols, int32_t places) {
  (void)first_row;
  (void)first_col;
  (void)rows;
  (void)cols;
  decimals = places >= 0 && places <= 12 ? places : 12;
  return 0;
}

CARTOVEL_PLUGIN_EXPORT int32_t CallDLLFunction(char* error) {
  Column* columns = NULL;
  const int count = collect_columns(&columns);
  if (count < 0) {
    copy_text(error, CARTOVEL_PLUGIN_ERROR_BYTES, "Out of memory");
    return -1;
  }
  const int status = selected_function == FUNCTION_STATISTICS ? compute_statistics(columns, count, error)
                                                              : compute_moving_average(columns, count, error);
  free_columns(columns, count);
  cell_count = 0;
  return status;
}

CARTOVEL_PLUGIN_EXPORT int32_t GetResultAvailableFromDLL(int32_t* available, int32_t* rows, int32_t* cols) {
  *available = result != NULL;
  *rows = result_rows;
  *cols = result_cols;
  return 0;
}

CARTOVEL_PLUGIN_EXPORT int32_t GetResultDataFromDLLBuff(int32_t row, int32_t col, int32_t text_capacity,
                                                        int32_t* status, char* text, char* error) {
  if (!result || row < 0 || col < 0 || row >= result_rows || col >= result_cols) {
    copy_text(error, CARTOVEL_PLUGIN_ERROR_BYTES, "No such result cell");
    return -1;
  }
  copy_text(text, (size_t)text_capacity, result_cell(row, col));
  *status = 1;
  return 0;
}

/* Free what the plug-in holds when it is unloaded. */
__attribute__((destructor)) static void release_column_tools(void) {
  free(cells);
  free_result();
  if (c_locale()) freelocale(c_locale());
}
