#include "formula/formula_recalc.h"

// The formula registry arrives with the formula engine; until then a table
// has no formulas, so a stored cell has no dependants to re-run.
void RecalcDependants(WindowHandle, int, int) {}
