// Coordinate declarations on a headless table: which runs qualify, storing
// the data areas, the coordinate of a data cell, removal, the coordinate
// mode of a selection and the commands with the help dialog.
#include <gtest/gtest.h>

#include "platform/cursor.h"
#include "plots/coordinate_commands.h"
#include "plots/plot_coordinates.h"
#include "plots/plot_table_state.h"
#include "resources/command_ids.h"
#include "support/range_table_test.h"

namespace {

class CoordinateTest : public RangeTableTest {
 protected:
  void SetUp() override {
    RangeTableTest::SetUp();
    // Columns 1..4, rows 1..6: column 1 holds X values 10..60, the rest data.
    for (int row = 1; row <= 6; ++row) {
      for (int col = 1; col <= 4; ++col) Put(row, col, std::to_string(row * 10 + col - 1));
    }
  }
  // Declare the run (r0, c0)-(r1, c1) as `kind` for the data block given.
  void Declare(int kind, int r0, int c0, int r1, int c1, int d0, int dc0, int d1, int dc1) {
    Select(r0, c0, r1, c1);
    ASSERT_EQ(CoordinatePendingSet(T(), kind), 0);
    Select(d0, dc0, d1, dc1);
    ASSERT_EQ(CoordinateStoreData(T()), 1);
  }
};

TEST_F(CoordinateTest, RunsQualifyByShapeLengthAndOverlap) {
  const struct {
    int r0, c0, r1, c1, kind;
    int expected;
  } cases[] = {
      {2, 2, 2, 2, SELECT_BLOCK, 0},    // one cell
      {1, 1, 2, 1, SELECT_BLOCK, 0},    // two cells
      {1, 1, 3, 1, SELECT_BLOCK, 1},    // three down a column
      {1, 1, 1, 3, SELECT_BLOCK, 1},    // three along a row
      {1, 1, 3, 2, SELECT_BLOCK, 0},    // a block of two columns
      {1, 2, 2000, 2, SELECT_COLUMNS, 1},  // a whole column over the 6 used rows
      {1, 2, 2000, 3, SELECT_COLUMNS, 0},  // two whole columns
      {3, 1, 3, 370, SELECT_ROWS, 1},     // a whole row over the 4 used columns
  };
  for (const auto& c : cases) {
    Select(c.r0, c.c0, c.r1, c.c1, c.kind);
    CoordinateRun run{};
    EXPECT_EQ(CoordinateRunOfSelection(T(), &run), c.expected) << c.r0 << "," << c.c0 << "-" << c.r1 << "," << c.c1;
  }
  Select(1, 2, 2000, 2, SELECT_COLUMNS);
  CoordinateRun run{};
  ASSERT_EQ(CoordinateRunOfSelection(T(), &run), 1);
  EXPECT_EQ(run.iRowFrom, 1);
  EXPECT_EQ(run.iRowTo, 6);
  EXPECT_EQ(run.iOrientation, COORD_DOWN_COLUMN);

  // Once column 1 serves columns 2..3, runs over either are refused.
  Declare(COORD_X, 1, 1, 6, 1, 1, 2, 6, 3);
  Select(2, 1, 5, 1);
  EXPECT_EQ(CoordinateRunOfSelection(T(), nullptr), 0);
  Select(1, 3, 3, 3);
  EXPECT_EQ(CoordinateRunOfSelection(T(), nullptr), 0);
  Select(1, 4, 3, 4);
  EXPECT_EQ(CoordinateRunOfSelection(T(), nullptr), 1);
}

TEST_F(CoordinateTest, DataCellsReadTheirCoordinatesFromTheHighestDeclaration) {
  for (int col = 1; col <= 5; ++col) Put(8, col, std::to_string(col * 100));
  Put(2, 2, "abc");
  Declare(COORD_X, 1, 1, 6, 1, 1, 3, 6, 4);  // slot 0: column 1 for rows 1..6, columns 3..4
  Declare(COORD_Y, 8, 3, 8, 5, 1, 3, 6, 4);  // slot 1: row 8 for the same block
  Declare(COORD_X, 1, 2, 3, 2, 2, 3, 3, 3);  // slot 2: column 2 for (2..3, 3)
  const struct {
    int row, col;
    int xFound;
    double x;
    int yFound;
    double y;
  } cases[] = {
      {1, 3, 1, 10, 1, 300},  // slot 0 and slot 1
      {3, 3, 1, 31, 1, 300},  // slot 2 wins over slot 0
      {2, 3, 0, 0, 1, 300},   // slot 2 names a text: no X, no fall-back to slot 0
      {4, 4, 1, 40, 1, 400},
      {4, 5, 0, 0, 0, 0},     // outside every data area
  };
  for (const auto& c : cases) {
    const CellCoordinates k = CoordinatesOfCell(T(), c.row, c.col);
    EXPECT_EQ(k.found[COORD_X], c.xFound) << c.row << "," << c.col;
    EXPECT_EQ(k.found[COORD_Y], c.yFound) << c.row << "," << c.col;
    if (c.xFound) {
      EXPECT_DOUBLE_EQ(k.value[COORD_X], c.x);
    }
    if (c.yFound) {
      EXPECT_DOUBLE_EQ(k.value[COORD_Y], c.y);
    }
  }
  EXPECT_EQ(CoordinatesOfCell(T(), 3, 3).slot[COORD_X], 2);
  EXPECT_EQ(CoordinatesOfCell(T(), 2, 3).bCovered, 1);

  // The coordinate mode: a selection inside the data with X and Y near it.
  Select(2, 3, 4, 4);
  EXPECT_EQ(SelectionIsCoordinateMode(T()), 1);
  Select(7, 5, 7, 6);
  EXPECT_EQ(SelectionIsCoordinateMode(T()), 0);

  // Removing: a range inside slot 2's data area frees slot 2 only.
  Select(3, 3, 3, 3);
  EXPECT_EQ(SelectionHasCoordinate(T()), 1);
  EXPECT_EQ(CoordinateRemoveForSelection(T()), 3);  // (3,3) lies in all three data areas
  EXPECT_EQ(TableHasCoordinates(T()), 0);
}

TEST_F(CoordinateTest, WholeLinesLoseTheirLastLineAndSurplusRangesFindNoSlot) {
  Select(1, 1, 6, 1);
  ASSERT_EQ(CoordinatePendingSet(T(), COORD_X), 0);
  Select(1, 2, 2000, 3, SELECT_COLUMNS);
  ASSERT_EQ(CoordinateStoreData(T()), 1);
  EXPECT_EQ(T().coordinateDecl[0][DECL_DATA_ROW_FROM], 1);
  EXPECT_EQ(T().coordinateDecl[0][DECL_DATA_ROW_TO], 6);  // used bound 7 less one
  EXPECT_EQ(CoordinatePendingKind(T()), COORD_NONE);
  // Nothing pending: nothing stored.
  EXPECT_EQ(CoordinateStoreData(T()), 0);
  // Every slot taken: the range is left out.
  for (int slot = 1; slot < COORD_SLOTS; ++slot) T().coordinateDecl[slot][DECL_KIND] = COORD_Z;
  T().coordinateDecl[COORD_PENDING][DECL_KIND] = COORD_Y;
  Select(2, 5, 4, 6);
  EXPECT_EQ(CoordinateStoreData(T()), 0);
}

TEST_F(CoordinateTest, CommandsShowTheHelpUntilItIsTurnedOff) {
  // Cancel in the help drops the pending declaration.
  Select(1, 1, 3, 1);
  DialogScriptPush(AnswerCancel(DIALOG_CUSTOM, COORDINATE_HELP_DIALOG_NAME));
  SendCommand(table_, CMD_DECLARE_Y);
  EXPECT_EQ(CoordinatePendingKind(T()), COORD_NONE);
  // OK with the box ticked keeps it and turns the help off.
  DialogScriptPush(AnswerDialog(COORDINATE_HELP_DIALOG_NAME, [](DialogRequest& request) {
    auto* model = dynamic_cast<CoordinateHelpModel*>(request.pModel);
    EXPECT_EQ(model->iKind, COORD_Y);
    model->bDontShow = true;
    return static_cast<int>(BUTTON_OK);
  }));
  SendCommand(table_, CMD_DECLARE_Y);
  EXPECT_EQ(CoordinatePendingKind(T()), COORD_Y);
  EXPECT_EQ(PlotStateOf(T()).bCoordinateHelpOff, 1);
  // Next time no dialog; the data command stores it.
  SendCommand(table_, CMD_DECLARE_X);
  EXPECT_EQ(CoordinatePendingKind(T()), COORD_X);
  Select(1, 2, 6, 3);
  SendCommand(table_, CMD_COORDINATE_DATA);
  EXPECT_EQ(T().coordinateDecl[0][DECL_KIND], COORD_X);
  // A single cell qualifies for nothing: the command does nothing.
  Select(4, 4, 4, 4);
  SendCommand(table_, CMD_DECLARE_Z);
  EXPECT_EQ(CoordinatePendingKind(T()), COORD_NONE);
}

TEST_F(CoordinateTest, APendingDeclarationPicksItsDataOnMoreThanOneCell) {
  Select(1, 1, 3, 1);
  ASSERT_EQ(CoordinatePendingSet(T(), COORD_Y), 0);
  const struct {
    int r0, c0, r1, c1, kind;
    bool picking;
  } cases[] = {
      {2, 2, 2, 2, SELECT_BLOCK, false},     // the one cell a click leaves
      {2, 2, 2, 3, SELECT_BLOCK, true},      // two cells
      {1, 2, 2000, 2, SELECT_COLUMNS, true},  // a whole column
      {4, 1, 4, 370, SELECT_ROWS, true},      // a whole row
  };
  for (const auto& c : cases) {
    Select(c.r0, c.c0, c.r1, c.c1, c.kind);
    EXPECT_EQ(CoordinatePickingKind(T()), c.picking ? COORD_Y : COORD_NONE) << c.r0 << "," << c.c0;
    EXPECT_EQ(CoordinatePointerSlot(table_), c.picking ? CURSOR_COORDINATE : -1) << c.r0 << "," << c.c0;
    // The right-button release goes to the pending menu (dismissed here)
    // only while picking; otherwise the table's own menu follows.
    EXPECT_EQ(CoordinatePick(table_, 10, 10), c.picking ? 1 : 0) << c.r0 << "," << c.c0;
  }
  // Two single cells are a multiple selection, not one cell.
  Select(2, 2, 2, 2);
  T().iSelCurrent = 1;
  T().selRowFrom[1] = T().selRowTo[1] = 5;
  T().selColFrom[1] = T().selColTo[1] = 3;
  T().selKind[1] = SELECT_BLOCK;
  EXPECT_EQ(CoordinatePickingKind(T()), COORD_Y);
  // Nothing pending: the table keeps its own cursor and menu.
  CoordinatePendingClear(T());
  Select(2, 2, 4, 4);
  EXPECT_EQ(CoordinatePointerSlot(table_), -1);
  EXPECT_EQ(CoordinatePick(table_, 10, 10), 0);
}

TEST(CoordinateTexts, MenuAndHelpNameTheAxis) {
  const PopupMenuList menu = CoordinateDataMenu(COORD_Z);
  ASSERT_EQ(menu.items.size(), 2u);
  EXPECT_EQ(menu.items[0].szText, "Set related value for Z coordinate");
  EXPECT_EQ(menu.items[1].iCommand, static_cast<int>(CMD_COORDINATE_CANCEL));
  EXPECT_EQ(CoordinateHelpTitle(COORD_X), "Get X coordinate");
  EXPECT_EQ(CoordinateHelpText(COORD_X).rfind("1. Use mouse to select cells containing related values.\r\n\r\n2.", 0), 0u);
}

}  // namespace
