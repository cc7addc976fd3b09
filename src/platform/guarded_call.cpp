#include "platform/guarded_call.h"

#if defined(__unix__) || defined(__APPLE__)
#include <errno.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#endif

#if defined(__unix__) || defined(__APPLE__)

namespace {

// Milliseconds of a monotonic clock.
long long NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Wait for `child` until `deadline`: 1 when it ended (its status set), 0
// when it is still running, -1 when it cannot be waited for.
int WaitUntil(pid_t child, long long deadline, int* status) {
  long long pause = 1;
  for (;;) {
    const pid_t done = waitpid(child, status, WNOHANG);
    if (done == child) return 1;
    if (done < 0 && errno != EINTR) return -1;
    if (NowMs() >= deadline) return 0;
    const timespec step{0, static_cast<long>(pause) * 1000000L};
    nanosleep(&step, nullptr);
    if (pause < 20) pause *= 2;
  }
}

}  // namespace

GuardedResult GuardedCallRun(const std::function<int()>& work, int timeoutMs) {
  GuardedResult result;
  const long long deadline = NowMs() + (timeoutMs > 0 ? timeoutMs : 0);
  const pid_t child = fork();
  if (child < 0) return result;
  if (child == 0) {
    // The child leaves without running this program's exit handlers or
    // flushing its buffers: it only reports how the work went.
    _exit(work() & 0xff);
  }
  int status = 0;
  const int ended = WaitUntil(child, deadline, &status);
  if (ended < 0) return result;
  if (ended == 0) {
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    result.iOutcome = GuardedOutcome::TimedOut;
    return result;
  }
  if (WIFEXITED(status)) {
    result.iOutcome = GuardedOutcome::Finished;
    result.iStatus = WEXITSTATUS(status);
  } else {
    result.iOutcome = GuardedOutcome::Crashed;
  }
  return result;
}

#else

GuardedResult GuardedCallRun(const std::function<int()>& work, int timeoutMs) {
  (void)work;
  (void)timeoutMs;
  return GuardedResult{};
}

#endif
