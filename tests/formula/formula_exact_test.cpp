// Exact results on everyday numbers: results whose exact decimal value has
// at most 15 significant digits come out exactly (the expected texts are
// computed here with integer arithmetic on scaled values), intermediate
// results keep their digits, and a running sum down thousands of rows does
// not drift.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "formula/formula_recalc.h"
#include "formula/formula_registry.h"
#include "formula_fixture.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_window_ops.h"

namespace {

// A decimal number as an integer count of units of 10^-places.
struct Decimal {
  long long units;
  int places;
};

long long PowerOfTen(int n) {
  long long p = 1;
  while (n-- > 0) p *= 10;
  return p;
}

// The value at `places` places (never fewer than it has).
long long ScaledTo(const Decimal& d, int places) { return d.units * PowerOfTen(places - d.places); }

// The text a cell holds for the number: all its places, as typed.
std::string CellText(const Decimal& d) {
  const long long magnitude = std::llabs(d.units);
  std::string digits = std::to_string(magnitude);
  if (d.places > 0) {
    if (static_cast<int>(digits.size()) <= d.places) digits.insert(0, d.places + 1 - digits.size(), '0');
    digits.insert(digits.size() - d.places, ".");
  }
  return (d.units < 0 ? "-" : "") + digits;
}

// The full-precision result text: the exact value with trailing zeros
// (and a point left last) removed.
std::string ResultText(Decimal d) {
  while (d.places > 0 && d.units % 10 == 0) {
    d.units /= 10;
    --d.places;
  }
  return CellText(d);
}

// Reproducible numbers with 1 to 3 places and up to 5 integer digits.
class Numbers {
 public:
  Decimal Next(int integerDigits) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    const int places = static_cast<int>((state_ >> 33) % 3) + 1;
    const long long range = PowerOfTen(integerDigits + places);
    long long units = static_cast<long long>((state_ >> 20) % static_cast<unsigned long long>(range));
    if ((state_ >> 60) % 4 == 0) units = -units;
    return Decimal{units, places};
  }

 private:
  unsigned long long state_ = 20261210;
};

class FormulaExactTest : public FormulaTest {};

// A table of sums, differences, products, sums over ranges and averages of
// everyday numbers, the numbers of the reported cases among them.
TEST_F(FormulaExactTest, EverydayNumbersComeOutExactly) {
  struct Case {
    std::vector<Decimal> values;  // into R1C1, R1C2, ...
    std::string formula;
    Decimal exact;
  };
  std::vector<Case> cases = {
      {{{2317948, 3}, {0, 0}}, "R1C1+R1C2", {2317948, 3}},
      {{{80542916, 3}, {1, 0}}, "R1C1*R1C2", {80542916, 3}},
      {{{18505051, 3}, {0, 0}}, "sum(R1C1:R1C2)", {18505051, 3}},
      {{{1, 1}, {2, 1}}, "R1C1+R1C2", {3, 1}},
      {{{99999999, 3}, {-1, 3}}, "R1C1+R1C2", {99999998, 3}},
  };
  Numbers numbers;
  const char* const operators[] = {"+", "-", "*"};
  for (int k = 0; k < 600; ++k) {
    const int kind = k % 5;
    Case c;
    if (kind < 3) {
      // Products of a 5-digit and a 1-digit number keep within 15 digits.
      const Decimal a = numbers.Next(kind == 2 ? 4 : 5);
      const Decimal b = numbers.Next(kind == 2 ? 1 : 4);
      c.values = {a, b};
      c.formula = std::string("R1C1") + operators[kind] + "R1C2";
      if (kind == 2) {
        c.exact = Decimal{a.units * b.units, a.places + b.places};
      } else {
        const int places = std::max(a.places, b.places);
        const long long x = ScaledTo(a, places);
        const long long y = ScaledTo(b, places);
        c.exact = Decimal{kind == 0 ? x + y : x - y, places};
      }
    } else {
      // Four values summed or averaged over a range; the average of four
      // 3-place numbers has at most 5 places.
      c.values = {numbers.Next(4), numbers.Next(4), numbers.Next(3), numbers.Next(2)};
      long long total = 0;
      for (const Decimal& v : c.values) total += ScaledTo(v, 5);
      c.formula = kind == 3 ? "sum(R1C1:R1C4)" : "average(R1C1:R1C4)";
      c.exact = kind == 3 ? Decimal{total, 5} : Decimal{total * 25, 7};  // total / 4
    }
    // Results of 100000 and more are shown in exponent form; those are
    // another test's.
    const long long limit = 100000 * PowerOfTen(c.exact.places);
    if (std::llabs(c.exact.units) >= limit) continue;
    cases.push_back(c);
  }
  ASSERT_GT(cases.size(), 400u);
  for (const Case& c : cases) {
    for (std::size_t i = 0; i < 4; ++i) {
      Cell(1, static_cast<int>(i) + 1, i < c.values.size() ? CellText(c.values[i]) : "");
    }
    std::string shown;
    for (std::size_t i = 0; i < c.values.size(); ++i) shown += CellText(c.values[i]) + " ";
    EXPECT_EQ(Eval(c.formula), ResultText(c.exact)) << c.formula << " of " << shown;
  }
}

// Inside one formula a result is spliced back with every digit it has; only
// the final text takes the display form.
TEST_F(FormulaExactTest, IntermediateResultsKeepTheirDigits) {
  const struct {
    const char* formula;
    const char* result;
  } cases[] = {
      {"12345678+0-12345670", "8"},
      {"123456.789*1000-123456789", "0"},
      {"987654321.5+0.25-987654321", "0.75"},
      {"1e20/1e5-1e15", "0"},
      {"1e-7/3*3e7", "1"},
      {"0.000001*1000000", "1"},
      {"2317.948+0", "2317.948"},
      {"0.1+0.2", "0.3"},
      {"(123456*1)", "1.234560e+05"},
      {"-(123456*1)", "-1.234560e+05"},
      {"123456*1+0.5", "1.234565e+05"},
      {"0.000001+0", "1.000000e-06"},
      {"1e15*10", "1.000000e+16"},
      {"1/3", "0.333333333333"},
  };
  for (const auto& c : cases) EXPECT_EQ(Eval(c.formula), c.result) << c.formula;
  // With fixed places the intermediate is rounded to them, the final text
  // shown as always.
  UseFormulaSlot(3);
  EXPECT_EQ(Eval("2"), "2");
  EXPECT_EQ(Eval("2*1"), "2.000");
  EXPECT_EQ(Eval("1234567.8915*1+0"), "1.234568e+06");
}

class FormulaRunningSumTest : public HeadlessTableTest {};

// A running sum down 3,000 rows of 3-place data ends at the exact total.
TEST_F(FormulaRunningSumTest, ARunningSumDoesNotDrift) {
  Numbers numbers;
  long long total = 0;
  {
    TableLockGuard t(table_);
    // Rows 1..2000 of column 1 and of column 3, summed into columns 2 and 4.
    for (int k = 0; k < 3000; ++k) {
      Decimal d = numbers.Next(1);
      d = Decimal{std::llabs(ScaledTo(d, 3)), 3};
      total += d.units;
      const int row = k % 2000 + 1;
      const int col = k < 2000 ? 1 : 3;
      TableStoreCellText(*t.get(), row, col, CellText(d));
      const std::string target = "R" + std::to_string(row) + "C" + std::to_string(col + 1);
      std::string previous;
      if (k == 0) {
        previous = "0";
      } else if (k == 2000) {
        previous = "R2000C2";
      } else {
        previous = "R" + std::to_string(row - 1) + "C" + std::to_string(col + 1);
      }
      const std::string text = previous + "+R" + std::to_string(row) + "C" + std::to_string(col);
      ASSERT_EQ(FormulaLoadLine(*t.get(), "User(+,-,x,/)", target, "RUN=", "-1", text), 0);
    }
  }
  RecalcAll(table_);
  ASSERT_LT(total, 100000000LL);  // below 100000: shown in full
  EXPECT_EQ(TableCellDisplayText(table_, 1000, 4), ResultText(Decimal{total, 3}));
}

}  // namespace
