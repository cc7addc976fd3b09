// Test support: table windows of the running program driven with real
// mouse events on their widgets.
#pragma once

#include <QPoint>

#include <string>

#include "platform/window.h"
#include "support/qt_program.h"
#include "table/table_record.h"

class QWidget;

// A new table through the frame's "New" command, its document sized
// 600 x 400 in a 700 x 500 MDI area, past its activation timer.
WindowHandle NewTableWindow();
// Size a table's document 600 x 400 in a 700 x 500 MDI area.
void SizeTableWindow(WindowHandle table);
// Wait until a table that just became active takes clicks.
void SettleActivation(WindowHandle table);

TableRecord& RecordOf(WindowHandle table);
// The middle of a shown cell in the table's client coordinates.
QPoint CellMiddle(WindowHandle table, int row, int col);

// A double click as the window system delivers it: press, release,
// double click, release (QTest's double click alone is only the third).
void DoubleClickAt(QWidget* widget, QPoint at);
// Press on one point, move to another and release there.
void DragSelect(QWidget* widget, QPoint from, QPoint to);

// The program started with its frame as the active window, as on a
// desktop (so that a click moves the focus and with it the active
// document), and one new table in it.
class QtTableTest : public QtProgramTest {
 protected:
  void SetUp() override;
  WindowHandle table_{};
};
