#include "formula/formula_matrix.h"

#include <algorithm>

#include "formula/formula_errors.h"
#include "formula/formula_eval_call.h"
#include "formula/formula_functions.h"
#include "formula/formula_matrix_math.h"
#include "formula/formula_names.h"
#include "formula/formula_number.h"
#include "formula/formula_recalc.h"
#include "table/cell_reference.h"
#include "formula/formula_result.h"
#include "platform/number_text.h"
#include "table/cell_store.h"
#include "table/cell_text.h"
#include "table/table_access.h"
#include "table/table_input_hooks.h"
#include "table/table_range.h"

namespace {

constexpr int STRIDE = MATRIX_MAX_DIM;

// A border that marks the cells of a placed matrix.
constexpr std::int16_t MATRIX_BORDER_GREEN = 128;
constexpr std::int16_t BORDER_FULL_BOX = 15;

struct Operand {
  bool bRange = false;
  int iEntry = -1;  // a marker's entry
  FormulaRange range{};
  int iRows = 0;
  int iCols = 0;
};

struct MatrixCall {
  EvalCall& c;
  bool bProducing;     // writes a matrix (all but m_determ)
  const char* szPrefix;
  int iPlaces = 12;

  int Fail(std::string_view reason, bool withPrefix = true) {
    c.text.Assign("");
    if (withPrefix) c.text.AppendCut(szPrefix);
    c.text.AppendCut(reason);
    if (bProducing) FormulaPlaceMatrixError(c.t, c.hwnd, c.text.view());
    return -1;
  }
  int Fail(FormulaError reason, bool withPrefix = true) { return Fail(FormulaErrorText(reason), withPrefix); }

  // Element (i, j) of an operand: true with its value, false when empty.
  bool Element(const Operand& op, int i, int j, double* value) {
    const TableDocument& t = c.t;
    if (op.iEntry >= 0) {
      const MatrixEntry& entry = t.matrixBuffer[op.iEntry];
      if (entry.empty[i * STRIDE + j]) return false;
      *value = entry.values[i * STRIDE + j];
      return true;
    }
    const TableCell& cell =
        t.cells[static_cast<std::size_t>(op.range.iRowFrom + i) * t.iCols + op.range.iColFrom + j];
    const std::string_view text = TextOf(cell.szText);
    if (text.empty() || !IsNumberText(text)) return false;
    *value = NumberValue(text);
    if (text.size() > 13) iPlaces = std::max(iPlaces, DecimalsOf(text));
    return true;
  }
};

// The start of every error text of a matrix function.
const char* PrefixOf(int variant) {
  switch (variant) {
    case MATRIX_PLUS: return "Err m_plus( ";
    case MATRIX_MINUS: return "Err m_minus( ";
    case MATRIX_MULT: return "Err m_mult(  ";
    case MATRIX_TRANSP: return "Err m_transp(  ";
    case MATRIX_DETERM: return "Err m_determ(  ";
    default: return "Err m_inverse( ";
  }
}

// Read an operand's kind and size. -1 after the failure; `none` is set for
// an argument that is neither a range nor a marker.
int ReadOperand(MatrixCall& m, std::string_view argument, Operand* op, bool* none) {
  *none = false;
  const TableDocument& t = m.c.t;
  if (argument.substr(0, MATRIX_MARKER.size()) == MATRIX_MARKER) {
    const int entry = MatrixMarkerEntry(argument);
    if (entry < 0) return m.Fail(ERR_MATRIX_MARKER_BELOW, false);
    // A marker must name a result made earlier in this formula.
    if (entry >= MATH_MATRIX_BUF_N || !t.matrixBuffer[entry].bInUse) return m.Fail(ERR_MATRIX_MARKER_ABOVE, false);
    const MatrixEntry& e = t.matrixBuffer[entry];
    op->iEntry = entry;
    op->iRows = std::clamp(static_cast<int>(e.iRows), 0, MATRIX_MAX_DIM);
    op->iCols = std::clamp(static_cast<int>(e.iCols), 0, MATRIX_MAX_DIM);
    m.iPlaces = std::max(m.iPlaces, static_cast<int>(e.iPlaces));
    return 0;
  }
  if (argument.find(':') != std::string_view::npos) {
    if (ReadRange(argument, t.iRows, t.iCols, &op->range) != 0) {
      FormulaResultText reason(argument);
      reason.AppendCut(" )");
      return m.Fail(reason.view());
    }
    op->bRange = true;
    op->iRows = op->range.iRowTo - op->range.iRowFrom + 1;
    op->iCols = op->range.iColTo - op->range.iColFrom + 1;
    return 0;
  }
  *none = true;
  return 0;
}

int CheckDimension(MatrixCall& m, int rows, int cols) {
  if (rows > MATRIX_MAX_DIM) return m.Fail(ERR_MATRIX_TOO_MANY_ROWS);
  if (cols > MATRIX_MAX_DIM) return m.Fail(ERR_MATRIX_TOO_MANY_COLS);
  return 0;
}

// Read a square operand whose every element has a value into `a`.
int ReadSquare(MatrixCall& m, const Operand& op, double* a) {
  if (op.iRows != op.iCols) return m.Fail(ERR_MATRIX_NOT_SQUARE);
  for (int i = 0; i < op.iRows; ++i) {
    for (int j = 0; j < op.iCols; ++j) {
      if (!m.Element(op, i, j, &a[i * STRIDE + j])) return m.Fail(ERR_MATRIX_EMPTY_CELLS);
    }
  }
  return 0;
}

}  // namespace

int AllocMatrixEntry(TableDocument& t) {
  for (int k = 0; k < MATH_MATRIX_BUF_N; ++k) {
    if (!t.matrixBuffer[k].bInUse) return k;
  }
  return -1;
}

void FreeMatrixEntries(TableDocument& t) {
  for (MatrixEntry& entry : t.matrixBuffer) entry.bInUse = 0;
}

int MatrixMarkerEntry(std::string_view text) {
  if (text.substr(0, MATRIX_MARKER.size()) != MATRIX_MARKER || text.size() <= MATRIX_MARKER.size()) return -1;
  const char digit = text[MATRIX_MARKER.size()];
  return digit >= '0' && digit <= '9' ? digit - '0' : -1;
}

int EvaluateMatrix(EvalCall& c) {
  TableDocument& t = c.t;
  const int variant = c.fn.iVariant;
  MatrixCall m{c, c.fn.result == RESULT_MATRIX, PrefixOf(variant)};
  const bool twoOperands = c.fn.iOperands == 2;

  int result = -1;
  if (m.bProducing) {
    result = AllocMatrixEntry(t);
    // Every entry holds a result of this formula still waiting to be used.
    if (result < 0) return m.Fail(ERR_MATRIX_MARKER_ABOVE, false);
  }
  if (c.ArgCount() != (twoOperands ? 2 : 1)) return m.Fail(twoOperands ? ERR_MATRIX_NEED_TWO : ERR_MATRIX_NEED_ONE);

  Operand a;
  Operand b;
  bool noneA = false;
  bool noneB = false;
  if (ReadOperand(m, c.Arg(0), &a, &noneA) != 0) return -1;
  if (twoOperands && ReadOperand(m, c.Arg(1), &b, &noneB) != 0) return -1;
  if (noneA && !twoOperands) {
    FormulaResultText reason(c.Arg(0));
    reason.AppendCut(" )");
    return m.Fail(reason.view());
  }
  if (CheckDimension(m, a.iRows, a.iCols) != 0) return -1;
  if (twoOperands && CheckDimension(m, b.iRows, b.iCols) != 0) return -1;

  MatrixEntry* out = m.bProducing ? &t.matrixBuffer[result] : nullptr;
  double x = 0.0;
  double y = 0.0;
  if (variant == MATRIX_PLUS || variant == MATRIX_MINUS) {
    if (a.iRows != b.iRows) return m.Fail(ERR_MATRIX_ROWS_DIFFER);
    if (a.iCols != b.iCols) return m.Fail(ERR_MATRIX_COLS_DIFFER);
    const bool plus = variant == MATRIX_PLUS;
    out->iRows = a.iRows;
    out->iCols = a.iCols;
    for (int i = 0; i < a.iRows; ++i) {
      for (int j = 0; j < a.iCols; ++j) {
        const bool hasA = m.Element(a, i, j, &x);
        const bool hasB = m.Element(b, i, j, &y);
        out->empty[i * STRIDE + j] = (hasA && hasB) ? 0 : 1;
        out->values[i * STRIDE + j] = (hasA && hasB) ? (plus ? x + y : x - y) : 0.0;
      }
    }
  } else if (variant == MATRIX_MULT) {
    if (a.iCols != b.iRows) return m.Fail(ERR_MATRIX_MULT_SHAPE);
    out->iRows = a.iRows;
    out->iCols = b.iCols;
    for (int i = 0; i < a.iRows; ++i) {
      for (int j = 0; j < b.iCols; ++j) {
        double sum = 0.0;
        bool any = false;
        for (int k = 0; k < a.iCols; ++k) {
          if (m.Element(a, i, k, &x) && m.Element(b, k, j, &y)) {
            sum += x * y;
            any = true;
          }
        }
        out->values[i * STRIDE + j] = sum;
        out->empty[i * STRIDE + j] = any ? 0 : 1;
      }
    }
  } else if (variant == MATRIX_TRANSP) {
    out->iRows = a.iCols;
    out->iCols = a.iRows;
    for (int i = 0; i < a.iRows; ++i) {
      for (int j = 0; j < a.iCols; ++j) {
        const bool has = m.Element(a, i, j, &x);
        out->values[j * STRIDE + i] = has ? x : 0.0;
        out->empty[j * STRIDE + i] = has ? 0 : 1;
      }
    }
  } else {
    double square[MATRIX_MAX_DIM * MATRIX_MAX_DIM];
    if (ReadSquare(m, a, square) != 0) return -1;
    const int n = a.iRows;
    if (variant == MATRIX_DETERM) {
      c.value = MatrixDeterminant(square, n, STRIDE);
    } else {
      if (!MatrixInverse(square, n, STRIDE, out->values.data())) return m.Fail(ERR_MATRIX_SINGULAR);
      out->iRows = n;
      out->iCols = n;
      for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) out->empty[i * STRIDE + j] = 0;
      }
    }
  }

  const int decimals = CurrentDecimals(t);
  if (a.iEntry >= 0) t.matrixBuffer[a.iEntry].bInUse = 0;
  if (b.iEntry >= 0) t.matrixBuffer[b.iEntry].bInUse = 0;
  if (!m.bProducing) {
    c.places = m.iPlaces;
    return 0;
  }
  out->iPlaces = decimals >= 0 ? decimals : m.iPlaces;
  out->bAutomatic = 1;
  out->bInUse = 1;
  c.text.Assign(MATRIX_MARKER);
  c.text.Append(static_cast<char>('0' + result));
  return 0;
}

int PlaceMatrixResult(WindowHandle hwnd, int entry, int row, int col, bool newFormula, MatrixCellRecalc recalc) {
  if (!recalc) recalc = RecalcDependantsSkippingMatrix;
  TableLockGuard guard(hwnd);
  if (!guard || entry < 0 || entry >= MATH_MATRIX_BUF_N) return -1;
  TableRecord& t = *guard.get();
  const MatrixEntry& e = t.matrixBuffer[entry];
  const int rows = std::clamp(static_cast<int>(e.iRows), 0, MATRIX_MAX_DIM);
  const int cols = std::clamp(static_cast<int>(e.iCols), 0, MATRIX_MAX_DIM);
  if (newFormula && rows > 0 && cols > 0) {
    ResetSelection(t);
    t.selRowFrom[0] = row;
    t.selRowTo[0] = std::min(row + rows - 1, t.iRows - 1);
    t.selColFrom[0] = col;
    t.selColTo[0] = std::min(col + cols - 1, t.iCols - 1);
    t.selKind[0] = SELECT_BLOCK;
    // The area the block overwrites can be undone.
    if (TableHooks().pfnUndoBackup) {
      TableHooks().pfnUndoBackup(hwnd, t.selRowFrom[0], t.selRowTo[0], t.selColFrom[0], t.selColTo[0]);
    }
  }
  FormulaResultText text;
  for (int i = 0; i < rows; ++i) {
    for (int j = 0; j < cols; ++j) {
      TableCell* cell = TableCellAt(t, row + i, col + j);
      if (!cell || row + i < 1 || col + j < 1) continue;
      cell->iBorderRed = 0;
      cell->iBorderGreen = MATRIX_BORDER_GREEN;
      cell->iBorderBlue = 0;
      if (cell->iBorderStyle == 0) cell->iBorderStyle = BORDER_FULL_BOX;
      if (e.empty[i * STRIDE + j]) {
        text.Clear();
      } else {
        FormatResult(e.values[i * STRIDE + j], e.iPlaces, e.bAutomatic != 0, text);
      }
      if (i == rows - 1 && j == cols - 1) {
        FormulaSetCell(t, hwnd, row + i, col + j, text.view());
      } else {
        TableStoreCellText(t, row + i, col + j, text.view());
      }
    }
  }
  for (int i = 0; i < rows; ++i) {
    for (int j = 0; j < cols; ++j) {
      if (i == rows - 1 && j == cols - 1) continue;
      if (!TableCellAt(t, row + i, col + j) || row + i < 1 || col + j < 1) continue;
      recalc(hwnd, row + i, col + j);
    }
  }
  FreeMatrixEntries(t);
  return 0;
}

namespace {

// The rows and columns of what a matrix argument text yields: a range, or
// a nested call; false when the text does not tell.
bool ArgumentShape(std::string_view text, int rows, int cols, int depth, int* outRows, int* outCols);

// Split the argument text between a call's brackets at its top-level
// commas: the number of arguments, or -1 for more than `most`.
int SplitTopLevel(std::string_view inner, std::string_view* args, int most) {
  int count = 0;
  int depth = 0;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= inner.size(); ++i) {
    const char ch = i < inner.size() ? inner[i] : ',';
    if (ch == '(') ++depth;
    if (ch == ')') --depth;
    if (ch != ',' || depth != 0) continue;
    if (count >= most) return -1;
    args[count++] = inner.substr(start, i - start);
    start = i + 1;
  }
  return count;
}

// The shape of what a matrix-producing call text yields.
bool CallShape(std::string_view text, int rows, int cols, int depth, int* outRows, int* outCols) {
  const std::size_t open = text.find('(');
  if (depth > 20 || open == std::string_view::npos || text.back() != ')') return false;
  const FormulaFunction* f = FindFormulaFunction(text.substr(0, open));
  if (!f || f->kind != FUNCTION_MATRIX || f->result != RESULT_MATRIX) return false;
  std::string_view args[2];
  if (SplitTopLevel(text.substr(open + 1, text.size() - open - 2), args, 2) != f->iOperands) return false;
  int shapes[2][2] = {{0, 0}, {0, 0}};
  for (int k = 0; k < f->iOperands; ++k) {
    if (!ArgumentShape(args[k], rows, cols, depth + 1, &shapes[k][0], &shapes[k][1])) return false;
  }
  switch (f->iVariant) {
    case MATRIX_MULT:
      *outRows = shapes[0][0];
      *outCols = shapes[1][1];
      break;
    case MATRIX_TRANSP:
      *outRows = shapes[0][1];
      *outCols = shapes[0][0];
      break;
    default:
      *outRows = shapes[0][0];
      *outCols = shapes[0][1];
      break;
  }
  *outRows = std::min(*outRows, MATRIX_MAX_DIM);
  *outCols = std::min(*outCols, MATRIX_MAX_DIM);
  return true;
}

bool ArgumentShape(std::string_view text, int rows, int cols, int depth, int* outRows, int* outCols) {
  if (text.find('(') != std::string_view::npos) return CallShape(text, rows, cols, depth, outRows, outCols);
  FormulaRange range{};
  if (ReadRange(text, rows, cols, &range) != 0) return false;
  *outRows = range.iRowTo - range.iRowFrom + 1;
  *outCols = range.iColTo - range.iColFrom + 1;
  return true;
}

}  // namespace

// Nested calls are followed to a bounded depth.
bool MatrixResultShape(std::string_view text, int rows, int cols, int* outRows, int* outCols) {
  return CallShape(text, rows, cols, 0, outRows, outCols);
}
