// Running a piece of work that outside code may never finish or may crash
// on (a system library reading a damaged file) in a child process first, so
// the program itself survives and can say the file cannot be read.
#pragma once

#include <functional>

enum class GuardedOutcome {
  Finished,  // the work returned; its status is in GuardedResult::iStatus
  Crashed,   // the child ended by a signal (a crash or an abort)
  TimedOut,  // the child did not finish in time and was stopped
  NotRun     // no child could be started; nothing is known
};

struct GuardedResult {
  GuardedOutcome iOutcome = GuardedOutcome::NotRun;
  int iStatus = 0;
};

// Run `work` in a child process with a copy of this program's memory and
// wait up to `timeoutMs` for it. The child's status is work's return value
// (0..255). Nothing the child does reaches this process.
GuardedResult GuardedCallRun(const std::function<int()>& work, int timeoutMs);
