// The system clipboard on a real X server: a block copied in a table is
// what another program (xclip) reads, and text that program puts there
// pastes as cells; a copied chart is an image other programs read as PNG.
// Runs under scripts/with-x on the xcb platform.
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTest>

#include <string>

#include <gtest/gtest.h>

#include "platform/clipboard.h"
#include "platform/qt/qt_backend.h"
#include "platform/timers.h"
#include "plots/chart_window.h"
#include "resources/command_ids.h"
#include "support/qt_table.h"
#include "table/cell_store.h"
#include "table/table_range.h"
#include "table/table_window_ops.h"

namespace {

class X11ClipboardTest : public QtTableTest {
 protected:
  void Select(int r0, int c0, int r1, int c1) {
    TableRecord& t = RecordOf(table_);
    ResetSelection(t);
    t.selRowFrom[0] = r0;
    t.selColFrom[0] = c0;
    t.selRowTo[0] = r1;
    t.selColTo[0] = c1;
    t.selKind[0] = SELECT_BLOCK;
  }
  // Run xclip with `args`, feeding it `input`, while this program keeps
  // serving the clipboard; its output.
  static std::string RunXclip(const QStringList& args, const QByteArray& input = {}) {
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), args);
    if (!xclip.waitForStarted(5000)) return "(xclip did not start)";
    if (!input.isNull()) {
      xclip.write(input);
      xclip.closeWriteChannel();
    }
    for (int i = 0; i < 3000 && xclip.state() != QProcess::NotRunning; ++i) {
      QCoreApplication::processEvents();
      xclip.waitForFinished(10);
    }
    return xclip.readAllStandardOutput().toStdString();
  }
};

TEST_F(X11ClipboardTest, BlocksGoToOtherProgramsAndTheirTextComesBack) {
  ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run under scripts/with-x";
  TableSetCellText(table_, 1, 1, "a");
  TableSetCellText(table_, 1, 2, "b");
  TableSetCellText(table_, 2, 1, "1.5");
  TableSetCellText(table_, 2, 2, "温度");
  Select(1, 1, 2, 2);
  QTest::keyClick(WidgetOf(table_), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(RunXclip({"-o", "-selection", "clipboard"}), "a\tb\r\n1.5\t温度\r\n");

  // Text from elsewhere: LF line ends, no last line end.
  RunXclip({"-i", "-selection", "clipboard"}, QByteArray("x\ty\nz\t湿度"));
  for (int i = 0; i < 2000 && ClipboardGetText() != "x\ty\nz\t湿度"; ++i) QTest::qWait(10);
  Select(5, 1, 5, 1);
  QTest::keyClick(WidgetOf(table_), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(TableCellDisplayText(table_, 5, 1), "x");
  EXPECT_EQ(TableCellDisplayText(table_, 5, 2), "y");
  EXPECT_EQ(TableCellDisplayText(table_, 6, 1), "z");
  EXPECT_EQ(TableCellDisplayText(table_, 6, 2), "湿度");
}

// "Copy" of a chart: an image of its client that xclip reads as PNG.
TEST_F(X11ClipboardTest, ChartCopyIsAnImageForOtherPrograms) {
  ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb")) << "run under scripts/with-x";
  for (int r = 1; r <= 20; ++r) TableSetCellText(table_, r, 1, std::to_string(r * r % 37));
  TableRecord& t = RecordOf(table_);
  ResetSelection(t);
  t.selKind[0] = SELECT_COLUMNS;
  t.selRowFrom[0] = 1;
  t.selRowTo[0] = t.iRows - 1;
  t.selColFrom[0] = t.selColTo[0] = 1;
  SendCommand(table_, CMD_VIEW_2D_PLOT);
  const WindowHandle chart = RecordOf(table_).hChartWindow;
  ASSERT_NE(ChartOf(chart), nullptr);
  FireTimer(chart, TIMER_CHART_START);
  ProcessEvents();
  SendCommand(chart, CMD_CHART_COPY);
  const std::string png = RunXclip({"-o", "-selection", "clipboard", "-t", "image/png"});
  const QImage image = QImage::fromData(QByteArray(png.data(), static_cast<qsizetype>(png.size())), "PNG");
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), ChartOf(chart)->iClientWidth);
  EXPECT_EQ(image.height(), ChartOf(chart)->iClientHeight);
}

}  // namespace
