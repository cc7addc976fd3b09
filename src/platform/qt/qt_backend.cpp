#include "platform/qt/qt_backend.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMoveEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QGridLayout>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QUrl>

#include <type_traits>

#include "platform/clipboard.h"
#include "platform/cursor.h"
#include "platform/dialogs.h"
#include "platform/edit_control.h"
#include "platform/keys.h"
#include "platform/list_control.h"
#include "platform/menu.h"
#include "platform/qt/dialog_views.h"
#include "platform/qt/edit_widget.h"
#include "platform/qt/list_widget.h"
#include "platform/qt/window_widget.h"
#include "platform/scrollbar.h"
#include "platform/timers.h"

namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A window frame whose close button asks the window procedure instead of
// closing: the frame and pop-up windows on a QMainWindow, documents on a
// QMdiSubWindow. The procedure destroys the window when it agrees.
template <typename Base>
class AskingFrame final : public Base {
 public:
  explicit AskingFrame(WindowHandle hwnd) : hwnd_(hwnd) {}
  void detach() { hwnd_ = WindowHandle::None; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (!IsNone(hwnd_)) SendMessageTo(hwnd_, MSG_CLOSE);
  }
  // A document frame that moved asks its procedure where it may stay (a
  // chart keeps below the tool band); a maximised or minimised one is left.
  void moveEvent(QMoveEvent* event) override {
    Base::moveEvent(event);
    if constexpr (std::is_same_v<Base, QMdiSubWindow>) {
      QWidget* parent = this->parentWidget();
      if (IsNone(hwnd_) || !parent || this->isMaximized() || this->isMinimized()) return;
      const QRect now = this->geometry();
      WindowRect place{now.x(), now.y(), now.width(), now.height()};
      SendMessageTo(hwnd_, MSG_MOVING, static_cast<std::uintptr_t>(std::max(parent->height(), 0)),
                    reinterpret_cast<std::intptr_t>(&place));
      const QRect wanted(place.x, place.y, place.cx, place.cy);
      if (wanted != now && wanted.isValid()) this->setGeometry(wanted);
    }
  }
  // F1 that no window inside took (none has the focus, or it has no use
  // for the key) goes to the window itself.
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() == Qt::Key_F1 && !IsNone(hwnd_)) {
      SendMessageTo(hwnd_, MSG_KEYDOWN, KEY_F1, 0);
      return;
    }
    Base::keyPressEvent(event);
  }

 private:
  WindowHandle hwnd_;
};

using TopLevelWindow = AskingFrame<QMainWindow>;
using DocumentSubWindow = AskingFrame<QMdiSubWindow>;

// Fill a window's background with its class background, as the system does
// before a window paints.
void ApplyClassBackground(QWidget* widget, WindowHandle hwnd) {
  const WindowClassInfo* cls = FindWindowClass(WindowClassName(hwnd));
  if (!cls) return;
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, cls->iBackground == BACKGROUND_LIGHT_GREY ? QColor(192, 192, 192) : Qt::white);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

// The client widget of a window with scroll bars sits in a frame with the
// bars beside and below it, so the client area excludes them.
const char kScrollFrame[] = "cartovel-scroll-frame";

QScrollBar* BarOf(WindowHandle hwnd, int bar) {
  QWidget* widget = WidgetOf(hwnd);
  QWidget* frame = widget ? widget->parentWidget() : nullptr;
  if (!frame || frame->objectName() != QLatin1String(kScrollFrame)) return nullptr;
  return frame->findChild<QScrollBar*>(bar == SCROLLBAR_VERT ? QStringLiteral("vbar") : QStringLiteral("hbar"));
}

int RequestOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return SCROLL_LINE_DOWN;
    case QAbstractSlider::SliderSingleStepSub: return SCROLL_LINE_UP;
    case QAbstractSlider::SliderPageStepAdd: return SCROLL_PAGE_DOWN;
    case QAbstractSlider::SliderPageStepSub: return SCROLL_PAGE_UP;
    case QAbstractSlider::SliderToMinimum: return SCROLL_TOP;
    case QAbstractSlider::SliderToMaximum: return SCROLL_BOTTOM;
    case QAbstractSlider::SliderMove: return SCROLL_THUMB_TRACK;
    default: return -1;
  }
}

// Wrap a client widget with the scroll bars its style asks for.
QWidget* WithScrollBars(WindowHandle hwnd, WindowWidget* client, unsigned style) {
  if (!(style & (STYLE_HSCROLL | STYLE_VSCROLL))) return client;
  auto* frame = new QWidget;
  frame->setObjectName(QLatin1String(kScrollFrame));
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  grid->addWidget(client, 0, 0);
  for (int bar : {SCROLLBAR_VERT, SCROLLBAR_HORZ}) {
    if (!(style & (bar == SCROLLBAR_VERT ? STYLE_VSCROLL : STYLE_HSCROLL))) continue;
    auto* scroll = new QScrollBar(bar == SCROLLBAR_VERT ? Qt::Vertical : Qt::Horizontal);
    scroll->setObjectName(bar == SCROLLBAR_VERT ? QStringLiteral("vbar") : QStringLiteral("hbar"));
    scroll->setFocusPolicy(Qt::NoFocus);
    QObject::connect(scroll, &QAbstractSlider::actionTriggered, [hwnd, bar, scroll](int action) {
      const int request = RequestOf(action);
      if (request < 0) return;
      SendMessageTo(hwnd, bar == SCROLLBAR_VERT ? MSG_VSCROLL : MSG_HSCROLL,
                    MakeScrollParam(request, scroll->sliderPosition()));
      // The window has set the position it wants; keep it.
      scroll->setSliderPosition(ScrollBarOf(hwnd, bar).iPos);
    });
    if (bar == SCROLLBAR_VERT) {
      grid->addWidget(scroll, 0, 1);
    } else {
      grid->addWidget(scroll, 1, 0);
    }
  }
  return frame;
}

// The area that holds the documents. Ctrl+Tab and Ctrl+Shift+Tab step
// through every document in turn (Qt's own area would go back and forth
// between the last two).
class DocumentArea final : public QMdiArea {
 public:
  using QMdiArea::QMdiArea;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool control = key->modifiers() & Qt::ControlModifier;
      // Qt's area starts its own switching on Control; it is not used.
      if (key->key() == Qt::Key_Control) return false;
      if (control && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && OwnsWidget(object)) {
        if (event->type() == QEvent::KeyPress) {
          if (key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier)) {
            activateNextSubWindow();
          } else {
            activatePreviousSubWindow();
          }
        }
        return true;
      }
    }
    return QMdiArea::eventFilter(object, event);
  }

 private:
  // Whether a key goes to a widget inside this area.
  bool OwnsWidget(QObject* object) const {
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && (widget == this || isAncestorOf(widget));
  }
};

QMdiArea* MdiAreaOf(WindowHandle hwnd) { return qobject_cast<QMdiArea*>(WidgetOf(hwnd)); }

// Where the next document placed by default goes: each one a title bar's
// height below and right of the one before, starting again at the corner
// when it would not fit.
QPoint CascadePosition(QMdiArea* area, QMdiSubWindow* sub, int cx, int cy) {
  const int step = std::max(sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub), 8);
  const int places = std::max(1, std::min((area->width() - cx) / step, (area->height() - cy) / step) + 1);
  const int n = static_cast<int>(area->subWindowList().size()) - 1;  // the new one is in the list
  const int at = (n < 0 ? 0 : n % places) * step;
  return {at, at};
}

QWidget* ParentWidgetOf(WindowHandle hwnd) {
  QWidget* widget = WidgetOf(hwnd);
  return widget ? widget->window() : nullptr;
}

QString MessageText(const std::string& text) {
  QString out = FromUtf8(text);
  out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return out;
}

// "Name (*.a;*.b)" and "*.a;*.b" become the Qt filter "Name (*.a *.A *.b *.B)".
QString QtFilter(const FileFilter& filter) {
  QString name = FromUtf8(filter.szName);
  name.remove(QRegularExpression(QStringLiteral("\\s*\\([^()]*\\)\\s*$")));
  QStringList patterns;
  for (const QString& pattern : FromUtf8(filter.szPattern).split(u';', Qt::SkipEmptyParts)) {
    const QString p = pattern.trimmed();
    patterns << p;
    if (p.toUpper() != p) patterns << p.toUpper();
  }
  return name + QStringLiteral(" (") + patterns.join(u' ') + u')';
}

// A message box. A question has no escape answer: Escape and the title
// bar's close leave it open until Yes or No is chosen (Qt would take No).
class MessageBox final : public QMessageBox {
 public:
  MessageBox(const QString& caption, const QString& text, bool yesNo, QWidget* parent)
      : QMessageBox(QMessageBox::Information, caption, text,
                    yesNo ? (QMessageBox::Yes | QMessageBox::No) : QMessageBox::Ok, parent),
        bYesNo_(yesNo) {
    if (yesNo) setWindowFlag(Qt::WindowCloseButtonHint, false);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (bYesNo_ && event->matches(QKeySequence::Cancel)) return;
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (bYesNo_) {
      event->ignore();
      return;
    }
    QMessageBox::closeEvent(event);
  }

 private:
  bool bYesNo_;
};

int RunMessageBox(DialogRequest& request) {
  const bool yesNo = request.kind == DIALOG_YES_NO;
  MessageBox box(FromUtf8(request.szCaption), MessageText(request.szText), yesNo, ParentWidgetOf(request.hOwner));
  const int answer = box.exec();
  if (!yesNo) return BUTTON_OK;
  return answer == QMessageBox::Yes ? BUTTON_YES : BUTTON_NO;
}

int RunFileDialog(DialogRequest& request) {
  const bool save = request.kind == DIALOG_SAVE_FILE;
  QFileDialog dialog(ParentWidgetOf(request.hOwner), QString(), FromUtf8(request.szStartDir));
  QStringList filters;
  for (const FileFilter& filter : request.filters) filters << QtFilter(filter);
  dialog.setNameFilters(filters);
  if (save) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.bPromptOverwrite);
    // A name typed without an extension takes the one of the chosen filter.
    const auto suffixOf = [](const QString& filter) {
      const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter);
      return m.hasMatch() ? m.captured(1) : QString();
    };
    if (!filters.isEmpty()) dialog.setDefaultSuffix(suffixOf(filters.first()));
    QObject::connect(&dialog, &QFileDialog::filterSelected,
                     [&dialog, suffixOf](const QString& filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
  } else {
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.bMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return BUTTON_CANCEL;
  request.szPath = dialog.selectedFiles().first().toStdString();
  return BUTTON_OK;
}

// Show a menu item's text (with the key it only shows after a tab),
// bound key and state on its action.
void ApplyMenuItem(QAction* action, const MenuItemSpec& item) {
  const std::string text = item.szKeyHint.empty() ? item.szText : item.szText + "\t" + item.szKeyHint;
  action->setText(FromUtf8(text));
  action->setShortcut(item.szShortcut.empty() ? QKeySequence() : QKeySequence(FromUtf8(item.szShortcut)));
  action->setEnabled(!item.bGrayed);
  action->setCheckable(item.bChecked);
  action->setChecked(item.bChecked);
}

// Whether the bar holds the same menus with the same commands and
// separators in the same places.
bool MenuHasShape(QMenuBar* bar, const MenuBarSpec& menu) {
  const QList<QAction*> tops = bar->actions();
  if (tops.size() != static_cast<qsizetype>(menu.popups.size())) return false;
  for (qsizetype m = 0; m < tops.size(); ++m) {
    const QMenu* qmenu = tops[m]->menu();
    const std::vector<MenuItemSpec>& items = menu.popups[static_cast<std::size_t>(m)].items;
    if (!qmenu || qmenu->actions().size() != static_cast<qsizetype>(items.size())) return false;
    for (qsizetype i = 0; i < qmenu->actions().size(); ++i) {
      const QAction* action = qmenu->actions()[i];
      const MenuItemSpec& item = items[static_cast<std::size_t>(i)];
      if (action->isSeparator() != (item.iCommand == 0)) return false;
      if (item.iCommand != 0 && action->data().toUInt() != item.iCommand) return false;
    }
  }
  return true;
}

// Bring the texts, keys and states of a bar of the same shape up to date.
void UpdateMenuBar(QMenuBar* bar, const MenuBarSpec& menu) {
  const QList<QAction*> tops = bar->actions();
  for (qsizetype m = 0; m < tops.size(); ++m) {
    const MenuPopupSpec& popup = menu.popups[static_cast<std::size_t>(m)];
    tops[m]->setText(FromUtf8(popup.szText));
    const QList<QAction*> actions = tops[m]->menu()->actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
      const MenuItemSpec& item = popup.items[static_cast<std::size_t>(i)];
      if (item.iCommand != 0) ApplyMenuItem(actions[i], item);
    }
  }
}

Qt::CursorShape ShapeOfSlot(int slot) {
  switch (slot) {
    case CURSOR_WAIT: return Qt::WaitCursor;
    case CURSOR_BROWSE: return Qt::PointingHandCursor;
    case CURSOR_COL_BORDER: return Qt::SplitHCursor;
    case CURSOR_SELECT: return Qt::CrossCursor;
    case CURSOR_FORMULA_HANDLE: return Qt::UpArrowCursor;
    case CURSOR_ROW_BORDER: return Qt::SplitVCursor;
    case CURSOR_MOVE_RANGE: return Qt::SizeAllCursor;
    case CURSOR_FORMULA_ALIGNED: return Qt::DragCopyCursor;
    default: return Qt::ArrowCursor;
  }
}

// The coordinate cursor, drawn: a cross whose centre is the hot spot and a
// small pair of axes below right of it.
QCursor CoordinateCursor() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  for (const auto& [colour, width] : {std::pair{QColor(255, 255, 255), 3}, std::pair{QColor(0, 0, 0), 1}}) {
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(8, 1, 8, 15);
    p.drawLine(1, 8, 15, 8);
    p.drawLine(17, 14, 17, 28);  // Y axis
    p.drawLine(17, 28, 30, 28);  // X axis
    p.drawLine(15, 17, 17, 14);
    p.drawLine(19, 17, 17, 14);
    p.drawLine(27, 26, 30, 28);
    p.drawLine(27, 30, 30, 28);
  }
  return QCursor(pixmap, 8, 8);
}

QCursor CursorOfSlot(int slot) {
  if (slot == CURSOR_COORDINATE) return CoordinateCursor();
  return QCursor(ShapeOfSlot(slot));
}

}  // namespace

QWidget* WidgetOf(WindowHandle hwnd) { return static_cast<QWidget*>(WindowPeer(hwnd)); }

QWidget* OuterWidgetOf(WindowHandle hwnd) {
  QWidget* widget = WidgetOf(hwnd);
  if (!widget) return nullptr;
  if (widget->parentWidget() && widget->parentWidget()->objectName() == QLatin1String(kScrollFrame)) {
    widget = widget->parentWidget();
  }
  if (auto* sub = qobject_cast<QMdiSubWindow*>(widget->parentWidget())) return sub;
  if (auto* main = qobject_cast<QMainWindow*>(widget->parentWidget())) return main;
  return widget;
}

QtBackend::QtBackend() = default;

QtBackend::~QtBackend() {
  for (auto& [key, timer] : timers_) delete timer;
}

void QtBackend::WindowCreated(WindowHandle hwnd) {
  const unsigned style = WindowStyleOf(hwnd);
  const WindowHandle parent = WindowParent(hwnd);
  const WindowRect rect = WindowRectOf(hwnd);
  const QString title = QString::fromStdString(WindowTitle(hwnd));

  if (style & STYLE_MDICLIENT) {
    auto* area = new DocumentArea(WidgetOf(parent));
    area->setBackground(QColor(171, 171, 171));
    QObject::connect(area, &QMdiArea::subWindowActivated, [](QMdiSubWindow* sub) {
      QWidget* content = sub ? sub->widget() : nullptr;
      auto* w = qobject_cast<WindowWidget*>(content);
      // A document with scroll bars has its window widget inside the frame.
      if (!w && content) w = content->findChild<WindowWidget*>(QString(), Qt::FindDirectChildrenOnly);
      if (w && !IsNone(w->handle())) MdiActivate(w->handle());
    });
    SetWindowPeer(hwnd, area);
    area->show();
    return;
  }

  if ((style & STYLE_MDICHILD) && MdiAreaOf(parent)) {
    QMdiArea* area = MdiAreaOf(parent);
    auto* widget = new WindowWidget(hwnd, nullptr);
    ApplyClassBackground(widget, hwnd);
    auto* sub = new DocumentSubWindow(hwnd);
    sub->setWidget(WithScrollBars(hwnd, widget, style));
    sub->setWindowTitle(title);
    area->addSubWindow(sub);
    SetWindowPeer(hwnd, widget);
    const int cx = std::max(rect.cx == DEFAULT_POSITION ? area->width() * 3 / 4 : rect.cx, 200);
    const int cy = std::max(rect.cy == DEFAULT_POSITION ? area->height() * 3 / 4 : rect.cy, 150);
    const QPoint cascade = CascadePosition(area, sub, cx, cy);
    sub->setGeometry(rect.x == DEFAULT_POSITION ? cascade.x() : rect.x, rect.y == DEFAULT_POSITION ? cascade.y() : rect.y,
                     cx, cy);
    if (style & STYLE_MAXIMIZED) {
      sub->showMaximized();
    } else if (style & STYLE_VISIBLE) {
      sub->show();
    }
    return;
  }

  if (IsNone(parent) || (style & STYLE_POPUP)) {
    auto* main = new TopLevelWindow(hwnd);
    auto* widget = new WindowWidget(hwnd, main);
    ApplyClassBackground(widget, hwnd);
    main->setCentralWidget(WithScrollBars(hwnd, widget, style));
    main->setWindowTitle(title);
    SetWindowPeer(hwnd, widget);
    if (rect.x != DEFAULT_POSITION) main->move(rect.x, rect.y);
    if (rect.cx > 0 && rect.cy > 0) main->resize(rect.cx, rect.cy);
    if (style & STYLE_MAXIMIZED) {
      main->showMaximized();
    } else if (style & STYLE_VISIBLE) {
      main->show();
    }
    return;
  }

  if (WindowClassName(hwnd) == EDIT_CLASS) {
    CreateEditWidget(hwnd, WidgetOf(parent));
    return;
  }
  if (WindowClassName(hwnd) == LIST_CLASS) {
    CreateListWidget(hwnd, WidgetOf(parent));
    return;
  }
  auto* widget = new WindowWidget(hwnd, WidgetOf(parent));
  ApplyClassBackground(widget, hwnd);
  SetWindowPeer(hwnd, widget);
  widget->setGeometry(rect.x, rect.y, std::max(rect.cx, 0), std::max(rect.cy, 0));
  widget->setVisible((style & STYLE_VISIBLE) != 0);
}

void QtBackend::WindowDestroyed(WindowHandle hwnd) {
  QWidget* widget = WidgetOf(hwnd);
  if (!widget) return;
  QWidget* outer = OuterWidgetOf(hwnd);
  SetWindowPeer(hwnd, nullptr);
  if (auto* w = qobject_cast<WindowWidget*>(widget)) w->detach();
  if (auto* sub = dynamic_cast<DocumentSubWindow*>(outer)) {
    sub->detach();
    if (QMdiArea* area = sub->mdiArea()) area->removeSubWindow(sub);
  }
  if (auto* top = dynamic_cast<TopLevelWindow*>(outer)) top->detach();
  outer->hide();
  outer->deleteLater();
}

void QtBackend::WindowMoved(WindowHandle hwnd) {
  QWidget* outer = OuterWidgetOf(hwnd);
  if (!outer) return;
  const WindowRect r = WindowRectOf(hwnd);
  if (outer->isWindow()) {
    if (r.x != DEFAULT_POSITION) outer->move(r.x, r.y);
    outer->resize(std::max(r.cx, 1), std::max(r.cy, 1));
  } else {
    outer->setGeometry(r.x, r.y, std::max(r.cx, 0), std::max(r.cy, 0));
  }
}

void QtBackend::WindowShown(WindowHandle hwnd, bool show) {
  if (QWidget* outer = OuterWidgetOf(hwnd)) outer->setVisible(show);
}

void QtBackend::WindowTitleChanged(WindowHandle hwnd) {
  if (QWidget* outer = OuterWidgetOf(hwnd)) outer->setWindowTitle(QString::fromStdString(WindowTitle(hwnd)));
}

void QtBackend::WindowInvalidated(WindowHandle hwnd) {
  if (QWidget* widget = WidgetOf(hwnd)) widget->update();
}

void QtBackend::WindowRaised(WindowHandle hwnd) {
  if (QWidget* outer = OuterWidgetOf(hwnd)) outer->raise();
}

void QtBackend::WindowRestored(WindowHandle hwnd) {
  QWidget* outer = OuterWidgetOf(hwnd);
  if (outer && (outer->isMaximized() || outer->isMinimized())) outer->showNormal();
}

void QtBackend::WindowFocused(WindowHandle hwnd) {
  if (QWidget* widget = WidgetOf(hwnd)) widget->setFocus();
}

void QtBackend::MdiActivated(WindowHandle hwnd) {
  auto* sub = dynamic_cast<DocumentSubWindow*>(OuterWidgetOf(hwnd));
  if (sub && sub->mdiArea() && sub->mdiArea()->activeSubWindow() != sub) sub->mdiArea()->setActiveSubWindow(sub);
}

void QtBackend::MenuChanged(WindowHandle hwnd, const MenuBarSpec& menu) {
  auto* main = qobject_cast<QMainWindow*>(OuterWidgetOf(hwnd));
  if (!main) return;
  QMenuBar* bar = main->menuBar();
  // The menus keep their actions when only texts, keys and states changed
  // (the states change on every click into a table).
  if (MenuHasShape(bar, menu)) {
    UpdateMenuBar(bar, menu);
    return;
  }
  // The old menus go once the event that changed them is over: it may come
  // from one of their own actions.
  for (QAction* top : bar->actions()) {
    QMenu* old = top->menu();
    bar->removeAction(top);
    if (old) old->deleteLater();
  }
  for (const MenuPopupSpec& popup : menu.popups) {
    QMenu* qmenu = bar->addMenu(FromUtf8(popup.szText));
    for (const MenuItemSpec& item : popup.items) {
      if (item.iCommand == 0) {
        qmenu->addSeparator();
        continue;
      }
      QAction* action = qmenu->addAction(QString());
      action->setData(item.iCommand);
      ApplyMenuItem(action, item);
      const unsigned id = item.iCommand;
      QObject::connect(action, &QAction::triggered, [hwnd, id] { SendCommand(hwnd, id); });
    }
  }
}

void QtBackend::ScrollBarChanged(WindowHandle hwnd, int bar, const ScrollBarState& state) {
  QScrollBar* scroll = BarOf(hwnd, bar);
  if (!scroll) return;
  const QSignalBlocker blocker(scroll);
  scroll->setRange(state.iMin, state.iMax);
  scroll->setValue(state.iPos);
  scroll->setSliderPosition(state.iPos);
}

void QtBackend::WakeUp() {
  if (bWakeScheduled_) return;
  bWakeScheduled_ = true;
  QTimer::singleShot(0, qApp, [this] {
    bWakeScheduled_ = false;
    PumpPostedMessages();
  });
}

// Only a running event loop can end; asking Qt to exit without one would
// make the next modal dialog return at once. main() checks for a quit asked
// before its loop started.
void QtBackend::QuitRequested(int code) {
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(code);
}

void QtBackend::TimerStarted(WindowHandle hwnd, unsigned id, unsigned ms) {
  const auto key = std::make_pair(static_cast<std::uint32_t>(hwnd), id);
  QTimer*& timer = timers_[key];
  if (!timer) {
    timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [hwnd, id] { FireTimer(hwnd, id); });
  }
  timer->start(static_cast<int>(ms));
}

void QtBackend::TimerStopped(WindowHandle hwnd, unsigned id) {
  auto it = timers_.find(std::make_pair(static_cast<std::uint32_t>(hwnd), id));
  if (it == timers_.end()) return;
  it->second->stop();
  it->second->deleteLater();  // may be inside its own timeout
  timers_.erase(it);
}

int QtBackend::RunDialog(DialogRequest& request) {
  switch (request.kind) {
    case DIALOG_MESSAGE:
    case DIALOG_YES_NO:
      return RunMessageBox(request);
    case DIALOG_OPEN_FILE:
    case DIALOG_SAVE_FILE:
      return RunFileDialog(request);
    case DIALOG_CUSTOM:
      if (DialogViewFn view = FindDialogView(request.szName)) return view(ParentWidgetOf(request.hOwner), request);
      qWarning("no view for dialog \"%s\"", request.szName.c_str());
      return BUTTON_CANCEL;
  }
  return BUTTON_CANCEL;
}

void QtBackend::SetCursorShape(int slot) {
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
  if (slot != CURSOR_ARROW) QGuiApplication::setOverrideCursor(CursorOfSlot(slot));
  iCursor_ = slot;
}

int QtBackend::CurrentCursorShape() { return iCursor_; }

void QtBackend::SetClipboardText(std::string_view text) { QGuiApplication::clipboard()->setText(FromUtf8(text)); }

std::string QtBackend::ClipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

// The pixels move into the image the clipboard holds, which frees them
// when it goes: a window-sized image is not copied on its way.
void QtBackend::SetClipboardImage(ClipboardImage image) {
  if (image.iWidth <= 0 || image.iHeight <= 0) return;
  if (image.pixels.size() < static_cast<std::size_t>(image.iWidth) * static_cast<std::size_t>(image.iHeight)) return;
  auto* pixels = new std::vector<std::uint32_t>(std::move(image.pixels));
  const QImage held(
      reinterpret_cast<uchar*>(pixels->data()), image.iWidth, image.iHeight, image.iWidth * 4, QImage::Format_ARGB32,
      [](void* owned) { delete static_cast<std::vector<std::uint32_t>*>(owned); }, pixels);
  QGuiApplication::clipboard()->setImage(held);
}

ClipboardImage QtBackend::ClipboardImageData() {
  const QImage image = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_ARGB32);
  ClipboardImage out;
  if (image.isNull()) return out;
  out.iWidth = image.width();
  out.iHeight = image.height();
  out.pixels.resize(static_cast<std::size_t>(out.iWidth) * static_cast<std::size_t>(out.iHeight));
  for (int y = 0; y < out.iHeight; ++y) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    std::copy(line, line + out.iWidth, out.pixels.begin() + static_cast<std::ptrdiff_t>(y) * out.iWidth);
  }
  return out;
}

// xdg-open tells by its exit status (1 to 4) that it found no browser for
// the page, often seconds later; Qt's own call does not wait for it. The
// launcher runs on its own and a failure is reported when it ends.
bool QtBackend::OpenInBrowser(std::string_view path) {
  const QUrl url = QUrl::fromLocalFile(FromUtf8(path));
  auto* opener = new QProcess(qApp);
  opener->setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(opener, &QProcess::finished, opener,
                   [opener, page = std::string(path)](int code, QProcess::ExitStatus status) {
                     opener->deleteLater();
                     if (status == QProcess::NormalExit && code >= 1 && code <= 4) ReportBrowserFailed(page);
                   });
  opener->start(QStringLiteral("xdg-open"), {url.toString()});
  if (opener->waitForStarted(2000)) return true;
  delete opener;
  return QDesktopServices::openUrl(url);
}
