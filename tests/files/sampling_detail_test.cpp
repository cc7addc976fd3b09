// "Get detailed data" and "Remove detailed data" on sampled tables: where
// the new block goes, its steps, info cells, colours and data, the
// confirmation, and the cells that count as part of a sampled block.
#include "files/sampling_detail.h"

#include <gtest/gtest.h>

#include <string>

#include "files/sampling_blocks.h"
#include "files/text_import_fixture.h"
#include "formula/formula_registry.h"
#include "platform/keys.h"
#include "resources/command_ids.h"
#include "resources/language.h"
#include "table/colour.h"
#include "table/table_active.h"
#include "table/table_input_hooks.h"
#include "table/table_geometry.h"
#include "table/table_range.h"

namespace {

class SamplingDetailTest : public TextImportTest {
 protected:
  // Import a generated file that is sampled.
  WindowHandle ImportSampled(std::string_view name, int lines, int fields) {
    DialogScriptPush(AnswerOk("Note"));
    return Import(name, GeneratedText(lines, fields));
  }
  // Select one block of cells as the single selection.
  static void Select(WindowHandle table, int r0, int c0, int r1, int c1) {
    TableLockGuard t(table);
    ResetSelection(*t.get());
    t->selRowFrom[0] = r0;
    t->selColFrom[0] = c0;
    t->selRowTo[0] = r1;
    t->selColTo[0] = c1;
    t->selKind[0] = SELECT_BLOCK;
  }
  static SamplingBlock Block(WindowHandle table, int index) {
    TableLockGuard t(table);
    SamplingBlock block = t->blocks[index];
    block.cellOffset = nullptr;
    return block;
  }
  static TableCell Cell(WindowHandle table, int row, int col) {
    TableLockGuard t(table);
    return *TableCellAt(*t.get(), row, col);
  }
};

TEST(DetailBlockColour, FollowsTheHueCounter) {
  const struct {
    int n, hue, saturation, luminance;
  } cases[] = {
      {0, 0, 239, 120}, {1, 8, 239, 140}, {2, 16, 239, 160}, {3, 24, 189, 120},
      {8, 64, 239, 120}, {9, 8, 239, 140}, {14, 8, 139, 120}, {72, 8, 239, 120},
  };
  for (const auto& c : cases) {
    const RgbColour expected = HlsToRgb(c.hue, c.saturation, c.luminance);
    const RgbColour colour = DetailBlockColour(c.n);
    EXPECT_EQ(colour.iRed, expected.iRed) << c.n;
    EXPECT_EQ(colour.iGreen, expected.iGreen) << c.n;
    EXPECT_EQ(colour.iBlue, expected.iBlue) << c.n;
  }
}

TEST_F(SamplingDetailTest, DetailOfOneSampledRowGoesToTheRightAtStepOne) {
  const WindowHandle table = ImportSampled("rows.txt", 100000, 5);
  Select(table, 10, 1, 10, 5);   // table row 10 shows file line 57
  EXPECT_EQ(DetailAvailable(table), 1);
  SendCommand(table, CMD_GET_DETAILED_DATA);
  const SamplingBlock child = Block(table, 1);
  ASSERT_EQ(child.bInUse, 1);
  EXPECT_EQ(child.iParent, 0);
  EXPECT_EQ(child.iStartRow, 2);
  EXPECT_EQ(child.iStartCol, 6);
  EXPECT_EQ(child.iEndCol, 10);
  EXPECT_EQ(child.iEndRow, 16384);
  EXPECT_EQ(child.iRowStep, 1);
  EXPECT_EQ(child.iFileStartRow, 57);
  EXPECT_EQ(Shown(table, 1, 6), "FileStartR=57");
  EXPECT_EQ(Shown(table, 1, 7), "R step=1");
  EXPECT_EQ(Shown(table, 2, 6), FieldValue(57, 1));
  EXPECT_EQ(Shown(table, 3, 6), FieldValue(58, 1));
  EXPECT_EQ(Shown(table, 16384, 10), FieldValue(57 + 16382, 5));
  // The selection and the new info cells are framed in the first colour.
  const RgbColour colour = HlsToRgb(8, 239, 140);
  for (const auto& [row, col] : {std::pair{10, 1}, {10, 5}, {1, 6}, {1, 7}}) {
    const TableCell cell = Cell(table, row, col);
    EXPECT_EQ(cell.iBorderStyle, 15) << row << "," << col;
    EXPECT_EQ(cell.iBorderRed, colour.iRed);
    EXPECT_EQ(cell.iBorderGreen, colour.iGreen);
    EXPECT_EQ(cell.iBorderBlue, colour.iBlue);
  }
  EXPECT_EQ(Cell(table, 11, 1).iBorderStyle, 0);
  TableLockGuard t(table);
  EXPECT_EQ(t->iBlockHue, 1);
}

// A text column fills far more long-text slots than the record's own, in
// the sample and again in its detail: every text arrives whole.
TEST_F(SamplingDetailTest, DetailOfATextColumnKeepsEveryText) {
  std::string bytes;
  const auto name = [](int line) { return "station " + std::to_string(line); };
  for (int line = 1; line <= 100000; ++line) bytes += name(line) + "\t" + std::to_string(line) + "\r\n";
  DialogScriptPush(AnswerOk("Note"));
  const WindowHandle table = Import("names.txt", bytes);
  // Rows sampled at step 7: table row r shows line (r - 2) * 7 + 1.
  EXPECT_EQ(Shown(table, 2, 1), name(1));
  EXPECT_EQ(Shown(table, 14287, 1), name(14285 * 7 + 1));
  Select(table, 10, 1, 10, 2);  // line 57
  SendCommand(table, CMD_GET_DETAILED_DATA);
  ASSERT_EQ(Block(table, 1).bInUse, 1);
  EXPECT_EQ(Shown(table, 1, 3), "FileStartR=57");
  for (int row = 2; row <= 16384; ++row) {
    ASSERT_EQ(Shown(table, row, 3), name(57 + row - 2)) << "row " << row;
    if (row <= 14287) {
      ASSERT_EQ(Shown(table, row, 1), name((row - 2) * 7 + 1)) << "row " << row;
    }
  }
  EXPECT_EQ(DialogScriptShown().size(), 1u) << "only the sampling note";
}

// A sampled CSV whose quoted fields hold line ends and (every 50th line)
// commas: the scan, the sample's offsets and the detail read all keep the
// fields in place.
TEST_F(SamplingDetailTest, QuotedFieldsNeverShiftInASampleOrItsDetail) {
  const auto second = [](int line) {
    return line % 50 == 0 ? std::to_string(line) + ", a b" : std::to_string(line);
  };
  std::string text;
  for (int line = 1; line <= 300000; ++line) {
    const std::string n = std::to_string(line);
    text += n + (line % 50 == 0 ? ",\"" + n + ", a\r\nb\"," : ",\"" + n + "\r\n\",") + std::to_string(line * 2) + "\r\n";
  }
  AnswerWizard(WIZARD_COMMA, false);
  DialogScriptPush(AnswerOk("Note"));
  const WindowHandle table = Import("quoted.csv", text);
  {
    TableLockGuard t(table);
    ASSERT_EQ(t->iSampleMode, SAMPLE_ROWS);
    EXPECT_EQ(t->iFileRows, 300000 + 1) << "line ends inside quotes end no line";
  }
  const SamplingBlock main = Block(table, 0);
  EXPECT_EQ(main.iEndCol, 3);
  for (int row = 2; row <= 400; ++row) {
    const int line = (row - main.iStartRow) * main.iRowStep + 1;  // the file line the row shows
    ASSERT_EQ(Shown(table, row, 2), second(line)) << row;
    ASSERT_EQ(Shown(table, row, 3), std::to_string(line * 2)) << row;
  }
  const int line = (10 - main.iStartRow) * main.iRowStep + 1;
  Select(table, 10, 1, 10, 3);
  SendCommand(table, CMD_GET_DETAILED_DATA);
  ASSERT_EQ(Block(table, 1).bInUse, 1);
  for (int row = 2; row <= 200; ++row) {
    ASSERT_EQ(Shown(table, row, 4), std::to_string(line + row - 2)) << row;
    ASSERT_EQ(Shown(table, row, 5), second(line + row - 2)) << row;
    ASSERT_EQ(Shown(table, row, 6), std::to_string((line + row - 2) * 2)) << row;
  }
}

TEST_F(SamplingDetailTest, DetailReplacesAFormulaWhereItsValuesGo) {
  const WindowHandle table = ImportSampled("rows.txt", 100000, 5);
  ASSERT_EQ(FormulaRun(table, "R3C6", FORMULA_MODE_RUN, "R2C1+1", -1), 0);
  ASSERT_GE(CellFormulaSlot(Cell(table, 3, 6)), 0);
  Select(table, 10, 1, 10, 5);
  SendCommand(table, CMD_GET_DETAILED_DATA);
  EXPECT_EQ(CellFormulaSlot(Cell(table, 3, 6)), -1);
  EXPECT_EQ(Shown(table, 3, 6), FieldValue(58, 1));
  TableLockGuard t(table);
  EXPECT_EQ(t->iFormulaCount, 0);
}

TEST_F(SamplingDetailTest, DetailOfSeveralRowsTakesAStepThatSpansThem) {
  const WindowHandle table = ImportSampled("rows.txt", 100000, 2);
  // Rows 2 .. 9002 of the sample show lines 1 .. 63001: step
  // 9000 * 7 / 16383 = 3, from line 1.
  Select(table, 2, 1, 9002, 2);
  SendCommand(table, CMD_GET_DETAILED_DATA);
  const SamplingBlock child = Block(table, 1);
  EXPECT_EQ(child.iRowStep, 3);
  EXPECT_EQ(child.iStartCol, 3);
  EXPECT_EQ(Shown(table, 1, 3), "FileStartR=1");
  EXPECT_EQ(Shown(table, 1, 4), "R step=3");
  EXPECT_EQ(Shown(table, 3, 4), FieldValue(4, 2));
  // A second detail goes right of the first.
  Select(table, 5, 3, 5, 3);
  SendCommand(table, CMD_GET_DETAILED_DATA);
  EXPECT_EQ(Block(table, 2).iStartCol, 5);
  EXPECT_EQ(Block(table, 2).iParent, 1);
  EXPECT_EQ(Shown(table, 1, 5), "FileStartR=10");
}

TEST_F(SamplingDetailTest, DetailOfBothSampledGoesBelowAndStartsAtTheSelectedField) {
  const WindowHandle table = ImportSampled("both.txt", 3000, 400);
  Select(table, 10, 3, 10, 3);   // line 65, field 5
  SendCommand(table, CMD_GET_DETAILED_DATA);
  const SamplingBlock child = Block(table, 1);
  EXPECT_EQ(child.iStartRow, 378);   // below block 0 (rows 2 .. 376) and its info row
  EXPECT_EQ(child.iStartCol, 1);
  EXPECT_EQ(child.iFileStartRow, 65);
  EXPECT_EQ(child.iFileStartCol, 5);
  EXPECT_EQ(Shown(table, 377, 1), "FileStartRC=65,5");
  EXPECT_EQ(Shown(table, 377, 2), "R,C step=1, 1");
  EXPECT_EQ(Shown(table, 378, 1), FieldValue(65, 5));
  EXPECT_EQ(Shown(table, 378, 2), FieldValue(65, 6));
  EXPECT_EQ(Shown(table, 379, 1), FieldValue(66, 5)) << "later lines start at the same field";
  EXPECT_EQ(Shown(table, 777, 370), FieldValue(464, 374));
  EXPECT_EQ(Shown(table, 778, 1), "") << "a fifth of the table's rows";
  // A block of rows and columns: steps that span the selection.
  Select(table, 20, 1, 60, 100);
  SendCommand(table, CMD_GET_DETAILED_DATA);
  const SamplingBlock second = Block(table, 2);
  EXPECT_EQ(second.iStartRow, 779);
  EXPECT_EQ(second.iRowStep, 1);      // ceil(40 * 8 / 400)
  EXPECT_EQ(second.iColStep, 1);      // ceil(99 * 2 / 371)
  EXPECT_EQ(Shown(table, 779, 1), FieldValue(145, 1));   // line (20 - 2) * 8 + 1
}

TEST_F(SamplingDetailTest, DetailOfColumnsSampledReadsTheSelectedLinesFromTheSelectedField) {
  const WindowHandle table = ImportSampled("wide.txt", 5, 20000);
  {
    TableLockGuard t(table);
    ASSERT_EQ(t->iSampleMode, SAMPLE_COLS);
    EXPECT_EQ(t->blocks[0].iColStep, 2);
  }
  EXPECT_EQ(Shown(table, 1, 2), "C step=2");
  EXPECT_EQ(Shown(table, 3, 100), FieldValue(2, 199));
  Select(table, 3, 100, 4, 100);   // lines 2 and 3 from field 199
  SendCommand(table, CMD_GET_DETAILED_DATA);
  const SamplingBlock child = Block(table, 1);
  EXPECT_EQ(child.iStartRow, 8);
  EXPECT_EQ(Shown(table, 7, 1), "FileStartC= 199");
  EXPECT_EQ(Shown(table, 7, 2), "C step=1");
  EXPECT_EQ(Shown(table, 8, 1), FieldValue(2, 199));
  EXPECT_EQ(Shown(table, 9, 1), FieldValue(3, 199));
  EXPECT_EQ(Shown(table, 9, 2), FieldValue(3, 200));
  EXPECT_EQ(Shown(table, 10, 1), "") << "only the selected lines";
}

TEST_F(SamplingDetailTest, NothingHappensOutsideABlockOrWithoutASample) {
  const WindowHandle table = ImportSampled("rows.txt", 20000, 2);
  const struct {
    int r0, c0, r1, c1;
  } cases[] = {
      {1, 1, 1, 1},          // an info cell
      {2, 1, 2, 3},          // reaches past the block
      {20000 / 2 + 5, 1, 20000 / 2 + 5, 1},   // below the data
  };
  for (const auto& c : cases) {
    Select(table, c.r0, c.c0, c.r1, c.c1);
    EXPECT_EQ(DetailAvailable(table), 0);
    EXPECT_EQ(GetDetailedData(table), 0);
    EXPECT_EQ(RemoveDetailedData(table), 0);
    EXPECT_EQ(Block(table, 1).bInUse, 0);
  }
  // Two ranges, or colour-image view: nothing either.
  Select(table, 5, 1, 5, 1);
  {
    TableLockGuard t(table);
    t->iSelCurrent = 1;
    t->selRowFrom[1] = t->selRowTo[1] = 6;
    t->selColFrom[1] = t->selColTo[1] = 1;
    t->selKind[1] = SELECT_BLOCK;
  }
  EXPECT_EQ(DetailAvailable(table), 0);
  Select(table, 5, 1, 5, 1);
  {
    TableLockGuard t(table);
    t->bImageView = 1;
  }
  EXPECT_EQ(DetailAvailable(table), 0);

  const WindowHandle plain = Import("plain.txt", "1\t2\r\n");
  Select(plain, 1, 1, 1, 1);
  EXPECT_EQ(DetailAvailable(plain), 0);
  EXPECT_EQ(TableHooks().pfnInSampledBlock(*TableLockGuard(plain).get(), 1, 1), 0);
}

TEST_F(SamplingDetailTest, CellsOfBlocksAndTheirInfoCellsAreNotForEditing) {
  const WindowHandle table = ImportSampled("rows.txt", 20000, 2);
  ASSERT_NE(TableHooks().pfnInSampledBlock, nullptr);
  const struct {
    int row, col, inside;
  } cases[] = {{1, 1, 1}, {1, 2, 1}, {1, 3, 0}, {2, 1, 1}, {10001, 2, 1}, {10002, 1, 0}, {2, 3, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(TableHooks().pfnInSampledBlock(*TableLockGuard(table).get(), c.row, c.col), c.inside) << c.row << "," << c.col;
  }
}

TEST_F(SamplingDetailTest, RemoveDetailedDataAsksThenEmptiesTheBlock) {
  const WindowHandle table = ImportSampled("rows.txt", 100000, 5);
  Select(table, 10, 1, 10, 5);
  SendCommand(table, CMD_GET_DETAILED_DATA);
  ASSERT_EQ(Block(table, 1).bInUse, 1);

  Select(table, 3, 7, 4, 8);   // inside the detail block
  DialogScriptPush(AnswerNo("Confirmation"));
  SendCommand(table, CMD_REMOVE_DETAILED_DATA);
  EXPECT_EQ(DialogScriptShown().back().szText,
            "Do you want to remove data from\r\nRow=[2, 16384]\r\nColumn=[6, 10]\r\n");
  EXPECT_EQ(Block(table, 1).bInUse, 1);
  EXPECT_EQ(Shown(table, 2, 6), FieldValue(57, 1));

  DialogScriptPush(AnswerYes("Confirmation"));
  SendCommand(table, CMD_REMOVE_DETAILED_DATA);
  EXPECT_EQ(Block(table, 1).bInUse, 0);
  EXPECT_EQ(Shown(table, 1, 6), "");
  EXPECT_EQ(Shown(table, 1, 7), "");
  EXPECT_EQ(Shown(table, 2, 6), "");
  EXPECT_EQ(Shown(table, 16384, 10), "");
  EXPECT_EQ(Shown(table, 2, 1), FieldValue(1, 1)) << "block 0 stays";
  {
    TableLockGuard t(table);
    EXPECT_EQ(t->blocks[1].cellOffset, nullptr);
    EXPECT_EQ(t->iSelCurrent, 0);
    EXPECT_EQ(t->selRowFrom[0], 1);
  }
  // The freed block is used again by the next detail.
  Select(table, 20, 2, 20, 2);
  SendCommand(table, CMD_GET_DETAILED_DATA);
  EXPECT_EQ(Block(table, 1).bInUse, 1);
  EXPECT_EQ(Block(table, 1).iStartCol, 6);
}

// "Remove detailed data" from the pop-up of a right click inside a detail
// block names and removes that block, wherever the selection is (it stays
// where "Get detailed data" was chosen, in the main sample).
TEST_F(SamplingDetailTest, RemoveTakesTheBlockUnderTheRightClick) {
  const WindowHandle table = ImportSampled("rows.txt", 100000, 5);
  Select(table, 10, 1, 10, 5);
  SendCommand(table, CMD_GET_DETAILED_DATA);
  ASSERT_EQ(Block(table, 1).bInUse, 1);
  MoveWindowTo(table, 0, 0, 900, 700);
  TableSetActive(table);
  CellRect r{};
  {
    TableLockGuard t(table);
    t->bActivating = 0;
    ASSERT_TRUE(TableCellRectOf(*t.get(), 3, 7, &r));
  }
  const std::intptr_t at = MakePointParam((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  SendMessageTo(table, MSG_RBUTTONDOWN, MK_RBUTTON, at);
  SendMessageTo(table, MSG_RBUTTONUP, 0, at);
  DialogScriptPush(AnswerYes("Confirmation"));
  SendCommand(table, CMD_REMOVE_DETAILED_DATA);
  ASSERT_FALSE(DialogScriptShown().empty());
  EXPECT_EQ(DialogScriptShown().back().szText,
            "Do you want to remove data from\r\nRow=[2, 16384]\r\nColumn=[6, 10]\r\n");
  EXPECT_EQ(Block(table, 1).bInUse, 0);
  EXPECT_EQ(Block(table, 0).bInUse, 1) << "the main sample stays";
  EXPECT_EQ(Shown(table, 2, 1), FieldValue(1, 1));
}

TEST_F(SamplingDetailTest, RemoveInChinese) {
  const WindowHandle table = ImportSampled("rows.txt", 20000, 2);
  LanguageSetChinese(true);
  Select(table, 2, 1, 2, 1);
  DialogScriptPush(AnswerNo("确认"));
  SendCommand(table, CMD_REMOVE_DETAILED_DATA);
  EXPECT_EQ(DialogScriptShown().back().szText, "你是否要删除下列数据\r\n行=[2, 10001]\r\n列=[1, 2]\r\n");
}

TEST_F(SamplingDetailTest, NoDetailWhenTheTableIsFullOrTheFileChanged) {
  const WindowHandle table = ImportSampled("narrow.txt", 20000, 9);   // 9 of 50 columns
  // Blocks of 9 columns go right of each other; the fifth gets only 46 .. 50.
  const int starts[] = {10, 19, 28, 37, 46};
  for (int i = 0; i < 5; ++i) {
    Select(table, 5, 1, 5, 1);
    SendCommand(table, CMD_GET_DETAILED_DATA);
    EXPECT_EQ(Block(table, i + 1).iStartCol, starts[i]);
  }
  EXPECT_EQ(Block(table, 5).iEndCol, 50);
  EXPECT_EQ(Shown(table, 2, 50), FieldValue(7, 5));   // table row 5 shows line 7
  // Nothing is left to the right.
  Select(table, 5, 1, 5, 1);
  SendCommand(table, CMD_GET_DETAILED_DATA);
  EXPECT_EQ(Block(table, 6).bInUse, 0);
  TableLockGuard t(table);
  EXPECT_EQ(t->iBlockHue, 5);
}

TEST_F(SamplingDetailTest, NoDetailFromAFileThatChanged) {
  const WindowHandle table = ImportSampled("changing.txt", 20000, 2);
  Write("changing.txt", "changed\r\n");
  Select(table, 6, 1, 6, 1);
  DialogScriptPush(AnswerOk());
  EXPECT_EQ(GetDetailedData(table), -1);
  EXPECT_EQ(DialogScriptShown().back().szText,
            "The file has changed since it was opened: its detailed data cannot be read.");
  EXPECT_EQ(Block(table, 1).bInUse, 0);
  EXPECT_EQ(Cell(table, 6, 1).iBorderStyle, 0);
}

}  // namespace
