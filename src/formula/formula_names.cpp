#include "formula/formula_names.h"

namespace {

struct NameEntry {
  const char* szName;
  FunctionKind kind;
};

constexpr NameEntry kFunctions[] = {
    {"acos", FUNCTION_ONE},       {"asin", FUNCTION_ONE},        {"atan", FUNCTION_ONE},
    {"cos", FUNCTION_ONE},        {"cosh", FUNCTION_ONE},        {"exp", FUNCTION_ONE},
    {"fabs", FUNCTION_ONE},       {"ln", FUNCTION_ONE},          {"log", FUNCTION_ONE},
    {"log10", FUNCTION_ONE},      {"sin", FUNCTION_ONE},         {"sinh", FUNCTION_ONE},
    {"sqrt", FUNCTION_ONE},       {"tan", FUNCTION_ONE},         {"tanh", FUNCTION_ONE},
    {"degrees", FUNCTION_ONE},    {"radians", FUNCTION_ONE},     {"atan2", FUNCTION_TWO},
    {"pow", FUNCTION_TWO},        {"fmod", FUNCTION_RESERVED},   {"average", FUNCTION_STATISTIC},
    {"maximum", FUNCTION_STATISTIC}, {"median", FUNCTION_STATISTIC}, {"minimum", FUNCTION_STATISTIC},
    {"sum", FUNCTION_STATISTIC},  {"count", FUNCTION_STATISTIC}, {"if", FUNCTION_IF},
    {"count_if", FUNCTION_COUNT_IF}, {"sum_if", FUNCTION_SUM_IF}, {"m_determ", FUNCTION_MATRIX},
    {"m_inverse", FUNCTION_MATRIX}, {"m_transp", FUNCTION_MATRIX}, {"m_minus", FUNCTION_MATRIX},
    {"m_mult", FUNCTION_MATRIX},  {"m_plus", FUNCTION_MATRIX},
};
static_assert(sizeof(kFunctions) / sizeof(kFunctions[0]) == 35);

}  // namespace

FunctionKind FunctionKindOf(std::string_view name) {
  if (name.empty() || name.size() >= FUNCTION_NAME_LIMIT) return FUNCTION_NONE;
  for (const NameEntry& entry : kFunctions) {
    if (name == entry.szName) return entry.kind;
  }
  return FUNCTION_NONE;
}

bool IsComparisonOperator(std::string_view name) {
  static constexpr std::string_view kOperators[] = {"=", "==", "!=", "<>", "<", "<=", "=<", ">", ">=", "=>"};
  for (std::string_view op : kOperators) {
    if (name == op) return true;
  }
  return false;
}

bool AllowsCommas(std::string_view name) {
  switch (FunctionKindOf(name)) {
    case FUNCTION_TWO:
    case FUNCTION_STATISTIC:
    case FUNCTION_IF:
    case FUNCTION_COUNT_IF:
    case FUNCTION_SUM_IF:
      return true;
    case FUNCTION_MATRIX:
      return name == "m_minus" || name == "m_mult" || name == "m_plus";
    default:
      return false;
  }
}
