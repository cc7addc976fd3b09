// The widget of a window: forwards Qt's events to the window procedure as
// messages and paints through MSG_PAINT with a QPainter.
#pragma once

#include <QWidget>

#include "platform/window.h"

class WindowWidget : public QWidget {
  Q_OBJECT
 public:
  WindowWidget(WindowHandle hwnd, QWidget* parent);
  WindowHandle handle() const { return hwnd_; }
  // The window is gone: stop forwarding events.
  void detach() { hwnd_ = WindowHandle::None; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Tab is a key like any other for a window (it moves no focus).
  bool focusNextPrevChild(bool) override { return false; }

 private:
  WindowHandle hwnd_;
};

// The painter of a MSG_PAINT message.
class QPainter;
inline QPainter* PainterOf(std::intptr_t lParam) { return reinterpret_cast<QPainter*>(lParam); }

