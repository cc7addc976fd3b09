// The formula menu of a target's marker opened with a real right click:
// a pop-up menu whose chosen item acts on the formula.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "formula/formula_registry.h"
#include "platform/menu.h"
#include "platform/qt/qt_backend.h"
#include "platform/timers.h"
#include "resources/command_ids.h"
#include "support/qt_program.h"
#include "support/qt_table.h"
#include "table/cell_store.h"
#include "table/table_geometry.h"
#include "table/table_window.h"
#include "table/table_window_ops.h"

namespace {

class FormulaMarkerMenuTest : public QtTableTest {
 protected:
  TableRecord& T() const { return RecordOf(table_); }
};

TEST_F(FormulaMarkerMenuTest, ARightClickOnTheMarkerOpensTheMenu) {
  TableSetCellText(table_, 1, 1, "2");
  ASSERT_EQ(FormulaRun(table_, "R2C2", FORMULA_MODE_RUN, "R1C1*2", -1), 0);
  CellRect r{};
  ASSERT_TRUE(TableCellRectOf(T(), 2, 2, &r));
  const QPoint marker(r.right - 2, r.bottom - 2);

  QStringList items;
  QTimer::singleShot(100, [&items] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    for (QAction* action : menu->actions()) items << action->text();
    for (QAction* action : menu->actions())
      if (action->text() == "Inactive") {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        return;
      }
    menu->close();
  });
  QTest::mouseClick(WidgetOf(table_), Qt::RightButton, {}, marker);
  ProcessEvents();
  EXPECT_EQ(items, (QStringList{"View", "Delete", "Inactive", "Run"}));
  EXPECT_EQ(T().formulaSlots[0].iState, FORMULA_INACTIVE);
}

}  // namespace
