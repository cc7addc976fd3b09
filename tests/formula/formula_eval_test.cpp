// Evaluation: result texts and decimal places, the operators and scalar
// functions with their errors, and where error texts go.
#include <gtest/gtest.h>

#include <string>

#include "formula/formula_eval.h"
#include "formula_fixture.h"
#include "support/comma_locale.h"

namespace {

TEST(FormatResult, RoundsAndCutsToThePlaces) {
  struct Case {
    double value;
    int places;
    bool automatic;
    const char* text;
  };
  const Case cases[] = {
      {2.0, 3, false, "2.000"},
      {2.0, 12, true, "2"},
      {0.0, 12, true, "0"},
      {0.0, 3, false, "0.000"},
      {0.0, 0, false, "0"},
      {0.25, 1, true, "0.3"},
      {0.25, 4, false, "0.2500"},
      {1.0 / 3.0, 12, true, "0.333333333333"},
      {2.0 / 3.0, 12, true, "0.666666666667"},
      {3.141592653589793, 12, true, "3.141592653590"},  // zeros go before the cut
      {0.96, 1, true, "1.0"},
      {-1.25, 1, true, "-1.3"},
      {-0.5, 0, false, "-1"},
      {2.5, 0, false, "3"},
      {99999.96, 1, true, "100000.0"},
      {2.75, 8, false, "2.75000000"},
      {123456.0, 2, false, "1.234560e+05"},
      {-123456.0, 12, true, "-1.234560e+05"},
      {0.000001, 12, true, "1.000000e-06"},
      {0.00001, 12, true, "0.00001"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatResult(c.value, c.places, c.automatic), c.text) << c.value << " " << c.places;
  }
}

TEST(DecimalsOf, PlacesOfPlainAndExponentTexts) {
  struct Case {
    const char* text;
    int places;
  };
  const Case cases[] = {
      {"3.250", 3}, {"7", 0},     {"-0.5", 1},        {"1.", 0},           {"1e-3", 3},
      {"1.5e3", 0}, {"1.25e-1", 3}, {"1.500000e-01", 2}, {"1.234560e+05", 0}, {"1e-20", 12},
      {"2.5E-2", 3},
  };
  for (const Case& c : cases) EXPECT_EQ(DecimalsOf(c.text), c.places) << c.text;
}

struct EvalCase {
  const char* formula;
  const char* result;
};

class FormulaEvalTest : public FormulaTest {};

TEST_F(FormulaEvalTest, OperatorsKeepTheirPlacesInFullPrecision) {
  const EvalCase cases[] = {
      {"1.25+1.5", "2.75"},
      {"1.10+2.20", "3.3"},
      {"0.5*0.5", "0.25"},  // a product keeps the places of both factors
      {"1e-3*2", "0.002"},  // an exponent text counts the places it needs
      {"0.1*0.1*0.1", "0.001"},
      {"1.25e-1*2", "0.25"},
      {"1.5e3*2", "3000"},
      {"1/3", "0.333333333333"},
      {"2^0.5", "1.414213562373"},
      {"1.5^2", "2.25"},
      {"pow(1.5,2)", "2.25"},
      {"2^0", "1"},
      {"pow(2,0)", "1"},
      {"0/5", "0"},
      {"0*R9C9", "0"},  // an empty cell counts as 0
      {"123456*1", "1.234560e+05"},
      {"0.000001+0", "1.000000e-06"},
  };
  for (const EvalCase& c : cases) EXPECT_EQ(Eval(c.formula), c.result) << c.formula;
}

TEST_F(FormulaEvalTest, ScalarFunctionsAndTheirDomains) {
  const EvalCase cases[] = {
      {"acos(1)", "0"},
      {"acos(1.0000001)", "Err acos(x>1)"},
      {"acos(-2)", "Err acos(-1>x)"},
      {"asin(1.5)", "Err asin(x>1)"},
      {"asin(-1.5)", "Err asin(-1>x)"},
      {"atan(1)", "0.785398163397"},
      {"atan2(1,1)", "0.785398163397"},
      {"atan2(-1,0)", "3.141592653590"},  // the point (-1, 0)
      {"cos(262.9)", "0.545523338195"},
      {"cos(263)", "Err cos(263<=x)"},
      {"cos(-263)", "Err cos(x<=-263)"},
      {"sin(300)", "Err sin(263<=x)"},
      {"tan(-300)", "Err tan(x<=-263)"},
      {"cosh(263)", "Err cosh(263<=x)"},
      {"sinh(-263)", "Err sinh(x<=-263)"},
      {"tanh(1000)", "Err tanh(263<=x)"},
      {"tanh(1)", "0.761594155956"},
      {"exp(1)", "2.718281828459"},
      {"exp(1000)", "Err INF"},
      {"-exp(1000)", "Err INF"},
      {"fabs(-2.50)", "2.5"},
      {"ln(0)", "Err ln(x<=0)"},
      {"log(-1)", "Err log(x<=0)"},
      {"log10(0)", "Err log10(x<=0)"},
      {"log10(1000)", "3"},
      {"ln(10)", "2.302585092995"},
      {"log(10)", "2.302585092994"},  // ln goes through a 12-digit constant
      {"sqrt(-0.0001)", "Err sqrt(x<0)"},
      {"sqrt(0)", "0"},
      {"sqrt(2)", "1.414213562373"},
      {"pow(0,-1)", "Err pow(0=x,0>y)"},
      {"0^-1", "Err pow(0=x,0>y)"},
      {"pow(-8,1/3)", "Err NAN"},
      {"degrees(3.141592653589793)", "180"},
      {"radians(180)", "3.141592653590"},
      {"5/0", "Err 5/0"},
      {"2.50/0", "Err 2.50/0"},
  };
  for (const EvalCase& c : cases) EXPECT_EQ(Eval(c.formula), c.result) << c.formula;
}

TEST_F(FormulaEvalTest, IfChoosesByTheTruncatedCondition) {
  Cell(1, 1, "7");
  Cell(2, 1, "abc");
  Cell(3, 1, "Err sqrt(x<0)");
  const EvalCase cases[] = {
      {"if(R1C1>5,10,20)", "10"},
      {"if(R1C1<5,10,20)", "20"},
      {"if(1.9,2.5,3)", "2.5"},
      {"if(0.5,2.5,3.25)", "3.25"},
      {"if(-0.5,1,2)", "2"},
      {"if(2,1,0)", "Err if(?,N,M)"},
      {"if(R2C1,1,2)", "2"},  // a text condition reads as 0
      {"if(R3C1,1,2)", "Err sqrt(x<0)"},
      {"if(1,R2C1,2)", "Err if(abc,2)"},
      {"if(1,2)", "Err if(?,?,?)"},
  };
  for (const EvalCase& c : cases) EXPECT_EQ(Eval(c.formula), c.result) << c.formula;
}

TEST_F(FormulaEvalTest, TextArgumentsFailWithShortenedTexts) {
  Cell(1, 1, "abcdefgh");
  Cell(2, 1, "Err sqrt(x<0)");
  Cell(3, 1, "ab");
  const EvalCase cases[] = {
      {"R1C1+2", "Err abcd...+2"},
      {"2*R3C1", "Err 2*ab"},
      {"sin(R1C1)", "Err sin(abcd...)"},
      {"degrees(R1C1)", "Err degrees(ab..."},  // 20 characters: cut after 14
      {"pow(R1C1,2)", "Err pow(abcd...,2)"},
      {"atan2(R1C1,R1C1)", "Err atan2(abcd..."},
      {"R1C1>1", "Err >(abcd...,1)"},
      {"R2C1+1", "Err sqrt(x<0)"},  // an error in a cell spreads unchanged
      {"sqrt(R2C1)", "Err sqrt(x<0)"},
  };
  for (const EvalCase& c : cases) EXPECT_EQ(Eval(c.formula), c.result) << c.formula;
  EXPECT_EQ(Eval("degrees(R3C1)"), "Err degrees(ab)");
}

TEST_F(FormulaEvalTest, WrongArgumentCountsName) {
  struct Case {
    const char* name;
    int count;
    const char* text;
  };
  const Case cases[] = {
      {"+", 1, "Err ?+?"},       {"-", 3, "Err ?-?"},           {"*", 1, "Err ?*?"},
      {"/", 1, "Err  ?/?"},      {"^", 1, "Err ?^?"},           {"<=", 1, "Err ?<=?"},
      {"sin", 2, "Err sin(?)"},  {"log10", 2, "Err log10(?)"},  {"radians", 0, "Err radians(?)"},
      {"atan2", 1, "Err atan2(?,?)"}, {"pow", 3, "Err pow(?,?)"}, {"if", 2, "Err if(?,?,?)"},
      {"sum", 0, "Err sum(?)"},  {"count_if", 0, "Err count_if(?)"}, {"sum_if", 0, "Err sum_if(?)"},
      {"sum_if", 2, "Err sum_if(??]"}, {"m_determ", 0, "Err m_determ(?)"},
  };
  for (const Case& c : cases) {
    t->iArgCount = c.count;
    for (int k = 0; k < c.count; ++k) CopyText(t->szArgs[k], "1");
    FormulaResultText result;
    EXPECT_EQ(FormulaEvalOp(*t, WindowHandle::None, c.name, result), -1) << c.name;
    EXPECT_EQ(result.view(), c.text) << c.name;
    EXPECT_EQ(t.Shown(kTargetRow, kTargetCol), c.text) << c.name;
  }
  FormulaResultText result;
  EXPECT_EQ(FormulaEvalOp(*t, WindowHandle::None, "fmod", result), -1);
  EXPECT_EQ(result.view(), "Err ???");
}

TEST_F(FormulaEvalTest, AFixedSettingGivesEveryResultItsPlaces) {
  UseFormulaSlot(4);
  EXPECT_EQ(Eval("0.5*0.5"), "0.2500");
  EXPECT_EQ(Eval("1/3"), "0.3333");
  UseFormulaSlot(0);
  EXPECT_EQ(Eval("2.5*1"), "3");
  EXPECT_EQ(Eval("123456*1"), "1.234560e+05");
  UseFormulaSlot(8);
  EXPECT_EQ(Eval("1<2"), "1.00000000");
}

TEST_F(FormulaEvalTest, ResultsDoNotFollowTheLocale) {
  REQUIRE_COMMA_DECIMAL_LOCALE(locale);
  Cell(1, 1, "1.25");
  EXPECT_EQ(Eval("R1C1*2"), "2.5");
  EXPECT_EQ(Eval("average(R1C1,0.75)"), "1");
  EXPECT_EQ(Eval("1/3"), "0.333333333333");
  EXPECT_EQ(Eval("123456*1.5"), "1.851840e+05");
}

TEST_F(FormulaEvalTest, EvaluatorErrorsKeepTheFormulaRunning) {
  EXPECT_EQ(Eval("5/0"), "Err 5/0");
  EXPECT_EQ(t->formulaSlots[0].iState, FORMULA_RUN);
}

TEST_F(FormulaEvalTest, WithoutAFormulaTheTableSettingAndMessagesApply) {
  t->iCurrentFormula = -1;
  t->iRunDecimals = 2;
  FormulaResultText result;
  EXPECT_EQ(FormulaEvaluate(*t, WindowHandle::None, "1/3", result), 0);
  EXPECT_EQ(result.view(), "0.33");
  EXPECT_EQ(FormulaEvaluate(*t, WindowHandle::None, "5/0", result), -1);
  auto messages = TakeMessages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, "Error message");
  EXPECT_EQ(messages[0].text, "Err 5/0");
  // Parser errors without a formula go nowhere.
  EXPECT_EQ(FormulaEvaluate(*t, WindowHandle::None, "abc", result), -1);
  EXPECT_TRUE(TakeMessages().empty());
  EXPECT_EQ(t.Raw(kTargetRow, kTargetCol), "");
}

}  // namespace
