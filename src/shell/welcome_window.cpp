#include "shell/welcome_window.h"

#include "platform/keys.h"
#include "platform/timers.h"
#include "resources/command_ids.h"
#include "shell/program_state.h"
#include "shell/services.h"
#include "shell/window_classes.h"

namespace {

WelcomeState* StateOf(WindowHandle hwnd) {
  if (WindowClassName(hwnd) != CLASS_WELCOME) return nullptr;
  return static_cast<WelcomeState*>(WindowUserData(hwnd));
}

std::intptr_t OnCreate(WindowHandle hwnd) {
  auto* state = new WelcomeState;
  SetWindowUserData(hwnd, state);
  WindowCreateInfo strip;
  strip.szClass = CLASS_PICTURE_STRIP;
  strip.hParent = hwnd;
  strip.iStyle = STYLE_CHILD | STYLE_VISIBLE;
  state->hStrip = CreateWindowOf(strip);
  SetWaitCursor(0);
  ReadBitmapFile(CurrentDirectory() + "/CVLib/Root.bmp", &state->picture);
  SetWaitCursor(1);
  StartTimer(hwnd, TIMER_PICTURE_STRIP, 60);
  return 0;
}

void OnSize(WindowHandle hwnd, int height) {
  WelcomeState* state = StateOf(hwnd);
  if (!state) return;
  const WelcomeLayout layout = ComputeWelcomeLayout(height, state->picture.iHeight);
  MoveWindowTo(state->hStrip, layout.strip.x, layout.strip.y, layout.strip.cx, layout.strip.cy);
}

void OnDestroy(WindowHandle hwnd) {
  if (Program().hWelcomeWnd == hwnd) Program().hWelcomeWnd = WindowHandle::None;
  delete StateOf(hwnd);
  SetWindowUserData(hwnd, nullptr);
}

}  // namespace

const WelcomeState* WelcomeStateOf(WindowHandle hwnd) { return StateOf(hwnd); }

std::intptr_t WelcomeWindowProc(WindowHandle hwnd, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  switch (msg) {
    case MSG_CREATE:
      return OnCreate(hwnd);
    case MSG_SIZE:
      OnSize(hwnd, static_cast<int>(lParam));
      return 0;
    case MSG_TIMER:
      if (wParam == TIMER_PICTURE_STRIP) {
        if (WelcomeState* state = StateOf(hwnd)) {
          PictureStripStep(state->motion, state->picture.iWidth);
          InvalidateWindow(state->hStrip);
        }
      }
      return 0;
    case MSG_DESTROY:
      OnDestroy(hwnd);
      return 0;
    case MSG_KEYDOWN:
      if (wParam == KEY_F1 && IsWindowAlive(Program().hFrameWnd)) SendCommand(Program().hFrameWnd, CMD_HELP);
      return 0;
    default:
      return DefaultWindowProc(hwnd, msg, wParam, lParam);
  }
}
