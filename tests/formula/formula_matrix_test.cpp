// Matrix functions, the matrix buffer and the placement of matrix results.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "formula/formula_matrix.h"
#include "formula/formula_matrix_math.h"
#include "formula_fixture.h"
#include "support/headless_program.h"
#include "table/table_access.h"
#include "table/table_input_hooks.h"
#include "table/table_window_ops.h"

namespace {

struct EvalCase {
  const char* formula;
  const char* result;
};

class FormulaMatrixTest : public FormulaTest {
 protected:
  void Block(int row, int col, std::vector<std::vector<const char*>> rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
      for (std::size_t j = 0; j < rows[i].size(); ++j) Cell(row + static_cast<int>(i), col + static_cast<int>(j), rows[i][j]);
    }
  }
  // The entry a marker result names, checked to be in use.
  const MatrixEntry& EntryOf(const std::string& marker) {
    const int entry = MatrixMarkerEntry(marker);
    EXPECT_GE(entry, 0) << marker;
    const MatrixEntry& e = t->matrixBuffer[entry < 0 ? 0 : entry];
    EXPECT_TRUE(e.bInUse) << marker;
    return e;
  }
  static double At(const MatrixEntry& e, int i, int j) { return e.values[i * MATRIX_MAX_DIM + j]; }
  static bool Empty(const MatrixEntry& e, int i, int j) { return e.empty[i * MATRIX_MAX_DIM + j] != 0; }
};

TEST_F(FormulaMatrixTest, ElementwiseProductAndTranspose) {
  Block(1, 1, {{"1", "2"}, {"3", ""}});
  Block(1, 4, {{"10", "20"}, {"30", "40"}});
  std::string marker = Eval("m_plus(R1C1:R2C2,R1C4:R2C5)");
  ASSERT_EQ(marker, "MATRIXBUFPOINT0");
  const MatrixEntry& sum = EntryOf(marker);
  EXPECT_EQ(sum.iRows, 2);
  EXPECT_EQ(sum.iCols, 2);
  EXPECT_EQ(At(sum, 0, 0), 11);
  EXPECT_EQ(At(sum, 1, 0), 33);
  EXPECT_TRUE(Empty(sum, 1, 1));  // one operand has no value there

  const MatrixEntry& difference = EntryOf(Eval("m_minus(R1C4:R2C5,R1C1:R2C2)"));
  EXPECT_EQ(At(difference, 0, 1), 18);

  // (2 x 2) . (2 x 2) with the empty element left out of its products.
  const MatrixEntry& product = EntryOf(Eval("m_mult(R1C1:R2C2,R1C4:R2C5)"));
  EXPECT_EQ(At(product, 0, 0), 1 * 10 + 2 * 30);
  EXPECT_EQ(At(product, 1, 1), 3 * 20);

  Block(5, 1, {{"1", "2", "3"}, {"4", "", "6"}});
  const MatrixEntry& transposed = EntryOf(Eval("m_transp(R5C1:R6C3)"));
  EXPECT_EQ(transposed.iRows, 3);
  EXPECT_EQ(transposed.iCols, 2);
  EXPECT_EQ(At(transposed, 2, 1), 6);
  EXPECT_TRUE(Empty(transposed, 1, 1));
}

TEST_F(FormulaMatrixTest, DeterminantAndInverse) {
  Block(1, 1, {{"0", "1"}, {"1", "0"}});
  EXPECT_EQ(Eval("m_determ(R1C1:R2C2)"), "-1");
  EXPECT_EQ(Eval("m_determ(R1C1:R2C2)*2"), "-2");
  Block(4, 1, {{"4", "7"}, {"2", "6"}});
  EXPECT_EQ(Eval("m_determ(R4C1:R5C2)"), "10");
  const MatrixEntry& inverse = EntryOf(Eval("m_inverse(R4C1:R5C2)"));
  EXPECT_NEAR(At(inverse, 0, 0), 0.6, 1e-15);
  EXPECT_NEAR(At(inverse, 0, 1), -0.7, 1e-15);
  EXPECT_NEAR(At(inverse, 1, 0), -0.2, 1e-15);
  EXPECT_NEAR(At(inverse, 1, 1), 0.4, 1e-15);
  EXPECT_EQ(inverse.iPlaces, 12);
  EXPECT_EQ(inverse.bAutomatic, 1);

  // Singular, exactly and relative to the matrix's scale.
  Block(7, 1, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
  EXPECT_EQ(Eval("m_determ(R7C1:R9C3)"), "0");
  EXPECT_EQ(Eval("m_inverse(R7C1:R9C3)"), "Err m_inverse( (...)");
  Block(11, 1, {{"1e10", "2e10"}, {"3e10", "6e10"}});
  EXPECT_EQ(Eval("m_inverse(R11C1:R12C2)"), "Err m_inverse( (...)");
  // A small matrix is not singular for being small.
  Block(14, 1, {{"1e-10", "0"}, {"0", "1e-10"}});
  EXPECT_EQ(Eval("m_determ(R14C1:R15C2)"), "1.000000e-20");
  EXPECT_NEAR(At(EntryOf(Eval("m_inverse(R14C1:R15C2)")), 1, 1), 1e10, 1e-3);
}

// Singularity is judged against each row's own scale: badly scaled
// regular matrices stay regular, a singular one stays singular.
TEST_F(FormulaMatrixTest, BadlyScaledMatricesAreRegular) {
  const struct {
    std::vector<std::vector<const char*>> rows;
    const char* determinant;
    double inverse[2][2];
  } cases[] = {
      {{{"1e9", "0"}, {"0", "1e-9"}}, "1", {{1e-9, 0}, {0, 1e9}}},
      {{{"1e20", "0"}, {"0", "1"}}, "1.000000e+20", {{1e-20, 0}, {0, 1}}},
      {{{"1", "0"}, {"0", "1e-16"}}, "1.000000e-16", {{1, 0}, {0, 1e16}}},
      {{{"0", "1e-12"}, {"1e12", "0"}}, "-1", {{0, 1e-12}, {1e12, 0}}},
  };
  for (const auto& c : cases) {
    Block(1, 1, c.rows);
    EXPECT_EQ(Eval("m_determ(R1C1:R2C2)"), c.determinant);
    const MatrixEntry& inverse = EntryOf(Eval("m_inverse(R1C1:R2C2)"));
    for (int i = 0; i < 2; ++i) {
      for (int j = 0; j < 2; ++j) {
        EXPECT_NEAR(At(inverse, i, j), c.inverse[i][j], 1e-12 * std::fabs(c.inverse[i][j])) << c.determinant;
      }
    }
  }
  Block(1, 1, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "8", "9"}});
  EXPECT_EQ(Eval("m_determ(R1C1:R3C3)"), "0");
  EXPECT_EQ(Eval("m_inverse(R1C1:R3C3)"), "Err m_inverse( (...)");
}

// The 5 x 5 Hilbert matrix, scaled by 2520 so that its cells hold integers,
// against its exact inverse and determinant (checked here in integers).
TEST_F(FormulaMatrixTest, HilbertMatrixAgreesWithTheExactReference) {
  constexpr int n = 5;
  constexpr long long scale = 2520;  // divisible by 1..9
  long long a[n][n];
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      a[i][j] = scale / (i + j + 1);
      Cell(i + 1, j + 1, std::to_string(a[i][j]));
    }
  }
  // The inverse of the Hilbert matrix H has integer elements; that of
  // 2520 H is it divided by 2520.
  const long long inverseH[n][n] = {{25, -300, 1050, -1400, 630},
                                    {-300, 4800, -18900, 26880, -12600},
                                    {1050, -18900, 79380, -117600, 56700},
                                    {-1400, 26880, -117600, 179200, -88200},
                                    {630, -12600, 56700, -88200, 44100}};
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      long long product = 0;
      for (int k = 0; k < n; ++k) product += a[i][k] * inverseH[k][j];
      ASSERT_EQ(product, i == j ? scale : 0) << "the reference inverse";
    }
  }
  // det(2520 H) = 2520^5 / 266716800000 exactly: Bareiss elimination in
  // integers gives it without rounding.
  long long m[n][n];
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) m[i][j] = a[i][j];
  }
  long long previous = 1;
  for (int k = 0; k < n - 1; ++k) {
    for (int i = k + 1; i < n; ++i) {
      for (int j = k + 1; j < n; ++j) m[i][j] = (m[i][j] * m[k][k] - m[i][k] * m[k][j]) / previous;
    }
    previous = m[k][k];
  }
  const long long determinant = m[n - 1][n - 1];
  ASSERT_EQ(static_cast<double>(determinant), std::pow(2520.0, 5) / 266716800000.0);

  const std::string shown = Eval("m_determ(R1C1:R5C5)");
  EXPECT_NEAR(std::stod(shown), static_cast<double>(determinant), 1e-9 * static_cast<double>(determinant)) << shown;
  const MatrixEntry& inverse = EntryOf(Eval("m_inverse(R1C1:R5C5)"));
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      const double exact = static_cast<double>(inverseH[i][j]) / scale;
      EXPECT_NEAR(At(inverse, i, j), exact, 1e-9 * std::fabs(exact)) << i << "," << j;
    }
  }
}

TEST_F(FormulaMatrixTest, MatrixResultsFeedOtherMatrixFunctions) {
  // x + y + z = 6, 2y + 5z = -4, 2x + 5y - z = 27.
  Block(1, 1, {{"1", "1", "1"}, {"0", "2", "5"}, {"2", "5", "-1"}});
  Block(1, 5, {{"6"}, {"-4"}, {"27"}});
  const MatrixEntry& solution = EntryOf(Eval("m_mult(m_inverse(R1C1:R3C3),R1C5:R3C5)"));
  ASSERT_EQ(solution.iRows, 3);
  ASSERT_EQ(solution.iCols, 1);
  EXPECT_NEAR(At(solution, 0, 0), 5, 1e-12);
  EXPECT_NEAR(At(solution, 1, 0), 3, 1e-12);
  EXPECT_NEAR(At(solution, 2, 0), -2, 1e-12);
  // The operand's entry was freed; only the result is in use.
  int inUse = 0;
  for (const MatrixEntry& e : t->matrixBuffer) inUse += e.bInUse;
  EXPECT_EQ(inUse, 1);
}

// m_plus(m_transp(A), m_plus(m_transp(A), ... m_transp(A))) with `count`
// transposes: every level keeps one result waiting.
std::string NestedTransposes(int count) {
  std::string formula = "m_transp(R1C1:R2C2)";
  for (int k = 1; k < count; ++k) formula = "m_plus(m_transp(R1C1:R2C2)," + formula + ")";
  return formula;
}

TEST_F(FormulaMatrixTest, TheBufferHoldsTenResultsAtOnce) {
  Block(1, 1, {{"1", "2"}, {"3", "4"}});
  const MatrixEntry& sum = EntryOf(Eval(NestedTransposes(9)));
  EXPECT_EQ(At(sum, 0, 1), 27);
  EXPECT_EQ(Eval(NestedTransposes(10)), "Err MATH_MATRIX_BUF_N < iMatrixBuffP");
  // The next formula starts with a free buffer.
  EXPECT_EQ(Eval("m_transp(R1C1:R2C2)"), "MATRIXBUFPOINT0");
}

TEST_F(FormulaMatrixTest, ErrorsNameTheFunctionAndTheReason) {
  Block(1, 1, {{"1", "2", "3"}, {"4", "5", "6"}, {"7", "", "9"}});
  for (int row = 1; row <= 51; ++row) Cell(row, 10, "1");
  const EvalCase cases[] = {
      {"m_plus(R1C1:R2C2,R1C4:R3C5)", "Err m_plus( Matrix does not have an equal number of rows )"},
      {"m_minus(R1C1:R2C2,R1C4:R2C6)", "Err m_minus( Matrix does not have an equal number of columns )"},
      {"m_mult(R1C1:R2C3,R1C1:R2C3)", "Err m_mult(  M1 number of columns should match M2 number of rows )"},
      {"m_determ(R1C1:R3C3)", "Err m_determ(  Any cells in array are empty or contain text )"},
      {"m_inverse(R1C1:R3C3)", "Err m_inverse( Any cells in array are empty or contain text )"},
      {"m_determ(R1C1:R2C3)", "Err m_determ(  Matrix does not have an equal number of rows and columns )"},
      {"m_transp(R1C10:R51C10)", "Err m_transp(  50 < number of rows )"},
      {"m_plus(R1C10:R51C10,R1C10:R51C10)", "Err m_plus( 50 < number of rows )"},
      {"m_transp(R1C1:R1C51)", "Err m_transp(  50 < number of columns )"},
      {"m_plus(R1C1:R2C2)", "Err m_plus( need 2 parameters )"},
      {"m_transp(R1C1:R2C2,R1C1:R2C2)", "Err m_transp(  need 1 parameter )"},
      {"m_transp(R0C1:R2C2)", "Err m_transp(  R0C1:R2C2 )"},
      {"m_transp(R1C1)", "Err m_transp(  R1C1 )"},
      {"m_plus(R1C1,R1C1:R2C2)", "Err m_plus( Matrix does not have an equal number of rows )"},
      {"m_transp(MATRIXBUFPOINT7)", "Err MATH_MATRIX_BUF_N < iMatrixBuffP"},  // names no result
      {"m_transp(MATRIXBUFPOINTx)", "Err 0 > iMatrixBuffP"},
      {"m_plus(\"X\",R1C1:R2C2)", "count_if( ?RC:RC? )"},
      {"m_transp(abc)", "Err missing symbol"},
  };
  for (const EvalCase& c : cases) {
    UseFormulaSlot(-1);
    EXPECT_EQ(Eval(c.formula), c.result) << c.formula;
    EXPECT_EQ(LastStatus(), -1) << c.formula;
  }
  // Two operands that are neither ranges nor markers make an empty result.
  const MatrixEntry& empty = EntryOf(Eval("m_plus(R1C1,R2C2)"));
  EXPECT_EQ(empty.iRows, 0);
  EXPECT_EQ(empty.iCols, 0);
}

TEST_F(FormulaMatrixTest, MatrixErrorsLeaveTheFormulaRunning) {
  EXPECT_EQ(Eval("m_plus(R1C1:R2C2)"), "Err m_plus( need 2 parameters )");
  EXPECT_EQ(t->formulaSlots[0].iState, FORMULA_RUN);
  t->iCurrentFormula = -1;
  FormulaResultText result;
  EXPECT_EQ(FormulaEvaluate(*t, WindowHandle::None, "m_plus(R1C1:R2C2)", result), -1);
  const auto messages = TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, "Error message");
  EXPECT_EQ(messages[0].text, "Err m_plus( need 2 parameters )");
}

// ---- Accuracy of the decompositions ---------------------------------------

// A reference LU with partial pivoting in long double.
long double ReferenceDeterminant(std::vector<long double> a, int n) {
  long double det = 1;
  for (int k = 0; k < n; ++k) {
    int p = k;
    for (int i = k + 1; i < n; ++i) {
      if (std::fabs(a[i * n + k]) > std::fabs(a[p * n + k])) p = i;
    }
    if (p != k) {
      for (int j = 0; j < n; ++j) std::swap(a[p * n + j], a[k * n + j]);
      det = -det;
    }
    det *= a[k * n + k];
    for (int i = k + 1; i < n; ++i) {
      const long double f = a[i * n + k] / a[k * n + k];
      for (int j = k; j < n; ++j) a[i * n + j] -= f * a[k * n + j];
    }
  }
  return det;
}

// A well-conditioned n x n matrix: small pseudo-random entries with a
// dominant diagonal.
std::vector<double> WellConditioned(int n, std::uint32_t seed) {
  std::vector<double> a(static_cast<std::size_t>(MATRIX_MAX_DIM) * MATRIX_MAX_DIM, 0.0);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) {
      seed = seed * 1664525u + 1013904223u;
      a[i * MATRIX_MAX_DIM + j] = static_cast<double>(seed >> 8) / (1u << 24) * 2.0 - 1.0;
    }
    a[i * MATRIX_MAX_DIM + i] += n;
  }
  return a;
}

TEST(MatrixMath, AgreesWithAReferenceUpToFiftyByFifty) {
  for (int n : {1, 2, 3, 7, 20, 50}) {
    const std::vector<double> a = WellConditioned(n, 17u + n);
    std::vector<long double> copy(static_cast<std::size_t>(n) * n);
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) copy[i * n + j] = a[i * MATRIX_MAX_DIM + j];
    }
    const long double reference = ReferenceDeterminant(copy, n);
    const double det = MatrixDeterminant(a.data(), n, MATRIX_MAX_DIM);
    EXPECT_LE(std::fabs((det - reference) / reference), 1e-9L) << n;

    std::vector<double> inverse(a.size(), 0.0);
    ASSERT_TRUE(MatrixInverse(a.data(), n, MATRIX_MAX_DIM, inverse.data())) << n;
    double worst = 0.0;
    for (int i = 0; i < n; ++i) {
      for (int j = 0; j < n; ++j) {
        long double sum = 0;
        for (int k = 0; k < n; ++k) sum += static_cast<long double>(a[i * MATRIX_MAX_DIM + k]) * inverse[k * MATRIX_MAX_DIM + j];
        worst = std::fmax(worst, static_cast<double>(std::fabs(sum - (i == j ? 1.0L : 0.0L))));
      }
    }
    EXPECT_LE(worst, 1e-9) << n;
  }
}

TEST(MatrixMath, PivotingKeepsASmallLeadingElementHarmless) {
  // Without row exchanges the tiny pivot wipes out the other rows' digits.
  const double a[9] = {1e-18, 1, 1, 1, 2, 3, 1, 3, 7};
  const double det = MatrixDeterminant(a, 3, 3);
  EXPECT_NEAR(det, -3.0, 1e-12);  // 1e-18 * 5 - 1 * 4 + 1 * 1
  double inverse[9];
  ASSERT_TRUE(MatrixInverse(a, 3, 3, inverse));
  EXPECT_NEAR(inverse[0], -5.0 / 3.0, 1e-12);
}

// ---- Placing a result ---------------------------------------------------------

std::vector<std::pair<int, int>> recalculated;
void RecordRecalc(WindowHandle, int row, int col) { recalculated.emplace_back(row, col); }

std::vector<int> backedUp;  // rows and columns of the undo back-ups asked for
void RecordUndo(WindowHandle, int rowFrom, int rowTo, int colFrom, int colTo) {
  backedUp.insert(backedUp.end(), {rowFrom, rowTo, colFrom, colTo});
}

class MatrixPlacementTest : public HeadlessTableTest {
 protected:
  void SetUp() override {
    HeadlessTableTest::SetUp();
    recalculated.clear();
    backedUp.clear();
    TableHooks().pfnUndoBackup = RecordUndo;
  }
  void TearDown() override {
    TableHooks().pfnUndoBackup = nullptr;
    HeadlessTableTest::TearDown();
  }
  // Evaluate a formula whose target is (row, col) and return its text.
  std::string Run(std::string_view formula, int row, int col, int decimals = -1) {
    TableLockGuard t(table_);
    FormulaSlot& slot = t->formulaSlots[0];
    slot.iTargetRow = row;
    slot.iTargetCol = col;
    slot.iDecimals = decimals;
    slot.iState = FORMULA_RUN;
    t->iCurrentFormula = 0;
    FormulaResultText result;
    EXPECT_EQ(FormulaEvaluate(*t.get(), table_, formula, result), 0) << formula;
    return std::string(result.view());
  }
  void Store(int row, int col, std::string_view text) { TableStoreCellText(table_, row, col, text); }
  const TableCell& CellAt(int row, int col) {
    TableLockGuard t(table_);
    return *TableCellAt(*t.get(), row, col);
  }
  DialogScriptGuard dialogs;
};

TEST_F(MatrixPlacementTest, WritesTheBlockWithGreenBordersAndRecalculatesTheRest) {
  Store(1, 1, "1");
  Store(1, 2, "2.5");
  Store(2, 1, "3");
  Store(1, 4, "10");
  Store(1, 5, "20");
  Store(2, 4, "30");
  Store(2, 5, "40");
  Store(6, 2, "old");
  {
    TableLockGuard t(table_);
    TableCellAt(*t.get(), 5, 1)->iBorderStyle = 4;
  }
  const std::string marker = Run("m_plus(R1C1:R2C2,R1C4:R2C5)", 5, 1);
  ASSERT_EQ(marker, "MATRIXBUFPOINT0");
  ASSERT_EQ(PlaceMatrixResult(table_, MatrixMarkerEntry(marker), 5, 1, true, RecordRecalc), 0);
  EXPECT_EQ(TableCellDisplayText(table_, 5, 1), "11");
  EXPECT_EQ(TableCellDisplayText(table_, 5, 2), "22.5");
  EXPECT_EQ(TableCellDisplayText(table_, 6, 1), "33");
  EXPECT_EQ(TableCellDisplayText(table_, 6, 2), "");  // no value: emptied
  for (auto [row, col] : {std::pair{5, 1}, {5, 2}, {6, 1}, {6, 2}}) {
    const TableCell& cell = CellAt(row, col);
    EXPECT_EQ(cell.iBorderGreen, 128);
    EXPECT_EQ(cell.iBorderRed, 0);
    EXPECT_EQ(cell.iBorderBlue, 0);
  }
  EXPECT_EQ(CellAt(5, 1).iBorderStyle, 4);   // an existing border line stays
  EXPECT_EQ(CellAt(5, 2).iBorderStyle, 15);  // a cell without one gets a box
  // Every cell but the bottom-right one goes through the seam; that one is
  // stored with its own recalculation.
  EXPECT_EQ(recalculated, (std::vector<std::pair<int, int>>{{5, 1}, {5, 2}, {6, 1}}));
  EXPECT_EQ(backedUp, (std::vector<int>{5, 6, 1, 2}));  // a new formula's block can be undone
  {
    TableLockGuard t(table_);
    EXPECT_EQ(t->selRowFrom[0], 5);
    EXPECT_EQ(t->selRowTo[0], 6);
    EXPECT_EQ(t->selColFrom[0], 1);
    EXPECT_EQ(t->selColTo[0], 2);
    for (const MatrixEntry& e : t->matrixBuffer) EXPECT_FALSE(e.bInUse);
  }
}

TEST_F(MatrixPlacementTest, ABlockAtTheTableEdgeIsCut) {
  Store(1, 1, "1.234");
  Store(1, 2, "2");
  Store(2, 1, "3.5");
  Store(2, 2, "4");
  // A fixed setting cuts the elements; trailing zeros still go.
  const std::string marker = Run("m_transp(R1C1:R2C2)", 2000, 369, 2);
  ASSERT_EQ(PlaceMatrixResult(table_, MatrixMarkerEntry(marker), 2000, 369, false, RecordRecalc), 0);
  EXPECT_EQ(TableCellDisplayText(table_, 2000, 369), "1.23");
  EXPECT_EQ(TableCellDisplayText(table_, 2000, 370), "3.5");
  EXPECT_EQ(recalculated, (std::vector<std::pair<int, int>>{{2000, 369}, {2000, 370}}));
  EXPECT_TRUE(backedUp.empty());  // a formula run again takes no back-up
  EXPECT_EQ(PlaceMatrixResult(table_, 10, 1, 1, false, RecordRecalc), -1);
}

TEST_F(MatrixPlacementTest, TheRegistrySeamExists) {
  // Until the registry fills it, the default seam re-runs nothing.
  Store(1, 1, "2");
  const std::string marker = Run("m_transp(R1C1:R1C1)", 3, 3);
  EXPECT_EQ(PlaceMatrixResult(table_, MatrixMarkerEntry(marker), 3, 3, false), 0);
  EXPECT_EQ(TableCellDisplayText(table_, 3, 3), "2");
}

}  // namespace
