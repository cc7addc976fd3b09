// The scalar functions: one or two numbers in, one number out, with their
// domain checks. Angles are in radians.
#include <cmath>

#include "formula/formula_errors.h"
#include "formula/formula_eval_call.h"
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

int OneArgument(EvalCall& c) {
  if (c.ArgCount() != 1) return WrongCount(c, false);
  if (RequireNumbers(c, RULE_ONE, 0, 1) != 0) return -1;
  const double x = TextToDouble(c.Arg(0));
  const std::string_view name = c.name;
  c.places = 12;
  if (name == "acos" || name == "asin") {
    const bool cosine = name == "acos";
    if (x < -1.0) return c.Error(FormulaErrorText(cosine ? ERR_ACOS_BELOW : ERR_ASIN_BELOW));
    if (x > 1.0) return c.Error(FormulaErrorText(cosine ? ERR_ACOS_ABOVE : ERR_ASIN_ABOVE));
    c.value = cosine ? std::acos(x) : std::asin(x);
  } else if (name == "atan") {
    c.value = std::atan(x);
  } else if (name == "cos" || name == "sin" || name == "tan" || name == "cosh" || name == "sinh" ||
             name == "tanh") {
    if (CheckTrigBound(c, x) != 0) return -1;
    if (name == "cos") c.value = std::cos(x);
    if (name == "sin") c.value = std::sin(x);
    if (name == "tan") c.value = std::tan(x);
    if (name == "cosh") c.value = std::cosh(x);
    if (name == "sinh") c.value = std::sinh(x);
    if (name == "tanh") c.value = std::tanh(x);
  } else if (name == "exp") {
    c.value = std::exp(x);
  } else if (name == "fabs") {
    c.value = std::fabs(x);
    c.places = DecimalsOf(c.Arg(0));
  } else if (name == "ln" || name == "log" || name == "log10") {
    if (x <= 0.0) {
      return c.Error(FormulaErrorText(name == "ln" ? ERR_LN_DOMAIN : name == "log" ? ERR_LOG_DOMAIN : ERR_LOG10_DOMAIN));
    }
    if (name == "ln") c.value = std::log10(x) / LOG10_OF_E;
    if (name == "log") c.value = std::log(x);
    if (name == "log10") c.value = std::log10(x);
  } else if (name == "sqrt") {
    if (x < 0.0) return c.Error(FormulaErrorText(ERR_SQRT_DOMAIN));
    c.value = std::sqrt(x);
  } else if (name == "degrees") {
    c.value = x * 180.0 / PI;
  } else {
    c.value = x * PI / 180.0;  // radians
  }
  return 0;
}

int TwoArguments(EvalCall& c) {
  if (c.ArgCount() != 2) return WrongCount(c, true);
  if (RequireNumbers(c, RULE_TWO, 0, 2) != 0) return -1;
  const double x = TextToDouble(c.Arg(0));
  const double y = TextToDouble(c.Arg(1));
  c.places = 12;
  if (c.name == "atan2") {
    // The angle of the point (x, y): the second argument is y.
    c.value = std::atan2(y, x);
    return 0;
  }
  if (x == 0.0 && y < 0.0) return c.Error(FormulaErrorText(ERR_POW_DOMAIN));
  c.value = std::pow(x, y);
  return 0;
}

}  // namespace

int EvaluateScalar(EvalCall& c) {
  if (c.name == "atan2" || c.name == "pow") return TwoArguments(c);
  return OneArgument(c);
}
