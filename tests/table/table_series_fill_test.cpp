#include "table/table_series_fill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/cursor.h"
#include "support/table_input.h"
#include "table/cell_store.h"
#include "table/table_input_hooks.h"
#include "table/table_select.h"
#include "table/table_window_ops.h"

namespace {

struct Area {
  int rowFrom, rowTo, colFrom, colTo;
  std::string firstCell;  // the area's first cell when the back-up was asked for
  bool operator==(const Area&) const = default;
};
std::vector<Area>& Backups() {
  static std::vector<Area> backups;
  return backups;
}
std::vector<std::pair<int, int>>& FormulasRemoved() {
  static std::vector<std::pair<int, int>> removed;
  return removed;
}

class SeriesFillTest : public TableInputTest {
 protected:
  void SetUp() override {
    TableInputTest::SetUp();
    Backups().clear();
    FormulasRemoved().clear();
    TableHooks().pfnUndoBackup = [](WindowHandle hwnd, int r0, int r1, int c0, int c1) {
      Backups().push_back({r0, r1, c0, c1, TableCellDisplayText(hwnd, r0, c0)});
    };
    TableHooks().pfnRemoveFormula = [](WindowHandle, int row, int col) { FormulasRemoved().push_back({row, col}); };
  }
  void TearDown() override {
    TableHooks() = TableInputHooks{};
    TableInputTest::TearDown();
  }
  void Store(int row, int col, std::string_view text) const { TableStoreCellText(table_, row, col, text); }
  std::string Shown(int row, int col) const { return TableCellDisplayText(table_, row, col); }
  // Select a range by dragging from one cell to another.
  void Select(int r0, int c0, int r1, int c1) const {
    Press(CellX(c0), CellY(r0));
    Drag(CellX(c1), CellY(r1));
    Release(CellX(c1), CellY(r1));
  }
  // The fill handle of a visible cell: just inside its bottom-right corner.
  static int HandleX(int col) { return 40 + 80 * col - 1; }
  static int HandleY(int row) { return 18 * (row + 1) - 1; }
};

TEST_F(SeriesFillTest, OneAndThreeDraggedDownThreeCellsGiveFiveSevenNine) {
  Store(2, 3, "1");
  Store(3, 3, "3");
  Select(2, 3, 3, 3);
  Send(MSG_MOUSEMOVE, 0, HandleX(3), HandleY(3));
  EXPECT_EQ(CurrentCursorSlot(), CURSOR_MOVE_RANGE);
  Press(HandleX(3), HandleY(3));
  EXPECT_EQ(T().bSeriesFill, 1);
  Drag(CellX(5), CellY(6));  // sideways is ignored: the series runs down column 3
  EXPECT_EQ(T().selRowTo[0], 6);
  EXPECT_EQ(T().selColTo[0], 3);
  Release(CellX(5), CellY(6));
  EXPECT_EQ(Shown(4, 3), "5");
  EXPECT_EQ(Shown(5, 3), "7");
  EXPECT_EQ(Shown(6, 3), "9");
  EXPECT_EQ(Shown(7, 3), "");
  EXPECT_EQ(Shown(4, 4), "");
  EXPECT_EQ(T().bSeriesFill, 0);
  EXPECT_EQ(T().bDragSelecting, 0);
  EXPECT_EQ(T().bModified, 1) << "filled data must be saved";
  EXPECT_EQ(Backups(), (std::vector<Area>{{4, 6, 3, 3, ""}})) << "the undo back-up comes before the fill";
  EXPECT_EQ(FormulasRemoved(), (std::vector<std::pair<int, int>>{{4, 3}, {5, 3}, {6, 3}}));
  EXPECT_EQ(T().selRowFrom[0], 4) << "the filled cells stay selected";
  EXPECT_EQ(T().selRowTo[0], 6);
}

TEST_F(SeriesFillTest, RowsFillSidewaysAndDraggingBackFillsBackwards) {
  Store(2, 2, "0.1");
  Store(2, 3, "0.2");
  Select(2, 2, 2, 3);
  Press(HandleX(3), HandleY(2));
  Drag(CellX(5), CellY(9));  // up and down is ignored for a row
  Release(CellX(5), CellY(9));
  EXPECT_EQ(Shown(2, 4), "0.3");
  EXPECT_EQ(Shown(2, 5), "0.4");
  // A column series dragged up past its first cell goes on backwards.
  Store(5, 6, "10");
  Store(6, 6, "20");
  Select(5, 6, 6, 6);
  Press(HandleX(6), HandleY(6));
  Drag(CellX(6), CellY(3));
  Release(CellX(6), CellY(3));
  EXPECT_EQ(Shown(5, 6), "10");
  EXPECT_EQ(Shown(4, 6), "0.0");
  EXPECT_EQ(Shown(3, 6), "-10");
}

TEST_F(SeriesFillTest, ASelectionThatDoesNotQualifySelectsAsUsual) {
  const struct {
    const char* name;
    int r0, c0, r1, c1;
    const char* first;
    const char* last;
  } cases[] = {
      {"one cell", 2, 2, 2, 2, "1", "1"},
      {"a block", 2, 2, 3, 3, "1", "2"},
      {"text at the end", 2, 2, 3, 2, "1", "abc"},
      {"an empty first cell", 2, 2, 3, 2, "", "2"},
  };
  for (const auto& c : cases) {
    Store(c.r0, c.c0, c.first);
    Store(c.r1, c.c1, c.last);
    Select(c.r0, c.c0, c.r1, c.c1);
    Click(HandleX(c.c1), HandleY(c.r1));
    EXPECT_EQ(T().bSeriesFill, 0) << c.name;
    EXPECT_EQ(T().selRowFrom[0], c.r1) << c.name << ": the press selects the cell";
    Store(c.r0, c.c0, "");
    Store(c.r1, c.c1, "");
  }
  // Two ranges, or image view, do not fill either.
  Store(2, 2, "1");
  Store(3, 2, "2");
  Select(2, 2, 3, 2);
  ClickCell(8, 8, MK_CONTROL);
  EXPECT_FALSE(SeriesFillQualifies(T()));
  Select(2, 2, 3, 2);
  EXPECT_TRUE(SeriesFillQualifies(T()));
  T().bImageView = 1;
  EXPECT_FALSE(SeriesFillQualifies(T()));
  T().bImageView = 0;
  // An editor open on one of its cells.
  DoubleClickCell(3, 2);
  T().selRowFrom[0] = 2;
  EXPECT_FALSE(SeriesFillQualifies(T()));
}

TEST_F(SeriesFillTest, ReleasingOnTheLastCellFillsNothing) {
  Store(2, 2, "1");
  Store(3, 2, "2");
  Select(2, 2, 3, 2);
  Press(HandleX(2), HandleY(3));
  Drag(CellX(2), CellY(5));
  Drag(CellX(2), CellY(3));
  Release(CellX(2), CellY(3));
  EXPECT_EQ(Shown(4, 2), "");
  EXPECT_TRUE(Backups().empty());
  EXPECT_EQ(T().bModified, 0);
}

TEST_F(SeriesFillTest, ValueTextsKeepTheirDigits) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {5, "5"},          {0.30000000000000004, "0.3"}, {0, "0.0"},
      {2.5, "2.5"},      {10000003, "10000003"},       {123456789.25, "123456789.25"},
      {1e-7, "1.000000e-07"}, {1e300, "1.000000e+300"},
  };
  for (const auto& c : cases) EXPECT_EQ(SeriesValueText(c.value), c.text) << c.value;
  // Through a fill: 10000001, 10000002 go on as 10000003.
  Store(2, 2, "10000001");
  Store(3, 2, "10000002");
  Select(2, 2, 3, 2);
  Press(HandleX(2), HandleY(3));
  Drag(CellX(2), CellY(5));
  Release(CellX(2), CellY(5));
  EXPECT_EQ(Shown(4, 2), "10000003");
  EXPECT_EQ(Shown(5, 2), "10000004");
}

}  // namespace
