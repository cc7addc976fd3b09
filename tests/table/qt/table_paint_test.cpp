#include <QImage>
#include <QMdiSubWindow>
#include <QScrollBar>

#include "platform/keys.h"
#include "platform/menu.h"
#include "platform/qt/qt_backend.h"
#include "platform/scrollbar.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "support/qt_program.h"
#include "table/cell_store.h"
#include "table/table_access.h"
#include "table/table_geometry.h"
#include "table/table_init.h"
#include "table/table_window_ops.h"

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;

// A new table in a document window whose client area is known.
class TablePaintTest : public QtProgramTest {
 protected:
  void SetUp() override {
    QtProgramTest::SetUp();
    ASSERT_EQ(ChooseMenuItem(Program().hFrameWnd, CMD_NEW), 0);
    table_ = MdiActiveChild(Program().hMdiClient);
    OuterWidgetOf(table_)->parentWidget()->resize(700, 500);
    OuterWidgetOf(table_)->resize(600, 400);
    ProcessEvents();
  }
  TableRecord& T() { return *static_cast<TableRecord*>(WindowUserData(table_)); }
  CellRect RectOf(int row, int col) {
    CellRect r{};
    EXPECT_TRUE(TableCellRectOf(T(), row, col, &r)) << row << "," << col;
    return r;
  }
  QImage Paint() { return Render(table_); }
  // Pixels of a colour inside [x0, x1) x [y0, y1).
  static int Count(const QImage& image, int x0, int y0, int x1, int y1, QRgb colour) {
    int n = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, image.height()); ++y) {
      for (int x = std::max(x0, 0); x < std::min(x1, image.width()); ++x) n += image.pixel(x, y) == colour;
    }
    return n;
  }
  static int CountNot(const QImage& image, int x0, int y0, int x1, int y1, QRgb colour) {
    return (x1 - x0) * (y1 - y0) - Count(image, x0, y0, x1, y1, colour);
  }
  WindowHandle table_{};
};

TEST_F(TablePaintTest, HeadersAndGridHaveTheirGeometry) {
  const QImage image = Paint();
  ASSERT_EQ(image.size(), QSize(T().iClientWidth, T().iClientHeight));
  // Header column 40 wide: etched line dark at x 39, white at x 40.
  EXPECT_EQ(image.pixel(39, 100), qRgb(128, 128, 128));
  EXPECT_EQ(image.pixel(40, 100), kWhite);
  EXPECT_EQ(image.pixel(20, 91), qRgb(192, 192, 192));  // row 5 starts at 90; its label at 92
  EXPECT_EQ(image.pixel(20, 89), qRgb(128, 128, 128));  // etched line under row 4
  EXPECT_EQ(image.pixel(20, 90), kWhite);
  // Header strip 18 high, etched at y 17/18; data grid lines in 228 grey.
  EXPECT_EQ(image.pixel(300, 17), qRgb(128, 128, 128));
  EXPECT_EQ(image.pixel(300, 18), kWhite);
  EXPECT_EQ(image.pixel(119, 100), qRgb(228, 228, 228));  // right edge of column 1 (ends at 120)
  EXPECT_EQ(image.pixel(70, 53), qRgb(228, 228, 228));    // bottom of row 2 (ends at 54)
  EXPECT_EQ(image.pixel(70, 45), kWhite);
}

TEST_F(TablePaintTest, NumbersAlignRightTextsLeftAndWideNumbersBecomeABar) {
  TableStoreCellText(table_, 2, 1, "7");
  TableStoreCellText(table_, 3, 1, "word");
  TableStoreCellText(table_, 4, 1, "12345678901234567");
  const QImage image = Paint();
  const CellRect number = RectOf(2, 1);
  const int mid = (number.left + number.right) / 2;
  EXPECT_GT(CountNot(image, mid, number.top + 2, number.right - 2, number.bottom - 2, kWhite), 0);
  EXPECT_EQ(CountNot(image, number.left + 2, number.top + 2, mid, number.bottom - 2, kWhite), 0);
  const CellRect word = RectOf(3, 1);
  EXPECT_GT(CountNot(image, word.left + 2, word.top + 2, mid, word.bottom - 2, kWhite), 0);
  EXPECT_EQ(CountNot(image, mid + 10, word.top + 2, word.right - 2, word.bottom - 2, kWhite), 0);
  const CellRect wide = RectOf(4, 1);
  EXPECT_EQ(image.pixel(mid, (wide.top + wide.bottom) / 2), qRgb(225, 226, 227));
  EXPECT_EQ(image.pixel(wide.left + 1, (wide.top + wide.bottom) / 2), kWhite);
}

TEST_F(TablePaintTest, BorderCodeFiveDrawsTwoPixelSideEdgesOnly) {
  TableCell& cell = *TableCellAt(T(), 4, 2);
  cell.iBorderStyle = 5;
  cell.iBorderRed = 0;
  cell.iBorderGreen = 0;
  cell.iBorderBlue = 255;
  const QImage image = Paint();
  const CellRect r = RectOf(4, 2);
  const int midY = (r.top + r.bottom) / 2;
  const int midX = (r.left + r.right) / 2;
  const QRgb blue = qRgb(0, 0, 255);
  EXPECT_EQ(image.pixel(r.left, midY), blue);
  EXPECT_EQ(image.pixel(r.left + 1, midY), blue);
  EXPECT_NE(image.pixel(r.left + 2, midY), blue);
  EXPECT_EQ(image.pixel(r.right - 1, midY), blue);
  EXPECT_EQ(image.pixel(r.right - 2, midY), blue);
  EXPECT_NE(image.pixel(r.right - 3, midY), blue);
  EXPECT_NE(image.pixel(midX, r.top), blue);
  EXPECT_NE(image.pixel(midX, r.bottom - 1), blue);
}

TEST_F(TablePaintTest, FillsSelectionAndRedText) {
  TableCell& filled = *TableCellAt(T(), 2, 2);
  filled.iFillOn = 1;
  filled.iFillRed = 10;
  filled.iFillGreen = 200;
  filled.iFillBlue = 30;
  T().selRowFrom[0] = T().selRowTo[0] = 5;
  T().selColFrom[0] = T().selColTo[0] = 3;
  T().selKind[0] = SELECT_BLOCK;
  TableStoreCellText(table_, 6, 1, "WWWW");
  TableCell& white = *TableCellAt(T(), 6, 1);
  SetCellTextColour(white, DEFAULT_TEXT_HUE, 240, DEFAULT_TEXT_SAT);  // white text: its red part is 255, so it shows pure red
  const QImage image = Paint();
  const CellRect f = RectOf(2, 2);
  EXPECT_EQ(image.pixel(f.left + 5, f.top + 5), qRgb(10, 200, 30));
  const CellRect s = RectOf(5, 3);
  EXPECT_EQ(image.pixel(s.left + 5, s.top + 5), qRgb(220, 220, 220));
  EXPECT_EQ(image.pixel(s.left + 5, 5), qRgb(220, 220, 220));  // its column header
  EXPECT_EQ(image.pixel(5, s.top + 5), qRgb(220, 220, 220));   // its row header
  const CellRect w = RectOf(6, 1);
  int reddish = 0;
  int otherInk = 0;
  for (int y = w.top; y < w.bottom; ++y) {
    for (int x = w.left + 2; x < w.right - 2; ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c == Qt::white) continue;
      (c.red() > 200 && c.green() < c.red() - 60 && c.blue() < c.red() - 60 ? reddish : otherInk)++;
    }
  }
  EXPECT_GT(reddish, 20);
  EXPECT_LT(otherInk, reddish);
}

TEST_F(TablePaintTest, LockedRowStaysInPlaceWhileScrolling) {
  TableStoreCellText(table_, 3, 1, "locked");
  T().lockRowUsed[0] = 1;
  T().lockRowIndex[0] = 3;
  T().lockRowSlot[0] = 0;
  T().bRowsLocked = 1;
  const QImage before = Paint();
  for (int i = 0; i < 40; ++i) SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_LINE_DOWN, 0));
  EXPECT_EQ(T().iTopRow, 41);
  const QImage after = Paint();
  const QRect firstRow(42, 19, 70, 16);
  EXPECT_EQ(before.copy(firstRow), after.copy(firstRow));
  EXPECT_GT(CountNot(after, firstRow.left(), firstRow.top(), firstRow.right(), firstRow.bottom(), kWhite), 0);
}

TEST_F(TablePaintTest, PageDownOnTheLastPageAndTheRealScrollBar) {
  SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_THUMB_TRACK, 1995));
  SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_PAGE_DOWN, 0));
  EXPECT_EQ(T().iTopRow, 2000);
  EXPECT_FALSE(Paint().isNull());
  // The widget's own scroll bar sends the same requests.
  QWidget* frame = OuterWidgetOf(table_)->findChild<QWidget*>(QStringLiteral("cartovel-scroll-frame"));
  auto* bar = frame ? frame->findChild<QScrollBar*>(QStringLiteral("vbar")) : nullptr;
  ASSERT_NE(bar, nullptr);
  bar->triggerAction(QAbstractSlider::SliderToMinimum);
  EXPECT_EQ(T().iTopRow, 1);
  EXPECT_EQ(bar->value(), 1);
  bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(T().iTopRow, 2);
  EXPECT_EQ(bar->value(), 2);
}

TEST_F(TablePaintTest, ShrinkingBelowEighteenPixelsShowsSquares) {
  TableStoreCellText(table_, 2, 2, "5");
  SetModifierState(MK_CONTROL);
  for (int i = 0; i < 70 && !T().bImageView; ++i) {
    SendMessageTo(table_, MSG_MOUSEWHEEL, static_cast<std::uintptr_t>(120) << 16, 0);
  }
  SetModifierState(0);
  ASSERT_EQ(T().bImageView, 1);
  const QImage image = Paint();
  const CellRect r = RectOf(2, 2);
  EXPECT_EQ(image.pixel((r.left + r.right) / 2, (r.top + r.bottom) / 2), qRgb(235, 236, 237));
  // No grid lines in the picture.
  EXPECT_EQ(Count(image, T().colWidth[0] + 1, T().rowHeight[0] + 1, image.width(), image.height(), qRgb(228, 228, 228)),
            0);
}

TEST_F(TablePaintTest, FormulaMarksAndTheBrowseHint) {
  SetCellFormulaSlot(*TableCellAt(T(), 3, 3), 0);
  T().formulaSlots[0].iState = FORMULA_RUN;
  SetCellFormulaSlot(*TableCellAt(T(), 4, 3), 1);
  T().formulaSlots[1].iState = FORMULA_INACTIVE;
  QImage image = Paint();
  const CellRect run = RectOf(3, 3);
  const CellRect inactive = RectOf(4, 3);
  EXPECT_EQ(image.pixel(run.right - 2, run.bottom - 5), qRgb(0, 202, 0));
  EXPECT_EQ(image.pixel(inactive.right - 2, inactive.bottom - 5), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(run.right - 12, run.bottom - 2), kWhite);
  // No hint without a linked chart; a raised grey box 380 x 20 with one.
  EXPECT_NE(image.pixel(image.width() - 200, image.height() - 10), qRgb(192, 192, 192));
  T().hChartWindow = Program().hFrameWnd;  // any live window stands for the chart here
  image = Paint();
  T().hChartWindow = WindowHandle::None;
  EXPECT_EQ(image.pixel(image.width() - 375, image.height() - 3), qRgb(192, 192, 192));
  EXPECT_EQ(image.pixel(image.width() - 380, image.height() - 10), kWhite);  // its raised left edge
  EXPECT_NE(image.pixel(image.width() - 381, image.height() - 10), qRgb(192, 192, 192));
}

// Sizes that must never crash or paint outside the client.
TEST_F(TablePaintTest, ZeroSizesAndExtremeTablesPaintSafely) {
  T().colWidth[2] = 0;
  T().rowHeight[2] = 0;
  T().colWidth[0] = 0;
  T().rowHeight[0] = 0;
  TableStoreCellText(table_, 2, 2, "12345678901234567");
  EXPECT_FALSE(Paint().isNull());
  for (auto [rows, cols] : {std::pair{16385, 51}, {51, 16385}}) {
    ASSERT_EQ(SetImportTableSize(table_, rows, cols), 0);
    RelabelHeaders(table_);
    for (int pos : {-5, 0, rows + 100, 1 << 20}) {
      SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_THUMB_TRACK, pos));
      SendMessageTo(table_, MSG_HSCROLL, MakeScrollParam(SCROLL_THUMB_TRACK, pos));
      SendMessageTo(table_, MSG_VSCROLL, MakeScrollParam(SCROLL_PAGE_DOWN, 0));
      SendMessageTo(table_, MSG_HSCROLL, MakeScrollParam(SCROLL_PAGE_UP, 0));
      const QImage image = Paint();
      EXPECT_EQ(image.size(), QSize(T().iClientWidth, T().iClientHeight));
      EXPECT_GE(T().iTopRow, 1);
      EXPECT_LE(T().iTopRow, rows - 1);
      EXPECT_LE(T().iLeftCol, cols - 1);
    }
  }
}

}  // namespace
