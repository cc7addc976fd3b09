// Resetting colours and the view of a table.
#include <gtest/gtest.h>

#include "support/fresh_table.h"
#include "table/table_reset.h"

namespace {

TEST(TableResetTest, ColoursGoBackAndTheViewWithThem) {
  FreshTable t;
  t.Store(1, 1, "5");
  t.Store(2, 2, "text");
  SetCellTextColour(*TableCellAt(*t, 1, 1), 20, 120, 230);
  SetCellTextColour(*TableCellAt(*t, 2, 2), 30, 120, 230);
  t->iColourState = COLOUR_STATE_TREND;
  t->colWidth.fill(9);
  t->rowHeight.fill(9);
  t->bImageView = 1;
  t->bModified = 0;

  ResetColours(*t, false);
  EXPECT_EQ(CellTextHue(*TableCellAt(*t, 1, 1)), DEFAULT_TEXT_HUE);
  EXPECT_EQ(CellTextLum(*TableCellAt(*t, 2, 2)), DEFAULT_TEXT_LUM);
  EXPECT_EQ(t->iColourState, COLOUR_STATE_NORMAL);
  EXPECT_EQ(t->colWidth[1], 9) << "the geometry stays without the view";
  EXPECT_EQ(t->bModified, 0) << "colours are not saved with the table";

  // "Reset data view" after zooming into image view.
  ResetColours(*t, true);
  EXPECT_EQ(t->colWidth[0], 40);
  EXPECT_EQ(t->colWidth[1], 80);
  EXPECT_EQ(t->colWidth[370], 80);
  EXPECT_EQ(t->rowHeight[0], 18);
  EXPECT_EQ(t->rowHeight[2000], 18);
  EXPECT_EQ(t->iDefaultColWidth, 80);
  EXPECT_EQ(t->bImageView, 0);
  EXPECT_EQ(t->bModified, 1);
}

}  // namespace
