// The scalar functions: one or two numbers in, one number out, with their
// domain checks. Angles are in radians.
#include <cmath>

#include "formula/formula_errors.h"
#include "formula/formula_number.h"
#include "formula/formula_eval_call.h"
#include "formula/formula_functions.h"
#include "formula/formula_result.h"
#include "platform/number_text.h"

namespace {

constexpr double PI = 3.141592653589793;
// Trigonometric and hyperbolic functions take arguments strictly between
// these bounds.
constexpr double TRIG_BOUND = 263.0;
// log10(e) to 12 digits: ln goes through log10 and this constant.
constexpr double LOG10_OF_E = 0.434294481903;

int WrongCount(EvalCall& c, bool two) {
  c.text.Assign("Err ");
  c.text.AppendCut(c.name);
  c.text.AppendCut(two ? "(?,?)" : "(?)");
  return -1;
}

// "Err name(x<=-263)" or "Err name(263<=x)" outside the open interval.
int CheckTrigBound(EvalCall& c, double x) {
  if (x > -TRIG_BOUND && x < TRIG_BOUND) return 0;
  c.text.Assign("Err ");
  c.text.AppendCut(c.name);
  c.text.AppendCut(x <= -TRIG_BOUND ? "(x<=-263)" : "(263<=x)");
  return -1;
}

// Check the argument of a one-number function and read it: false after
// the failure (wrong count, not a number) with the error text set.
bool ReadOne(EvalCall& c, double* x) {
  if (c.ArgCount() != 1) {
    WrongCount(c, false);
    return false;
  }
  if (RequireNumbers(c, RULE_ONE, 0, 1) != 0) return false;
  *x = NumberValue(c.Arg(0));
  c.places = 12;
  return true;
}

// The same for a two-number function.
bool ReadTwo(EvalCall& c, double* x, double* y) {
  if (c.ArgCount() != 2) {
    WrongCount(c, true);
    return false;
  }
  if (RequireNumbers(c, RULE_TWO, 0, 2) != 0) return false;
  *x = NumberValue(c.Arg(0));
  *y = NumberValue(c.Arg(1));
  c.places = 12;
  return true;
}

// A function defined on [-1, 1], with its errors below and above.
int Bounded(EvalCall& c, double (*f)(double), FormulaError below, FormulaError above) {
  double x = 0.0;
  if (!ReadOne(c, &x)) return -1;
  if (x < -1.0) return c.Error(FormulaErrorText(below));
  if (x > 1.0) return c.Error(FormulaErrorText(above));
  c.value = f(x);
  return 0;
}

// A trigonometric or hyperbolic function: arguments inside (-263, 263).
int Trigonometric(EvalCall& c, double (*f)(double)) {
  double x = 0.0;
  if (!ReadOne(c, &x) || CheckTrigBound(c, x) != 0) return -1;
  c.value = f(x);
  return 0;
}

// A logarithm: positive arguments only.
int Logarithm(EvalCall& c, double (*f)(double), FormulaError domain) {
  double x = 0.0;
  if (!ReadOne(c, &x)) return -1;
  if (x <= 0.0) return c.Error(FormulaErrorText(domain));
  c.value = f(x);
  return 0;
}

// A function of one number defined everywhere.
int Plain(EvalCall& c, double (*f)(double)) {
  double x = 0.0;
  if (!ReadOne(c, &x)) return -1;
  c.value = f(x);
  return 0;
}

double Acos(double x) { return std::acos(x); }
double Asin(double x) { return std::asin(x); }
double Atan(double x) { return std::atan(x); }
double Cos(double x) { return std::cos(x); }
double Cosh(double x) { return std::cosh(x); }
double Exp(double x) { return std::exp(x); }
double Sin(double x) { return std::sin(x); }
double Sinh(double x) { return std::sinh(x); }
double Tan(double x) { return std::tan(x); }
double Tanh(double x) { return std::tanh(x); }
// ln goes through log10 and a 12-digit constant, so it differs from log in
// the last digits.
double Ln(double x) { return std::log10(x) / LOG10_OF_E; }
double Log(double x) { return std::log(x); }
double Log10(double x) { return std::log10(x); }
double Degrees(double x) { return x * 180.0 / PI; }
double Radians(double x) { return x * PI / 180.0; }

}  // namespace

// Each evaluator below computes its function from the argument list.
int EvaluateAcos(EvalCall& c) { return Bounded(c, Acos, ERR_ACOS_BELOW, ERR_ACOS_ABOVE); }
int EvaluateAsin(EvalCall& c) { return Bounded(c, Asin, ERR_ASIN_BELOW, ERR_ASIN_ABOVE); }
int EvaluateAtan(EvalCall& c) { return Plain(c, Atan); }
int EvaluateCos(EvalCall& c) { return Trigonometric(c, Cos); }
int EvaluateCosh(EvalCall& c) { return Trigonometric(c, Cosh); }
int EvaluateExp(EvalCall& c) { return Plain(c, Exp); }
int EvaluateSin(EvalCall& c) { return Trigonometric(c, Sin); }
int EvaluateSinh(EvalCall& c) { return Trigonometric(c, Sinh); }
int EvaluateTan(EvalCall& c) { return Trigonometric(c, Tan); }
int EvaluateTanh(EvalCall& c) { return Trigonometric(c, Tanh); }
int EvaluateLn(EvalCall& c) { return Logarithm(c, Ln, ERR_LN_DOMAIN); }
int EvaluateLog(EvalCall& c) { return Logarithm(c, Log, ERR_LOG_DOMAIN); }
int EvaluateLog10(EvalCall& c) { return Logarithm(c, Log10, ERR_LOG10_DOMAIN); }
int EvaluateDegrees(EvalCall& c) { return Plain(c, Degrees); }
int EvaluateRadians(EvalCall& c) { return Plain(c, Radians); }

// The absolute value keeps the places of its argument.
int EvaluateFabs(EvalCall& c) {
  double x = 0.0;
  if (!ReadOne(c, &x)) return -1;
  c.value = std::fabs(x);
  c.places = DecimalsOf(c.Arg(0));
  return 0;
}

int EvaluateSqrt(EvalCall& c) {
  double x = 0.0;
  if (!ReadOne(c, &x)) return -1;
  if (x < 0.0) return c.Error(FormulaErrorText(ERR_SQRT_DOMAIN));
  c.value = std::sqrt(x);
  return 0;
}

// The angle of the point (x, y): the second argument is y.
int EvaluateAtan2(EvalCall& c) {
  double x = 0.0;
  double y = 0.0;
  if (!ReadTwo(c, &x, &y)) return -1;
  c.value = std::atan2(y, x);
  return 0;
}

int EvaluatePow(EvalCall& c) {
  double x = 0.0;
  double y = 0.0;
  if (!ReadTwo(c, &x, &y)) return -1;
  if (x == 0.0 && y < 0.0) return c.Error(FormulaErrorText(ERR_POW_DOMAIN));
  c.value = std::pow(x, y);
  return 0;
}
