#include "formula/formula_parse.h"

#include <array>
#include <cmath>
#include <limits>
#include <cstdint>

#include "formula/formula_errors.h"
#include "formula/formula_eval.h"
#include "formula/formula_matrix.h"
#include "formula/formula_messages.h"
#include "formula/formula_names.h"
#include "table/cell_reference.h"
#include "formula/formula_number.h"
#include "formula/formula_result.h"
#include "platform/notices.h"
#include "platform/text_buffer.h"
#include "table/cell_store.h"
#include "table/cell_text.h"
#include "table/long_text.h"
#include "table/table_access.h"

namespace {

// Placeholders spliced in by check mode, one per stage; each reads as a
// reference to the corner cell.
constexpr std::string_view PLACEHOLDER_CALL = "R0C0";
constexpr std::string_view PLACEHOLDER_GROUP = "R00C00";
constexpr std::string_view PLACEHOLDER_ARITHMETIC = "R000C000";
constexpr std::string_view PLACEHOLDER_COMPARISON = "R0000C0000";

using NameText = FixedText<FUNCTION_NAME_LIMIT + 4>;

// The last number an operation spliced into the formula text, so that the
// formula's final text can take the display form of that very value.
struct LastResult {
  FormulaResultText text;
  double value = 0.0;
  bool bSet = false;
};

struct Engine {
  TableDocument& t;
  WindowHandle hwnd;
  bool check;
  LastResult* last;  // null: results are spliced in display form
};

int Process(const Engine& e, std::string_view text, int stage, std::string_view context, FormulaWorkText& out);

// Evaluate `name` over the argument list just filled and hand back the text
// to splice in; with a LastResult it keeps every digit and is remembered.
int EvaluateOperation(const Engine& e, std::string_view name, FormulaResultText& result) {
  if (!e.last) return FormulaEvalOp(e.t, e.hwnd, name, result);
  double value = std::numeric_limits<double>::quiet_NaN();
  if (FormulaEvalOp(e.t, e.hwnd, name, result, RESULT_SPLICED, &value) != 0) return -1;
  e.last->bSet = value == value;
  if (e.last->bSet) {
    e.last->value = value;
    e.last->text.Assign(result.view());
  }
  return 0;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A set of characters, tested by one lookup (the stages test characters
// against small sets at every position).
class CharSet {
 public:
  constexpr explicit CharSet(std::string_view chars) {
    for (char c : chars) bits_[static_cast<unsigned char>(c)] = true;
  }
  constexpr bool Has(char c) const { return bits_[static_cast<unsigned char>(c)]; }
  // Whether any character of `text` is in the set.
  bool AnyIn(std::string_view text) const {
    for (char c : text) {
      if (Has(c)) return true;
    }
    return false;
  }

 private:
  bool bits_[256] = {};
};


// A parser failure in evaluate mode: the error text goes to the target.
int FailToCell(const Engine& e, FormulaError error) {
  if (!e.check) FormulaErrorToCell(e.t, e.hwnd, FormulaErrorText(error));
  return -1;
}

// A failure with a message in check mode and an error text in evaluate mode.
int Fail(const Engine& e, FormulaError error, TextId caption, TextId text, std::string_view p1 = {},
         std::string_view p2 = {}, std::string_view p3 = {}) {
  if (e.check) {
    ShowFormulaMessage(caption, text, p1, p2, p3);
    return -1;
  }
  return FailToCell(e, error);
}

int FailTooLong(const Engine& e) {
  return Fail(e, ERR_TEXT_TOO_LONG, TXT_CAPTION_ERROR, TXT_FORMULA_TOO_LONG);
}

// Replace the first pair of double quotes' content by 'X'. A quote without
// a closing one is left alone.
void MaskQuoted(FormulaWorkText& text) {
  const std::string_view view = text.view();
  const std::size_t open = view.find('"');
  if (open == std::string_view::npos) return;
  const std::size_t close = view.find('"', open + 1);
  if (close == std::string_view::npos) return;
  for (std::size_t i = open + 1; i < close; ++i) text.Set(i, 'X');
}

// Copy without blanks; false when the text does not fit.
bool CopyWithoutBlanks(std::string_view text, FormulaWorkText& out) {
  out.Clear();
  for (char c : text) {
    if (IsBlank(c)) continue;
    if (!out.Append(c)) return false;
  }
  return true;
}

// ---- Stage 0: function calls --------------------------------------------

// Start of the first name in [from, to): a name character, except an 'e'
// that begins an exponent's sign.
std::size_t NameStart(std::string_view text, std::size_t from, std::size_t to) {
  for (std::size_t i = from; i < to; ++i) {
    if (!IsNameChar(text[i])) continue;
    if (IsExponentChar(text[i]) && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-')) continue;
    return i;
  }
  return std::string_view::npos;
}

// The call that starts the first name in [from, to): its name start and
// its '(' (npos when there is none).
bool FindCall(std::string_view text, std::size_t from, std::size_t to, std::size_t* start, std::size_t* open) {
  const std::size_t s = NameStart(text, from, to);
  if (s == std::string_view::npos) return false;
  const std::size_t p = text.substr(0, to).find('(', s);
  if (p == std::string_view::npos) return false;
  *start = s;
  *open = p;
  return true;
}

// The ')' matching the '(' at `open`, before `to`; npos when none.
std::size_t MatchingClose(std::string_view text, std::size_t open, std::size_t to) {
  int depth = 0;
  for (std::size_t i = open; i < to; ++i) {
    if (text[i] == '(') {
      ++depth;
    } else if (text[i] == ')') {
      if (--depth == 0) return i;
    }
  }
  return std::string_view::npos;
}

// The characters that may stand before an operand, and after one.
constexpr CharSet BEFORE_OPERAND("!(*+,-/<=>^");
constexpr CharSet AFTER_OPERAND("!)*+,-/<=>^");

// Check what surrounds a call or group from `start` to the ')' at `close`
// with its '(' at `open`.
int CheckSurroundings(Engine& e, std::string_view text, std::size_t start, std::size_t open, std::size_t close,
                      std::string_view name) {
  if (start > 0 && !BEFORE_OPERAND.Has(text[start - 1])) {
    return Fail(e, ERR_MISSING_SYMBOL, TXT_CAPTION_ERROR, TXT_FORMULA_MISSING_BEFORE, name);
  }
  if (close + 1 < text.size() && !AFTER_OPERAND.Has(text[close + 1])) {
    return Fail(e, ERR_MISSING_SYMBOL, TXT_CAPTION_ERROR, TXT_FORMULA_MISSING_AFTER, name);
  }
  if (close == open + 1) return Fail(e, ERR_MISSING_DATA, TXT_CAPTION_ERROR, TXT_FORMULA_MISSING_INSIDE, name);
  return 0;
}

int UnknownName(std::string_view name) {
  ShowFormulaMessage(TXT_FORMULA_CAPTION_UNKNOWN_NAME, TXT_FORMULA_UNKNOWN_NAME, name);
  return -1;
}

// Calls are reduced innermost first: the first call whose arguments hold
// no further call is evaluated and its result replaces it, then the scan
// starts again. `lastName` receives the name of the last call reduced.
int StageCalls(Engine& e, FormulaWorkText& text, NameText& lastName) {
  // No call starts before `outer`, the first call of the whole text, and
  // reductions only change the text from there on: each new scan of the
  // whole text starts there.
  std::size_t outer = 0;
  std::size_t from = 0;
  std::size_t to = text.size();
  for (;;) {
    const std::string_view view = text.view();
    std::size_t start = 0;
    std::size_t open = 0;
    if (!FindCall(view, from, to, &start, &open)) return 0;
    if (from == outer && to == view.size()) outer = start;
    const std::string_view name = view.substr(start, open - start);
    if (!IsFunctionName(name)) return UnknownName(name);
    const std::size_t close = MatchingClose(view, open, to);
    if (close == std::string_view::npos) {
      if (e.check) {
        ShowFormulaMessage(TXT_CAPTION_ERROR, TXT_FORMULA_CALL_UNCLOSED, name);
      } else {
        FormulaResultText error("Err ");
        error.AppendCut(name);
        error.AppendCut("??");
        FormulaErrorToCell(e.t, e.hwnd, error.view());
      }
      return -1;
    }
    std::size_t innerStart = 0;
    std::size_t innerOpen = 0;
    if (FindCall(view, open + 1, close, &innerStart, &innerOpen)) {
      // Reduce the calls inside the arguments first.
      from = open;
      to = close + 1;
      continue;
    }
    if (CheckSurroundings(e, view, start, open, close, name) != 0) return -1;
    const NameText callName(name);
    if (e.check && !AllowsCommas(name) && view.substr(open, close - open).find(',') != std::string_view::npos) {
      ShowFormulaMessage(TXT_FORMULA_CAPTION_COMMA, TXT_FORMULA_COMMA_IN_CALL, name);
      return -1;
    }
    lastName.Assign(callName.view());
    if (e.check) {
      if (!text.Replace(start, close + 1 - start, PLACEHOLDER_CALL)) return FailTooLong(e);
    } else {
      FormulaWorkText arguments;
      if (Process(e, view.substr(open, close + 1 - open), STAGE_GROUPS, callName.view(), arguments) != 0) {
        return -1;
      }
      FormulaResultText result;
      if (EvaluateOperation(e, callName.view(), result) != 0) return -1;
      if (!text.Replace(start, close + 1 - start, result.view())) return FailTooLong(e);
    }
    from = outer;
    to = text.size();
  }
}

// ---- Stage 1: bracketed groups ------------------------------------------

// Groups are reduced innermost first, left to right. A '(' without a
// matching ')' fails once every complete group before it is reduced.
int StageGroups(Engine& e, FormulaWorkText& text, std::string_view context) {
  if (text.view().find('(') == std::string_view::npos) return 0;
  // The leftmost '(' that is never closed: the last one opened at depth 0
  // when the text ends with brackets open.
  std::size_t unclosed = std::string_view::npos;
  {
    int depth = 0;
    std::size_t lastOuter = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == '(') {
        if (depth == 0) lastOuter = i;
        ++depth;
      } else if (text[i] == ')' && depth > 0) {
        --depth;
      }
    }
    if (depth > 0) unclosed = lastOuter;
  }
  std::size_t limit = unclosed == std::string_view::npos ? text.size() : unclosed;
  std::array<std::uint16_t, FORMULA_WORK_CHARS / 2 + 1> opens{};
  std::size_t depth = 0;
  std::size_t i = 0;
  while (i < limit) {
    const char c = text[i];
    if (c == '(') {
      if (depth < opens.size()) opens[depth] = static_cast<std::uint16_t>(i);
      ++depth;
      ++i;
      continue;
    }
    if (c != ')' || depth == 0) {
      ++i;
      continue;
    }
    const std::size_t open = opens[--depth];
    if (CheckSurroundings(e, text.view(), open, open, i, "") != 0) return -1;
    std::size_t replaced = 0;
    if (e.check) {
      if (!text.Replace(open, i + 1 - open, PLACEHOLDER_GROUP)) return FailTooLong(e);
      replaced = PLACEHOLDER_GROUP.size();
    } else {
      FormulaWorkText inner;
      if (Process(e, text.view().substr(open + 1, i - open - 1), STAGE_ARITHMETIC, context, inner) != 0) {
        return -1;
      }
      if (!text.Replace(open, i + 1 - open, inner.view())) return FailTooLong(e);
      replaced = inner.size();
    }
    const std::size_t removed = i + 1 - open;
    limit = limit + replaced - removed;
    i = open + replaced;
  }
  if (unclosed != std::string_view::npos) {
    if (e.check) {
      ShowFormulaMessage(TXT_CAPTION_ERROR, TXT_FORMULA_GROUP_UNCLOSED, text.view().substr(limit, 5));
      return -1;
    }
    return FailToCell(e, ERR_MISSING_SYMBOL);
  }
  return 0;
}

// ---- Stages 2 and 3: operations -----------------------------------------

// Characters that end an arithmetic operand (operator '+' and '-' too).
bool EndsArithmeticOperand(std::string_view text, std::size_t k) {
  static constexpr CharSet kEnds("!*,/<=>^");
  return kEnds.Has(text[k]) || IsAddOperatorAt(text, k);
}

bool EndsComparisonOperand(std::string_view text, std::size_t k) {
  static constexpr CharSet kEnds("!,<=>");
  return kEnds.Has(text[k]) || IsAddOperatorAt(text, k);
}

// Reduce the operation whose operator runs from `at` for `length`
// characters, with operands [left, at) and [at + length, right). Sets
// `next` to the position after the spliced result.
int ReduceOperation(Engine& e, FormulaWorkText& text, std::size_t left, std::size_t at, std::size_t length,
                    std::size_t right, int nextStage, std::string_view placeholder, std::size_t* next) {
  const std::string_view view = text.view();
  const std::string_view op = view.substr(at, length);
  const std::string_view leftOperand = view.substr(left, at - left);
  const std::string_view rightOperand = view.substr(at + length, right - at - length);
  if (leftOperand.empty() || rightOperand.empty()) {
    return Fail(e, ERR_MISSING_DATA, TXT_CAPTION_ERROR, TXT_FORMULA_MISSING_OPERAND,
                leftOperand.empty() ? std::string_view(Text(TXT_FORMULA_NO_LEFT_OPERAND)) : leftOperand, op,
                rightOperand.empty() ? std::string_view(Text(TXT_FORMULA_NO_RIGHT_OPERAND)) : rightOperand);
  }
  if (e.check) {
    if (!text.Replace(left, right - left, placeholder)) return FailTooLong(e);
    *next = left + placeholder.size();
    return 0;
  }
  const FixedText<4> opName(op);
  FormulaWorkText operation;
  if (Process(e, view.substr(left, right - left), nextStage, opName.view(), operation) != 0) {
    return -1;
  }
  FormulaResultText result;
  if (EvaluateOperation(e, opName.view(), result) != 0) return -1;
  if (!text.Replace(left, right - left, result.view())) return FailTooLong(e);
  *next = left + result.size();
  return 0;
}

// One pass of arithmetic: every operator the pass takes, leftmost first.
template <typename IsPassOperator>
int ArithmeticPass(Engine& e, FormulaWorkText& text, IsPassOperator isPassOperator) {
  std::size_t i = 0;
  while (i < text.size()) {
    const std::string_view view = text.view();
    if (!isPassOperator(view, i)) {
      ++i;
      continue;
    }
    std::size_t left = i;
    while (left > 0 && !EndsArithmeticOperand(view, left - 1)) --left;
    std::size_t right = i + 1;
    if (right < view.size() && IsComparisonChar(view[right])) ++right;
    while (right < view.size() && !EndsArithmeticOperand(view, right)) ++right;
    if (ReduceOperation(e, text, left, i, 1, right, STAGE_COMPARISONS, PLACEHOLDER_ARITHMETIC, &i) != 0) return -1;
  }
  return 0;
}

// Arithmetic: all powers, left to right; then multiplications and
// divisions together, left to right; then additions and subtractions
// together, left to right. A sign binds tighter than any operator.
int StageArithmetic(Engine& e, FormulaWorkText& text) {
  if (text.empty()) return 0;
  static constexpr CharSet kLeading("^*/+");
  static constexpr CharSet kTrailing("^*/+-");
  static constexpr CharSet kProducts("*/");
  static constexpr CharSet kSums("+-");
  if (kLeading.Has(text[0])) {
    return Fail(e, ERR_MISSING_DATA, TXT_CAPTION_ERROR, TXT_FORMULA_LEADING_OPERATOR, text.view().substr(0, 1));
  }
  const char last = text[text.size() - 1];
  if (kTrailing.Has(last)) {
    return Fail(e, ERR_MISSING_DATA, TXT_CAPTION_ERROR, TXT_FORMULA_TRAILING_OPERATOR,
                text.view().substr(text.size() - 1));
  }
  // A pass whose operators the text does not hold has nothing to reduce.
  if (text.view().find('^') != std::string_view::npos &&
      ArithmeticPass(e, text, [](std::string_view v, std::size_t i) { return v[i] == '^'; }) != 0) {
    return -1;
  }
  if (kProducts.AnyIn(text.view()) &&
      ArithmeticPass(e, text, [](std::string_view v, std::size_t i) { return v[i] == '*' || v[i] == '/'; }) != 0) {
    return -1;
  }
  if (!kSums.AnyIn(text.view())) return 0;
  return ArithmeticPass(e, text, [](std::string_view v, std::size_t i) { return IsAddOperatorAt(v, i); });
}

// Length of the run of comparison characters starting at `i`.
std::size_t ComparisonRun(std::string_view text, std::size_t i) {
  std::size_t n = 0;
  while (i + n < text.size() && IsComparisonChar(text[i + n])) ++n;
  return n;
}

int StageComparisons(Engine& e, FormulaWorkText& text) {
  // Without a comparison character there is nothing to check or reduce.
  static constexpr CharSet kComparison("!<=>");
  static constexpr CharSet kTrailing("=<>");
  if (!kComparison.AnyIn(text.view())) return 0;
  if (kComparison.Has(text[0])) {
    return Fail(e, ERR_MISSING_DATA, TXT_CAPTION_ERROR, TXT_FORMULA_LEADING_OPERATOR, text.view().substr(0, 1));
  }
  if (kTrailing.Has(text[text.size() - 1])) {
    return Fail(e, ERR_MISSING_DATA, TXT_CAPTION_ERROR, TXT_FORMULA_TRAILING_OPERATOR,
                text.view().substr(text.size() - 1));
  }
  static constexpr std::string_view kPasses[] = {"=", "==", "!=", "<>", "<", "<=", "=<", ">", ">=", "=>"};
  for (std::string_view op : kPasses) {
    std::size_t i = 0;
    while (i < text.size()) {
      const std::string_view view = text.view();
      if (!IsComparisonChar(view[i])) {
        ++i;
        continue;
      }
      const std::size_t run = ComparisonRun(view, i);
      if (run > 2 || view.substr(i, run) != op) {
        i += run;
        continue;
      }
      std::size_t left = i;
      while (left > 0 && !EndsComparisonOperand(view, left - 1)) --left;
      std::size_t right = i + run;
      while (right < view.size() && !EndsComparisonOperand(view, right)) ++right;
      if (ReduceOperation(e, text, left, i, run, right, STAGE_ARGUMENTS, PLACEHOLDER_COMPARISON, &i) != 0) {
        return -1;
      }
    }
  }
  return 0;
}

// ---- Stage 4: the argument list -----------------------------------------

// Split the text into arguments; false (after the failure) when an
// argument is empty, too long, or there are too many.
int SplitArguments(Engine& e, std::string_view text, FunctionKind kind) {
  TableDocument& t = e.t;
  t.iArgCount = 0;
  auto add = [&](std::string_view argument) -> int {
    if (argument.empty()) return Fail(e, ERR_MISSING_DATA, TXT_CAPTION_ERROR, TXT_FORMULA_EMPTY_ARGUMENT);
    if (t.iArgCount >= FORMULA_ARG_SLOTS) return Fail(e, ERR_MISSING_SYMBOL, TXT_CAPTION_ERROR, TXT_FORMULA_TOO_LONG);
    if (argument.size() >= FORMULA_ARG_BYTES) return FailTooLong(e);
    CopyText(t.szArgs[t.iArgCount], argument);
    ++t.iArgCount;
    return 0;
  };
  if (kind == FUNCTION_COMPARISON) {
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (!IsComparisonChar(text[i])) continue;
      const std::size_t run = ComparisonRun(text, i);
      if (add(text.substr(0, i)) != 0) return -1;
      return add(text.substr(i + run));
    }
    return add(text);
  }
  // A two-character comparison (<=, !=, ...) separates like one character;
  // the check, which leaves comparisons unreduced, meets them here.
  std::size_t begin = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    static constexpr CharSet kSeparators("*,/^");
    if (kSeparators.Has(text[i]) || IsAddOperatorAt(text, i)) {
      if (add(text.substr(begin, i - begin)) != 0) return -1;
      begin = i + 1;
    } else if (IsComparisonChar(text[i])) {
      if (add(text.substr(begin, i - begin)) != 0) return -1;
      const std::size_t run = ComparisonRun(text, i);
      i += (run > 2 ? 1 : run) - 1;
      begin = i + 1;
    }
  }
  return add(text.substr(begin));
}

// Validate a reference argument: its row and column, or -1 after the
// failure.
int ReadReferenceArgument(Engine& e, std::string_view argument, int* row, int* col) {
  *row = RefRow(argument, e.t.iRows);
  *col = RefCol(argument, e.t.iCols);
  if (*row < 0 || *col < 0) {
    // A reference beyond the table is named as such, not as a missing operator.
    const TextId text = IsReferenceForm(argument) ? TXT_FORMULA_OUTSIDE_TABLE : TXT_FORMULA_NOT_REFERENCE;
    return Fail(e, ERR_MISSING_SYMBOL, TXT_CAPTION_ERROR, text, argument);
  }
  int index = 0;
  if (TableCellIndex(*row, *col, e.t.iRows, e.t.iCols, &index) != 0) {
    ShowFormulaMessage(TXT_CAPTION_ERROR, TXT_FORMULA_OUTSIDE_TABLE, argument);
    return -1;
  }
  return 0;
}

// Replace a reference argument by the cell's text, negated as text when
// the argument carries a leading '-'.
int ResolveReference(Engine& e, int k, int row, int col) {
  TableDocument& t = e.t;
  const bool negate = t.szArgs[k][0] == '-';
  const TableCell* cell = TableCellAt(t, row, col);
  std::string_view value = cell ? TextOf(cell->szText) : std::string_view();
  if (IsLongTextRef(value) == 1) {
    const int slot = LongTextSlotOf(t, value);
    value = slot >= 0 ? LongTextAt(t, slot) : std::string_view();
  }
  FixedText<FORMULA_ARG_BYTES> resolved;
  bool fits = true;
  if (negate && !value.empty() && value[0] == '-') {
    fits = resolved.Assign(value.substr(1));
  } else {
    if (negate) resolved.Append('-');
    fits = resolved.Append(value);
  }
  if (!fits || resolved.size() >= FORMULA_ARG_BYTES) return FailTooLong(e);
  CopyText(t.szArgs[k], resolved.view());
  return 0;
}

bool IsQuoted(std::string_view argument) { return argument.find('"') != std::string_view::npos; }

int StageArgumentsMatrix(Engine& e, const FormulaFunction& context) {
  TableDocument& t = e.t;
  const bool twoOperands = context.iOperands == 2;
  for (int k = 0; k < t.iArgCount; ++k) {
    const std::string_view argument = TextOf(t.szArgs[k]);
    if (IsQuoted(argument)) {
      if (twoOperands && k != t.iArgCount - 1) {
        if (e.check) {
          ShowFormulaMessage(TXT_CAPTION_ERROR, TXT_FORMULA_NOT_REFERENCE, FormulaErrorText(ERR_MATRIX_QUOTED));
          return -1;
        }
        return FailToCell(e, ERR_MATRIX_QUOTED);
      }
      continue;
    }
    // Ranges and markers are the operands; a number (the result of
    // m_determ) is no reference to validate.
    if (argument.find(':') != std::string_view::npos || argument.substr(0, MATRIX_MARKER.size()) == MATRIX_MARKER ||
        IsNumberText(argument)) {
      continue;
    }
    int row = 0;
    int col = 0;
    if (ReadReferenceArgument(e, argument, &row, &col) != 0) return -1;
  }
  return 0;
}

// `context` names the operation the list is for; its table entry is looked
// up once here.
int StageArguments(Engine& e, std::string_view text, std::string_view context) {
  const FormulaFunction* fn = FindFormulaFunction(context);
  // What the name check would say of the name: operators and names that are
  // too long count as no function.
  const FunctionKind kind = !fn ? FUNCTION_NONE : fn->kind;
  const FunctionKind nameKind = context.size() >= FUNCTION_NAME_LIMIT ? FUNCTION_NONE : kind;
  TableDocument& t = e.t;
  t.iArgCount = 0;
  if (text.empty()) return 0;
  const bool matrix = nameKind == FUNCTION_MATRIX;
  if (!matrix) {
    if (text[0] == ',') return Fail(e, ERR_MISSING_DATA, TXT_CAPTION_ERROR, TXT_FORMULA_LEADING_COMMA);
    if (text.back() == ',') return Fail(e, ERR_MISSING_DATA, TXT_CAPTION_ERROR, TXT_FORMULA_TRAILING_COMMA);
  }
  if (SplitArguments(e, text, kind) != 0) return -1;
  if (matrix) return StageArgumentsMatrix(e, *fn);

  if (!e.check && (kind == FUNCTION_SUM_IF || kind == FUNCTION_COUNT_IF) && t.iArgCount > 1) {
    for (int k = 0; k < t.iArgCount; ++k) {
      if (!IsQuoted(TextOf(t.szArgs[k]))) continue;
      const int wanted = kind == FUNCTION_SUM_IF ? t.iArgCount / 2 : t.iArgCount - 1;
      if (k != wanted) return FailToCell(e, kind == FUNCTION_SUM_IF ? ERR_SUM_IF_CONDITION : ERR_COUNT_IF_CONDITION);
      break;
    }
  }
  const bool statistic = kind == FUNCTION_STATISTIC || kind == FUNCTION_COUNT_IF || kind == FUNCTION_SUM_IF;
  const int half = t.iArgCount / 2;
  for (int k = 0; k < t.iArgCount; ++k) {
    const std::string_view argument = TextOf(t.szArgs[k]);
    if (IsNumberText(argument)) continue;
    if (statistic && argument.find(':') != std::string_view::npos) continue;
    if (!e.check && IsQuoted(argument)) continue;
    int row = 0;
    int col = 0;
    if (ReadReferenceArgument(e, argument, &row, &col) != 0) return -1;
    // A single cell summed against a tested range names the corner where
    // summing starts, so it stays a reference.
    if (kind == FUNCTION_SUM_IF && k > half && TextOf(t.szArgs[k - half - 1]).find(':') != std::string_view::npos) {
      continue;
    }
    if (ResolveReference(e, k, row, col) != 0) return -1;
  }
  return 0;
}

// ---- The check ------------------------------------------------------------

// A matrix-producing function may not share its formula with anything else.
// Both lists come from the function table, in its order: the
// matrix-producing functions, then every other operator and function.
int CheckMatrixMixing(std::string_view text) {
  for (const FormulaFunction& matrix : FormulaFunctions()) {
    if (matrix.result != RESULT_MATRIX || text.find(matrix.szName) == std::string_view::npos) continue;
    for (const FormulaFunction& other : FormulaFunctions()) {
      if (other.result == RESULT_MATRIX || other.kind == FUNCTION_RESERVED) continue;
      if (text.find(other.szName) == std::string_view::npos) continue;
      ShowFormulaMessage(TXT_CAPTION_MESSAGE, TXT_FORMULA_MATRIX_MIXED, matrix.szName, other.szName);
      return -1;
    }
    return 0;
  }
  return 0;
}

// Every name before a '(' must be a function name.
int CheckFunctionNames(std::string_view text) {
  const std::size_t open = text.find('"');
  if (open != std::string_view::npos && text.find('"', open + 1) == std::string_view::npos) {
    ShowFormulaMessage(TXT_CAPTION_ERROR, TXT_FORMULA_QUOTE_UNPAIRED);
    return -1;
  }
  const std::size_t close = open == std::string_view::npos ? open : text.find('"', open + 1);
  std::size_t i = 0;
  while (i < text.size()) {
    if (open != std::string_view::npos && i > open && i < close) {
      i = close;
      continue;
    }
    if (!IsNameChar(text[i]) ||
        (IsExponentChar(text[i]) && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-'))) {
      ++i;
      continue;
    }
    const std::size_t p = text.find('(', i);
    if (p == std::string_view::npos) return 0;
    const std::string_view name = text.substr(i, p - i);
    if (!IsFunctionName(name)) {
      ShowFormulaMessage(TXT_FORMULA_CAPTION_UNKNOWN_NAME, TXT_FORMULA_CHECK_UNKNOWN_NAME, name);
      return -1;
    }
    i = p + 1;
  }
  return 0;
}

// Words and marks left over from the formula bar's templates.
int CheckTemplateWords(std::string_view text) {
  static constexpr std::string_view kWords[] = {"arg", "num", "x,y", "exponent"};
  for (std::string_view word : kWords) {
    if (text.find(word) == std::string_view::npos) continue;
    ReportNotice(Text(TXT_FORMULA_CAPTION_UNKNOWN_DATA), word);
    return -1;
  }
  if (text.find('?') != std::string_view::npos) {
    ShowFormulaMessage(TXT_FORMULA_CAPTION_UNKNOWN_OPERATOR, TXT_FORMULA_QUESTION_MARK);
    return -1;
  }
  return 0;
}

}  // namespace

namespace {

int Process(const Engine& parent, std::string_view text, int stage, std::string_view context, FormulaWorkText& out) {
  Engine e = parent;
  if (!CopyWithoutBlanks(text, out)) return FailTooLong(e);
  MaskQuoted(out);
  NameText name(context.substr(0, FUNCTION_NAME_LIMIT));
  if (stage <= STAGE_CALLS) {
    // A whole formula starts with every matrix buffer entry free; a failed
    // formula before it may have left some taken.
    // Only a matrix function takes entries (and only a matrix function's
    // arguments read markers), so other formulas need not touch them.
    if (!e.check && out.view().find("m_") != std::string_view::npos) FreeMatrixEntries(e.t);
    if (StageCalls(e, out, name) != 0) return -1;
  }
  if (stage <= STAGE_GROUPS && StageGroups(e, out, name.view()) != 0) return -1;
  if (stage <= STAGE_ARITHMETIC && StageArithmetic(e, out) != 0) return -1;
  if (stage <= STAGE_COMPARISONS && StageComparisons(e, out) != 0) return -1;
  if (stage <= STAGE_ARGUMENTS && StageArguments(e, out.view(), name.view()) != 0) return -1;
  return 0;
}

// The final text of a formula whose last operation left its number as the
// whole text (or behind a sign): the display form of that number, which is
// the exponent form from 100000 on and below 0.00001.
void ShowLastResult(const LastResult& last, FormulaResultText& text) {
  if (!last.bSet || last.value == 0.0) return;
  // Between these bounds both forms are the same text.
  const double magnitude = std::fabs(last.value);
  if (magnitude >= 0.00001 && magnitude < 100000.0) return;
  const std::string_view shown = text.view();
  double value = last.value;
  if (shown.size() == last.text.size() + 1 && shown[0] == '-' && last.text[0] != '-' &&
      shown.substr(1) == last.text.view()) {
    value = -value;
  } else if (shown != last.text.view()) {
    return;
  }
  FormatResult(value, 0, true, text, RESULT_DISPLAY);
}

}  // namespace

int FormulaProcess(TableDocument& t, WindowHandle hwnd, std::string_view text, int stage, int mode,
                   std::string_view context, FormulaWorkText& out) {
  return Process(Engine{t, hwnd, mode == FORMULA_CHECK, nullptr}, text, stage, context, out);
}

int FormulaCheck(TableDocument& t, WindowHandle hwnd, std::string& text) {
  Engine e{t, hwnd, true, nullptr};
  FormulaWorkText work;
  if (!CopyWithoutBlanks(text, work) || work.size() > FORMULA_INPUT_CHARS) return FailTooLong(e);
  if (CheckMatrixMixing(work.view()) != 0) return -1;
  if (CheckFunctionNames(work.view()) != 0) return -1;

  // The condition between the first pair of quotes is kept and masked.
  ClearText(t.szQuotedText);
  const std::size_t open = work.view().find('"');
  if (open != std::string_view::npos) {
    const std::size_t close = work.view().find('"', open + 1);
    if (close == std::string_view::npos) {
      ShowFormulaMessage(TXT_CAPTION_ERROR, TXT_FORMULA_CONDITION_UNPAIRED, work.view());
      return -1;
    }
    const std::string_view condition = work.view().substr(open + 1, close - open - 1);
    if (condition.size() >= t.szQuotedText.size()) {
      ShowFormulaMessage(TXT_CAPTION_ERROR, TXT_FORMULA_CONDITION_TOO_LONG);
      return -1;
    }
    CopyText(t.szQuotedText, condition);
    MaskQuoted(work);
  }
  if (CheckTemplateWords(work.view()) != 0) return -1;

  FormulaWorkText checked(work.view());
  NameText lastName;
  if (StageCalls(e, checked, lastName) != 0) return -1;
  if (checked.view().find(',') != std::string_view::npos) {
    ShowFormulaMessage(TXT_FORMULA_CAPTION_UNKNOWN_OPERATOR, TXT_FORMULA_COMMA_OUTSIDE_CALL);
    return -1;
  }
  if (StageGroups(e, checked, lastName.view()) != 0) return -1;
  if (StageArithmetic(e, checked) != 0) return -1;
  if (StageArguments(e, checked.view(), lastName.view()) != 0) return -1;
  text.assign(work.view());
  return 0;
}

int FormulaEvaluate(TableDocument& t, WindowHandle hwnd, std::string_view text, FormulaResultText& result) {
  FormulaWorkText work;
  LastResult last;
  if (Process(Engine{t, hwnd, false, &last}, text, STAGE_CALLS, "", work) != 0) return -1;
  if (!result.Assign(work.view())) {
    FormulaErrorToCell(t, hwnd, FormulaErrorText(ERR_TEXT_TOO_LONG));
    return -1;
  }
  ShowLastResult(last, result);
  FormulaResolveResult(t, result);
  return 0;
}
