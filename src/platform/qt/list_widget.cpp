#include "platform/qt/list_widget.h"

#include <QAbstractItemView>

#include <algorithm>

#include "platform/list_control.h"
#include "platform/qt/edit_widget.h"
#include "platform/qt/qt_backend.h"

namespace {

void SyncListView(WindowHandle hwnd) {
  if (auto* widget = qobject_cast<ListWidget*>(WidgetOf(hwnd))) widget->SyncFromControl();
}

}  // namespace

ListWidget::ListWidget(WindowHandle hwnd, QWidget* parent) : QComboBox(parent), hwnd_(hwnd) {
  setFocusPolicy(Qt::StrongFocus);
  setSizeAdjustPolicy(QComboBox::AdjustToContentsOnFirstShow);
  connect(this, &QComboBox::activated, this, &ListWidget::OnActivated);
}

bool ListWidget::Attached() const { return !IsNone(hwnd_) && WindowPeer(hwnd_) == this; }

void ListWidget::SyncFromControl() {
  if (!Attached()) return;
  bSyncing_ = true;
  const int n = ListCount(hwnd_);
  bool same = count() == n;
  for (int i = 0; same && i < n; ++i) same = itemText(i).toStdString() == ListEntry(hwnd_, i);
  if (!same) {
    clear();
    for (int i = 0; i < n; ++i) addItem(QString::fromStdString(ListEntry(hwnd_, i)));
  }
  if (currentIndex() != ListCurrent(hwnd_)) setCurrentIndex(ListCurrent(hwnd_));
  const QFont qfont = WidgetFontFor(this->font(), ListFontOf(hwnd_));
  if (qfont != this->font()) setFont(qfont);
  // The drop-down is as wide as its longest entry, however narrow the box.
  int widest = 0;
  for (int i = 0; i < n; ++i) widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(i)));
  view()->setMinimumWidth(widest + 30);
  bSyncing_ = false;
}

void ListWidget::OnActivated(int index) {
  if (bSyncing_ || !Attached()) return;
  ListChoose(hwnd_, index);
}

QWidget* CreateListWidget(WindowHandle hwnd, QWidget* parent) {
  SetListViewSync(SyncListView);
  auto* widget = new ListWidget(hwnd, parent);
  SetWindowPeer(hwnd, widget);
  const WindowRect rect = WindowRectOf(hwnd);
  widget->setGeometry(rect.x, rect.y, std::max(rect.cx, 0), std::max(rect.cy, 0));
  widget->setVisible((WindowStyleOf(hwnd) & STYLE_VISIBLE) != 0);
  widget->SyncFromControl();
  return widget;
}
