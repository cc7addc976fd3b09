// The default number text of cells.
#pragma once

#include <cstddef>
#include <string>

// Room for any text FormatNumber gives, with its terminator.
inline constexpr std::size_t NUMBER_TEXT_CAPACITY = 40;

// 0 gives "0.0"; magnitudes from 100000 up and below 0.00001 the "%e" form;
// otherwise "%f" without trailing zeros (3 not 3.000000, 2.5 not 2.500000).
std::string FormatNumber(double value);

// The same text written into a caller's buffer of `cap` bytes, always
// terminated; the length written (0 when the buffer is too small).
std::size_t FormatNumberTo(char* out, std::size_t cap, double value);
