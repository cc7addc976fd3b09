// The default number text of cells.
#pragma once

#include <string>

// 0 gives "0.0"; magnitudes from 100000 up and below 0.00001 the "%e" form;
// otherwise "%f" without trailing zeros (3 not 3.000000, 2.5 not 2.500000).
std::string FormatNumber(double value);
