#include "formula/formula_names.h"

FunctionKind FunctionKindOf(std::string_view name) {
  if (name.empty() || name.size() >= FUNCTION_NAME_LIMIT) return FUNCTION_NONE;
  const FormulaFunction* f = FindFormulaFunction(name);
  if (!f || f->kind == FUNCTION_OPERATOR || f->kind == FUNCTION_COMPARISON) return FUNCTION_NONE;
  return f->kind;
}

bool IsComparisonOperator(std::string_view name) {
  const FormulaFunction* f = FindFormulaFunction(name);
  return f && f->kind == FUNCTION_COMPARISON;
}

bool AllowsCommas(std::string_view name) {
  const FunctionKind kind = FunctionKindOf(name);
  if (kind == FUNCTION_NONE || kind == FUNCTION_RESERVED) return false;
  return FindFormulaFunction(name)->iOperands != 1;
}
