// One entry of a table's matrix buffer: the result of a matrix function,
// kept inside the table record while the formula that made it runs.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int MATRIX_MAX_DIM = 50;       // rows and columns of a matrix
inline constexpr int MATH_MATRIX_BUF_N = 10;    // entries per table

struct MatrixEntry {
  std::array<double, MATRIX_MAX_DIM * MATRIX_MAX_DIM> values;       // row-major, stride 50
  std::array<std::int16_t, MATRIX_MAX_DIM * MATRIX_MAX_DIM> empty;  // 1: no value
  std::int32_t iPlaces;
  std::int16_t bAutomatic;
  std::int32_t iRows;
  std::int32_t iCols;
  std::int16_t bInUse;
};
