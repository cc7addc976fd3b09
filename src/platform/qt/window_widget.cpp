#include "platform/qt/window_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "platform/keys.h"

namespace {

// The modifier bits of an input event; they also become the program's
// modifier state, as the key state is on Windows.
std::uintptr_t KeysOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  std::uintptr_t keys = 0;
  if (buttons & Qt::LeftButton) keys |= MK_LBUTTON;
  if (buttons & Qt::RightButton) keys |= MK_RBUTTON;
  if (modifiers & Qt::ShiftModifier) keys |= MK_SHIFT;
  if (modifiers & Qt::ControlModifier) keys |= MK_CONTROL;
  SetModifierState(static_cast<unsigned>(keys));
  return keys;
}

// The key code of a Qt key; KEY_NONE for keys the program does not use.
// Digits of the numeric keypad have codes of their own (0x60 + digit).
unsigned KeyCodeOf(int key, Qt::KeyboardModifiers modifiers) {
  if ((modifiers & Qt::KeypadModifier) && key >= Qt::Key_0 && key <= Qt::Key_9) {
    return 0x60u + static_cast<unsigned>(key - Qt::Key_0);
  }
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
    return static_cast<unsigned>(key);  // Qt uses the same ASCII codes
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return KEY_F1 + static_cast<unsigned>(key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace: return KEY_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return KEY_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KEY_RETURN;
    case Qt::Key_Shift: return KEY_SHIFT;
    case Qt::Key_Control: return KEY_CONTROL;
    case Qt::Key_Alt: return KEY_MENU;
    case Qt::Key_Escape: return KEY_ESCAPE;
    case Qt::Key_Space: return KEY_SPACE;
    case Qt::Key_PageUp: return KEY_PRIOR;
    case Qt::Key_PageDown: return KEY_NEXT;
    case Qt::Key_End: return KEY_END;
    case Qt::Key_Home: return KEY_HOME;
    case Qt::Key_Left: return KEY_LEFT;
    case Qt::Key_Up: return KEY_UP;
    case Qt::Key_Right: return KEY_RIGHT;
    case Qt::Key_Down: return KEY_DOWN;
    case Qt::Key_Insert: return KEY_INSERT;
    case Qt::Key_Delete: return KEY_DELETE;
    default: return KEY_NONE;
  }
}

std::intptr_t PointOf(const QPointF& p) {
  return MakePointParam(static_cast<int>(p.x()), static_cast<int>(p.y()));
}

}  // namespace

WindowWidget::WindowWidget(WindowHandle hwnd, QWidget* parent) : QWidget(parent), hwnd_(hwnd) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
}

void WindowWidget::paintEvent(QPaintEvent*) {
  if (IsNone(hwnd_)) return;
  QPainter painter(this);
  SendMessageTo(hwnd_, MSG_PAINT, 0, reinterpret_cast<std::intptr_t>(&painter));
}

void WindowWidget::resizeEvent(QResizeEvent*) {
  if (IsNone(hwnd_)) return;
  const WindowRect r = WindowRectOf(hwnd_);
  WindowGeometryChanged(hwnd_, r.x, r.y, width(), height());
}

void WindowWidget::mousePressEvent(QMouseEvent* event) {
  if (IsNone(hwnd_)) return;
  const unsigned msg = event->button() == Qt::RightButton ? MSG_RBUTTONDOWN : MSG_LBUTTONDOWN;
  SendMessageTo(hwnd_, msg, KeysOf(event->buttons(), event->modifiers()), PointOf(event->position()));
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (IsNone(hwnd_)) return;
  const unsigned msg = event->button() == Qt::RightButton ? MSG_RBUTTONUP : MSG_LBUTTONUP;
  SendMessageTo(hwnd_, msg, KeysOf(event->buttons(), event->modifiers()), PointOf(event->position()));
}

void WindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (IsNone(hwnd_)) return;
  if (event->button() != Qt::LeftButton) {
    mousePressEvent(event);
    return;
  }
  SendMessageTo(hwnd_, MSG_LBUTTONDBLCLK, KeysOf(event->buttons(), event->modifiers()), PointOf(event->position()));
}

void WindowWidget::mouseMoveEvent(QMouseEvent* event) {
  if (IsNone(hwnd_)) return;
  SendMessageTo(hwnd_, MSG_MOUSEMOVE, KeysOf(event->buttons(), event->modifiers()), PointOf(event->position()));
}

void WindowWidget::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (!IsNone(hwnd_)) SendMessageTo(hwnd_, MSG_MOUSELEAVE);
}

void WindowWidget::wheelEvent(QWheelEvent* event) {
  if (IsNone(hwnd_)) return;
  const auto delta = static_cast<std::uint16_t>(static_cast<std::int16_t>(event->angleDelta().y()));
  const std::uintptr_t wParam = KeysOf(event->buttons(), event->modifiers()) | (static_cast<std::uintptr_t>(delta) << 16);
  SendMessageTo(hwnd_, MSG_MOUSEWHEEL, wParam, PointOf(event->position()));
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  if (IsNone(hwnd_)) return;
  const std::intptr_t modifiers = static_cast<std::intptr_t>(KeysOf({}, event->modifiers()));
  const unsigned key = KeyCodeOf(event->key(), event->modifiers());
  if (key != KEY_NONE) SendMessageTo(hwnd_, MSG_KEYDOWN, key, modifiers);
  const QString text = event->text();
  for (const char32_t c : text.toUcs4()) {
    if (c >= 0x20 && c != 0x7F && IsWindowAlive(hwnd_)) SendMessageTo(hwnd_, MSG_CHAR, c, modifiers);
  }
}

void WindowWidget::keyReleaseEvent(QKeyEvent* event) {
  if (IsNone(hwnd_)) return;
  const unsigned key = KeyCodeOf(event->key(), event->modifiers());
  if (key != KEY_NONE) {
    SendMessageTo(hwnd_, MSG_KEYUP, key, static_cast<std::intptr_t>(KeysOf({}, event->modifiers())));
  }
}

void WindowWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  if (!IsNone(hwnd_)) SendMessageTo(hwnd_, MSG_SETFOCUS);
}

void WindowWidget::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  if (!IsNone(hwnd_)) SendMessageTo(hwnd_, MSG_KILLFOCUS);
}
