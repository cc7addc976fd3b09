// Timers by window and identifier, as SetTimer/KillTimer give them. The
// backend drives real time and calls FireTimer; headless code and tests may
// fire a running timer directly.
#pragma once

#include "platform/window.h"

// Start or restart a timer; -1 for a dead window or a zero interval.
int StartTimer(WindowHandle hwnd, unsigned id, unsigned ms);
// Stop a timer; -1 when it was not running.
int StopTimer(WindowHandle hwnd, unsigned id);
bool TimerIsActive(WindowHandle hwnd, unsigned id);
unsigned TimerInterval(WindowHandle hwnd, unsigned id);
// Send MSG_TIMER for a running timer (it keeps running, as on Windows);
// -1 when the timer is not running.
int FireTimer(WindowHandle hwnd, unsigned id);
// Stop every timer of a window (on destroy).
void StopWindowTimers(WindowHandle hwnd);
