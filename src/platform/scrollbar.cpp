#include "platform/scrollbar.h"

#include <map>
#include <utility>

#include "platform/backend.h"

namespace {

std::map<std::pair<std::uint32_t, int>, ScrollBarState>& Bars() {
  static std::map<std::pair<std::uint32_t, int>, ScrollBarState> bars;
  return bars;
}

ScrollBarState& BarOf(WindowHandle hwnd, int bar) { return Bars()[{static_cast<std::uint32_t>(hwnd), bar}]; }

}  // namespace

void SetScrollRange(WindowHandle hwnd, int bar, int min, int max) {
  if (!IsWindowAlive(hwnd)) return;
  ScrollBarState& state = BarOf(hwnd, bar);
  state.iMin = min;
  state.iMax = max < min ? min : max;
  Backend().ScrollBarChanged(hwnd, bar, state);
}

void SetScrollPos(WindowHandle hwnd, int bar, int pos) {
  if (!IsWindowAlive(hwnd)) return;
  ScrollBarState& state = BarOf(hwnd, bar);
  state.iPos = pos;
  Backend().ScrollBarChanged(hwnd, bar, state);
}

ScrollBarState ScrollBarOf(WindowHandle hwnd, int bar) {
  auto it = Bars().find({static_cast<std::uint32_t>(hwnd), bar});
  return it == Bars().end() ? ScrollBarState{} : it->second;
}

void ForgetScrollBars(WindowHandle hwnd) {
  Bars().erase({static_cast<std::uint32_t>(hwnd), SCROLLBAR_HORZ});
  Bars().erase({static_cast<std::uint32_t>(hwnd), SCROLLBAR_VERT});
}
