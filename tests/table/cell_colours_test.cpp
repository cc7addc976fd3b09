// The colour and style commands on the selected cells of a document.
#include <gtest/gtest.h>

#include "platform/colour_dialog.h"
#include "support/fresh_table.h"
#include "table/cell_colours.h"
#include "table/table_range.h"

namespace {

// Select block (r0, c0)-(r1, c1) as the only range.
void SelectBlock(FreshTable& t, int r0, int c0, int r1, int c1) {
  ResetSelection(*t);
  t->iSelCurrent = 0;
  t->selRowFrom[0] = r0;
  t->selColFrom[0] = c0;
  t->selRowTo[0] = r1;
  t->selColTo[0] = c1;
  t->selKind[0] = SELECT_BLOCK;
}

class CellColoursTest : public ::testing::Test {
 protected:
  void TearDown() override { CellColours() = CellColourSettings{}; }
};

TEST_F(CellColoursTest, BorderColourAddsTheCodeOnlyWhereNoBorderIs) {
  FreshTable t;
  TableCellAt(*t, 1, 1)->iBorderStyle = 5;
  CellColours().iBorderCode = 9;  // left and bottom
  SelectBlock(t, 1, 1, 2, 2);
  ApplyCellColour(*t, COLOUR_BORDER, PackRgb(10, 20, 30));
  EXPECT_EQ(TableCellAt(*t, 1, 1)->iBorderStyle, 5) << "an existing border keeps its sides";
  EXPECT_EQ(TableCellAt(*t, 2, 2)->iBorderStyle, 9);
  EXPECT_EQ(TableCellAt(*t, 1, 1)->iBorderGreen, 20) << "but takes the colour";
  EXPECT_EQ(t->bModified, 1);
  // After the "Border line" dialog every cell takes the code.
  ApplyCellColour(*t, COLOUR_BORDER_FROM_LINE, PackRgb(10, 20, 30));
  EXPECT_EQ(TableCellAt(*t, 1, 1)->iBorderStyle, 9);
  EXPECT_EQ(CommonBorderCode(*t), 9);
  EXPECT_EQ(CommonColour(*t, true), PackRgb(10, 20, 30));
  // Clearing keeps the colour values in the cell.
  ApplyCellColour(*t, COLOUR_CLEAR_BORDER, 0);
  EXPECT_EQ(TableCellAt(*t, 2, 1)->iBorderStyle, 0);
  EXPECT_EQ(TableCellAt(*t, 2, 1)->iBorderBlue, 30);
}

TEST_F(CellColoursTest, BackgroundsHeadersAndSharedColours) {
  FreshTable t;
  SelectBlock(t, 0, 1, 1, 1);  // reaches into the header row
  ApplyCellColour(*t, COLOUR_BACKGROUND, PackRgb(200, 100, 50));
  EXPECT_EQ(TableCellAt(*t, 1, 1)->iFillOn, 1);
  EXPECT_EQ(TableCellAt(*t, 1, 1)->iFillRed, 200);
  EXPECT_EQ(TableCellAt(*t, 0, 1)->iFillOn, 0) << "header cells never change";
  SelectBlock(t, 1, 1, 1, 2);
  EXPECT_EQ(CommonColour(*t, false), 0) << "cells that differ share nothing";
  ApplyCellColour(*t, COLOUR_CLEAR_BACKGROUND, 0);
  EXPECT_EQ(TableCellAt(*t, 1, 1)->iFillOn, 0);
}

TEST_F(CellColoursTest, DisplayStyleCodes) {
  EXPECT_EQ(DisplayStyleCode(true, 2, 1), 33);
  EXPECT_EQ(DisplayStyleCode(false, 1, 0), 10);
  EXPECT_EQ(DisplayStyleCode(false, 2, 2), 22);
}

}  // namespace
