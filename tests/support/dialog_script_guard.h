// Test support: every dialog a test opens is answered from a script, and a
// dialog the test did not expect fails the test instead of blocking it.
#pragma once

#include "platform/dialogs.h"

class DialogScriptGuard {
 public:
  DialogScriptGuard();
  ~DialogScriptGuard();
  // Fail the current test for unexpected dialogs and unused answers so far.
  void Check();
};
