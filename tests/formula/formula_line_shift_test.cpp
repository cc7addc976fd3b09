// Formula texts follow inserted and deleted rows and columns.
#include "formula/formula_line_shift.h"

#include <gtest/gtest.h>

namespace {

TEST(FormulaLineShiftTest, ReferencesFollowTheirCells) {
  const struct {
    const char* szText;
    char cBar;
    int iAt;
    int iCount;
    const char* szExpected;
  } cases[] = {
      // Inserts: at or after the line moves, before it stays.
      {"R3C4+R2C4", 'R', 3, 2, "R5C4+R2C4"},
      {"R3C4+R2C4", 'C', 4, 1, "R3C5+R2C5"},
      {"sum(R1C1:R5C1)", 'R', 3, 1, "sum(R1C1:R6C1)"},
      {"sum(R1C1:R5C1)", 'R', 1, 1, "sum(R2C1:R6C1)"},
      {"sum(R1C1:R5C1)", 'R', 6, 1, "sum(R1C1:R5C1)"},
      // Deletes: after the span moves back, into it fails visibly.
      {"R7C2*2", 'R', 3, -2, "R5C2*2"},
      {"R3C2*2", 'R', 3, -2, "R?REF?C2*2"},
      {"R4C2*2", 'R', 3, -2, "R?REF?C2*2"},
      {"R2C2*2", 'R', 3, -2, "R2C2*2"},
      {"R2C5-R2C3", 'C', 3, -1, "R2C4-R2C?REF?"},
      // A range keeps its surviving part.
      {"sum(R1C1:R5C1)", 'R', 1, -2, "sum(R1C1:R3C1)"},
      {"sum(R1C1:R5C1)", 'R', 4, -3, "sum(R1C1:R3C1)"},
      {"sum(R5C1:R1C1)", 'R', 4, -3, "sum(R3C1:R1C1)"},
      {"sum(R1C1:R5C1)", 'R', 2, -2, "sum(R1C1:R3C1)"},
      {"sum(R2C1:R3C1)+1", 'R', 2, -2, "sum(?REF?)+1"},
      {"sum(R2C1:R3C1)", 'C', 1, -1, "sum(?REF?)"},
      // Text that is no reference stays as it was.
      {"count_if(R1C1:R3C1,\">2\")", 'R', 1, 1, "count_if(R2C1:R4C1,\">2\")"},
      {"ROUND(2.5)", 'R', 1, 1, "ROUND(2.5)"},
      {"12*3", 'C', 1, -1, "12*3"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ShiftTextForLines(c.szText, c.cBar, c.iAt, c.iCount), c.szExpected)
        << c.szText << " " << c.cBar << " at " << c.iAt << " by " << c.iCount;
  }
}

}  // namespace
