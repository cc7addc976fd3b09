#include "table/table_init.h"

#include <gtest/gtest.h>

#include <string>

#include "support/fresh_table.h"
#include "table/long_text.h"
#include "table/table_window_ops.h"

namespace {

void ExpectFreshDataCell(const TableCell& cell, const char* where) {
  EXPECT_EQ(TextOf(cell.szText), "") << where;
  EXPECT_EQ(CellStyle(cell), STYLE_AUTOMATIC) << where;
  EXPECT_EQ(CellTextHue(cell), 160) << where;
  EXPECT_EQ(CellTextLum(cell), 10) << where;
  EXPECT_EQ(CellTextSat(cell), 120) << where;
  EXPECT_EQ(cell.iBorderStyle, 0) << where;
  EXPECT_EQ(cell.iFillOn, 0) << where;
  EXPECT_EQ(CellFormulaSlot(cell), -1) << where;
}

TEST(TableCell, ZeroBytesAreAFreshDataCellAndEveryValueIsKept) {
  const TableCell zero{};
  ExpectFreshDataCell(zero, "zero-filled cell");
  // Values equal to zero or to another cell's default keep their meaning:
  // style 0 is not automatic, black text is not the default colour.
  const struct {
    int style, hue, lum, sat, slot;
  } cases[] = {{0, 0, 0, 0, 0}, {21, 239, 240, 240, 2999}, {-7, 160, 10, 120, 3000}, {33, 1, 2, 3, -1}};
  for (const auto& c : cases) {
    TableCell cell{};
    SetCellStyle(cell, c.style);
    SetCellTextColour(cell, c.hue, c.lum, c.sat);
    SetCellFormulaSlot(cell, c.slot);
    EXPECT_EQ(CellStyle(cell), c.style);
    EXPECT_EQ(CellTextHue(cell), c.hue);
    EXPECT_EQ(CellTextLum(cell), c.lum);
    EXPECT_EQ(CellTextSat(cell), c.sat);
    EXPECT_EQ(CellFormulaSlot(cell), c.slot);
  }
}

TEST(TableInitRecord, NewTableHasHeadersAndEmptyDataCells) {
  FreshTable t;
  ASSERT_TRUE(t.ok());
  EXPECT_EQ(t->iRows, 2001);
  EXPECT_EQ(t->iCols, 371);
  EXPECT_EQ(t->iOpenMode, OPEN_NEW);
  EXPECT_EQ(TextOf(t->szFileName), "New Table");
  EXPECT_EQ(t.Raw(0, 0), "");
  EXPECT_EQ(t.Raw(0, 1), "C1");
  EXPECT_EQ(t.Raw(0, 370), "C370");
  EXPECT_EQ(t.Raw(1, 0), "R1");
  EXPECT_EQ(t.Raw(2000, 0), "R2000");
  ExpectFreshDataCell(*TableCellAt(*t, 1, 1), "(1,1)");
  ExpectFreshDataCell(*TableCellAt(*t, 2000, 370), "(2000,370)");
  // Cells beyond the logical size are ready for a later resize.
  ExpectFreshDataCell(t->cells[TABLE_CELL_CAPACITY - 1], "last cell of the capacity");
  EXPECT_EQ(TableCellAt(*t, 2001, 1), nullptr);
  EXPECT_EQ(TableCellAt(*t, 1, 371), nullptr);

  EXPECT_EQ(t->iUsedRows, 0);
  EXPECT_EQ(t->iUsedCols, 0);
  EXPECT_EQ(t->dMaxValue, -99999.0);
  EXPECT_EQ(t->dMinValue, 99999.0);
  EXPECT_EQ(t->bModified, 0);
  EXPECT_EQ(t->bReadOnly, 0);
  EXPECT_EQ(t->iTopRow, 1);
  EXPECT_EQ(t->iLeftCol, 1);
  EXPECT_EQ(t->colWidth[0], 40);
  EXPECT_EQ(t->colWidth[TABLE_MAX_DIMENSION - 1], 80);
  EXPECT_EQ(t->rowHeight[0], 18);
  EXPECT_EQ(t->formulaSlots[0].iState, FORMULA_FREE);
  EXPECT_EQ(t->formulaSlots[FORMULA_SLOTS - 1].iState, FORMULA_FREE);
  EXPECT_EQ(TextOf(t->szScaleBy), "1.0");
  EXPECT_EQ(TextOf(t->szSourceDir), "");
  EXPECT_EQ(TextOf(t->szSourceFile), "");
  EXPECT_EQ(t.Pool(0), "");
  EXPECT_EQ(t.Pool(LONG_TEXT_SLOTS - 1), "");
}

TEST(TableInitRecord, FileModesKeepTheSourceFolderAndStem) {
  FreshTable t(OPEN_FILE, "/data/run/values.csv", "/data/run");
  ASSERT_TRUE(t.ok());
  EXPECT_EQ(TextOf(t->szFileName), "/data/run/values.csv");
  EXPECT_EQ(TextOf(t->szSourceDir), "/data/run");
  EXPECT_EQ(TextOf(t->szSourceFile), "values.");
  EXPECT_EQ(t->iOpenMode, OPEN_FILE);
}

TEST(SourceFileStem, CutsAfterTheLastDotOfTheName) {
  const std::pair<const char*, const char*> cases[] = {
      {"data.csv", "data."},
      {"/a/b/archive.tar.gz", "archive.tar."},
      {"/a.b/noext", "noext"},
      {"name.", "name."},
      {"", ""},
  };
  for (const auto& [path, stem] : cases) EXPECT_EQ(SourceFileStem(path), stem) << path;
}

TEST(SetImportTableSize, KeepsWithinTheLimitsAndMarksTheTable) {
  FreshTable t;
  ASSERT_TRUE(t.ok());
  const struct {
    int rows, cols, result;
  } cases[] = {
      {50, 371, -1}, {51, 16385, 0}, {16385, 51, 0}, {16386, 51, -1}, {51, 16386, -1},
      {2001, 418, -1},  // above the cell capacity
      {2001, 417, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SetImportTableSize(*t, c.rows, c.cols), c.result) << c.rows << " x " << c.cols;
    if (c.result == 0) {
      EXPECT_EQ(t->iRows, c.rows);
      EXPECT_EQ(t->iCols, c.cols);
    }
  }
  EXPECT_EQ(t->bResized, 1);
  EXPECT_EQ(t->bReadOnly, 1);
  EXPECT_EQ(SetImportTableSize(WindowHandle::None, 100, 100), -1);
}

TEST(RelabelHeaders, ResetsTextsAndLookButKeepsBordersFillsAndFormulas) {
  FreshTable t;
  ASSERT_TRUE(t.ok());
  t.Store(1, 1, "a text");
  t.Store(1, 2, "3");
  TableCell* cell = TableCellAt(*t, 1, 2);
  SetCellStyle(*cell, 21);
  SetCellTextColour(*cell, 5, 200, 30);
  cell->iBorderStyle = 15;
  cell->iFillOn = 1;
  SetCellFormulaSlot(*cell, 7);
  ASSERT_EQ(SetImportTableSize(*t, 100, 200), 0);
  RelabelHeaders(*t);
  EXPECT_EQ(t.Pool(0), "") << "the text's slot is free again";
  EXPECT_EQ(t.Raw(1, 1), "");
  EXPECT_EQ(t.Raw(1, 2), "");
  EXPECT_EQ(CellStyle(*cell), STYLE_AUTOMATIC);
  EXPECT_EQ(CellTextHue(*cell), 160);
  EXPECT_EQ(CellTextLum(*cell), 10);
  EXPECT_EQ(CellTextSat(*cell), 120);
  EXPECT_EQ(cell->iBorderStyle, 15);
  EXPECT_EQ(cell->iFillOn, 1);
  EXPECT_EQ(CellFormulaSlot(*cell), 7);
  EXPECT_EQ(t.Raw(0, 199), "C199");
  EXPECT_EQ(t.Raw(99, 0), "R99");
  EXPECT_EQ(t.Raw(0, 0), "");
  EXPECT_EQ(RelabelHeaders(WindowHandle::None), -1);
}

}  // namespace
