// Program-wide state: one copy per process, owned by the shell.
#pragma once

#include <array>

#include "platform/window.h"

inline constexpr int SYS_FIELD_COUNT = 15;
inline constexpr int SYS_FIELD_BYTES = 400;

// Plot placement (iPlotWindowMode).
inline constexpr int PLOT_IN_NEW_WINDOW = 33;
inline constexpr int PLOT_IN_CURRENT_WINDOW = 34;

// The upper buttons of the formula bar, one enabled flag each.
inline constexpr int TOOL_BUTTONS = 10;

struct ProgramState {
  WindowHandle hFrameWnd = WindowHandle::None;
  WindowHandle hMdiClient = WindowHandle::None;
  WindowHandle hFormulaBar = WindowHandle::None;
  WindowHandle hHintEdit = WindowHandle::None;
  WindowHandle hWelcomeWnd = WindowHandle::None;
  int iPlotWindowMode = PLOT_IN_CURRENT_WINDOW;
  int nOpenTables = 0;
  int n3DWindows = 0;
  int bClosingAll = 0;
  int bStartupPending = 0;
  std::array<std::array<char, SYS_FIELD_BYTES>, SYS_FIELD_COUNT> sysFields{};
  std::array<char, 400> szHelpPath{};
  std::array<char, 520> szLastPath{};
  std::array<char, 256> szLastDir{};
  std::array<char, 256> szLastFileName{};
  // Which upper formula-bar buttons work: with no document only "Open".
  std::array<int, TOOL_BUTTONS> toolStates{1, 0, 0, 0, 0, 0, 0, 0, 0, 0};
};

ProgramState& Program();

// Back to the state of a fresh process (tests).
void ResetProgramState();
