#include "platform/timers.h"

#include <map>
#include <utility>

#include "platform/backend.h"

namespace {

using TimerKey = std::pair<std::uint32_t, unsigned>;

std::map<TimerKey, unsigned>& Timers() {
  static std::map<TimerKey, unsigned> timers;
  return timers;
}

TimerKey KeyOf(WindowHandle hwnd, unsigned id) { return {static_cast<std::uint32_t>(hwnd), id}; }

}  // namespace

int StartTimer(WindowHandle hwnd, unsigned id, unsigned ms) {
  if (!IsWindowAlive(hwnd) || ms == 0) return -1;
  Timers()[KeyOf(hwnd, id)] = ms;
  Backend().TimerStarted(hwnd, id, ms);
  return 0;
}

int StopTimer(WindowHandle hwnd, unsigned id) {
  if (Timers().erase(KeyOf(hwnd, id)) == 0) return -1;
  Backend().TimerStopped(hwnd, id);
  return 0;
}

bool TimerIsActive(WindowHandle hwnd, unsigned id) { return Timers().count(KeyOf(hwnd, id)) != 0; }

unsigned TimerInterval(WindowHandle hwnd, unsigned id) {
  auto it = Timers().find(KeyOf(hwnd, id));
  return it == Timers().end() ? 0 : it->second;
}

int FireTimer(WindowHandle hwnd, unsigned id) {
  if (!TimerIsActive(hwnd, id)) return -1;
  SendMessageTo(hwnd, MSG_TIMER, id, 0);
  return 0;
}

void StopWindowTimers(WindowHandle hwnd) {
  auto& timers = Timers();
  const auto key = static_cast<std::uint32_t>(hwnd);
  for (auto it = timers.lower_bound({key, 0}); it != timers.end() && it->first.first == key;) {
    const unsigned id = it->first.second;
    it = timers.erase(it);
    Backend().TimerStopped(hwnd, id);
  }
}
