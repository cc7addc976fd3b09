// Statistical and conditional functions over values and ranges.
#include <gtest/gtest.h>

#include <string>

#include "formula_fixture.h"

namespace {

struct EvalCase {
  const char* formula;
  const char* result;
};

class FormulaStatsTest : public FormulaTest {
 protected:
  void SetUp() override {
    FormulaTest::SetUp();
    // Column 1: 1, abc, 3, empty, 5.5; column 2: 10, 20, 30, 40, 50.
    Cell(1, 1, "1");
    Cell(2, 1, "abc");
    Cell(3, 1, "3");
    Cell(5, 1, "5.5");
    for (int row = 1; row <= 5; ++row) Cell(row, 2, std::to_string(row * 10));
  }
};

TEST_F(FormulaStatsTest, FunctionsOverRangesAndValuesSkipTexts) {
  const EvalCase cases[] = {
      {"average(R1C1:R3C1)", "2"},
      {"count(R1C1:R3C1)", "2"},
      {"count(R1C1:R5C2)", "8"},
      {"sum(R1C1:R5C1)", "9.5"},
      {"sum(R1C1:R5C1,10,R2C1)", "19.5"},
      {"sum(R5C2:R1C1)", "159.5"},  // corners in either order
      {"sum(R1C1:R5C2)", "159.5"},
      {"maximum(R1C1:R5C1)", "5.5"},
      {"minimum(R1C1:R5C1,-2)", "-2"},
      {"maximum(R7C1:R8C1,-5)", "-5"},
      {"maximum(R7C1:R8C1)", "0"},
      {"minimum(R7C1:R8C1)", "0"},
      {"sum(R7C1:R8C1)", "0"},
      {"count(R7C1:R8C1)", "0"},
      {"median(R1C1:R5C1)", "3"},
      {"median(4,1,3)", "3"},
      {"median(4,1,3,2)", "2.5"},
      {"average(R1C2:R5C2)/2", "15"},
      {"sum(R1C1:R1C1)", "1"},
      {"sum(R0C1:R5C1)", "Err sum( R0C1:R5C1 )"},
      {"average(R1C0:R5C1)", "Err average( R1C0:R5C1 )"},
      {"count(R1C1:R9999C1)", "Err sum( R1C1:R9999C1 )"},
      // Nothing to average or to take the middle of.
      {"average(R7C1:R8C1)", "Err average(no value)"},
      {"median(R2C1)", "Err median(no value)"},
  };
  for (const EvalCase& c : cases) EXPECT_EQ(Eval(c.formula), c.result) << c.formula;
}

TEST_F(FormulaStatsTest, MedianRefusesMoreValuesThanItsBuffer) {
  for (int row = 1; row <= 1900; ++row) {
    for (int col = 10; col <= 18; ++col) Cell(row, col, "1");
  }
  EXPECT_EQ(Eval("median(R1C10:R1820C18)"), "1");  // 16380 values
  EXPECT_EQ(Eval("median(R1C10:R1900C18)"), "Err median(>16385 values)");
}

TEST_F(FormulaStatsTest, CountIfWithNumericAndTextConditions) {
  Cell(1, 3, "1");
  Cell(2, 3, "2");
  Cell(3, 3, "3");
  Cell(4, 3, "5");
  Cell(5, 3, "abc");
  Cell(6, 3, "cab");
  Cell(7, 3, "ab");
  Cell(9, 3, "5");
  Cell(10, 3, ">2");
  const EvalCase cases[] = {
      {"count_if(R1C3:R9C3,\">=2\")", "4"},
      {"count_if(R1C3:R9C3,\"=>2\")", "4"},
      {"count_if(R1C3:R9C3,\">2\")", "3"},
      {"count_if(R1C3:R9C3,\"2<\")", "3"},  // threshold first: 2 < x
      {"count_if(R1C3:R9C3,\"2<=\")", "4"},
      {"count_if(R1C3:R9C3,\"2>\")", "1"},
      {"count_if(R1C3:R9C3,\"<3\")", "2"},
      {"count_if(R1C3:R9C3,\"=<3\")", "3"},
      {"count_if(R1C3:R9C3,\"=5\")", "2"},
      {"count_if(R1C3:R9C3,\"5==\")", "2"},
      {"count_if(R1C3:R9C3,\"!=5\")", "3"},
      {"count_if(R1C3:R9C3,\"<>5\")", "3"},
      {"count_if(R1C3:R9C3,\"!5\")", "3"},
      {"count_if(R1C3:R9C3,\"5!\")", "3"},
      {"count_if(R1C3:R9C3,\"ab*\")", "3"},  // contains ab: abc, cab, ab
      {"count_if(R1C3:R9C3,\"*ab\")", "3"},
      {"count_if(R1C3:R9C3,\"ab\")", "1"},
      {"count_if(R1C3:R9C3,\"5\")", "2"},  // a text condition compares texts
      {"count_if(R1C3:R9C3,\"*\")", "8"},
      {"count_if(R1C3:R9C3,\"x,y\")", "0"},  // commas stay inside the condition
      {"count_if(R1C3:R9C3,2,7,\">2\")", "4"},
      {"count_if(R1C3:R9C3,R10C3)", "3"},  // the condition read from a cell
  };
  for (const EvalCase& c : cases) EXPECT_EQ(Eval(c.formula), c.result) << c.formula;
}

TEST_F(FormulaStatsTest, SumIfLaysTheSummedCornerOverTheTestRange) {
  Cell(1, 4, "-1");
  Cell(2, 4, "2");
  Cell(3, 4, "3");
  const EvalCase cases[] = {
      {"sum_if(R1C4:R3C4,\">0\",R1C2:R3C2)", "50"},
      {"sum_if(R1C4:R3C4,\">0\",R1C2)", "50"},  // a one-cell corner still reaches three rows
      {"sum_if(R1C4:R3C4,\"<0\",R3C2)", "30"},
      {"sum_if(R1C4:R3C4,\">0\",R2000C2)", "0"},  // rows below the table are skipped
      {"sum_if(R1C4:R3C4,R2C4,\">0\",R1C2:R3C2,R5C2)", "100"},
      {"sum_if(5,\">2\",7)", "7"},
      {"sum_if(1,\">2\",7)", "0"},
      {"sum_if(R1C4:R3C4,\">0\",R0C2)", "Err sum_if( R1C4:R3C4 )"},
      {"sum_if(R1C4:R3C4,\">0\")", "Err sum_if(??]"},
  };
  for (const EvalCase& c : cases) EXPECT_EQ(Eval(c.formula), c.result) << c.formula;
}

TEST_F(FormulaStatsTest, ResultsTakeTheFixedSetting) {
  UseFormulaSlot(2);
  EXPECT_EQ(Eval("average(R1C1:R3C1)"), "2.00");
  EXPECT_EQ(Eval("sum(0.125,0.125)"), "0.25");
}

}  // namespace
