// The formula language: references, names, the stages of the parser in
// evaluate mode, and the check with its messages.
#include <gtest/gtest.h>

#include <string>

#include "formula/formula_names.h"
#include "table/cell_reference.h"
#include "formula_fixture.h"

namespace {

TEST(FormulaRefs, ReadRowAndColumnOfAReference) {
  struct Case {
    const char* text;
    int row;
    int col;
  };
  const Case cases[] = {
      {"R12C3", 12, 3},     {"R1C1", 1, 1},        {"-R1C1", 1, 1},      {"R000C000", 0, 0},
      {"R0C0", 0, 0},       {"R2000C370", 2000, 370}, {"R2001C1", -1, 1}, {"R1C371", 1, -1},
      {"R1", -1, -1},       {"C1", -1, -1},        {"R", -1, -1},        {"R1C1C1", -1, -1},
      {"RR1C1", -1, -1},    {"R1C1:R2C2", -1, -1}, {"-R1C1x", -1, -1},   {"C1R1", -1, -1},
      {"R99999999999C1", -1, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RefRow(c.text, 2001), c.row) << c.text;
    EXPECT_EQ(RefCol(c.text, 371), c.col) << c.text;
  }
}

TEST(FormulaRefs, RangesSortTheirCornersAndLeaveOutHeaders) {
  FormulaRange range{};
  ASSERT_EQ(ReadRange("R3C3:R1C1", 2001, 371, &range), 0);
  EXPECT_EQ(range.iRowFrom, 1);
  EXPECT_EQ(range.iRowTo, 3);
  EXPECT_EQ(range.iColFrom, 1);
  EXPECT_EQ(range.iColTo, 3);
  for (const char* bad : {"R0C1:R5C1", "R1C0:R5C1", "R1C1", "R1C1:", "R1C1:R2001C1", "R1C1:x"}) {
    EXPECT_EQ(ReadRange(bad, 2001, 371, &range), -1) << bad;
  }
}

TEST(FormulaNames, ExactlyTheFunctionNamesAreAccepted) {
  for (const char* name : {"acos", "asin", "atan", "cos", "cosh", "exp", "fabs", "ln", "log", "log10", "sin",
                           "sinh", "sqrt", "tan", "tanh", "degrees", "radians", "atan2", "pow", "fmod",
                           "average", "maximum", "median", "minimum", "sum", "count", "if", "count_if",
                           "sum_if", "m_determ", "m_inverse", "m_transp", "m_minus", "m_mult", "m_plus"}) {
    EXPECT_TRUE(IsFunctionName(name)) << name;
  }
  for (const char* name : {"", "SUM", "Sum", "sum_", "su", "e3*sin", "mod", "abcdefghijklmnopqrstu"}) {
    EXPECT_FALSE(IsFunctionName(name)) << name;
  }
}

struct EvalCase {
  const char* formula;
  const char* result;
};

class FormulaParseTest : public FormulaTest {};

TEST_F(FormulaParseTest, ArithmeticFollowsPrecedenceAndSigns) {
  const EvalCase cases[] = {
      {"5-2+1", "4"},
      {"1-2-3", "-4"},
      {"8/2*2", "8"},  // '*' and '/' together, left to right
      {"8/4/2", "1"},
      {"2*3/4", "1.5"},
      {"2^3^2", "64"},  // power is left-associative
      {"-3^2", "9"},    // a sign binds tighter than power
      {"2*-3", "-6"},
      {"5--3", "8"},
      {"2^-1", "0.5"},
      {"1e-3/2", "0.0005"},
      {"1.5e3*2", "3000"},
      {"1E+3+1", "1001"},
      {"2*3+4*5", "26"},
      {"10-2*3", "4"},
      {"(1+2)*3", "9"},
      {"((2))", "2"},
      {"-(2+3)*2", "-10"},
      {"2 * 3", "6"},
      {"5.000", "5.000"},  // no operation ran: the text stays
      {"R1 C1", "7"},
  };
  Cell(1, 1, "7");
  for (const EvalCase& c : cases) {
    EXPECT_EQ(Eval(c.formula), c.result) << c.formula;
    EXPECT_EQ(LastStatus(), 0) << c.formula;
  }
}

TEST_F(FormulaParseTest, ComparisonsYieldOneOrZero) {
  const EvalCase cases[] = {
      {"1<2", "1"},  {"2<1", "0"},   {"2=2", "1"},   {"2==2", "1"},  {"2!=2", "0"}, {"2<>3", "1"},
      {"2<=2", "1"}, {"2=<1", "0"},  {"3>2", "1"},   {"2>=3", "0"},  {"3=>3", "1"}, {"1+1=2", "1"},
      {"1<-2", "0"}, {"2*3>5", "1"},
  };
  for (const EvalCase& c : cases) EXPECT_EQ(Eval(c.formula), c.result) << c.formula;
}

TEST_F(FormulaParseTest, CallsAreEvaluatedInnermostFirst) {
  Cell(1, 1, "0");
  Cell(2, 2, "5");
  EXPECT_EQ(Eval("sin(cos(R1C1))+R2C2"), "5.841470984808");
  EXPECT_EQ(Eval("sqrt(sqrt(16))*2"), "4");
  EXPECT_EQ(Eval("pow(2,sqrt(9))"), "8");
  EXPECT_EQ(Eval("if(R2C2>4,10,20)"), "10");
  EXPECT_EQ(Eval("sum((1+2),3)"), "6");
}

TEST_F(FormulaParseTest, DeepNestingNeedsNoDeepRecursion) {
  std::string formula;
  for (int i = 0; i < 300; ++i) formula += "sin(";
  formula += "0";
  for (int i = 0; i < 300; ++i) formula += ")";
  EXPECT_EQ(Eval(formula), "0");
  std::string groups = std::string(400, '(') + "1+1" + std::string(400, ')');
  EXPECT_EQ(Eval(groups), "2");
}

TEST_F(FormulaParseTest, AFormulaNamingOneCellTakesItsText) {
  Cell(2, 3, "-4");
  Cell(2, 4, "abc");
  Cell(2, 5, "12.50");
  EXPECT_EQ(Eval("R2C3"), "-4");
  EXPECT_EQ(Eval("-R2C3"), "4");
  EXPECT_EQ(Eval("(R2C4)"), "abc");
  EXPECT_EQ(Eval("-R2C4"), "-abc");
  EXPECT_EQ(Eval("R2C5"), "12.50");
}

TEST_F(FormulaParseTest, ParserErrorsGoToTheTargetAndStopTheFormula) {
  const EvalCase cases[] = {
      {"abc", "Err missing symbol"},
      {"R1C1:R2C2+1", "Err missing symbol"},
      {"sum()", "Err missing data"},
      {"sin(1", "Err sin??"},
      {"2*^3", "Err missing data"},
      {"1+", "Err missing data"},
      {"*2", "Err missing data"},
      {"(1+2", "Err missing symbol"},
      {"sin(1)2", "Err missing symbol"},
      {"2sin(1)", "Err missing symbol"},
      {"1,,2", "Err missing data"},
      {"=1", "Err missing data"},
      {"1<", "Err missing data"},
      {"count_if(\"X\",R1C1:R2C1)", "count_if( ?if-condition? )"},
      {"sum_if(R1C1:R2C1,R1C2:R2C2,\">0\")", "sum_if( ?if-condition? )"},
  };
  for (const EvalCase& c : cases) {
    UseFormulaSlot(-1);
    EXPECT_EQ(Eval(c.formula), c.result) << c.formula;
    EXPECT_EQ(LastStatus(), -1) << c.formula;
    EXPECT_EQ(t->formulaSlots[0].iState, FORMULA_INACTIVE) << c.formula;
  }
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(FormulaParseTest, UnknownNamesAreReportedInAMessageInBothModes) {
  EXPECT_EQ(Eval("foo(1)"), "");
  EXPECT_EQ(LastStatus(), -1);
  const auto messages = TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, "Unknown math function name");
  EXPECT_EQ(messages[0].text, "foo(...)");
  // A name the check accepts but nothing evaluates fails without a text.
  EXPECT_EQ(Eval("fmod(5,2)"), "");
  EXPECT_EQ(LastStatus(), -1);
  EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(FormulaParseTest, TextsThatWouldOutgrowABufferFailCleanly) {
  std::string many = "sum(";
  for (int i = 0; i < 249; ++i) many += "1/3,";
  many += "1/3)";
  EXPECT_EQ(Eval(many), "Err text too long");
  EXPECT_EQ(Eval(std::string(600, '1') + "+1"), "Err text too long");
  EXPECT_EQ(Eval(std::string(5000, '1')), "Err text too long");
  // A cell text of 519 characters negated no longer fits an argument.
  Cell(1, 1, std::string(519, 'a'));
  EXPECT_EQ(Eval("-R1C1+1"), "Err text too long");
}

struct CheckCase {
  const char* formula;
  const char* caption;
  const char* text;
};

TEST_F(FormulaParseTest, TheCheckRefusesWithItsMessage) {
  const CheckCase cases[] = {
      {"SUM(R1C1)", "Error message", "??" "?(...)\r\nMissing +, -, *, /, ^, or ("},
      {"sin(R1C1,R2C1)", "Should not be comma between arguments", "sin(  \",\"  )"},
      {"(1,2)+3", "Unknown math operator", "... \",\" ..."},
      {"abc", "Error message", "abc\r\nMissing +, -, *, /, ^, or ( )"},
      {"sum()", "Error message", "sum( ??? )\r\nmissing data"},
      {"fabs(num)", "Unknown math function data", "num"},
      {"pow(x,y)", "Unknown math function data", "x,y"},
      {"1.5e3*sin(R1C1)", "Unknown math function name", "e3*sinTableCheckMathFunctionName (...)"},
      {"abcdefghijklmnopqrstu(1)", "Unknown math function name",
       "abcdefghijklmnopqrstuTableCheckMathFunctionName (...)"},
      {"m_inverse(R1C1:R2C2)+1", "Message", "m_inverse mixed with + is not supported"},
      {"m_transp(R1C1:R2C2)*sum(R1C1)", "Message", "m_transp mixed with * is not supported"},
      {"count_if(R1C1:R2C1,\">5)", "Error message", "\" ... need \""},
      {"1+", "Error message", "Missing data \"+???\""},
      {"*2", "Error message", "Missing \"???*\" data"},
      {"2*^3", "Error message", "Missing data \"??? ^3"},
      {"sin(1)2", "Error message", "sin(...)???\r\nMissing +, -, *, /, ^, or )"},
      {"2sin(1)", "Error message", "???sin(...)\r\nMissing +, -, *, /, ^, or ("},
      {"sin(1", "Error message", "sin(... missing \")\" "},
      {"(1+2", "Error message", "(1+2... missing \")\" "},
      {"((1)+(2", "Error message", "((1)+... missing \")\" "},
      {"()", "Error message", "( ??? )\r\nmissing data"},
      {"R1C1+?", "Unknown math operator", "... \"?\" ..."},
      {"R99999C1", "Error message", "R99999C1\r\nMissing Table (iRp, iCp)"},  // beyond the table
      {"R1C99999", "Error message", "R1C99999\r\nMissing Table (iRp, iCp)"},
      {"R1CC1", "Error message", "R1CC1\r\nMissing +, -, *, /, ^, or ( )"},
  };
  for (const CheckCase& c : cases) {
    std::string formula = c.formula;
    ShownMessage message;
    EXPECT_EQ(Check(formula, &message), -1) << c.formula;
    EXPECT_EQ(message.caption, c.caption) << c.formula;
    EXPECT_EQ(message.text, c.text) << c.formula;
    EXPECT_EQ(formula, c.formula) << "a refused formula keeps its text";
  }
}

TEST_F(FormulaParseTest, TheCheckRefusesTextsBeyondItsFields) {
  ShownMessage message;
  std::string longest = "1";
  for (int k = 0; k < 499; ++k) longest += " +1";  // 999 characters without the blanks
  EXPECT_EQ(Check(longest, &message), 0) << message.text;
  EXPECT_EQ(longest.size(), 999u);
  std::string tooLong = std::string(1000, '1');
  EXPECT_EQ(Check(tooLong, &message), -1);
  EXPECT_EQ(message.text, "The formula is too long to be worked out.");
  std::string condition = "count_if(R1C1:R2C1,\"" + std::string(520, 'a') + "\")";
  EXPECT_EQ(Check(condition, &message), -1);
  EXPECT_EQ(message.text, "The condition between quotes is too long (at most 519 characters).");
}

TEST_F(FormulaParseTest, TheCheckAcceptsAndMasksTheCondition) {
  const CheckCase cases[] = {
      // formula, blank-free masked text, kept condition
      {"sum(R1C1:R5C1)/R6C2", "sum(R1C1:R5C1)/R6C2", ""},
      {"if(R1C1>5, 10, 20)", "if(R1C1>5,10,20)", ""},
      {"count_if(R1C1:R9C1,\">5,x\")", "count_if(R1C1:R9C1,\"XXXX\")", ">5,x"},
      {"sum_if(R1C1:R5C1,\"a\"\"b\",R1C2:R5C2)", "sum_if(R1C1:R5C1,\"X\"\"b\",R1C2:R5C2)", "a"},
      {"m_mult(m_inverse(R1C1:R3C3),R1C5:R3C5)", "m_mult(m_inverse(R1C1:R3C3),R1C5:R3C5)", ""},
      {"m_determ(R1C1:R2C2)*2", "m_determ(R1C1:R2C2)*2", ""},
      {"1.5e3*2", "1.5e3*2", ""},
      {"-R1C1", "-R1C1", ""},
      {"R1C1>=2", "R1C1>=2", ""},
      {"R1C1<>R2C1", "R1C1<>R2C1", ""},
  };
  for (const CheckCase& c : cases) {
    std::string formula = c.formula;
    ShownMessage message;
    EXPECT_EQ(Check(formula, &message), 0) << c.formula << ": " << message.text;
    EXPECT_EQ(formula, c.caption) << c.formula;
    EXPECT_EQ(TextOf(t->szQuotedText), c.text) << c.formula;
  }
  std::string refused = "m_determ(m_inverse(R1C1:R3C3))";
  ShownMessage message;
  EXPECT_EQ(Check(refused, &message), -1);
  EXPECT_EQ(message.text, "m_inverse mixed with m_determ is not supported");
}

}  // namespace
