// Statistical and conditional functions over values and cell ranges. Text
// and empty cells are skipped; only numeric cells and values take part.
#include <algorithm>
#include <cmath>

#include "formula/formula_errors.h"
#include "formula/formula_number.h"
#include "formula/formula_eval_call.h"
#include "formula/formula_functions.h"
#include "table/cell_reference.h"
#include "formula/formula_result.h"
#include "platform/number_text.h"
#include "table/cell_text.h"
#include "table/long_text.h"

namespace {

// The places a value brings to a sum: only texts longer than 13
// characters can have more than the 12 places every result keeps.
int PlacesOf(std::string_view text, int places) {
  if (text.size() <= 13) return places;
  const int own = DecimalsOf(text);
  return own > places ? own : places;
}

bool IsValue(std::string_view text) { return !text.empty() && IsNumberText(text); }

// A sum of values given with their texts. While every text is a plain
// decimal the sum is kept exactly, in units of the smallest place seen, so
// that a sum of decimals comes out as the double nearest to their exact
// sum even when the values cancel; otherwise the sum carries the rounding
// error of each addition along (Neumaier).
class ExactSum {
 public:
  void Add(std::string_view text, double x) {
    AddRounded(x);
    if (exact_) exact_ = AddDecimal(text);
  }
  double Value() const {
    constexpr long long kExactDoubleLimit = 1LL << 53;
    if (exact_ && units_ > -kExactDoubleLimit && units_ < kExactDoubleLimit) {
      return static_cast<double>(units_) / ExactPowerOfTen(places_);
    }
    // An infinite or NaN part makes the sum that value, never NaN from the
    // error term.
    return std::isfinite(sum_) ? sum_ + error_ : sum_;
  }

 private:
  void AddRounded(double x) {
    const double t = sum_ + x;
    if (std::fabs(sum_) >= std::fabs(x)) {
      error_ += (sum_ - t) + x;
    } else {
      error_ += (x - t) + sum_;
    }
    sum_ = t;
  }
  // False when the text is no plain decimal or the units would overflow.
  bool AddDecimal(std::string_view text) {
    long long digits = 0;
    int places = 0;
    if (!ReadPlainDecimal(text, &digits, &places)) return false;
    for (; places_ < places; ++places_) {
      if (__builtin_mul_overflow(units_, 10LL, &units_)) return false;
    }
    for (int p = places; p < places_; ++p) {
      if (__builtin_mul_overflow(digits, 10LL, &digits)) return false;
    }
    return !__builtin_add_overflow(units_, digits, &units_);
  }

  double sum_ = 0.0;
  double error_ = 0.0;
  long long units_ = 0;
  int places_ = 0;
  bool exact_ = true;
};

// The text a cell shows, with a long text expanded.
std::string_view CellShownText(const TableDocument& t, int row, int col) {
  const std::string_view text = TextOf(t.cells[static_cast<std::size_t>(row) * t.iCols + col].szText);
  if (IsLongTextRef(text) != 1) return text;
  const int slot = LongTextSlotOf(t, text);
  return slot >= 0 ? LongTextAt(t, slot) : text;
}

// The text a cell holds.
std::string_view CellRawText(const TableDocument& t, int row, int col) {
  return TextOf(t.cells[static_cast<std::size_t>(row) * t.iCols + col].szText);
}

int RangeError(EvalCall& c, std::string_view argument) {
  c.text.Assign("Err ");
  c.text.AppendCut(c.fn.evaluate == EvaluateCount ? std::string_view("sum") : c.name);
  c.text.AppendCut("( ");
  c.text.AppendCut(argument);
  c.text.AppendCut(" )");
  return -1;
}

// Call `visit(text)` for every value of the arguments first..last-1: the
// numeric cells of ranges, row by row, and numeric value arguments. -1
// after a range that does not read.
template <typename Visit>
int ForEachValue(EvalCall& c, int first, int last, Visit visit) {
  const TableDocument& t = c.t;
  for (int k = first; k < last; ++k) {
    const std::string_view argument = c.Arg(k);
    if (argument.find(':') == std::string_view::npos) {
      if (IsValue(argument) && visit(argument) != 0) return -1;
      continue;
    }
    FormulaRange range{};
    if (ReadRange(argument, t.iRows, t.iCols, &range) != 0) return RangeError(c, argument);
    for (int row = range.iRowFrom; row <= range.iRowTo; ++row) {
      for (int col = range.iColFrom; col <= range.iColTo; ++col) {
        const std::string_view text = CellRawText(t, row, col);
        if (IsValue(text) && visit(text) != 0) return -1;
      }
    }
  }
  return 0;
}

// ---- Conditions ----------------------------------------------------------

enum Relation : int { REL_NONE, REL_EQ, REL_NE, REL_LT, REL_LE, REL_GT, REL_GE };

struct Condition {
  bool bNumeric = false;
  Relation relation = REL_NONE;
  double dThreshold = 0.0;
  bool bContains = false;
  FixedText<FORMULA_ARG_BYTES> text;

  // Whether a cell or value text takes part in the test.
  bool Admits(std::string_view value) const { return bNumeric ? IsValue(value) : !value.empty(); }

  bool Holds(std::string_view value) const {
    if (!bNumeric) {
      return bContains ? value.find(text.view()) != std::string_view::npos : value == text.view();
    }
    const double x = NumberValue(value);
    switch (relation) {
      case REL_EQ: return x == dThreshold;
      case REL_NE: return x != dThreshold;
      case REL_LT: return x < dThreshold;
      case REL_LE: return x <= dThreshold;
      case REL_GT: return x > dThreshold;
      case REL_GE: return x >= dThreshold;
      default: return false;
    }
  }
};

// The relation of an operator written before the threshold (x op a).
Relation FrontRelation(std::string_view op) {
  if (op == "=" || op == "==") return REL_EQ;
  if (op == "!=" || op == "<>" || op == "=!" || op == "!") return REL_NE;
  if (op == "<") return REL_LT;
  if (op == "<=" || op == "=<") return REL_LE;
  if (op == ">") return REL_GT;
  if (op == ">=" || op == "=>") return REL_GE;
  return REL_NONE;
}

// The relation of an operator written after the threshold (a op x), as a
// relation of x to the threshold.
Relation BackRelation(std::string_view op) {
  if (op == "=" || op == "==") return REL_EQ;
  if (op == "!" || op == "!=" || op == "=!" || op == "<>") return REL_NE;
  if (op == "<") return REL_GT;
  if (op == "<=" || op == "=<") return REL_GE;
  if (op == ">") return REL_LT;
  if (op == ">=" || op == "=>") return REL_LE;
  return REL_NONE;
}

bool IsComparisonMark(char ch) { return ch == '!' || ch == '<' || ch == '=' || ch == '>'; }

void ReadCondition(std::string_view raw, Condition* condition) {
  condition->bNumeric = raw.find_first_of("!<=>") != std::string_view::npos;
  condition->text.Clear();
  if (condition->bNumeric) {
    for (char ch : raw) {
      if (ch != '"' && !IsComparisonMark(ch)) condition->text.Append(ch);
    }
    condition->dThreshold = NumberValue(condition->text.view());
    std::size_t front = 0;
    while (front < raw.size() && (IsComparisonMark(raw[front]) || raw[front] == '"')) ++front;
    std::string_view lead = raw.substr(0, front);
    while (!lead.empty() && lead.front() == '"') lead.remove_prefix(1);
    if (!lead.empty()) {
      std::size_t quote = lead.find('"');
      condition->relation = FrontRelation(lead.substr(0, quote));
      return;
    }
    std::string_view tail = raw;
    while (!tail.empty() && tail.back() == '"') tail.remove_suffix(1);
    std::size_t back = tail.size();
    while (back > 0 && IsComparisonMark(tail[back - 1])) --back;
    condition->relation = BackRelation(tail.substr(back));
    return;
  }
  for (char ch : raw) {
    if (ch != '"') condition->text.Append(ch);
  }
  const std::string_view text = condition->text.view();
  condition->bContains = !text.empty() && (text.front() == '*' || text.back() == '*');
  if (condition->bContains) {
    std::string_view inner = text;
    if (inner.front() == '*') inner.remove_prefix(1);
    if (!inner.empty() && inner.back() == '*') inner.remove_suffix(1);
    FixedText<FORMULA_ARG_BYTES> copy(inner);
    condition->text.Assign(copy.view());
  }
}

// The condition argument: a quoted argument stands for the condition kept
// with the formula (or, outside a formula, the one under check).
void ConditionOf(EvalCall& c, int k, Condition* condition) {
  std::string_view raw = c.Arg(k);
  if (!raw.empty() && raw[0] == '"') {
    const FormulaSlot* slot = CurrentFormula(c.t);
    raw = slot ? TextOf(slot->szCondition) : TextOf(c.t.szQuotedText);
  }
  ReadCondition(raw, condition);
}

}  // namespace

int EvaluateCountIf(EvalCall& c) {
  const int n = c.ArgCount();
  Condition condition;
  ConditionOf(c, n - 1, &condition);
  const TableDocument& t = c.t;
  double count = 0;
  for (int k = 0; k < n - 1; ++k) {
    const std::string_view argument = c.Arg(k);
    if (argument.find(':') == std::string_view::npos) {
      if (condition.Admits(argument) && condition.Holds(argument)) ++count;
      continue;
    }
    FormulaRange range{};
    if (ReadRange(argument, t.iRows, t.iCols, &range) != 0) return RangeError(c, argument);
    for (int row = range.iRowFrom; row <= range.iRowTo; ++row) {
      for (int col = range.iColFrom; col <= range.iColTo; ++col) {
        const std::string_view text = CellShownText(t, row, col);
        if (condition.Admits(text) && condition.Holds(text)) ++count;
      }
    }
  }
  c.value = count;
  c.places = 12;
  return 0;
}

namespace {

// The summed range of a tested range: a range, or a single cell standing
// for the corner where summing starts.
int ReadSumCorner(std::string_view argument, const TableDocument& t, FormulaRange* range) {
  if (argument.find(':') != std::string_view::npos) return ReadRange(argument, t.iRows, t.iCols, range);
  const int row = RefRow(argument, t.iRows);
  const int col = RefCol(argument, t.iCols);
  if (row < 1 || col < 1) return -1;
  *range = FormulaRange{row, row, col, col};
  return 0;
}

}  // namespace

int EvaluateSumIf(EvalCall& c) {
  const int n = c.ArgCount();
  const int h = n / 2;
  Condition condition;
  ConditionOf(c, h, &condition);
  const TableDocument& t = c.t;
  ExactSum sum;
  int places = 12;
  for (int i = 0; i < h; ++i) {
    const std::string_view test = c.Arg(i);
    const std::string_view summed = c.Arg(i + h + 1);
    if (test.find(':') == std::string_view::npos) {
      if (condition.Admits(test) && condition.Holds(test) && IsValue(summed)) {
        sum.Add(summed, NumberValue(summed));
        places = PlacesOf(summed, places);
      }
      continue;
    }
    FormulaRange testRange{};
    FormulaRange sumRange{};
    if (ReadRange(test, t.iRows, t.iCols, &testRange) != 0 || ReadSumCorner(summed, t, &sumRange) != 0) {
      return RangeError(c, test);
    }
    // Only the summed range's top-left corner counts: it is laid over the
    // test range cell by cell.
    for (int dr = 0; dr <= testRange.iRowTo - testRange.iRowFrom; ++dr) {
      for (int dc = 0; dc <= testRange.iColTo - testRange.iColFrom; ++dc) {
        const std::string_view text = CellShownText(t, testRange.iRowFrom + dr, testRange.iColFrom + dc);
        if (!condition.Admits(text) || !condition.Holds(text)) continue;
        const int row = sumRange.iRowFrom + dr;
        const int col = sumRange.iColFrom + dc;
        if (row >= t.iRows || col >= t.iCols) continue;
        const std::string_view value = CellRawText(t, row, col);
        if (!IsValue(value)) continue;
        sum.Add(value, NumberValue(value));
        places = PlacesOf(value, places);
      }
    }
  }
  c.value = sum.Value();
  c.places = places;
  return 0;
}

int EvaluateMedian(EvalCall& c) {
  TableDocument& t = c.t;
  std::size_t n = 0;
  bool overflow = false;
  const int status = ForEachValue(c, 0, c.ArgCount(), [&](std::string_view text) {
    if (n >= t.dSortBuffer.size()) {
      overflow = true;
      return -1;
    }
    t.dSortBuffer[n++] = NumberValue(text);
    return 0;
  });
  if (overflow) return c.Error(FormulaErrorText(ERR_MEDIAN_TOO_MANY));
  if (status != 0) return -1;
  if (n == 0) return c.Error(FormulaErrorText(ERR_MEDIAN_NO_VALUE));
  double* values = t.dSortBuffer.data();
  const std::size_t middle = n / 2;
  std::nth_element(values, values + middle, values + n);
  if (n % 2 == 1) {
    c.value = values[middle];
  } else {
    const double below = *std::max_element(values, values + middle);
    c.value = (below + values[middle]) / 2.0;
  }
  c.places = 12;
  return 0;
}

namespace {

// What a list function collects from its values.
struct Collected {
  ExactSum sum;
  double dMaximum = 0.0;
  double dMinimum = 0.0;
  int iCount = 0;
  int iPlaces = 12;
};

// Collect every value of the arguments; -1 after a range that does not read.
int Collect(EvalCall& c, Collected* out) {
  return ForEachValue(c, 0, c.ArgCount(), [out](std::string_view text) {
    const double value = NumberValue(text);
    // The first value starts both.
    if (out->iCount == 0 || value > out->dMaximum) out->dMaximum = value;
    if (out->iCount == 0 || value < out->dMinimum) out->dMinimum = value;
    out->sum.Add(text, value);
    ++out->iCount;
    out->iPlaces = PlacesOf(text, out->iPlaces);
    return 0;
  });
}

}  // namespace

namespace {

// Collect the call's values and take one figure of them, with the places
// the values carry.
int EvaluateCollected(EvalCall& c, double (*figure)(const Collected& values)) {
  Collected values;
  if (Collect(c, &values) != 0) return -1;
  c.value = figure(values);
  c.places = values.iPlaces;
  return 0;
}

}  // namespace

int EvaluateSum(EvalCall& c) {
  return EvaluateCollected(c, [](const Collected& v) { return v.sum.Value(); });
}

int EvaluateCount(EvalCall& c) {
  return EvaluateCollected(c, [](const Collected& v) { return static_cast<double>(v.iCount); });
}

int EvaluateMaximum(EvalCall& c) {
  return EvaluateCollected(c, [](const Collected& v) { return v.dMaximum; });
}

int EvaluateMinimum(EvalCall& c) {
  return EvaluateCollected(c, [](const Collected& v) { return v.dMinimum; });
}

int EvaluateAverage(EvalCall& c) {
  Collected values;
  if (Collect(c, &values) != 0) return -1;
  if (values.iCount == 0) return c.Error(FormulaErrorText(ERR_AVERAGE_NO_VALUE));
  c.value = values.sum.Value() / values.iCount;
  c.places = 12;
  return 0;
}
