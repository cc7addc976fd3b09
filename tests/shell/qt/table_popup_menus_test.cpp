// The table's pop-up menus opened with a real right click on a header and
// on a cell: the items Qt shows with their states, and a chosen item
// reaching the table.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "platform/dialogs.h"
#include "platform/qt/qt_backend.h"
#include "resources/string_table.h"
#include "support/sampled_table.h"
#include "support/qt_program.h"
#include "support/qt_table.h"
#include "table/table_record.h"

namespace {

// The shown menu's items: "-" for a separator, a grayed item marked "(x)".
QStringList ItemsOf(QMenu* menu) {
  QStringList items;
  for (QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      items << "-";
    } else {
      items << action->text() + (action->isEnabled() ? "" : " (x)");
    }
  }
  return items;
}

// Once the pop-up shows: note its items, then click the item `choose`, or
// close the menu when there is none.
void WorkNextPopup(QStringList* items, const QString& choose) {
  QTimer::singleShot(100, [items, choose] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    *items = ItemsOf(menu);
    for (QAction* action : menu->actions()) {
      if (action->text() == choose && action->isEnabled()) {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        return;
      }
    }
    menu->close();
  });
}

class TablePopupMenusQtTest : public QtTableTest {
 protected:
  TableRecord& T() const { return RecordOf(table_); }
};

TEST_F(TablePopupMenusQtTest, RightClickOnAColumnHeaderShowsTheBarMenu) {
  const QPoint header(CellMiddle(table_, 1, 3).x(), 9);
  QStringList items;
  WorkNextPopup(&items, {});
  QTest::mouseClick(WidgetOf(table_), Qt::RightButton, {}, header);
  ProcessEvents();
  EXPECT_EQ(items, (QStringList{"Column Positon Lock", "-", "Hide", "-", "Delete ...", "Insert ...", "-", "Copy", "Cut",
                                "Paste"}));
  // The click selected the column.
  EXPECT_EQ(T().iSelCurrent, 0);
  EXPECT_EQ(T().selKind[0], SELECT_COLUMNS);
  EXPECT_EQ(T().selColFrom[0], 3);

  // With a second column added the lock cannot be chosen.
  QTest::mouseClick(WidgetOf(table_), Qt::LeftButton, Qt::ShiftModifier, QPoint(CellMiddle(table_, 1, 4).x(), 9));
  WorkNextPopup(&items, {});
  QTest::mouseClick(WidgetOf(table_), Qt::RightButton, {}, QPoint(CellMiddle(table_, 1, 4).x(), 9));
  ProcessEvents();
  ASSERT_FALSE(items.isEmpty());
  EXPECT_EQ(items[0], "Column Positon Lock (x)");
  EXPECT_EQ(items[2], "Hide");
}

TEST_F(TablePopupMenusQtTest, RightClickOnACellOfASampledBlockChoosesRemoveDetailedData) {
  // A sampled file's block over rows 2..50 and columns 1..5.
  TableRecord& t = T();
  MakeRowSampled(t);
  DragSelect(WidgetOf(table_), CellMiddle(table_, 3, 1), CellMiddle(table_, 3, 3));

  QStringList items;
  WorkNextPopup(&items, "Remove detailed data");
  DialogScriptPush(AnswerNo(TextIn(TXT_DETAIL_CAPTION_CONFIRM, false)));
  QTest::mouseClick(WidgetOf(table_), Qt::RightButton, {}, CellMiddle(table_, 3, 2));
  ProcessEvents();
  EXPECT_EQ(items, (QStringList{"Call Plug-in functions (x)",
                                "-",
                                "Get detailed data",
                                "Remove detailed data",
                                "-",
                                "Find data",
                                "Sort data",
                                "-",
                                "Copy",
                                "Cut (x)",
                                "Paste (x)",
                                "-",
                                "Set data property",
                                "-",
                                "View 2D plot",
                                "View 3D plot",
                                "Data trend color analysis",
                                "-",
                                "Declare as X coordinate",
                                "Declare as Y coordinate",
                                "Declare as Z coordinate",
                                "Remove Coordinate (x)"}));
  // The command reached the table: it asked before removing the block.
  ASSERT_EQ(DialogScriptShown().size(), 1u);
  EXPECT_EQ(DialogScriptShown()[0].szCaption, TextIn(TXT_DETAIL_CAPTION_CONFIRM, false));
  EXPECT_EQ(t.blocks[0].bInUse, 1);
}

}  // namespace
