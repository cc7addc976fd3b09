// One entry of a table's formula registry: a target cell, its formula text,
// state and decimal setting.
#pragma once

#include <array>
#include <cstdint>

inline constexpr int FORMULA_SLOTS = 3000;      // usable slots
inline constexpr int FORMULA_SCRATCH_SLOT = 3000;  // taking in a pasted line
inline constexpr int FORMULA_TEXT_BYTES = 1000;
inline constexpr int FORMULA_CONDITION_BYTES = 520;
inline constexpr int FORMULA_TARGET_BYTES = 20;
inline constexpr int FORMULA_ARG_SLOTS = 3000;
inline constexpr int FORMULA_ARG_BYTES = 520;

// A zero-filled slot is free, so a new table's registry costs no memory
// until formulas arrive.
enum FormulaState : std::int32_t {
  FORMULA_FREE = 0,
  FORMULA_INACTIVE = 2,
  FORMULA_RUN = 3,
};

struct FormulaSlot {
  std::array<char, FORMULA_TARGET_BYTES> szTarget;
  std::array<char, FORMULA_TEXT_BYTES> szFormula;
  std::array<char, FORMULA_CONDITION_BYTES> szCondition;
  std::int32_t iDecimals;
  std::int32_t bRowAligned;
  std::int32_t bColAligned;
  std::int32_t iTargetRow;
  std::int32_t iTargetCol;
  std::int32_t iState;
};
