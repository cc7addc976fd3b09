// Temporary files that an interrupted save must not leave behind. While a
// save is writing, its temporary file is registered here; SIGINT or SIGTERM
// arriving meanwhile removes every registered file before the signal takes
// its usual course (the program still ends as it would have).
#pragma once

#include <csignal>
#include <cstddef>

// How many temporary files may be registered at once.
inline constexpr std::size_t TEMP_GUARD_SLOTS = 8;
// The longest path a slot keeps (a longer one is not registered).
inline constexpr std::size_t TEMP_GUARD_PATH_BYTES = 4096;

// Register `path`: the signal handlers are installed with the first file
// (a signal the process ignores stays ignored). The slot, or -1 when no
// slot is free or the path is too long.
int TempGuardRegister(const char* path);

// Forget a slot; with the last one the earlier signal handling returns.
void TempGuardRelease(int slot);

// Block SIGINT and SIGTERM for the life of a scope, so that a temporary
// file is never created without being registered.
class TempGuardSignalBlock {
 public:
  TempGuardSignalBlock();
  ~TempGuardSignalBlock();
  TempGuardSignalBlock(const TempGuardSignalBlock&) = delete;
  TempGuardSignalBlock& operator=(const TempGuardSignalBlock&) = delete;

 private:
  sigset_t saved_;  // the thread's signal mask before
};
