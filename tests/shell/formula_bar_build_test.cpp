// The text the formula bar's buttons and lists build from a selection.
#include "shell/formula_bar_build.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/string_table.h"
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

// The lists offer the functions of the function table, each entry's
// template naming its function in both languages.
TEST(FormulaBarBuild, FunctionListsComeFromTheFunctionTable) {
  const struct {
    BarList list;
    TextId templates;
    std::size_t entries;
  } lists[] = {{BAR_LIST_MATH, TXT_BAR_MATH_ENTRIES, 19}, {BAR_LIST_STATS, TXT_BAR_STATS_ENTRIES, 14}};
  for (const auto& l : lists) {
    EXPECT_EQ(BarFunctionEntries(l.list).size(), l.entries);
    for (int line = 0; line < static_cast<int>(l.entries); ++line) {
      const FormulaFunction* f = BarFunction(l.list, line);
      ASSERT_NE(f, nullptr) << line;
      const std::string call = std::string(f->szName) + "(";
      for (bool chinese : {false, true}) {
        EXPECT_EQ(TextLine(TextIn(l.templates, chinese), line).substr(0, call.size()), call) << line;
      }
    }
  }
}

// A chosen entry inserts its function with the selection as arguments,
// joined as the function takes them.
TEST(FormulaBarBuild, FunctionCallsJoinTheirArgumentsByTheTable) {
  FreshTable table;
  TableRecord& t = *table;
  const struct {
    BarList list;
    int line;
    std::vector<Block> selection;
    const char* call;
  } cases[] = {
      {BAR_LIST_MATH, 12, {{1, 1, 1, 1}}, "pow(R1C1,?)"},
      {BAR_LIST_MATH, 3, {{1, 1, 1, 2}}, "atan2(R1C1,R1C2)"},
      {BAR_LIST_MATH, 11, {{1, 1, 1, 2}}, "log10(R1C1?R1C2)"},
      {BAR_LIST_STATS, 7, {}, "sum_if(?:?,?:?)"},
      {BAR_LIST_STATS, 2, {{1, 1, 3, 1}}, "count_if(R1C1:R3C1,?:?)"},
      {BAR_LIST_STATS, 11, {{1, 1, 2, 2}}, "m_mult(R1C1:R2C2,?:?)"},
      {BAR_LIST_STATS, 9, {{1, 1, 2, 2}}, "m_inverse(R1C1:R2C2)"},
      {BAR_LIST_STATS, 6, {{1, 1, 3, 1}}, "sum(R1C1:R3C1)"},
  };
  for (const auto& c : cases) {
    SelectBlocks(t, c.selection);
    std::string call;
    EXPECT_TRUE(BuildFunctionCall(t, 10, 10, c.list, c.line, &call));
    EXPECT_EQ(call, c.call);
  }
  std::string none = "unchanged";
  EXPECT_TRUE(BuildFunctionCall(t, 10, 10, BAR_LIST_MATH, 19, &none));
  EXPECT_EQ(none, "");
}

}  // namespace
