// Finding a text: case folding of ASCII find texts only, the first match
// and its selection, F3 through the matches and back to the top, the
// message when nothing matches, and F3 after a numeric find.
#include "table/table_find.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/dialogs.h"
#include "platform/text_buffer.h"
#include "support/dialog_script_guard.h"
#include "support/fresh_table.h"
#include "support/headless_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_window_ops.h"

namespace {

TEST(FindText, FoldsAsciiFindTextsOnly) {
  const struct {
    const char* text;
    const char* needle;
    bool found;
  } cases[] = {
      {"xAbCx", "abc", true},
      {"xabcx", "ABC", true},
      {"ab", "abc", false},
      {"数据表", "数据", true},
      {"数据表", "表格", false},
      {"ÉTÉ été", "été", true},
      {"ÉTÉ", "été", false},  // not ASCII: byte for byte, no folding
      {"Größe", "GRÖSSE", false},
      {"Größe kg", "KG", true},  // an ASCII find text in a UTF-8 cell
      {"anything", "", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindTextIn(c.text, c.needle, FindFoldsCase(c.needle)), c.found) << c.text << " / " << c.needle;
  }
}

// A table holding texts at the given cells (and a number at (1,1)).
void Fill(FreshTable& t, const std::vector<std::pair<std::pair<int, int>, const char*>>& cells) {
  t.Store(1, 1, "12");
  for (const auto& [cell, text] : cells) t.Store(cell.first, cell.second, text);
}

TEST(FindText, FirstThenNextMatchesAndBackToTheTop) {
  FreshTable t;
  ASSERT_TRUE(t.ok());
  Fill(t, {{{3, 2}, "xAbCx"}, {{3, 4}, "ABC"}, {{5, 1}, "abc!"}, {{4, 1}, "ab c"}, {{6, 5}, "end"}});
  CopyText(t->szFindText, "abc");
  int row = 0;
  int col = 0;
  ASSERT_TRUE(FindFirstCell(*t, &row, &col));
  EXPECT_EQ(std::make_pair(row, col), std::make_pair(3, 2));
  TakeFindMatch(*t, row, col);
  EXPECT_EQ(t->iTopRow, 3);
  EXPECT_EQ(t->iLeftCol, 2);
  EXPECT_EQ(t->selRowFrom[0], 3);
  EXPECT_EQ(t->selColTo[0], 2);
  EXPECT_EQ(t->selKind[0], SELECT_BLOCK);
  // Next: to the right in the same row, then the rows below; then nothing,
  // and the search starts again at the first data cell.
  const std::pair<int, int> expected[] = {{3, 4}, {5, 1}};
  for (const auto& cell : expected) {
    ASSERT_TRUE(FindNextCell(*t, &row, &col));
    EXPECT_EQ(std::make_pair(row, col), cell);
    TakeFindMatch(*t, row, col);
  }
  EXPECT_FALSE(FindNextCell(*t, &row, &col));
  EXPECT_EQ(t->iFindRow, 1);
  EXPECT_EQ(t->iFindCol, 0);
  ASSERT_TRUE(FindNextCell(*t, &row, &col));
  EXPECT_EQ(std::make_pair(row, col), std::make_pair(3, 2));
}

TEST(FindText, AMatchInTheLastUsedCellWrapsToTheTop) {
  FreshTable t;
  ASSERT_TRUE(t.ok());
  Fill(t, {{{2, 2}, "key"}, {{4, 3}, "key"}});
  CopyText(t->szFindText, "KEY");
  int row = 0;
  int col = 0;
  TakeFindMatch(*t, 4, 3);  // the last used row and column
  ASSERT_TRUE(FindNextCell(*t, &row, &col));
  EXPECT_EQ(std::make_pair(row, col), std::make_pair(2, 2));
  // A match elsewhere in the last row ends the search there instead.
  TakeFindMatch(*t, 4, 1);
  t.Store(4, 1, "key");
  ASSERT_TRUE(FindNextCell(*t, &row, &col));
  EXPECT_EQ(std::make_pair(row, col), std::make_pair(4, 3));
  TakeFindMatch(*t, row, col);
  t.Store(4, 4, "x");  // the last used column moves right
  EXPECT_FALSE(FindNextCell(*t, &row, &col));
}

TEST(FindText, NumbersAndEmptyCellsAreNoCandidates) {
  FreshTable t;
  ASSERT_TRUE(t.ok());
  t.Store(1, 1, "1.5e3");
  t.Store(2, 2, "x1.5e3");
  CopyText(t->szFindText, ".5e");
  int row = 0;
  int col = 0;
  ASSERT_TRUE(FindFirstCell(*t, &row, &col));
  EXPECT_EQ(std::make_pair(row, col), std::make_pair(2, 2));
}

class FindWindowTest : public HeadlessTableTest {};

TEST_F(FindWindowTest, ShowsTheMatchOrTellsThereIsNone) {
  DialogScriptGuard script;
  TableSetCellText(table_, 3, 2, "xAbCx");
  TableSetCellText(table_, 1, 1, "7");
  TableSetCellText(table_, 5, 4, "end");
  {
    TableLockGuard t(table_);
    CopyText(t->szFindText, "abc");
  }
  FindFirstText(table_);
  {
    TableLockGuard t(table_);
    EXPECT_EQ(t->selRowFrom[0], 3);
    EXPECT_EQ(t->selColFrom[0], 2);
    EXPECT_EQ(t->iFindRow, 3);
  }
  // F3: no other match, so the message; the view stays.
  DialogScriptPush(AnswerOk("Message"));
  FindNextText(table_);
  ASSERT_FALSE(DialogScriptShown().empty());
  EXPECT_EQ(DialogScriptShown().back().szText, "Cannot find string \"abc\"");
  {
    TableLockGuard t(table_);
    EXPECT_EQ(t->iTopRow, 3);
    CopyText(t->szFindText, "zzz");
  }
  DialogScriptPush(AnswerOk("Message"));
  FindFirstText(table_);
  EXPECT_EQ(DialogScriptShown().back().szText, "Cannot find string \"zzz\"");
  // After a numeric find F3 does nothing (no dialog, no move).
  {
    TableLockGuard t(table_);
    CopyText(t->szFindText, "7");
    t->iFindRow = 2;
  }
  const std::size_t shown = DialogScriptShown().size();
  FindNextText(table_);
  EXPECT_EQ(DialogScriptShown().size(), shown);
  TableLockGuard t(table_);
  EXPECT_EQ(t->iFindRow, 2);
}

}  // namespace
