#include "platform/backend.h"

#include <cstdio>

#include "platform/clipboard.h"
#include "platform/dialogs.h"

namespace {

// The backend of a program without a display: windows have no widgets,
// timers run only when fired, dialogs are answered with their cancel
// button (after telling stderr), the clipboard is a string or an image.
class HeadlessBackend final : public PlatformBackend {
 public:
  void WindowCreated(WindowHandle) override {}
  void WindowDestroyed(WindowHandle) override {}
  void WindowMoved(WindowHandle) override {}
  void WindowShown(WindowHandle, bool) override {}
  void WindowTitleChanged(WindowHandle) override {}
  void WindowInvalidated(WindowHandle) override {}
  void WindowFocused(WindowHandle) override {}
  void MdiActivated(WindowHandle) override {}
  void MenuChanged(WindowHandle, const MenuBarSpec&) override {}
  void ScrollBarChanged(WindowHandle, int, const ScrollBarState&) override {}
  void WakeUp() override {}
  void QuitRequested(int) override {}
  void TimerStarted(WindowHandle, unsigned, unsigned) override {}
  void TimerStopped(WindowHandle, unsigned) override {}

  int RunDialog(DialogRequest& request) override {
    if (request.kind == DIALOG_MESSAGE || request.kind == DIALOG_YES_NO) {
      std::fprintf(stderr, "%s: %s\n", request.szCaption.c_str(), request.szText.c_str());
    }
    return request.kind == DIALOG_MESSAGE ? BUTTON_OK
           : request.kind == DIALOG_YES_NO ? BUTTON_NO
                                           : BUTTON_CANCEL;
  }

  void SetCursorShape(int slot) override { iCursor = slot; }
  int CurrentCursorShape() override { return iCursor; }
  void SetClipboardText(std::string_view text) override {
    szClipboard = std::string(text);
    image = ClipboardImage{};
  }
  std::string ClipboardText() override { return szClipboard; }
  void SetClipboardImage(ClipboardImage picture) override {
    image = std::move(picture);
    szClipboard.clear();
  }
  ClipboardImage ClipboardImageData() override { return image; }
  bool OpenInBrowser(std::string_view) override { return false; }

 private:
  int iCursor = 0;
  std::string szClipboard;
  ClipboardImage image;
};

HeadlessBackend& Headless() {
  static HeadlessBackend backend;
  return backend;
}

PlatformBackend* pBackend = nullptr;

}  // namespace

PlatformBackend& Backend() { return pBackend ? *pBackend : Headless(); }

void SetBackend(PlatformBackend* backend) { pBackend = backend; }

namespace {
BrowserFailedFn pfnBrowserFailed = nullptr;
}  // namespace

void SetBrowserFailedHandler(BrowserFailedFn handler) { pfnBrowserFailed = handler; }

void ReportBrowserFailed(const std::string& path) {
  if (pfnBrowserFailed) pfnBrowserFailed(path);
}
