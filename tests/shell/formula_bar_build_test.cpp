// The text the formula bar's buttons and lists build from a selection.
#include "shell/formula_bar_build.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fresh_table.h"
#include "table/table_range.h"

namespace {

struct Block {
  int r1, c1, r2, c2;
};

void SelectBlocks(TableRecord& t, const std::vector<Block>& blocks) {
  ResetSelection(t);
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    t.selRowFrom[i] = blocks[i].r1;
    t.selColFrom[i] = blocks[i].c1;
    t.selRowTo[i] = blocks[i].r2;
    t.selColTo[i] = blocks[i].c2;
    t.selKind[i] = SELECT_BLOCK;
  }
  t.iSelCurrent = blocks.empty() ? 0 : static_cast<int>(blocks.size()) - 1;
}

std::string Cells(TableRecord& t, int row, int col, BuildKind kind, char op = 0) {
  std::string out;
  EXPECT_TRUE(BuildCellList(t, row, col, kind, op, &out));
  return out;
}

std::string Ranges(TableRecord& t, int row, int col, bool pairs) {
  std::string out;
  EXPECT_TRUE(BuildRangeList(t, row, col, pairs, &out));
  return out;
}

TEST(FormulaBarBuild, CellListsByKindAndCount) {
  FreshTable table;
  TableRecord& t = *table;
  struct Case {
    std::vector<Block> selection;
    BuildKind kind;
    char op;
    const char* text;
  };
  const Case cases[] = {
      // Target R3C1 throughout.
      {{{1, 1, 2, 1}}, BUILD_OPERATOR, '+', "R1C1+R2C1"},
      {{{1, 1, 1, 1}}, BUILD_OPERATOR, '+', "R1C1+?"},
      {{}, BUILD_OPERATOR, '+', "?+?"},
      {{{2, 1, 1, 1}}, BUILD_OPERATOR, '^', "R1C1^R2C1"},  // dragged upwards: still row by row
      {{{1, 1, 2, 1}}, BUILD_GET_CELLS, 0, "R1C1?R2C1"},
      {{}, BUILD_GET_CELLS, 0, "?"},
      {{{1, 1, 2, 1}}, BUILD_IF, 0, "R1C1?R2C1"},
      {{{1, 1, 1, 1}}, BUILD_IF, 0, "R1C1?"},
      {{}, BUILD_IF, 0, "?"},
      {{{1, 1, 2, 1}}, BUILD_TWO_ARGS, 0, "R1C1,R2C1"},
      {{{1, 1, 1, 1}}, BUILD_TWO_ARGS, 0, "R1C1,?"},
      {{}, BUILD_TWO_ARGS, 0, "?,?"},
      {{{1, 1, 2, 1}}, BUILD_ONE_ARG, 0, "R1C1?R2C1"},
      // The target itself is left out; ranges follow one another.
      {{{2, 1, 4, 2}}, BUILD_OPERATOR, '*', "R2C1*R2C2*R3C2*R4C1*R4C2"},
      {{{1, 1, 1, 2}, {5, 5, 5, 5}}, BUILD_OPERATOR, '-', "R1C1-R1C2-R5C5"},
      {{{3, 1, 3, 1}}, BUILD_OPERATOR, '+', "?+?"},
  };
  for (const Case& c : cases) {
    SelectBlocks(t, c.selection);
    EXPECT_EQ(Cells(t, 3, 1, c.kind, c.op), c.text) << c.text;
  }
}

TEST(FormulaBarBuild, RangeLists) {
  FreshTable table;
  TableRecord& t = *table;
  struct Case {
    std::vector<Block> selection;
    bool pairs;
    const char* text;
  };
  const Case cases[] = {
      {{{1, 1, 3, 3}}, false, "?"},  // target R2C2 inside the block
      {{{1, 3, 5, 3}}, false, "R1C3:R5C3"},
      {{{5, 3, 1, 3}}, false, "R1C3:R5C3"},
      {{{1, 3, 1, 3}}, false, "R1C3"},
      {{{1, 3, 5, 3}, {7, 1, 8, 4}}, false, "R1C3:R5C3,R7C1:R8C4"},
      {{}, false, "?:?"},
      {{}, true, "?:?,?:?"},
      {{{1, 3, 5, 3}}, true, "R1C3:R5C3,?:?"},
      {{{1, 3, 5, 3}, {7, 1, 8, 4}}, true, "R1C3:R5C3,R7C1:R8C4"},
      {{{1, 3, 5, 3}, {2, 2, 2, 2}}, true, "?"},
  };
  for (const Case& c : cases) {
    SelectBlocks(t, c.selection);
    EXPECT_EQ(Ranges(t, 2, 2, c.pairs), c.text) << c.text;
  }
}

// A list that would reach 999 characters is refused whole.
TEST(FormulaBarBuild, TooLongListsAreRefused) {
  FreshTable table;
  TableRecord& t = *table;
  SelectBlocks(t, {{1, 1, 200, 1}});
  std::string out = "unchanged";
  EXPECT_FALSE(BuildCellList(t, 300, 1, BUILD_OPERATOR, '+', &out));
  EXPECT_EQ(out, "unchanged");
  // 140 cells stay below the limit.
  SelectBlocks(t, {{1, 1, 140, 1}});
  EXPECT_TRUE(BuildCellList(t, 300, 1, BUILD_OPERATOR, '+', &out));
  EXPECT_LT(out.size(), 999u);
  std::vector<Block> many;
  for (int i = 0; i < 90; ++i) many.push_back({i + 1, 1, i + 1, 20});
  SelectBlocks(t, many);
  EXPECT_FALSE(BuildRangeList(t, 300, 1, false, &out));
}

TEST(FormulaBarBuild, FunctionNames) {
  EXPECT_EQ(FunctionNameOf("average(num1,num2,...)"), "average");
  EXPECT_EQ(FunctionNameOf("average(D1,D2,...) 平均值"), "average");
  EXPECT_TRUE(TakesTwoArgs("pow"));
  EXPECT_TRUE(TakesTwoArgs("atan2"));
  EXPECT_FALSE(TakesTwoArgs("log10"));
  for (const char* name : {"sum_if", "count_if", "m_minus", "m_mult", "m_plus"}) EXPECT_TRUE(TakesRangePair(name));
  EXPECT_FALSE(TakesRangePair("m_inverse"));
}

}  // namespace
