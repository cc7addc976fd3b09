// Pop-up menus on Qt: a QMenu run modally at the window's client point;
// separators are lines, grayed items disabled actions.
#include <QAction>
#include <QMenu>
#include <QPoint>
#include <QString>
#include <QWidget>

#include "platform/popup_menu.h"
#include "platform/qt/qt_backend.h"

int QtBackend::RunPopupMenu(WindowHandle owner, int x, int y, const PopupMenuList& list) {
  QWidget* widget = WidgetOf(owner);
  if (!widget || list.items.empty()) return 0;
  QMenu menu(widget);
  for (const PopupMenuItem& item : list.items) {
    if (item.iCommand == 0) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(QString::fromStdString(item.szText));
    action->setData(item.iCommand);
    action->setEnabled(!item.bGrayed);
  }
  QAction* chosen = menu.exec(widget->mapToGlobal(QPoint(x, y)));
  return chosen ? chosen->data().toInt() : 0;
}
