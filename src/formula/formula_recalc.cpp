#include "formula/formula_recalc.h"

// The formula registry arrives with its own issue; until then a table
// has no registered formulas, so a stored cell has no dependants to re-run.
void RecalcDependants(WindowHandle, int, int) {}

void RecalcDependantsSkippingMatrix(WindowHandle, int, int) {}
