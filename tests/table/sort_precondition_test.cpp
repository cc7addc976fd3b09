// When "Sort data" can work: one range of more than one cell holding the
// right-clicked cell, and for whole rows or columns a key line of numbers.
#include "table/sort_precondition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fresh_table.h"
#include "table/table_range.h"

namespace {

struct Range {
  int r0, c0, r1, c1, kind;
};

struct SortCase {
  const char* name;
  std::vector<Range> ranges;
  int browseRow, browseCol;
  int expected;
};

TEST(CanSortData, NeedsOneRangeTheClickedCellAndANumericKeyLine) {
  // Column 5 holds 5, 3, 8 in rows 1..3; column 6 holds 1, text, 2;
  // column 7 holds 7, (empty), 9. Row 5 holds 4, 6, 2 in columns 1..3 and
  // row 6 a text in column 1.
  const struct {
    int row, col;
    const char* text;
  } cells[] = {{1, 5, "5"}, {2, 5, "3"}, {3, 5, "8"}, {1, 6, "1"}, {2, 6, "abc"}, {3, 6, "2"},
               {1, 7, "7"}, {3, 7, "9"}, {5, 1, "4"}, {5, 2, "6"}, {5, 3, "2"},   {6, 1, "x"}};
  const SortCase cases[] = {
      {"whole column of numbers", {{1, 5, 1, 5, SELECT_COLUMNS}}, 2, 5, 1},
      {"whole columns, key column has a text", {{1, 5, 1, 6, SELECT_COLUMNS}}, 2, 6, 0},
      {"whole columns, key column of numbers", {{1, 5, 1, 6, SELECT_COLUMNS}}, 2, 5, 1},
      {"whole column with an empty cell inside its numbers", {{1, 7, 1, 7, SELECT_COLUMNS}}, 1, 7, 0},
      {"whole column starting empty", {{1, 2, 1, 2, SELECT_COLUMNS}}, 5, 2, 0},
      {"whole row of numbers", {{5, 1, 5, 1, SELECT_ROWS}}, 5, 2, 1},
      {"whole row with a text", {{6, 1, 6, 1, SELECT_ROWS}}, 6, 1, 0},
      {"a block sorts whatever it holds", {{1, 5, 3, 6, SELECT_BLOCK}}, 2, 6, 1},
      {"clicked outside the block", {{1, 5, 3, 6, SELECT_BLOCK}}, 5, 5, 0},
      {"clicked outside the columns", {{1, 5, 1, 5, SELECT_COLUMNS}}, 2, 6, 0},
      {"one cell", {{2, 5, 2, 5, SELECT_BLOCK}}, 2, 5, 0},
      {"a block drawn upwards", {{3, 6, 1, 5, SELECT_BLOCK}}, 1, 5, 1},
      {"two ranges", {{1, 5, 3, 6, SELECT_BLOCK}, {5, 1, 5, 3, SELECT_BLOCK}}, 2, 5, 0},
  };
  for (const SortCase& c : cases) {
    SCOPED_TRACE(c.name);
    FreshTable t;
    ASSERT_TRUE(t.ok());
    for (const auto& cell : cells) ASSERT_EQ(t.Store(cell.row, cell.col, cell.text), 0);
    ResetSelection(*t);
    t->iSelCurrent = static_cast<int>(c.ranges.size()) - 1;
    for (size_t i = 0; i < c.ranges.size(); ++i) {
      t->selRowFrom[i] = c.ranges[i].r0;
      t->selColFrom[i] = c.ranges[i].c0;
      t->selRowTo[i] = c.ranges[i].r1;
      t->selColTo[i] = c.ranges[i].c1;
      t->selKind[i] = c.ranges[i].kind;
    }
    t->iBrowseRow = c.browseRow;
    t->iBrowseCol = c.browseCol;
    EXPECT_EQ(CanSortData(*t), c.expected);
  }
}

}  // namespace
