#include "files/temp_file_guard.h"

#include <pthread.h>
#include <unistd.h>

#include <array>
#include <csignal>
#include <cstring>

namespace {

struct GuardSlot {
  volatile std::sig_atomic_t bUsed;
  std::array<char, TEMP_GUARD_PATH_BYTES> szPath;
};

std::array<GuardSlot, TEMP_GUARD_SLOTS> slots{};
int iRegistered = 0;

constexpr std::array<int, 2> kSignals = {SIGINT, SIGTERM};
std::array<struct sigaction, 2> previous{};
std::array<bool, 2> installed{};

// Remove every registered file, then let the signal do what it did before
// the handler came (end the program, by default).
void OnSignal(int sig) {
  for (GuardSlot& slot : slots) {
    if (slot.bUsed) unlink(slot.szPath.data());
  }
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    if (kSignals[i] == sig && installed[i]) sigaction(sig, &previous[i], nullptr);
  }
  raise(sig);
}

// Catch SIGINT and SIGTERM, unless the process ignores one of them.
void InstallHandlers() {
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    struct sigaction current {};
    sigaction(kSignals[i], nullptr, &current);
    if (current.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    for (const int other : kSignals) sigaddset(&action.sa_mask, other);
    installed[i] = sigaction(kSignals[i], &action, &previous[i]) == 0;
  }
}

// Put back the handling the process had before.
void RestoreHandlers() {
  for (std::size_t i = 0; i < kSignals.size(); ++i) {
    if (installed[i]) sigaction(kSignals[i], &previous[i], nullptr);
    installed[i] = false;
  }
}

// The set of the two signals.
sigset_t GuardedSignals() {
  sigset_t set;
  sigemptyset(&set);
  for (const int sig : kSignals) sigaddset(&set, sig);
  return set;
}

}  // namespace

int TempGuardRegister(const char* path) {
  const std::size_t length = std::strlen(path);
  if (length >= TEMP_GUARD_PATH_BYTES) return -1;
  TempGuardSignalBlock block;
  for (std::size_t i = 0; i < slots.size(); ++i) {
    if (slots[i].bUsed) continue;
    std::memcpy(slots[i].szPath.data(), path, length + 1);
    slots[i].bUsed = 1;
    if (iRegistered++ == 0) InstallHandlers();
    return static_cast<int>(i);
  }
  return -1;
}

void TempGuardRelease(int slot) {
  if (slot < 0 || static_cast<std::size_t>(slot) >= slots.size() || !slots[static_cast<std::size_t>(slot)].bUsed) {
    return;
  }
  TempGuardSignalBlock block;
  slots[static_cast<std::size_t>(slot)].bUsed = 0;
  if (--iRegistered == 0) RestoreHandlers();
}

TempGuardSignalBlock::TempGuardSignalBlock() {
  const sigset_t set = GuardedSignals();
  pthread_sigmask(SIG_BLOCK, &set, &saved_);
}

TempGuardSignalBlock::~TempGuardSignalBlock() {
  pthread_sigmask(SIG_SETMASK, &saved_, nullptr);
}
