// The backend on Qt 6 Widgets: each window gets a widget, top-level windows
// a main window with a menu bar, MDI clients a QMdiArea and documents a
// QMdiSubWindow; timers are QTimers and dialogs Qt's.
#pragma once

#include <map>
#include <utility>

#include "platform/backend.h"

class QTimer;
class QWidget;

class QtBackend final : public PlatformBackend {
 public:
  QtBackend();
  ~QtBackend() override;

  void WindowCreated(WindowHandle hwnd) override;
  void WindowDestroyed(WindowHandle hwnd) override;
  void WindowMoved(WindowHandle hwnd) override;
  void WindowShown(WindowHandle hwnd, bool show) override;
  void WindowTitleChanged(WindowHandle hwnd) override;
  void WindowInvalidated(WindowHandle hwnd) override;
  void WindowFocused(WindowHandle hwnd) override;
  void WindowRaised(WindowHandle hwnd) override;
  void WindowRestored(WindowHandle hwnd) override;
  void MdiActivated(WindowHandle hwnd) override;
  void MenuChanged(WindowHandle hwnd, const MenuBarSpec& menu) override;
  void ScrollBarChanged(WindowHandle hwnd, int bar, const ScrollBarState& state) override;
  void WakeUp() override;
  void QuitRequested(int code) override;
  void TimerStarted(WindowHandle hwnd, unsigned id, unsigned ms) override;
  void TimerStopped(WindowHandle hwnd, unsigned id) override;
  int RunDialog(DialogRequest& request) override;
  int RunPopupMenu(WindowHandle owner, int x, int y, const PopupMenuList& menu) override;  // qt_popup_menu.cpp
  void SetCursorShape(int slot) override;
  int CurrentCursorShape() override;
  void SetClipboardText(std::string_view text) override;
  std::string ClipboardText() override;
  void SetClipboardImage(ClipboardImage image) override;
  ClipboardImage ClipboardImageData() override;
  bool OpenInBrowser(std::string_view path) override;

 private:
  std::map<std::pair<std::uint32_t, unsigned>, QTimer*> timers_;
  bool bWakeScheduled_ = false;
  int iCursor_ = 0;
};

// The widget that shows a window (for tests and the view layer): the window
// widget itself, not its MDI frame or main window; null when headless.
QWidget* WidgetOf(WindowHandle hwnd);
// The outer widget: the QMdiSubWindow of a document, the main window of a
// top-level window, else the widget itself.
QWidget* OuterWidgetOf(WindowHandle hwnd);
