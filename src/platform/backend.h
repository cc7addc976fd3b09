// The display backend: what a window system must provide under the plain
// window core. Without one installed, the headless backend answers: windows
// have no widgets, timers fire only when asked to, dialogs give their
// cancel answer. The Qt backend lives in platform/qt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window.h"

struct ClipboardImage;
struct DialogRequest;
struct MenuBarSpec;
struct PopupMenuList;
struct ScrollBarState;

class PlatformBackend {
 public:
  virtual ~PlatformBackend() = default;

  // A window was created (after its record exists, before MSG_CREATE) or is
  // about to go. The backend may attach a widget with SetWindowPeer.
  virtual void WindowCreated(WindowHandle hwnd) = 0;
  virtual void WindowDestroyed(WindowHandle hwnd) = 0;
  virtual void WindowMoved(WindowHandle hwnd) = 0;
  virtual void WindowShown(WindowHandle hwnd, bool show) = 0;
  virtual void WindowTitleChanged(WindowHandle hwnd) = 0;
  virtual void WindowInvalidated(WindowHandle hwnd) = 0;
  virtual void WindowFocused(WindowHandle hwnd) = 0;
  virtual void WindowRaised(WindowHandle) {}
  virtual void WindowRestored(WindowHandle) {}
  virtual void MdiActivated(WindowHandle hwnd) = 0;
  virtual void MenuChanged(WindowHandle hwnd, const MenuBarSpec& menu) = 0;
  virtual void ScrollBarChanged(WindowHandle hwnd, int bar, const ScrollBarState& state) = 0;

  // Posted messages are waiting: arrange for PumpPostedMessages to run soon.
  virtual void WakeUp() = 0;
  virtual void QuitRequested(int code) = 0;

  // Timers: start (or restart) and stop. The backend calls FireTimer.
  virtual void TimerStarted(WindowHandle hwnd, unsigned id, unsigned ms) = 0;
  virtual void TimerStopped(WindowHandle hwnd, unsigned id) = 0;

  // A modal dialog or message box; returns the button pressed.
  virtual int RunDialog(DialogRequest& request) = 0;

  // A pop-up menu at a client point of a window; returns the chosen
  // command, 0 when dismissed (the headless answer).
  virtual int RunPopupMenu(WindowHandle, int, int, const PopupMenuList&) { return 0; }

  virtual void SetCursorShape(int slot) = 0;
  virtual int CurrentCursorShape() = 0;

  virtual void SetClipboardText(std::string_view text) = 0;
  virtual std::string ClipboardText() = 0;
  // An image on the clipboard (replacing its text), and the image it holds.
  virtual void SetClipboardImage(ClipboardImage image) = 0;
  virtual ClipboardImage ClipboardImageData() = 0;

  // Open a document in the desktop's browser; false when none could start.
  // A browser launcher that fails later reports it through
  // ReportBrowserFailed.
  virtual bool OpenInBrowser(std::string_view path) = 0;
};

// Who is told when a page that OpenInBrowser handed on could not be
// opened after all (the launcher found no browser); nullptr: nobody.
using BrowserFailedFn = void (*)(const std::string& path);
void SetBrowserFailedHandler(BrowserFailedFn handler);
void ReportBrowserFailed(const std::string& path);

// The installed backend (the headless one when none was set). Setting
// nullptr restores the headless backend.
PlatformBackend& Backend();
void SetBackend(PlatformBackend* backend);
